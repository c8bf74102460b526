#pragma once

class QApplication;

/// The look shared by every window: Fusion style (steady palettes), the application font, the
/// program's icon and name, and Qt's own Italian texts for standard dialogs and context menus.
void prepareApplication(QApplication& app);
