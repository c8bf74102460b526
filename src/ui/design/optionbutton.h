#pragma once

#include <QRadioButton>

/// An option button whose caption wraps inside its box, as the window designs expect; its
/// round indicator grows with the design like the caption.
/// (No Q_OBJECT: seen from outside it is a plain radio button.)
class WrappingRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

    void setFactor(qreal factor);

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;

  private:
    qreal factor_ = 1;
};
