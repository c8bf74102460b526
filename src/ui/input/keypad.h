#pragma once

#include "core/settings/options.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;

/// The on-screen keypad for a child without a keyboard (a whiteboard, a tablet): ten digit
/// keys, a key that deletes the last digit and one that confirms, in three columns. The keys
/// never take the focus, so typing on the keyboard goes on in the box beside them; they are
/// disabled while the box is. Taps and pen presses press them as clicks do.
class OnScreenKeypad final : public QWidget {
    Q_OBJECT
  public:
    /// The narrowest a key may be at the design size: 12 mm on a 96 dpi screen.
    static constexpr int kKeyPixels = 46;

    explicit OnScreenKeypad(QWidget* parent);

    /// The box the digit keys type into and the delete key deletes from.
    void setBox(QLineEdit* box);
    /// The box's text, judged wrong, stays on show until the next digit key, which starts a
    /// fresh entry; any change to the text before that keeps it for editing.
    void keepUntilNextDigit();

  signals:
    /// The confirm key was pressed: what Enter does in the box is to follow.
    void confirmed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void type(QChar digit);
    void deleteLast();

    QPointer<QLineEdit> box_;
    bool replaceOnDigit_ = false;
};

/// Whether the keypad shows: as the options ask, or else where the desktop reports a touch
/// screen. Needs the application object.
bool keypadShown(Keypad choice);
