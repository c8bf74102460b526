#pragma once

class QWidget;

/// Gives the window system an empty title for a window that has no title text. Qt would
/// show the program's name there instead; on other platforms than X11 nothing is done.
/// The window must have its native window (it is shown, or about to be).
void clearPlatformTitle(QWidget* window);
