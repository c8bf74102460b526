#pragma once

#include <QRect>

/// Where a window of `size` opened from the window at `anchor` goes on a screen whose
/// available area is `screen` (all frame rectangles, in the same coordinates), so that a good
/// part of `anchor` stays in sight: beside it on the right, else on the left, when the screen
/// has room; otherwise cascaded from its top left corner by a third of its size, moved back
/// to fit the screen by at most half of that, and clipped to the screen.
QRect placedBeside(const QRect& anchor, const QSize& size, const QRect& screen);
