#pragma once

#include <QCursor>
#include <QProcess>
#include <QWidget>

/// A click of the real pointer at a point of the screen, through the X server's test
/// extension (xdotool), as a finger on a whiteboard gives it.
inline bool pointerClick(QPoint at)
{
    QStringList args;
    // xdotool's --sync waits for the pointer to move, which takes it 15 s to give up on when
    // the pointer is already there (a key tapped twice, a scroll arrow stepped again).
    if (QCursor::pos() != at)
        args << QStringLiteral("mousemove") << QStringLiteral("--sync") << QString::number(at.x())
             << QString::number(at.y());
    args << QStringLiteral("click") << QStringLiteral("1");
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

/// A click of the real pointer in the middle of `widget` (or of `area` inside it).
inline bool pointerClick(const QWidget* widget, QRect area = {})
{
    const QRect r = area.isNull() ? widget->rect() : area;
    return pointerClick(widget->mapToGlobal(r.center()));
}
