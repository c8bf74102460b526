#include "board_fixture.h"

#include <QTest>

Q_DECLARE_METATYPE(BoardKind)

namespace {

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

/// Every board's rules side by side, as data rows: what a right answer marks and locks, and
/// what each kind of event reports to the window.
class TestExercises : public QObject {
    Q_OBJECT
  private slots:
    void rightAnswerMarks_data();
    void rightAnswerMarks();
    void changesReported_data();
    void changesReported();
};

void TestExercises::rightAnswerMarks_data()
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

void TestExercises::rightAnswerMarks()
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

void TestExercises::changesReported_data()
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

void TestExercises::changesReported()
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

QTEST_APPLESS_MAIN(TestExercises)
#include "test_exercises.moc"
