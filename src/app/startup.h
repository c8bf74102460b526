#pragma once

#include <QStringList>

class QApplication;

/// The look shared by every window: Fusion style (steady palettes), the application font, the
/// program's icon and name, and Qt's own Italian texts for standard dialogs and context menus.
void prepareApplication(QApplication& app);

/// The command line without the options Qt's application object takes for itself (such as
/// `-platform`, `-session` from a session manager, `-style`) and their values, so that the
/// program's own options can be read before there is a display.
QStringList withoutQtOptions(const QStringList& arguments);
