// Big screens and whiteboards: every window grows with its design magnified by one factor,
// F11 turns full screen on and off, and taps on the screen work as clicks.
#include "program.h"
#include "ui/design/designarea.h"
#include "ui/design/names.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QLabel>
#include <QPointingDevice>

namespace {

/// Opens the window a row names and returns it.
QWidget* openWindow(Program& p, const QByteArray& which)
{
    if (which == "start") {
        p.app.main();
        return p.app.startWindow();
    }
    if (which == "menu") {
        p.app.main();
        p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        flushUnloads();
        return p.app.menuWindow();
    }
    if (which == "results") {
        openWindow(p, "menu");
        control<QAbstractButton>(p.app.menuWindow(), names::kRisultati)->click();
        return p.app.resultsWindow();
    }
    const bool recognise = which == "recognise board" || which == "grid sheet";
    BoardWindow* board = openFromMenu(p, recognise ? "Command7" : "Command3");
    if (which == "worksheet" || which == "grid sheet") {
        board->menuAction(BoardCommand::Stampa)->trigger();
        QWidget* sheet = recognise ? static_cast<QWidget*>(p.app.recogniseGridWindow())
                                   : p.app.worksheetWindow();
        (void)QTest::qWaitForWindowExposed(sheet);
        return sheet;
    }
    return board;
}

DesignArea* areaOf(QWidget* window)
{
    return qobject_cast<DesignArea*>(static_cast<QMainWindow*>(window)->centralWidget());
}

} // namespace

class TestBigScreens : public QObject {
    Q_OBJECT
  private slots:
    void growsWithTheWindow_data();
    void growsWithTheWindow();
    void fullScreenWithF11_data();
    void fullScreenWithF11();
    void tapIsAClick_data();
    void tapIsAClick();
};

void TestBigScreens::growsWithTheWindow_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QStringList>("controls"); // none grows to fit its caption
    QTest::newRow("start window") << QByteArray("start") << QStringList{"Label2(0)"};
    QTest::newRow("main menu") << QByteArray("menu") << QStringList{"Command14", names::kEsci};
    QTest::newRow("addition board")
        << QByteArray("addition board")
        << QStringList{"Numero(0)", "Numero(45)", "Numero(99)", names::kEsatti};
    QTest::newRow("recognise board")
        << QByteArray("recognise board") << QStringList{names::kAnswerBox};
    QTest::newRow("worksheet") << QByteArray("worksheet") << QStringList{"txtCD", "TextCor"};
    QTest::newRow("teacher's page")
        << QByteArray("results") << QStringList{names::kResultsMap, names::kResultsTotals};
    QTest::newRow("grid sheet") << QByteArray("grid sheet")
                                << QStringList{"Label1(0)", names::kAnswerBox};
}

void TestBigScreens::growsWithTheWindow()
{
    QFETCH(QByteArray, window);
    QFETCH(QStringList, controls);
    Program p;
    QWidget* w = openWindow(p, window);
    DesignArea* area = areaOf(w);
    QVERIFY(area);
    const QSize design = area->size();
    QCOMPARE(area->sizeHint(), design);
    QCOMPARE(area->factor(), 1.0);
    const QSize normal = w->size();
    QList<QRect> geometry;
    QList<qreal> points;
    for (const QString& name : controls) {
        const QWidget* c = area->findChild<QWidget*>(name);
        QVERIFY2(c, qPrintable(name));
        geometry << c->geometry();
        points << c->font().pointSizeF();
    }

    // Twice the design, with 60 pixels more in width: the design is centred between two
    // bands of 30 pixels.
    w->resize(normal + design + QSize(60, 0));
    QTRY_COMPARE(area->factor(), 2.0);
    QCOMPARE(area->designRect(), QRect(30, 0, 2 * design.width(), 2 * design.height()));
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget* c = area->findChild<QWidget*>(controls.at(i));
        const QRect& r = geometry.at(i);
        QCOMPARE(c->geometry(), QRect(30 + 2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()));
        QCOMPARE(c->font().pointSizeF(), 2 * points.at(i));
    }
    if (auto* board = qobject_cast<BoardWindow*>(w)) {
        for (int i : {0, 9, 90, 99}) {
            const QRect cell = board->cellButton(i)->geometry();
            QCOMPARE(cell.width(), cell.height());
        }
        // The grid's far edges: 8 + 9 * 40 + 41 pixels from the design's corner, doubled.
        QCOMPARE(board->cellButton(99)->geometry().bottomRight(),
                 QPoint(30 + 2 * 409 - 1, 2 * 409 - 1));
    }

    w->resize(normal);
    QTRY_COMPARE(area->factor(), 1.0);
    QCOMPARE(area->designRect(), QRect(QPoint(0, 0), design));
    for (int i = 0; i < controls.size(); ++i) {
        const QWidget* c = area->findChild<QWidget*>(controls.at(i));
        QCOMPARE(c->geometry(), geometry.at(i));
        QCOMPARE(c->font().pointSizeF(), points.at(i));
    }
}

void TestBigScreens::fullScreenWithF11_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("focus"); // where the key is pressed
    QTest::newRow("menu") << QByteArray("menu") << QStringLiteral("Command3");
    QTest::newRow("board, on a cell")
        << QByteArray("addition board") << QStringLiteral("Numero(5)");
    QTest::newRow("board, in Text1")
        << QByteArray("recognise board") << names::of(names::kAnswerBox);
    QTest::newRow("worksheet, in the sheet") << QByteArray("worksheet") << QStringLiteral("txtCD");
}

void TestBigScreens::fullScreenWithF11()
{
    QFETCH(QByteArray, window);
    QFETCH(QString, focus);
    Program p;
    QWidget* w = openWindow(p, window);
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QRect normal = w->geometry();
    auto* target = w->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F11);
    QTRY_VERIFY(w->isFullScreen());
    QTRY_COMPARE(w->geometry(), w->screen()->geometry());
    QVERIFY(areaOf(w)->factor() > 1);
    QTest::keyClick(target, Qt::Key_F11);
    QTRY_VERIFY(!w->isFullScreen());
    QTRY_COMPARE(w->geometry(), normal);
    QCOMPARE(areaOf(w)->factor(), 1.0);
}

void TestBigScreens::tapIsAClick_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("counter");
    QTest::newRow("right cell") << true << names::of(names::kEsatti);
    QTest::newRow("wrong cell") << false << names::of(names::kErrati);
}

void TestBigScreens::tapIsAClick()
{
    QFETCH(bool, right);
    QFETCH(QString, counter);
    static QPointingDevice* const screen = QTest::createTouchDevice();
    Program p;
    p.app.main();
    // The menu's buttons take taps too: this one opens the addition board.
    p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    flushUnloads();
    QWidget* menu = p.app.menuWindow();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QWidget* button = menu->findChild<QWidget*>(QStringLiteral("Command3"));
    const QPoint onButton = button->mapTo(menu, button->rect().center());
    QTest::touchEvent(menu, screen).press(0, onButton, menu);
    QTest::touchEvent(menu, screen).release(0, onButton, menu);
    flushUnloads();
    BoardWindow* b = p.app.boardWindow();
    QVERIFY(b);
    QVERIFY(QTest::qWaitForWindowActive(b));

    const int result = b->frame().programState().risultato;
    QWidget* cell = b->cellButton(right ? result : (result == 0 ? 1 : result - 1));
    const QPoint onCell = cell->mapTo(b, cell->rect().center());
    QTest::touchEvent(b, screen).press(0, onCell, b);
    QTest::touchEvent(b, screen).release(0, onCell, b);
    QCOMPARE(labelText(b, counter.toLatin1().constData()), QStringLiteral(" 1"));
}

QTEST_MAIN(TestBigScreens)
#include "test_big_screens.moc"
