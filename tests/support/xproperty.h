#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <xcb/xcb.h>

/// A property of a window as the X server holds it (the xcb platform only).
inline QByteArray xProperty(QWidget* window, const char* name)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window->winId()),
                                                atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr);
    QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                     xcb_get_property_value_length(reply));
    free(atom);  // NOLINT(cppcoreguidelines-no-malloc): xcb replies are malloc'ed
    free(reply); // NOLINT(cppcoreguidelines-no-malloc)
    return value;
}

/// The title the window manager is given for a window, once pending events are handled.
inline QString title(QWidget* window)
{
    QCoreApplication::processEvents();
    return QString::fromUtf8(xProperty(window, "_NET_WM_NAME"));
}
