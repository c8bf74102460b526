#pragma once

class QApplication;

/// Makes what the AT-SPI accessibility bus is told of every window and control (cells,
/// buttons, labels, boxes, menus, dialogs) the place where it is on the screen, at any scale
/// factor: a magnifier that follows the focus, or a click at a control's reported place, then
/// finds the control. The extents, positions, sizes and text ranges the bus asks for are
/// answered in the screen's pixels, and the points it gives are taken in them; everything
/// else goes to Qt's bridge as before. Call once, after the application object exists;
/// nothing happens until a screen reader or magnifier switches the bridge on.
///
/// Works around: Qt's AT-SPI bridge sends QAccessibleInterface::rect(), which is in
/// device-independent pixels, as screen pixels, so every place is divided by the scale
/// factor; seen with Qt 6.4.2 (Debian 12) and Qt 6.8.2 (Debian 13), and the newest Qt
/// sources read (past 6.8) still do the same. Probed without this at scale factors 1.5 and 2 by
/// tests/system/test_atspi_extents.
void installScaledAtSpiExtents(QApplication& app);
