#pragma once

class QWidget;

/// Gives the window system an empty title for a window that has no title text. Qt would
/// show the program's name there instead; on other platforms than X11 nothing is done.
/// The window must have its native window (it is shown, or about to be).
///
/// Works around: the xcb platform's name for a window without a title, seen with Qt 6.4.2
/// (Debian 12) and Qt 6.8.2 (Debian 13); probed without this on each Qt the project builds with by
/// tests/system/test_qt_faults.
void clearPlatformTitle(QWidget* window);
