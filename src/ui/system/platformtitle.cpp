#include "ui/system/platformtitle.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t result = reply->atom;
    free(reply); // NOLINT(cppcoreguidelines-no-malloc): xcb allocates its replies with malloc
    return result;
}

} // namespace

void clearPlatformTitle(QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowTitle().isEmpty())
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    if (netWmName == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()), netWmName, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}
