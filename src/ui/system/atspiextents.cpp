#include "ui/system/atspiextents.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace {

/// The connection Qt's bridge holds to the accessibility bus, and where it answers for
/// every accessible object ("<path>/<id>", "<path>/root" for the application).
constexpr QLatin1StringView kConnection("a11y");
constexpr QLatin1StringView kObjects("/org/a11y/atspi/accessible");
constexpr QLatin1StringView kComponent("org.a11y.atspi.Component");
constexpr QLatin1StringView kText("org.a11y.atspi.Text");

/// How the bus gives a place: on the screen, or from the window's or the parent's corner.
enum class Coords : uint { Screen = 0, Window = 1, Parent = 2 };

/// Where `rect`, in device-independent pixels of `screen`, lies in the screen's own pixels:
/// scaled by the screen's device pixel ratio around the screen's top left corner, which both
/// kinds of pixels share.
QRect toScreenPixels(const QRect& rect, const QScreen& screen)
{
    const qreal ratio = screen.devicePixelRatio();
    const QPoint origin = screen.geometry().topLeft();
    return {origin + (rect.topLeft() - origin) * ratio, rect.size() * ratio};
}

/// The device-independent point at `point` in the screen's own pixels.
QPoint fromScreenPixels(const QPoint& point, const QScreen& screen)
{
    const QPoint origin = screen.geometry().topLeft();
    return origin + (point - origin) / screen.devicePixelRatio();
}

QAccessibleInterface* interfaceAt(const QString& path)
{
    if (path == QString(kObjects) + QLatin1StringView("/root"))
        return QAccessible::queryAccessibleInterface(qApp);
    if (!path.startsWith(QString(kObjects) + u'/'))
        return nullptr;
    bool ok = false;
    const QAccessible::Id id = path.sliced(kObjects.size() + 1).toUInt(&ok);
    QAccessibleInterface* iface = ok ? QAccessible::accessibleInterface(id) : nullptr;
    return iface && iface->isValid() ? iface : nullptr;
}

/// The window that holds `iface`, as the bridge finds it for window coordinates.
QAccessibleInterface* windowOf(QAccessibleInterface* iface)
{
    QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
    while (iface && iface->role() != QAccessible::Dialog && iface->role() != QAccessible::Window &&
           iface->parent() != app)
        iface = iface->parent();
    return iface;
}

const QScreen& screenOf(QAccessibleInterface* iface)
{
    const QWindow* window = iface->window();
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(iface->rect().center());
    return screen ? *screen : *QGuiApplication::primaryScreen();
}

/// The corner, in the screen's pixels, that places in `coords` are counted from.
QPoint originOf(QAccessibleInterface* iface, Coords coords)
{
    QAccessibleInterface* upper = coords == Coords::Window   ? windowOf(iface)
                                  : coords == Coords::Parent ? iface->parent()
                                                             : nullptr;
    return upper ? toScreenPixels(upper->rect(), screenOf(iface)).topLeft() : QPoint();
}

QRect inPixels(QAccessibleInterface* iface, const QRect& rect, Coords coords)
{
    return toScreenPixels(rect, screenOf(iface)).translated(-originOf(iface, coords));
}

QVariantList corners(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

/// Answers the bus's questions about places in the screen's pixels and hands every other
/// one to Qt's own adaptor, which stays owned by Qt's bridge.
class ScaledAdaptor final : public QDBusVirtualObject {
  public:
    ScaledAdaptor(QDBusVirtualObject* qt, QObject* parent) : QDBusVirtualObject(parent), qt_(qt) {}

    QString introspect(const QString& path) const override
    {
        return qt_ ? qt_->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (!qt_)
            return false;
        QAccessibleInterface* iface = interfaceAt(message.path());
        if (!iface || !answer(iface, message, connection))
            return qt_->handleMessage(message, connection);
        return true;
    }

  private:
    /// Answers `message` when it is about a place; false when Qt's adaptor is to answer it.
    bool answer(QAccessibleInterface* iface, const QDBusMessage& message,
                const QDBusConnection& connection)
    {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        const auto coordsAt = [&](qsizetype i, Coords* coords) {
            const uint c = i < args.size() ? args.at(i).toUInt() : ~0U;
            *coords = static_cast<Coords>(c);
            return c <= static_cast<uint>(Coords::Parent);
        };
        Coords coords{};
        if (message.interface() == kComponent) {
            if (member == QLatin1StringView("GetExtents") && coordsAt(0, &coords))
                return reply(connection, message, {inPixels(iface, iface->rect(), coords)});
            if (member == QLatin1StringView("GetPosition") && coordsAt(0, &coords)) {
                const QRect r = inPixels(iface, iface->rect(), coords);
                return reply(connection, message, {r.x(), r.y()});
            }
            if (member == QLatin1StringView("GetSize")) {
                const QRect r = inPixels(iface, iface->rect(), Coords::Screen);
                return reply(connection, message, {r.width(), r.height()});
            }
            if (member == QLatin1StringView("Contains") && coordsAt(2, &coords)) {
                const QPoint p(args.at(0).toInt(), args.at(1).toInt());
                return reply(connection, message,
                             {inPixels(iface, iface->rect(), coords).contains(p)});
            }
            if (member == QLatin1StringView("GetAccessibleAtPoint") && coordsAt(2, &coords))
                return forwardAtPoint(iface, message, connection, coords);
        } else if (message.interface() == kText && iface->textInterface()) {
            QAccessibleTextInterface* text = iface->textInterface();
            if (member == QLatin1StringView("GetCharacterExtents") && coordsAt(1, &coords)) {
                const QRect r = text->characterRect(args.at(0).toInt());
                return reply(connection, message, corners(inPixels(iface, r, coords)));
            }
            if (member == QLatin1StringView("GetRangeExtents") && coordsAt(2, &coords)) {
                const int start = args.at(0).toInt();
                const int end =
                    args.at(1).toInt() < 0 ? text->characterCount() : args.at(1).toInt();
                if (end <= start)
                    return false;
                QRect r;
                for (int i = start; i <= end; ++i)
                    r |= text->characterRect(i);
                return reply(connection, message, corners(inPixels(iface, r, coords)));
            }
            if (member == QLatin1StringView("GetOffsetAtPoint") && coordsAt(2, &coords))
                return forwardAtPoint(iface, message, connection, coords);
        }
        return false;
    }

    /// Hands a question about a point to Qt's adaptor with the point on the screen in
    /// device-independent pixels, as the adaptor takes it.
    bool forwardAtPoint(QAccessibleInterface* iface, const QDBusMessage& message,
                        const QDBusConnection& connection, Coords coords)
    {
        QVariantList args = message.arguments();
        const QPoint p = QPoint(args.at(0).toInt(), args.at(1).toInt()) + originOf(iface, coords);
        const QPoint logical = fromScreenPixels(p, screenOf(iface));
        args[0] = logical.x();
        args[1] = logical.y();
        args[2] = static_cast<uint>(Coords::Screen);
        QDBusMessage onScreen = message;
        onScreen.setArguments(args);
        return qt_->handleMessage(onScreen, connection);
    }

    static bool reply(const QDBusConnection& connection, const QDBusMessage& message,
                      const QVariantList& values)
    {
        return connection.send(message.createReply(values));
    }

    QPointer<QDBusVirtualObject> qt_;
};

/// Puts the scaled adaptor in front of Qt's, once Qt's bridge has registered its own.
void takeOver()
{
    QDBusConnection bus(kConnection);
    if (!bus.isConnected())
        return;
    auto* qt = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kObjects));
    if (!qt || dynamic_cast<ScaledAdaptor*>(qt))
        return;
    bus.unregisterObject(kObjects, QDBusConnection::UnregisterNode);
    bus.registerVirtualObject(kObjects, new ScaledAdaptor(qt, qApp), QDBusConnection::SubPath);
}

/// Qt's bridge registers its adaptor right after it tells the observers it is active.
class BridgeObserver final : public QAccessible::ActivationObserver {
  public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QMetaObject::invokeMethod(qApp, &takeOver, Qt::QueuedConnection);
    }
};

} // namespace

void installScaledAtSpiExtents(QApplication& app)
{
    static BridgeObserver observer;
    static const bool installed = [&] {
        QAccessible::installActivationObserver(&observer);
        QMetaObject::invokeMethod(&app, &takeOver, Qt::QueuedConnection);
        return true;
    }();
    Q_UNUSED(installed);
}
