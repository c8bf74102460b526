#include "board_fixture.h"

#include <QTest>

Q_DECLARE_METATYPE(BoardKind)

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

/// The number the child is asked for, on every board.
int askedNumber(const BoardFrame& b)
{
    const ProgramState& s = b.programState();
    if (!b.level() && !b.hundreds())
        return s.risultato;
    if (!b.level()) // above 99 the red cell is asked in the hundred drawn with it
        return *b.hundreds() * 100 + s.numeroCercato;
    return s.numeroCercato;
}

/// The cell of the asked number, with the hundred on show moved to it where there is one.
int askedCell(BoardFrame& b)
{
    const int n = askedNumber(b);
    if (b.hundreds())
        b.setHundreds(n / 100);
    return n % 100;
}

/// Answers rightly: a click on the asked cell, or its number typed.
void answerRight(BoardFrame& b)
{
    const int cell = askedCell(b);
    b.clickCell(cell);
    b.typedAnswer(QString::number(askedNumber(b)));
}

enum class Lock { Cell, AnswerBox, Board };

} // namespace

Q_DECLARE_METATYPE(Lock)

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
    void rightAnswerMarks_data();
    void rightAnswerMarks();
    void changesReported_data();
    void changesReported();
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

void TestBoardFrame::rightAnswerMarks_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("captionWritten");
    QTest::addColumn<bool>("red");
    QTest::addColumn<int>("series");
    QTest::addColumn<Lock>("lock");
    QTest::addColumn<bool>("taskCompleted");
    const struct {
        const char* name;
        BoardKind kind;
        bool captionWritten, red;
        int series;
        Lock lock;
        bool taskCompleted;
    } rows[] = {
        {"Form100a", BoardKind::Form100a, false, false, 0, Lock::Cell, true},
        {"Form100b", BoardKind::Form100b, false, false, 0, Lock::Cell, true},
        {"Form100f", BoardKind::Form100f, false, false, 0, Lock::Cell, true},
        {"Form100c", BoardKind::Form100c, false, false, 0, Lock::Cell, true},
        {"Form100d", BoardKind::Form100d, false, false, 0, Lock::Cell, true},
        {"Form100e", BoardKind::Form100e, false, false, 0, Lock::Cell, true},
        {"Form100Ricon", BoardKind::Form100Ricon, true, true, 1, Lock::AnswerBox, false},
        {"Form100Trova", BoardKind::Form100Trova, true, true, 1, Lock::Cell, false},
        {"Form100Ricon2", BoardKind::Form100Ricon2, false, true, 1, Lock::AnswerBox, false},
        {"Form100Trova2", BoardKind::Form100Trova2, false, true, 0, Lock::Board, false},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.kind << r.captionWritten << r.red << r.series << r.lock
                              << r.taskCompleted;
}

void TestBoardFrame::rightAnswerMarks()
{
    // What a right answer in waiting mode leaves on each board until "avanti".
    QFETCH(BoardKind, kind);
    QFETCH(bool, captionWritten);
    QFETCH(bool, red);
    QFETCH(int, series);
    QFETCH(Lock, lock);
    QFETCH(bool, taskCompleted);
    BoardFixture f(makeExercise(kind), true, 9);
    f.board.setUp();
    const int n = askedNumber(f.board);
    const int cell = askedCell(f.board);
    const QString caption = f.board.cell(cell).caption;
    const QString task = f.board.taskText();
    answerRight(f.board);
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
    QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
    QVERIFY(f.board.waiting());
    QCOMPARE(f.board.cell(cell).caption, captionWritten ? QStringLiteral(" %1").arg(n) : caption);
    QCOMPARE(f.board.cell(cell).colour == colours::kRed, red);
    QCOMPARE(f.board.rightInSeries(), series);
    QCOMPARE(f.board.taskText(), taskCompleted ? task + caption : task);
    int locked = 0;
    for (int i = 0; i < 100; ++i)
        locked += !f.board.cell(i).enabled;
    QCOMPARE(locked, lock == Lock::Board ? 100 : lock == Lock::Cell ? 1 : 0);
    QCOMPARE(f.board.cell(cell).enabled, lock == Lock::AnswerBox);
    QCOMPARE(f.board.answerEnabled(), lock != Lock::AnswerBox);
    // A second right answer is not taken while the board waits.
    answerRight(f.board);
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
}

void TestBoardFrame::changesReported_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("changes"); // BoardChanges; 0: no report at all
    QTest::addColumn<int>("cells");   // how many cells were reported changed
    using C = BoardChange;
    const auto i = [](BoardChanges c) { return int(c.toInt()); };
    const BoardKind a = BoardKind::Form100a;
    QTest::newRow("wrong click") << a << true << "wrong" << i(C::Counters | C::Face) << 0;
    QTest::newRow("right click, waiting")
        << a << true << "right" << i(C::Counters | C::Face | C::Task | C::Avanti | C::Cells) << 1;
    QTest::newRow("right click, automatic")
        << a << false << "right" << i(C::Counters | C::Face | C::Colour | C::Task) << 0;
    QTest::newRow("avanti") << a << true << "avanti"
                            << i(C::Avanti | C::Cells | C::Colour | C::Task) << 1;
    QTest::newRow("avanti, not waiting") << a << true << "avanti alone" << 0 << 0;
    QTest::newRow("Azzera conteggio") << a << true << "azzera" << i(C::Counters) << 0;
    QTest::newRow("maximum refused") << a << true << "maximum 19" << 0 << 0;
    QTest::newRow("maximum 50") << a << true << "maximum 50" << i(C::Cells | C::Colour | C::Task)
                                << 10; // 51 to 60 hidden
    QTest::newRow("level without levels") << a << true << "difficile" << i(C::Level) << 0;
    QTest::newRow("typed on a board without box") << a << true << "typed" << 0 << 0;
    const BoardKind r = BoardKind::Form100Ricon;
    QTest::newRow("level difficile") << r << true << "difficile" << i(C::Level | C::Cells) << 19;
    QTest::newRow("typed right, waiting")
        << r << true << "right" << i(C::Counters | C::Face | C::Cells | C::Avanti | C::AnswerBox)
        << 1;
    QTest::newRow("avanti asks in the box")
        << r << true << "avanti" << i(C::Avanti | C::AnswerBox | C::Colour | C::Question | C::Cells)
        << 1;
    QTest::newRow("hundred chosen")
        << BoardKind::Form100Trova2 << true << "hundred 3" << i(C::Hundreds | C::Cells) << 19;
    QTest::newRow("hundred on a board without scroll bar")
        << BoardKind::Form100Ricon2 << true << "hundred 3" << 0 << 0;
}

void TestBoardFrame::changesReported()
{
    QFETCH(BoardKind, kind);
    QFETCH(bool, waiting);
    QFETCH(QString, event);
    BoardFixture f(makeExercise(kind), waiting, 21);
    f.state.numeroMassimo = 60;
    f.board.setUp();
    if (kind == BoardKind::Form100Ricon2) // its first hundred is drawn; make it another
        while (*f.board.hundreds() == 3)
            f.board.setUp();
    if (event == u"avanti")
        answerRight(f.board);
    f.reports.clear();
    if (event == u"wrong")
        f.board.clickCell(f.state.risultato == 10 ? 11 : 10);
    else if (event == u"right")
        answerRight(f.board);
    else if (event.startsWith(u"avanti"))
        f.board.avanti();
    else if (event == u"azzera")
        f.board.azzeraConteggio();
    else if (event.startsWith(u"maximum "))
        f.board.numeroMassimo(event.mid(8));
    else if (event == u"difficile")
        f.board.setLevel(Level::Difficile);
    else if (event == u"typed")
        f.board.typedAnswer(QStringLiteral("5"));
    else if (event == u"hundred 3")
        f.board.setHundreds(3);
    QFETCH(int, changes);
    QFETCH(int, cells);
    // One report per event, or none when nothing changed.
    QCOMPARE(f.reports.size(), changes ? 1 : 0);
    if (changes) {
        QCOMPARE(f.reports.first().toInt(), changes);
        QCOMPARE(int(f.cellsReported.count()), cells);
    }
}

QTEST_APPLESS_MAIN(TestBoardFrame)
#include "test_boardframe.moc"
