#pragma once

#include <QRect>

/// Where a window of `size` opened from the window at `anchor` goes on a screen whose
/// available area is `screen` (all frame rectangles, in the same coordinates), so that a good
/// part of `anchor` stays in sight: beside it on the right, else on the left, when the screen
/// has room; otherwise cascaded from its top left corner by a third of its size, moved back
/// to fit the screen by at most half of that, and clipped to the screen.
QRect placedBeside(const QRect& anchor, const QSize& size, const QRect& screen);

/// The frame of a window at `geometry` whose frame the window system reports as `frame`.
/// While a window manager is still building a frame, the reported one can be smaller than
/// the window inside it (a frame window of 1 x 1): such a frame counts as none.
QRect settledFrame(const QRect& frame, const QRect& geometry);
