#pragma once

#include <QProcess>
#include <QWidget>

/// A click of the real pointer at a point of the screen, through the X server's test
/// extension (xdotool), as a finger on a whiteboard gives it.
inline bool pointerClick(QPoint at)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                              QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

/// A click of the real pointer in the middle of `widget` (or of `area` inside it).
inline bool pointerClick(const QWidget* widget, QRect area = {})
{
    const QRect r = area.isNull() ? widget->rect() : area;
    return pointerClick(widget->mapToGlobal(r.center()));
}
