#include "ui/input/enterkeys.h"

#include <QKeyEvent>

bool isAnswerEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool isButtonEnter(const QKeyEvent* key)
{
    return isAnswerEnter(key) && !(key->modifiers() & ~Qt::KeypadModifier);
}
