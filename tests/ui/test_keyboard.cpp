#include "core/board/programstate.h"
#include "core/board/texts.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/gridwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

// Every board played with the keyboard alone: key events go to the board's window, which
// hands them to whatever has the focus, as the window system does.

namespace {

enum class Play { Add, Recognise, RecogniseAbove, Find, FindAbove };

void key(BoardWindow* b, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(b->windowHandle(), k, mods);
}

int focusedCell(BoardWindow* b)
{
    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        if (b->cellButton(i)->hasFocus())
            return i;
    }
    return -1;
}

/// The arrows that lead from cell `from` to cell `to` through shown cells only: left first
/// when the target lies to the left, else up or down first, so no step crosses hidden cells.
QList<Qt::Key> path(int from, int to)
{
    QList<Qt::Key> keys;
    const auto across = [&] {
        for (int c = from % 10; c != to % 10; c += c < to % 10 ? 1 : -1)
            keys << (c < to % 10 ? Qt::Key_Right : Qt::Key_Left);
    };
    if (to % 10 < from % 10)
        across();
    for (int r = from / 10; r != to / 10; r += r < to / 10 ? 1 : -1)
        keys << (r < to / 10 ? Qt::Key_Down : Qt::Key_Up);
    if (to % 10 >= from % 10)
        across();
    return keys;
}

/// Moves the focus from the focused cell to cell `to` with arrows, one press at a time.
bool arrowTo(BoardWindow* b, int to)
{
    const int from = focusedCell(b);
    if (from < 0)
        return false;
    for (Qt::Key k : path(from, to))
        key(b, k);
    return focusedCell(b) == to;
}

/// The menu bar item named `name` made active with F10 and Right.
bool menuTo(BoardWindow* b, const char* name)
{
    key(b, Qt::Key_F10);
    QMenuBar* bar = b->menuBar();
    for (int i = 0; i < bar->actions().size() && bar->activeAction(); ++i) {
        if (bar->activeAction()->objectName() == QLatin1String(name))
            return true;
        key(b, Qt::Key_Right);
    }
    return false;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void seriesByKeys_data();
    void seriesByKeys();
    void menuByKeys_data();
    void menuByKeys();
    void startToBoardByKeys();
    void gridEdges();
    void heldAndQueuedKeys();
    void focusFrame();
    void f10OnTheGridSheet();
};

void TestKeyboard::seriesByKeys_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<Play>("play");
    QTest::addColumn<bool>("waiting");
    const std::pair<const char*, Play> boards[] = {
        {"Command3", Play::Add},       {"Command4", Play::Add},
        {"Command5", Play::Add},       {"Command6", Play::Add},
        {"Command2", Play::Add},       {"Command1", Play::Add},
        {"Command7", Play::Recognise}, {"Command8", Play::RecogniseAbove},
        {"Command14", Play::Find},     {"Command9", Play::FindAbove}};
    for (const auto& [button, play] : boards) {
        for (bool waiting : {true, false}) {
            QTest::addRow("%s %s", button, waiting ? "waiting" : "automatic")
                << QByteArray(button) << play << waiting;
        }
    }
}

void TestKeyboard::seriesByKeys()
{
    QFETCH(QByteArray, button);
    QFETCH(Play, play);
    QFETCH(bool, waiting);
    Program p(41);
    BoardWindow* b = openFromMenu(p, button.constData(), waiting);
    QVERIFY(b);
    const ProgramState& s = b->frame().programState();
    auto* bar = b->findChild<QScrollBar*>(names::of(names::kHundreds));
    const bool typed = play == Play::Recognise || play == Play::RecogniseAbove;
    QWidget* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    const Qt::Key answerKeys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter};
    for (int n = 1; n <= 10; ++n) {
        const Qt::Key answer = answerKeys[n % 3];
        const auto mods = answer == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        int cell = -1;
        if (typed) {
            QCOMPARE(QApplication::focusWidget(), text);
            const int shown = play == Play::RecogniseAbove ? *b->frame().hundreds() * 100 : 0;
            for (const char digit : QByteArray::number(shown + s.numeroCercato))
                QTest::keyClick(b->windowHandle(), digit);
            key(b, answer == Qt::Key_Space ? Qt::Key_Return : answer, mods);
        } else {
            cell = play == Play::Add ? s.risultato : s.numeroCercato % 100;
            if (play == Play::FindAbove) { // Page Down and + go up a hundred
                const int want = s.numeroCercato / 100;
                for (int i = 0; i < 10 && bar->value() != want; ++i) {
                    const bool up = bar->value() < want;
                    key(b, n % 2 ? (up ? Qt::Key_PageDown : Qt::Key_PageUp)
                                 : (up ? Qt::Key_Plus : Qt::Key_Minus));
                }
                QCOMPARE(bar->value(), want);
            }
            QVERIFY2(arrowTo(b, cell), qPrintable(QString::number(cell)));
            key(b, answer, mods);
        }
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" %1").arg(n));
        QCOMPARE(labelText(b, names::kErrati), QStringLiteral("0"));
        if (waiting) {
            QCOMPARE(QApplication::focusWidget(), avanti(b));
            key(b, n % 2 ? Qt::Key_Return : Qt::Key_Space);
            QVERIFY(!avanti(b)->isEnabled());
        }
        QCOMPARE(QApplication::focusWidget(), typed ? text : b->cellButton(cell));
    }
}

void TestKeyboard::menuByKeys_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("level"); // a "Quadena" item, or none
    QTest::addColumn<bool>("maximum");
    QTest::newRow("addition") << QByteArray("Command5") << QString() << true;
    QTest::newRow("recognise") << QByteArray("Command7") << "mnuDifficile" << true;
    QTest::newRow("find") << QByteArray("Command14") << "mnuFacile" << true;
    QTest::newRow("find above 99") << QByteArray("Command9") << "mnuMedia" << false;
    QTest::newRow("recognise above 99") << QByteArray("Command8") << QString() << false;
}

void TestKeyboard::menuByKeys()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, level);
    QFETCH(bool, maximum);
    Program p(43);
    BoardWindow* b = openFromMenu(p, button.constData(), false);
    QWidget* before = QApplication::focusWidget();
    QVERIFY(before);
    QMenuBar* bar = b->menuBar();

    key(b, Qt::Key_F10); // opens on the first item; Escape gives the focus back
    QCOMPARE(bar->activeAction(), bar->actions().first());
    QCOMPARE(QApplication::focusWidget(), bar);
    key(b, Qt::Key_Escape);
    QVERIFY(!bar->activeAction());
    QCOMPARE(QApplication::focusWidget(), before);

    if (maximum) {
        p.dialogs.inputs.push_back(QStringLiteral("30"));
        QVERIFY(menuTo(b, b->menuAction(BoardCommand::NumeroMassimo)->objectName().toLatin1()));
        key(b, Qt::Key_Return);
        QCOMPARE(p.dialogs.prompts.size(), 1);
        QCOMPARE(p.app.state().numeroMassimo, 30);
        QVERIFY(b->cellButton(30)->isVisibleTo(b) && !b->cellButton(31)->isVisibleTo(b));
    }
    if (!level.isEmpty()) {
        QVERIFY(menuTo(b, "mnuQuadena"));
        key(b, Qt::Key_Down); // opens the levels on their first item
        QMenu* levels = b->menuAction(BoardCommand::Quadena)->menu();
        QTRY_VERIFY(levels->isVisible());
        while (levels->activeAction() && levels->activeAction()->objectName() != level)
            key(b, Qt::Key_Down);
        key(b, Qt::Key_Return);
        QVERIFY(!levels->isVisible());
        QVERIFY(b->findChild<QAction*>(level)->isChecked());
    }

    QVERIFY(menuTo(b, "mnuEsci"));
    key(b, Qt::Key_Return); // the scripted box answers No
    QCOMPARE(p.dialogs.messages.last(), QString::fromUtf16(texts::kBackToMenu));
    QCOMPARE(p.app.boardWindow(), b);
    p.dialogs.answers.push_back(Answer::Yes);
    QVERIFY(menuTo(b, "mnuEsci"));
    key(b, Qt::Key_Return);
    flushUnloads();
    QVERIFY(!p.app.boardWindow());
    QVERIFY(p.app.menuWindow()->isVisible());
}

void TestKeyboard::startToBoardByKeys()
{
    Program p(43);
    p.app.main();
    QWidget* start = p.app.startWindow();
    QVERIFY(QTest::qWaitForWindowActive(start));
    QTest::keyClick(start->windowHandle(), Qt::Key_Return); // "Avvio" has the focus
    flushUnloads();
    QWidget* menu = p.app.menuWindow();
    QVERIFY(menu && !p.app.startWindow());
    QVERIFY(QTest::qWaitForWindowActive(menu));
    menu->findChild<QWidget*>(QStringLiteral("Command5"))->setFocus();
    // A release whose press went elsewhere (a box closed with Enter) does nothing.
    QTest::keyRelease(menu->windowHandle(), Qt::Key_Return);
    QVERIFY(!p.app.boardWindow());
    QTest::keyClick(menu->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    flushUnloads();
    QVERIFY(p.app.boardWindow());
    QCOMPARE(p.app.boardWindow()->objectName(), QStringLiteral("Form100f"));
}

void TestKeyboard::gridEdges()
{
    Program p(47);
    BoardWindow* b = openFromMenu(p, "Command3", true);
    b->cellButton(0)->setFocus();
    // Each row: a key and the cell it leads to from the cell the previous row left.
    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Left, 0},  {Qt::Key_Up, 0},    {Qt::Key_End, 9},   {Qt::Key_Right, 9},
        {Qt::Key_Down, 19}, {Qt::Key_Home, 10}, {Qt::Key_Left, 10}, {Qt::Key_Up, 0}};
    for (const auto& [k, cell] : moves) {
        key(b, k);
        QCOMPARE(focusedCell(b), cell);
    }
    for (int i = 0; i < 12; ++i)
        key(b, Qt::Key_Down);
    QCOMPARE(focusedCell(b), 90);

    // A lowered maximum hides the cells above it: moves skip them or stay.
    p.dialogs.inputs.push_back(QStringLiteral("24"));
    b->menuAction(BoardCommand::NumeroMassimo)->trigger();
    b->cellButton(16)->setFocus();
    key(b, Qt::Key_Down); // 26 and below are hidden
    QCOMPARE(focusedCell(b), 16);
    key(b, Qt::Key_Left);
    key(b, Qt::Key_Left);
    key(b, Qt::Key_Down);
    QCOMPARE(focusedCell(b), 24);
    key(b, Qt::Key_Right);
    key(b, Qt::Key_End);
    QCOMPARE(focusedCell(b), 24);

    // While waiting, the answered cell is disabled and skipped both ways.
    const int t = b->frame().programState().risultato;
    QVERIFY2(t % 10 > 0 && t % 10 < 9 && t < 24, "the seed draws a result inside a row");
    b->cellButton(t)->setFocus();
    key(b, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), avanti(b));
    b->cellButton(t - 1)->setFocus();
    key(b, Qt::Key_Right);
    QCOMPARE(focusedCell(b), t + 1);
    key(b, Qt::Key_Left);
    QCOMPARE(focusedCell(b), t - 1);
}

void TestKeyboard::heldAndQueuedKeys()
{
    Program p(53);
    BoardWindow* b = openFromMenu(p, "Command6", true);
    const int t = b->frame().programState().risultato;
    QPushButton* wrong = b->cellButton(t == 0 ? 1 : t - 1);
    wrong->setFocus();
    // A held Enter repeats presses: one answer, on the last release.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, {}, true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    for (QKeyEvent* e : {&press, &repeatUp, &repeat, &repeatUp, &repeat, &release})
        QApplication::sendEvent(wrong, e);
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));
    QApplication::sendEvent(wrong, &release); // a release alone is no answer
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));

    // Keys queued faster than the board handles them each go where the focus is by then:
    // the arrows to the cell, Enter answers, the next Enter lands on "avanti".
    QList<Qt::Key> keys = path(focusedCell(b), t);
    keys << Qt::Key_Return << Qt::Key_Enter;
    for (Qt::Key k : keys) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(b->windowHandle(), new QKeyEvent(type, k, {}));
    }
    QCoreApplication::processEvents();
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));
    QVERIFY(!avanti(b)->isEnabled());
    QCOMPARE(focusedCell(b), t);
}

void TestKeyboard::focusFrame()
{
    Program p(59);
    BoardWindow* b = openFromMenu(p, "Command4", false);
    // Dark pixels in a row from the cell's edge inwards, past its edge lines.
    const auto darkRun = [](QWidget* cell) {
        const QImage image = cell->grab().toImage();
        int run = 0;
        for (int x = 2; x < image.width() / 2 && qGray(image.pixel(x, image.height() / 2)) < 80;
             ++x)
            ++run;
        return run;
    };
    b->cellButton(44)->setFocus();
    QVERIFY(darkRun(b->cellButton(44)) >= 3);
    QCOMPARE(darkRun(b->cellButton(45)), 0);
}

void TestKeyboard::f10OnTheGridSheet()
{
    Program p;
    GridWindow w(p.app.host(), GridWindow::Kind::Find, p.random, p.printer,
                 [] { return Level::Media; });
    p.app.host().show(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.windowHandle(), Qt::Key_F10);
    QCOMPARE(w.menuBar()->activeAction(), w.menuBar()->actions().first());
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
