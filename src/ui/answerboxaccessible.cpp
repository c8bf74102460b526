#include "ui/answerboxaccessible.h"

#include "ui/boardwindow.h"

void AnswerBoxAccessible::doAction(const QString& name)
{
    if (name != pressAction()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    if (auto* board = qobject_cast<BoardWindow*>(widget()->window());
        board && widget()->isEnabled())
        board->frame().typedAnswer(box()->text());
}
