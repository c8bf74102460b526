#pragma once

class QApplication;

/// Makes pasting into the multi-line text boxes (QPlainTextEdit) insert the clipboard's text,
/// or nothing, whatever the clipboard holds. On X11, Qt 6.4 crashes when such a box pastes
/// from a clipboard or selection without an owner (nothing copied since the X server started,
/// or the program that copied has gone): the paste keys, the middle click and the "Incolla"
/// item of the context menu are taken over for every editable QPlainTextEdit. QLineEdit reads
/// the clipboard's text itself and is safe as it is.
///
/// Works around: the crash, seen with Qt 6.4.2 (Debian 12), gone in Qt 6.8.2 (Debian 13), which
/// pastes nothing there; probed without this on each Qt the project builds with by
/// tests/system/test_qt_faults. Kept while the program builds with Qt 6.4.
void installSafePaste(QApplication& app);
