#pragma once

class QKeyEvent;

/// The two Enter rules of the program. Both take Return and the keypad's Enter.
///
/// In a text box that gives an answer, Enter counts whatever modifier is held, as a child
/// who holds Shift by mistake still means it.
bool isAnswerEnter(const QKeyEvent* key);

/// On a button, Enter presses it only with no modifier but the keypad's own: Ctrl+Enter and
/// the like stay free for shortcuts.
bool isButtonEnter(const QKeyEvent* key);
