#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class GridKeys;
class QAbstractButton;
class QAbstractSlider;
class QMainWindow;
class QMenuBar;

/// Enter and the keypad's Enter press a button as Space does: one click for a press and a
/// release on the same button; the repeats of a held key, and a release whose press went to
/// another widget, do nothing.
class EnterKey final : public QObject {
    Q_OBJECT
  public:
    explicit EnterKey(QObject* parent) : QObject(parent) {}
    void watch(QAbstractButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QAbstractButton> pressed_;
};

/// Enter presses every button in `area` (see `EnterKey`), as Space does.
void addEnterKeys(QWidget* area);

/// Opens `bar` as Alt does: the first item active, the arrows, Enter and Escape working,
/// the focus back where it was when the bar closes. Again while open, it closes the bar.
void openMenuBar(QMenuBar* bar);

/// F10 opens the window's menu bar (see `openMenuBar`). The window must have a menu bar.
void addMenuBarKey(QMainWindow* window);

/// Page Down and +, Page Up and − move `slider` one step up and down from anywhere in
/// `window`, the slider itself included, as its arrows do. `window` must have no text box
/// that would take + and − as typed text.
void addStepKeys(QWidget* window, QAbstractSlider* slider);

/// Everything a board window answers on the keyboard beyond Tab and Space: the grid's
/// arrows, Enter on the cells and on "avanti", F10, the hundreds keys; and where the focus
/// goes when a wait for "avanti" starts and ends.
class BoardKeys final : public QObject {
    Q_OBJECT
  public:
    /// `cells` in reading order; `avanti` and `hundreds` may be null on boards without them.
    BoardKeys(QMainWindow* window, std::vector<QAbstractButton*> cells, QAbstractButton* avanti,
              bool hasAnswerBox, QAbstractSlider* hundreds);

    /// A wait starting gives the focus to "avanti"; a wait ending gives it back to the grid,
    /// on boards without an answer box (which takes the focus with the next question).
    void waitChanged(bool waiting);

  private:
    GridKeys* grid_;
    QAbstractButton* avanti_;
    bool hasAnswerBox_;
    bool waiting_ = false;
};
