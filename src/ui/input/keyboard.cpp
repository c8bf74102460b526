#include "ui/input/keyboard.h"

#include "ui/input/enterkeys.h"
#include "ui/input/gridkeys.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <utility>

namespace {

/// The filter behind `addStepKeys`.
class StepKeys final : public QObject {
  public:
    StepKeys(QAbstractSlider* slider, QObject* parent) : QObject(parent), slider_(slider) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_PageDown:
        case Qt::Key_Plus:
            slider_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_Minus:
            slider_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        default:
            return false;
        }
    }

  private:
    QAbstractSlider* slider_;
};

} // namespace

void EnterKey::watch(QAbstractButton* button)
{
    button->installEventFilter(this);
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isButtonEnter(key))
            return false;
        if (!key->isAutoRepeat()) {
            pressed_ = button;
            button->setDown(true);
        }
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isButtonEnter(key))
            return false;
        if (!key->isAutoRepeat() && pressed_ == button) {
            pressed_ = nullptr;
            button->setDown(false);
            button->click();
        }
        return true;
    }
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        if (pressed_ == button) {
            pressed_ = nullptr;
            button->setDown(false);
        }
        return false;
    default:
        return false;
    }
}

void addEnterKeys(QWidget* area)
{
    auto* enter = new EnterKey(area);
    for (QAbstractButton* button : area->findChildren<QAbstractButton*>())
        enter->watch(button);
}

void openMenuBar(QMenuBar* bar)
{
    // The bar watches its window for a lone Alt, pressed and released where the focus is;
    // going that same way keeps the bar's own keyboard mode, which gives the focus back
    // when the bar closes.
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != bar->window())
        target = bar->window();
    QKeyEvent alt(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(target, &alt);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void addMenuBarKey(QMainWindow* window)
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, window, [window] {
        if (auto* bar = qobject_cast<QMenuBar*>(window->menuWidget()))
            openMenuBar(bar);
    });
}

void addStepKeys(QWidget* window, QAbstractSlider* slider)
{
    auto* keys = new StepKeys(slider, window);
    window->installEventFilter(keys);
    // The slider would take the page keys the other way round.
    slider->installEventFilter(keys);
}

BoardKeys::BoardKeys(QMainWindow* window, std::vector<QAbstractButton*> cells,
                     QAbstractButton* avanti, bool hasAnswerBox, QAbstractSlider* hundreds)
    : QObject(window), grid_(new GridKeys(cells, this)), avanti_(avanti),
      hasAnswerBox_(hasAnswerBox)
{
    auto* enter = new EnterKey(this);
    for (QAbstractButton* cell : cells)
        enter->watch(cell);
    if (avanti_)
        enter->watch(avanti_);
    addMenuBarKey(window);
    if (hundreds)
        addStepKeys(window, hundreds);
}

void BoardKeys::waitChanged(bool waiting)
{
    if (waiting == std::exchange(waiting_, waiting))
        return;
    if (waiting && avanti_)
        avanti_->setFocus(Qt::OtherFocusReason);
    else if (!waiting && !hasAnswerBox_)
        grid_->focusGrid();
}
