#pragma once

#include <QWidget>
#include <functional>

/// Runs `then` once, on the event loop right after `widget` has first painted, so that work
/// started there does not hold up what the user sees first. Nothing runs when the widget goes
/// before painting.
void afterFirstPaint(QWidget& widget, std::function<void()> then);
