#include "ui/windows/windowplacement.h"

#include <algorithm>

namespace {

/// One axis of the cascade: the start of a span of `length` after an anchor span, within
/// [`low`, `high`).
int cascadeStart(int anchorStart, int anchorLength, int length, int low, int high)
{
    const int step = std::max(anchorLength / 3, 2);
    const int fitting = std::min(anchorStart + step, high - length);
    return std::max(low, std::max(fitting, anchorStart + step / 2));
}

} // namespace

QRect placedBeside(const QRect& anchor, const QSize& size, const QRect& screen)
{
    const int top =
        std::max(screen.top(), std::min(anchor.top(), screen.bottom() + 1 - size.height()));
    if (anchor.right() + size.width() <= screen.right())
        return QRect({anchor.right() + 1, top}, size) & screen;
    if (anchor.left() - size.width() >= screen.left())
        return QRect({anchor.left() - size.width(), top}, size) & screen;
    const QPoint corner(cascadeStart(anchor.left(), anchor.width(), size.width(), screen.left(),
                                     screen.right() + 1),
                        cascadeStart(anchor.top(), anchor.height(), size.height(), screen.top(),
                                     screen.bottom() + 1));
    return QRect(corner, size) & screen;
}

QRect settledFrame(const QRect& frame, const QRect& geometry)
{
    return frame.contains(geometry) ? frame : geometry;
}
