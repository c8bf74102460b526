#include "board_fixture.h"
#include "core/results.h"
#include "core/runrecord.h"

#include <QMap>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(BoardKind)

namespace {

bool typedBoard(BoardKind k)
{
    return k == BoardKind::Form100Ricon || k == BoardKind::Form100Ricon2;
}

/// The number the open task asks for, as the child sees it.
int shownTarget(BoardKind k, const BoardFixture& f)
{
    if (k == BoardKind::Form100Ricon2)
        return *f.board.hundreds() * 100 + f.state.numeroCercato;
    if (k <= BoardKind::Form100e)
        return f.state.risultato;
    return f.state.numeroCercato;
}

/// Answers the open task right or wrong as a child would.
void answer(BoardKind k, BoardFixture& f, bool right)
{
    const int target = shownTarget(k, f);
    if (typedBoard(k)) {
        f.board.typedAnswer(QString::number(right ? target : target + 1));
        return;
    }
    if (k == BoardKind::Form100Trova2)
        f.board.setHundreds(target / 100);
    const int cell = target % 100;
    f.board.clickCell(right ? cell : (cell + 1) % 100);
}

} // namespace

class TestRunRecord : public QObject {
    Q_OBJECT
  private slots:
    void answersThroughTheFrame_data();
    void answersThroughTheFrame();
    void timeOnEachBoard();
    void answersOutsideTheRecordChangeNothing_data();
    void answersOutsideTheRecordChangeNothing();
    void mostWrongFirst();
    void clearForgetsAnswersAndTime();
    void percentAndDuration_data();
    void percentAndDuration();
    void csvLines();
    void summaryNamesTheBoards();
};

void TestRunRecord::answersThroughTheFrame_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<QString>("answers"); // r right, w wrong, z "Azzera conteggio", m maximum
    QTest::newRow("add units") << BoardKind::Form100a << "rwzwrm";
    QTest::newRow("add tens") << BoardKind::Form100b << "wwzr";
    QTest::newRow("add tens and units") << BoardKind::Form100f << "rrwz";
    QTest::newRow("subtract units") << BoardKind::Form100c << "wrz";
    QTest::newRow("subtract tens") << BoardKind::Form100d << "rzw";
    QTest::newRow("subtract tens and units") << BoardKind::Form100e << "wzwr";
    QTest::newRow("recognise") << BoardKind::Form100Ricon << "rwwzr";
    QTest::newRow("find") << BoardKind::Form100Trova << "wrzrm";
    QTest::newRow("recognise above 99") << BoardKind::Form100Ricon2 << "wwrzrwr";
    QTest::newRow("find above 99") << BoardKind::Form100Trova2 << "rwzwrr";
}

void TestRunRecord::answersThroughTheFrame()
{
    QFETCH(BoardKind, kind);
    QFETCH(QString, answers);
    qint64 now = 0;
    RunRecord record([&now] { return now; });
    QMap<int, RunRecord::Counts> expected;
    quint64 right = 0, wrong = 0;
    {
        auto f = std::make_unique<BoardFixture>(makeExercise(kind), false, 11);
        record.follow(f->board, kind);
        f->board.setUp();
        for (QChar c : answers) {
            now += 1000;
            if (c == u'z') {
                f->board.azzeraConteggio();
                continue;
            }
            if (c == u'm') {
                QVERIFY(f->board.numeroMassimo(QStringLiteral("99")));
                continue;
            }
            const int target = shownTarget(kind, *f);
            QVERIFY(target >= 0 && target < 1000);
            answer(kind, *f, c == u'r');
            (c == u'r' ? ++expected[target].right : ++expected[target].wrong);
            (c == u'r' ? ++right : ++wrong);
        }
    } // leaving the board keeps what it recorded
    record.leave();
    const RunRecord::Totals t = record.totals(kind);
    QCOMPARE(t.right, right);
    QCOMPARE(t.wrong, wrong);
    QCOMPARE(t.milliseconds, now);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(record.counts(kind, it.key()).right, it->right);
        QCOMPARE(record.counts(kind, it.key()).wrong, it->wrong);
    }
    if (results::above99(kind)) {
        const bool anyAbove = std::ranges::any_of(expected.keys(), [](int n) { return n > 99; });
        QVERIFY(anyAbove);
    }
}

void TestRunRecord::timeOnEachBoard()
{
    qint64 now = 0;
    RunRecord record([&now] { return now; });
    record.enter(BoardKind::Form100a);
    now = 5000;
    record.leave();
    now = 6000;
    record.enter(BoardKind::Form100Trova);
    now = 8000;
    QCOMPARE(record.totals(BoardKind::Form100Trova).milliseconds, 2000); // open, still running
    now = 10000;
    record.enter(BoardKind::Form100a); // leaves the board before
    now = 11000;
    QCOMPARE(record.totals(BoardKind::Form100Trova).milliseconds, 4000);
    QCOMPARE(record.totals(BoardKind::Form100a).milliseconds, 6000);
    record.leave();
    record.leave();
    QCOMPARE(record.totals(BoardKind::Form100a).milliseconds, 6000);
}

void TestRunRecord::answersOutsideTheRecordChangeNothing_data()
{
    QTest::addColumn<int>("board");
    QTest::addColumn<int>("target");
    QTest::newRow("negative number") << 0 << -1;
    QTest::newRow("number 1000") << 0 << 1000;
    QTest::newRow("board 10") << 10 << 5;
    QTest::newRow("board -1") << -1 << 5;
}

void TestRunRecord::answersOutsideTheRecordChangeNothing()
{
    QFETCH(int, board);
    QFETCH(int, target);
    RunRecord record([] { return qint64(0); });
    record.answer(static_cast<BoardKind>(board), target, false);
    record.answer(static_cast<BoardKind>(board), target, true);
    for (const results::BoardName& b : results::kBoards)
        QVERIFY(!record.hasAnswers(b.board));
    QCOMPARE(record.counts(static_cast<BoardKind>(board), target).wrong, 0u);
}

void TestRunRecord::mostWrongFirst()
{
    RunRecord record([] { return qint64(0); });
    const BoardKind k = BoardKind::Form100Ricon2;
    for (int n = 100; n < 115; ++n) // 100..114 once, 107 three times, 950 four
        record.answer(k, n, false);
    for (int i = 0; i < 2; ++i) {
        record.answer(k, 107, false);
        record.answer(k, 950, false);
    }
    record.answer(k, 950, false);
    record.answer(k, 950, false);
    record.answer(k, 3, true);
    const std::vector<int> most = record.mostWrong(k, 10);
    QCOMPARE(most, (std::vector<int>{950, 107, 100, 101, 102, 103, 104, 105, 106, 108}));
    QVERIFY(record.mostWrong(BoardKind::Form100a, 10).empty());
}

void TestRunRecord::clearForgetsAnswersAndTime()
{
    qint64 now = 0;
    RunRecord record([&now] { return now; });
    record.enter(BoardKind::Form100b);
    record.answer(BoardKind::Form100b, 40, false);
    now = 3000;
    record.clear();
    QVERIFY(!record.hasAnswers(BoardKind::Form100b));
    QCOMPARE(record.counts(BoardKind::Form100b, 40).wrong, 0u);
    now = 4000;
    QCOMPARE(record.totals(BoardKind::Form100b).milliseconds, 1000);
}

void TestRunRecord::percentAndDuration_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("percent");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("duration");
    QTest::newRow("nothing") << 0 << 0 << 0 << qint64(0) << "0 s";
    QTest::newRow("all right") << 4 << 0 << 100 << qint64(59999) << "59 s";
    QTest::newRow("half rounds up") << 1 << 7 << 13 << qint64(60000) << "1 min 00 s";
    QTest::newRow("two thirds") << 2 << 1 << 67 << qint64(245500) << "4 min 05 s";
    QTest::newRow("negative time") << 0 << 3 << 0 << qint64(-5) << "0 s";
}

void TestRunRecord::percentAndDuration()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(int, percent);
    QFETCH(qint64, ms);
    QFETCH(QString, duration);
    QCOMPARE(results::percentRight(right, wrong), percent);
    QCOMPARE(results::durationText(ms), duration);
}

void TestRunRecord::csvLines()
{
    RunRecord record([] { return qint64(0); });
    record.answer(BoardKind::Form100Trova2, 512, false);
    record.answer(BoardKind::Form100Trova2, 512, true);
    record.answer(BoardKind::Form100f, 57, false);
    record.answer(BoardKind::Form100f, 7, true);
    QCOMPARE(results::csv(record, QStringLiteral(" Marta;\n\"x\" ")),
             QStringLiteral("nome;Marta x\n"
                            "esercizio;numero;esatte;errate\n"
                            "Addizioni: decine e unità;7;1;0\n"
                            "Addizioni: decine e unità;57;0;1\n"
                            "trovare i numeri superiori a 99;512;1;1\n")
                 .toUtf8());
    QCOMPARE(results::csv(RunRecord(), QString()), QByteArray("esercizio;numero;esatte;errate\n"));
}

void TestRunRecord::summaryNamesTheBoards()
{
    RunRecord record([] { return qint64(0); });
    QCOMPARE(results::summary(record, {}),
             QStringLiteral("Risultati\nNessuna risposta in questa esecuzione.\n"));
    record.answer(BoardKind::Form100Ricon, 5, true);
    record.answer(BoardKind::Form100Ricon2, 505, false);
    QCOMPARE(results::summary(record, QStringLiteral("Luca")),
             QStringLiteral("Risultati di Luca\n"
                            "riconoscere i numeri da 0 a 99: 1 esatte, 0 errate, 100% esatte, "
                            "tempo 0 s\n"
                            "riconoscere i numeri superiori a 99: 0 esatte, 1 errate, 0% esatte, "
                            "tempo 0 s\n"));
    QCOMPARE(results::cellText(57, 3, 2), QStringLiteral("57: 2 errate su 5"));
}

QTEST_GUILESS_MAIN(TestRunRecord)
#include "test_runrecord.moc"
