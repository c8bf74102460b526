#pragma once

#include <QScrollBar>

/// A horizontal scroll bar that also answers the keyboard: arrows move it by one step,
/// Home and End to its ends (Qt's own scroll bar has no keyboard interface). No Q_OBJECT:
/// seen from outside it is a plain scroll bar.
class KeyScrollBar final : public QScrollBar {
  public:
    explicit KeyScrollBar(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
