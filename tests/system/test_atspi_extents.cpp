// Where the accessibility bus says the windows and controls are, read through the bus as a
// magnifier reads it, against where the X server has them. CMake runs it once per scale
// factor (QT_SCALE_FACTOR is read at start), on xcb with a private bus (a11y_test.sh).
#include "program.h"
#include "ui/system/atspiextents.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QMenuBar>
#include <QMessageBox>
#include <xcb/xcb.h>

namespace {

const QString kObjects = QStringLiteral("/org/a11y/atspi/accessible");

qreal scaleFactor()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

/// A screen reader's own connection to the accessibility bus.
QDBusConnection reader()
{
    static const QDBusConnection bus = [] {
        const QDBusMessage address =
            QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
        return QDBusConnection::connectToBus(address.arguments().value(0).toString(),
                                             QStringLiteral("reader"));
    }();
    return bus;
}

QString pathOf(QObject* object)
{
    const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object));
    return kObjects + u'/' + QString::number(id);
}

/// Asks the program, through the bus, a question of the Component interface about `object`;
/// the answer's first value, or nothing.
QDBusArgument askComponent(QObject* object, const char* member, const QVariantList& args)
{
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QDBusConnection(QStringLiteral("a11y")).baseService(), pathOf(object),
        QStringLiteral("org.a11y.atspi.Component"), QString::fromLatin1(member));
    ask.setArguments(args);
    QDBusPendingCall call = reader().asyncCall(ask);
    // The program answers on this thread: wait with its events running.
    for (int i = 0; i < 1000 && !call.isFinished(); ++i)
        QTest::qWait(10);
    if (!call.isFinished() || call.isError())
        return {};
    return call.reply().arguments().value(0).value<QDBusArgument>();
}

/// The screen extents the bus reports for `object`; a null rectangle without an answer.
QRect busExtents(QObject* object)
{
    QRect r;
    if (const QDBusArgument answer = askComponent(object, "GetExtents", {0U});
        answer.currentType() != QDBusArgument::UnknownType)
        answer >> r;
    return r;
}

/// The window's place and size as the X server has them.
QRect xGeometry(QWidget* window)
{
    xcb_connection_t* c =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto w = static_cast<xcb_window_t>(window->winId());
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, g->root, 0, 0), nullptr);
    const QRect r(t->dst_x, t->dst_y, g->width, g->height);
    free(g); // NOLINT(cppcoreguidelines-no-malloc): xcb replies are malloc'ed
    free(t); // NOLINT(cppcoreguidelines-no-malloc)
    return r;
}

/// Where `widget` is in the X server's pixels: its window's place there, plus its own offset
/// in the window scaled by the factor (within a pixel at 1.5).
QRect onScreen(QWidget* widget)
{
    const QRect window = xGeometry(widget->window());
    const QPointF offset = QPointF(widget->mapTo(widget->window(), QPoint(0, 0))) * scaleFactor();
    const QSizeF size = QSizeF(widget->size()) * scaleFactor();
    return {window.topLeft() + offset.toPoint(), size.toSize()};
}

bool near(const QRect& a, const QRect& b)
{
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1 &&
           std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
}

/// Places a window away from the screen's corner, where halved and true places would agree.
void placeAside(QWidget* window)
{
    window->move(37, 23);
    const QPoint there = (QPointF(37, 23) * scaleFactor()).toPoint();
    QTRY_COMPARE(xGeometry(window).topLeft(), there);
}

QObject* qtAdaptor = nullptr;

} // namespace

class TestAtSpiExtents : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void qtBridgeAloneDividesByTheScale();
    void extentsAreOnTheScreen_data();
    void extentsAreOnTheScreen();
    void pointFindsTheControl();
};

void TestAtSpiExtents::initTestCase()
{
    QTRY_VERIFY(QAccessible::isActive());
    QTRY_VERIFY((qtAdaptor = QDBusConnection(QStringLiteral("a11y")).objectRegisteredAt(kObjects)));
    QVERIFY(reader().isConnected());
    qInfo("Qt %s at scale factor %g", qVersion(), scaleFactor());
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), scaleFactor());
}

void TestAtSpiExtents::qtBridgeAloneDividesByTheScale()
{
    // Probes the fault on this Qt, then puts the workaround in place as the program's
    // start-up does.
    Program p(89);
    BoardWindow* b = openFromMenu(p, "Command7", true);
    placeAside(b);
    QWidget* cell = b->cellButton(57);
    const QRect reported = busExtents(cell);
    const bool divided = !near(reported, onScreen(cell));
    qInfo("Qt's bridge alone: cell at %d,%d %dx%d, on the screen at %d,%d %dx%d", reported.x(),
          reported.y(), reported.width(), reported.height(), onScreen(cell).x(), onScreen(cell).y(),
          onScreen(cell).width(), onScreen(cell).height());
    QCOMPARE(divided, scaleFactor() != 1.0); // seen on 6.4.2 and 6.8.2
    installScaledAtSpiExtents(*qApp);
    QTRY_VERIFY(QDBusConnection(QStringLiteral("a11y")).objectRegisteredAt(kObjects) != qtAdaptor);
}

void TestAtSpiExtents::extentsAreOnTheScreen_data()
{
    QTest::addColumn<QString>("board");
    // The control's name; empty: the window; "cell": cell 57; "menu bar": the window's;
    // "box": a message box's button.
    QTest::addColumn<QString>("control");
    QTest::newRow("board window") << "Command7"
                                  << "";
    QTest::newRow("cell") << "Command7"
                          << "cell";
    QTest::newRow("button") << ""
                            << "Command7";
    QTest::newRow("menu bar") << "Command7"
                              << "menu bar";
    QTest::newRow("label") << "Command7" << names::kEsatti;
    QTest::newRow("answer box") << "Command7" << names::kAnswerBox;
    QTest::newRow("scroll bar") << "Command9" << names::kHundreds;
    QTest::newRow("main menu") << ""
                               << "";
    QTest::newRow("message box") << "Command7"
                                 << "box";
}

void TestAtSpiExtents::extentsAreOnTheScreen()
{
    QFETCH(QString, board);
    QFETCH(QString, control);
    Program p(97);
    QWidget* window = nullptr;
    if (board.isEmpty()) {
        p.app.main();
        p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        flushUnloads();
        window = p.app.menuWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    } else {
        window = openFromMenu(p, board.toLatin1().constData());
    }
    placeAside(window);
    QWidget* widget = window;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Uso delle quadene dei numeri"),
                    QStringLiteral("Prova"), QMessageBox::Ok, window);
    if (control == QStringLiteral("box")) {
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        placeAside(&box);
        widget = box.button(QMessageBox::Ok);
    } else if (control == QStringLiteral("cell")) {
        widget = static_cast<BoardWindow*>(window)->cellButton(57);
    } else if (control == QStringLiteral("menu bar")) {
        widget = window->findChild<QMenuBar*>();
    } else if (!control.isEmpty()) {
        widget = window->findChild<QWidget*>(control);
    }
    QVERIFY(widget && widget->isVisible());
    const QRect reported = busExtents(widget);
    QVERIFY2(near(reported, onScreen(widget)),
             qPrintable(QStringLiteral("reported %1,%2 %3x%4, on the screen %5,%6 %7x%8")
                            .arg(reported.x())
                            .arg(reported.y())
                            .arg(reported.width())
                            .arg(reported.height())
                            .arg(onScreen(widget).x())
                            .arg(onScreen(widget).y())
                            .arg(onScreen(widget).width())
                            .arg(onScreen(widget).height())));
    if (widget != window)
        QVERIFY(near(busExtents(widget->window()), xGeometry(widget->window())));
}

void TestAtSpiExtents::pointFindsTheControl()
{
    // A click where the bus says the cell is lands on the cell.
    Program p(101);
    BoardWindow* b = openFromMenu(p, "Command14");
    placeAside(b);
    const QPoint centre = onScreen(b->cellButton(57)).center();
    QDBusObjectPath found;
    const QDBusArgument answer =
        askComponent(b, "GetAccessibleAtPoint", {centre.x(), centre.y(), 0U});
    QString service;
    answer.beginStructure();
    answer >> service >> found;
    answer.endStructure();
    QCOMPARE(found.path(), pathOf(b->cellButton(57)));
}

QTEST_MAIN(TestAtSpiExtents)
#include "test_atspi_extents.moc"
