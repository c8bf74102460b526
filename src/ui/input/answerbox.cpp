#include "ui/input/answerbox.h"

#include "ui/input/enterkeys.h"

#include <QKeyEvent>
#include <utility>

void AnswerBox::submit()
{
    if (isEnabled())
        emit submitted(text());
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (isAnswerEnter(event) && !event->isAutoRepeat())
        enterPressed_ = true;
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::keyReleaseEvent(QKeyEvent* event)
{
    if (!isAnswerEnter(event) || event->isAutoRepeat()) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (std::exchange(enterPressed_, false))
        submit();
}

void AnswerBox::focusOutEvent(QFocusEvent* event)
{
    enterPressed_ = false;
    QLineEdit::focusOutEvent(event);
}
