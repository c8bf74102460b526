#include "ui/input/keyscrollbar.h"

#include <QKeyEvent>

KeyScrollBar::KeyScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void KeyScrollBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
    }
}
