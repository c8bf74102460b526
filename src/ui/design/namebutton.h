#pragma once

#include "core/classes/pupilsymbol.h"

#include <QPushButton>
#include <optional>

/// A large button with a name on it (a child's, a class's) and, for a child, the child's
/// symbol on its left. A long name goes on two lines or is drawn smaller, at worst cut short:
/// the button's accessible name keeps it whole. The keyboard focus shows as a thick dark
/// frame.
class NameButton final : public QPushButton {
    Q_OBJECT
  public:
    explicit NameButton(QWidget* parent = nullptr);

    void setSymbol(const PupilSymbol& symbol);
    const std::optional<PupilSymbol>& symbol() const { return symbol_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<PupilSymbol> symbol_;
};
