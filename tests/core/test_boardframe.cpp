#include "board_fixture.h"

#include <QTest>

namespace {

/// An arithmetic board.
struct Fixture : BoardFixture {
    explicit Fixture(ArithmeticKind kind = ArithmeticKind::AddUnits, bool waiting = true,
                     std::uint32_t seed = 3)
        : BoardFixture(ArithmeticExercise(kind), waiting, seed)
    {}
    int target() const { return state.risultato; }
    int wrongCell() const { return target() == 10 ? 11 : 10; }
};

/// Everything a window shows, to prove that a refused entry changes nothing.
QStringList snapshot(const BoardFrame& b)
{
    QStringList s{b.taskText(),
                  b.esattiText(),
                  b.erratiText(),
                  QString::number(b.windowColour()),
                  QString::number(int(b.face())),
                  QString::number(b.avantiVisible()),
                  QString::number(b.avantiEnabled()),
                  QString::number(b.programState().numeroMassimo)};
    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        const Cell& c = b.cell(i);
        s << QStringLiteral("%1|%2|%3|%4")
                 .arg(c.caption)
                 .arg(c.colour)
                 .arg(c.visible)
                 .arg(c.enabled);
    }
    return s;
}

} // namespace

class TestBoardFrame : public QObject {
    Q_OBJECT
  private slots:
    void setUpSequence();
    void colourIsDrawnBeforeTheTask();
    void wrongClicksAreCounted();
    void rightAnswerInWaitingMode();
    void avantiDrawsTheNextTask();
    void rightAnswerInAutomaticMode();
    void hiddenCellsAreUnreachable();
    void azzeraLeavesTheTask();
    void maximumEntries_data();
    void maximumEntries();
    void maximumKeepsTaskInRange();
    void newTaskWhileWaitingEndsTheWait();
    void setUpAgainWhileWaitingEndsTheWait();
    void countersStopAt32767();
    void setUpOnActivationOnlyForAdditions();
    void askedCell_data();
    void askedCell();
};

void TestBoardFrame::setUpSequence()
{
    Fixture f;
    f.state.numeroMassimo = 35;
    f.state.quantiEsatti = 5;
    QCOMPARE(f.board.face(), Face::Sad);
    QCOMPARE(f.board.taskText(), QStringLiteral("Forma il numero"));
    f.board.setUp();
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
    QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
    QCOMPARE(f.state.quantiEsatti, qint16(0));
    QVERIFY(f.board.avantiVisible());
    QVERIFY(!f.board.avantiEnabled());
    QCOMPARE(f.board.face(), Face::Sad);
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(f.board.cell(i).caption, QStringLiteral(" %1").arg(i));
        QCOMPARE(f.board.cell(i).visible, i <= 35);
        QVERIFY(f.board.cell(i).enabled);
        QCOMPARE(f.board.cell(i).colour, colours::kCell);
    }
    QVERIFY(f.target() >= 10 && f.target() <= 35);
    QVERIFY(f.board.taskText().endsWith(QStringLiteral(" = ")));

    Fixture automatic(ArithmeticKind::AddUnits, false);
    automatic.board.setUp();
    QVERIFY(!automatic.board.avantiVisible());
}

void TestBoardFrame::colourIsDrawnBeforeTheTask()
{
    Fixture f(ArithmeticKind::SubUnits);
    f.random.push(0.0f);       // colour: entry 1
    f.random.push(47.5f / 80); // minuend 57
    f.random.push(3.5f / 9);   // subtrahend 3
    f.board.setUp();
    QCOMPARE(f.board.windowColour(), Bgr(0x00C0C0FF));
    QCOMPARE(f.board.taskText(), QStringLiteral(" 57 -  3 = "));
    QCOMPARE(f.target(), 54);
    QCOMPARE(f.random.draws, 3);
}

void TestBoardFrame::wrongClicksAreCounted()
{
    Fixture f;
    f.board.setUp();
    const QString task = f.board.taskText();
    const int draws = f.random.draws;
    for (int n = 1; n <= 3; ++n) {
        f.board.clickCell(f.wrongCell());
        QCOMPARE(f.board.erratiText(), QStringLiteral(" %1").arg(n));
    }
    QCOMPARE(f.board.face(), Face::Sad);
    QCOMPARE(f.board.taskText(), task);
    QCOMPARE(f.random.draws, draws); // the wrong sound draws nothing
    QCOMPARE(f.sounds.played, QList<Sound>(3, Sound::No));
    f.board.clickCell(f.target());
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
    QCOMPARE(f.board.erratiText(), QStringLiteral(" 3"));
    QCOMPARE(f.board.face(), Face::Happy);
}

void TestBoardFrame::rightAnswerInWaitingMode()
{
    Fixture f;
    f.random.push(0.0f);
    f.random.push(24.5f / 89); // 34
    f.random.push(5.5f / 9);   // + 5
    f.board.setUp();
    f.random.push(0.5f); // the sound: si3
    f.board.clickCell(39);
    QCOMPARE(f.sounds.played, QList<Sound>{Sound::Si3});
    QCOMPARE(f.board.face(), Face::Happy);
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
    QVERIFY(f.board.waiting());
    QVERIFY(f.board.avantiEnabled());
    QCOMPARE(f.board.taskText(), QStringLiteral(" 34 +  5 =  39"));
    QVERIFY(!f.board.cell(39).enabled);

    // The disabled target does not react; other cells still count as wrong.
    f.board.clickCell(39);
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
    f.board.clickCell(40);
    QCOMPARE(f.board.erratiText(), QStringLiteral(" 1"));
    QCOMPARE(f.board.face(), Face::Sad);
    QVERIFY(f.board.waiting());
    QCOMPARE(f.board.taskText(), QStringLiteral(" 34 +  5 =  39"));
}

void TestBoardFrame::avantiDrawsTheNextTask()
{
    Fixture f;
    f.board.setUp();
    f.board.avanti(); // not waiting: nothing happens
    QVERIFY(!f.board.avantiEnabled());
    const int first = f.target();
    f.board.clickCell(first);
    const int draws = f.random.draws;
    f.board.avanti();
    QCOMPARE(f.random.draws, draws + 3); // colour, then two task draws
    QVERIFY(f.board.cell(first).enabled);
    QVERIFY(!f.board.avantiEnabled());
    QVERIFY(!f.board.waiting());
    QCOMPARE(f.board.face(), Face::Happy); // a new task leaves the picture
    QVERIFY(f.board.taskText().endsWith(QStringLiteral(" = ")));
}

void TestBoardFrame::rightAnswerInAutomaticMode()
{
    Fixture f(ArithmeticKind::AddTensUnits, false);
    f.board.setUp();
    const int draws = f.random.draws;
    f.board.clickCell(f.target());
    // One draw for the sound, then the colour and the two task draws of the next task.
    QCOMPARE(f.random.draws, draws + 4);
    QVERIFY(!f.board.waiting());
    QVERIFY(!f.board.avantiVisible());
    QCOMPARE(f.board.face(), Face::Happy);
    for (int i = 0; i < 100; ++i)
        QVERIFY(f.board.cell(i).enabled);
}

void TestBoardFrame::hiddenCellsAreUnreachable()
{
    Fixture f;
    f.state.numeroMassimo = 35;
    f.board.setUp();
    f.board.clickCell(36);
    f.board.clickCell(99);
    f.board.clickCell(-1);
    f.board.clickCell(100);
    QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
    QVERIFY(f.sounds.played.isEmpty());
}

void TestBoardFrame::azzeraLeavesTheTask()
{
    Fixture f;
    f.board.setUp();
    f.board.clickCell(f.wrongCell());
    f.board.clickCell(f.target());
    const QString task = f.board.taskText();
    f.board.azzeraConteggio();
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
    QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
    QCOMPARE(f.state.quantiEsatti, qint16(0));
    QCOMPARE(f.state.quantiErrati, qint16(0));
    QCOMPARE(f.board.taskText(), task);
    QVERIFY(f.board.waiting());
    QCOMPARE(f.board.face(), Face::Happy);
}

void TestBoardFrame::maximumEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("maximum"); // 0: refused
    QTest::newRow("20") << "20" << 20;
    QTest::newRow("99") << "99" << 99;
    QTest::newRow("35") << "35" << 35;
    QTest::newRow("19") << "19" << 0;
    QTest::newRow("19.3 sets 19") << "19.3" << 19;
    QTest::newRow("19.5 sets 20") << "19.5" << 20;
    QTest::newRow("19.6 sets 20") << "19.6" << 20;
    QTest::newRow("24.5 sets 24") << "24.5" << 24;
    QTest::newRow("25.5 sets 26") << "25.5" << 26;
    QTest::newRow("99.4") << "99.4" << 99;
    QTest::newRow("99.5 taken as 99") << "99.5" << 99;
    QTest::newRow("99.99 taken as 99") << "99.99" << 99;
    QTest::newRow("100") << "100" << 0;
    QTest::newRow("blanks inside") << " 3 0 " << 30;
    QTest::newRow("number then letters") << "30 anni" << 30;
    QTest::newRow("letters") << "trenta" << 0;
    QTest::newRow("empty or Cancel") << "" << 0;
    QTest::newRow("negative") << "-50" << 0;
    QTest::newRow("1e999") << "1e999" << 0;
    QTest::newRow("thousand digits") << QString(1000, u'9') << 0;
    QTest::newRow("2e1") << "2e1" << 20;
}

void TestBoardFrame::maximumEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, maximum);
    for (auto kind : {ArithmeticKind::AddUnits, ArithmeticKind::SubUnits}) {
        Fixture f(kind);
        f.state.numeroMassimo = 50;
        f.board.setUp();
        f.board.clickCell(f.wrongCell());
        const QStringList before = snapshot(f.board);
        const int draws = f.random.draws;
        const bool accepted = f.board.numeroMassimo(entry);
        QCOMPARE(accepted, maximum != 0);
        if (!accepted) {
            QCOMPARE(snapshot(f.board), before);
            QCOMPARE(f.random.draws, draws);
            QCOMPARE(f.state.numeroMassimo, qint16(50));
            continue;
        }
        QCOMPARE(int(f.state.numeroMassimo), maximum);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(f.board.cell(i).visible, i <= maximum);
        QCOMPARE(f.random.draws, draws + 3); // a new task with its colour
        QVERIFY(f.target() <= maximum);
        QCOMPARE(f.board.erratiText(), QStringLiteral(" 1")); // counters untouched
    }
}

void TestBoardFrame::maximumKeepsTaskInRange()
{
    for (auto kind :
         {ArithmeticKind::AddUnits, ArithmeticKind::AddTens, ArithmeticKind::AddTensUnits,
          ArithmeticKind::SubUnits, ArithmeticKind::SubTens, ArithmeticKind::SubTensUnits}) {
        Fixture f(kind, false, 11);
        f.board.setUp();
        QVERIFY(f.board.numeroMassimo(QStringLiteral("30")));
        for (int i = 0; i < 300; ++i) {
            QVERIFY(f.target() >= 0 && f.target() <= 30);
            QVERIFY(f.board.cell(f.target()).visible);
            f.board.clickCell(f.target());
        }
    }
}

void TestBoardFrame::newTaskWhileWaitingEndsTheWait()
{
    Fixture f;
    f.board.setUp();
    const int first = f.target();
    f.board.clickCell(first);
    QVERIFY(f.board.waiting());
    QVERIFY(f.board.numeroMassimo(QStringLiteral("60")));
    QVERIFY(!f.board.waiting());
    QVERIFY(!f.board.avantiEnabled());
    QVERIFY(f.board.cell(first).enabled);
    // "avanti" has nothing to end now; the new task is answered as usual.
    f.board.avanti();
    QVERIFY(!f.board.waiting());
    f.board.clickCell(f.target());
    QVERIFY(f.board.waiting());
}

void TestBoardFrame::setUpAgainWhileWaitingEndsTheWait()
{
    Fixture f;
    f.board.setUp();
    const int first = f.target();
    f.board.clickCell(first);
    f.board.setUp(); // the board became active again, e.g. back from the worksheet window
    QVERIFY(!f.board.waiting());
    for (int i = 0; i < 100; ++i)
        QVERIFY(f.board.cell(i).enabled);
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
}

void TestBoardFrame::countersStopAt32767()
{
    Fixture f(ArithmeticKind::AddUnits, false);
    f.board.setUp();
    f.state.quantiEsatti = 32766;
    f.state.quantiErrati = 32767;
    for (int i = 0; i < 3; ++i) {
        f.board.clickCell(f.target());
        f.board.clickCell(f.wrongCell());
    }
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 32767"));
    QCOMPARE(f.board.erratiText(), QStringLiteral(" 32767"));
}

void TestBoardFrame::setUpOnActivationOnlyForAdditions()
{
    for (auto kind :
         {ArithmeticKind::AddUnits, ArithmeticKind::AddTens, ArithmeticKind::AddTensUnits})
        QVERIFY(Fixture(kind).board.setUpOnEveryActivation());
    for (auto kind :
         {ArithmeticKind::SubUnits, ArithmeticKind::SubTens, ArithmeticKind::SubTensUnits})
        QVERIFY(!Fixture(kind).board.setUpOnEveryActivation());
}

void TestBoardFrame::askedCell_data()
{
    // Steps: s set-up, r right answer, w wrong answer, a "avanti", d level "difficile".
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<int>("redCells");
    const auto row = [](const char* name, BoardKind kind, bool waiting, const char* steps,
                        bool asks, int red) {
        QTest::newRow(name) << kind << waiting << QString::fromLatin1(steps) << asks << red;
    };
    row("recognise, before the set-up", BoardKind::Form100Ricon, true, "", false, 0);
    row("recognise, question", BoardKind::Form100Ricon, true, "s", true, 1);
    row("recognise, wrong answer", BoardKind::Form100Ricon, true, "sw", true, 1);
    row("recognise, answered and waiting", BoardKind::Form100Ricon, true, "sr", false, 1);
    row("recognise, after avanti", BoardKind::Form100Ricon, true, "sra", true, 2);
    row("recognise, difficile hides the answers", BoardKind::Form100Ricon, true, "srad", true, 2);
    row("recognise, automatic mode", BoardKind::Form100Ricon, false, "srr", true, 3);
    row("above 99, second set-up keeps a red cell", BoardKind::Form100Ricon2, false, "ss", true, 2);
    row("above 99, answered and waiting", BoardKind::Form100Ricon2, true, "sr", false, 1);
    row("find", BoardKind::Form100Trova, true, "sr", false, 1);
    row("addition", BoardKind::Form100a, true, "s", false, 0);
}

void TestBoardFrame::askedCell()
{
    QFETCH(BoardKind, kind);
    QFETCH(bool, waiting);
    QFETCH(QString, steps);
    QFETCH(bool, asks);
    QFETCH(int, redCells);
    BoardFixture f(makeExercise(kind), waiting, 11);
    const auto answer = [&](bool right) {
        const int number = f.asked() + 100 * f.board.hundreds().value_or(0);
        if (kind == BoardKind::Form100Trova)
            f.board.clickCell(right ? f.asked() : (f.asked() + 1) % 100);
        else
            f.board.typedAnswer(right ? QString::number(number) : QStringLiteral("-1"));
    };
    for (QChar step : steps) {
        switch (step.toLatin1()) {
        case 's':
            f.board.setUp();
            break;
        case 'r':
        case 'w':
            answer(step == u'r');
            break;
        case 'a':
            f.board.avanti();
            break;
        case 'd':
            f.board.setLevel(Level::Difficile);
            break;
        }
    }
    QCOMPARE(f.redCells(), redCells);
    QCOMPARE(f.board.askedCell(), asks ? std::optional<int>(f.asked()) : std::nullopt);
}

QTEST_APPLESS_MAIN(TestBoardFrame)
#include "test_boardframe.moc"
