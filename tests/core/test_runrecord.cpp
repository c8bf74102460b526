#include "board_fixture.h"
#include "core/board/catalogue.h"
#include "core/records/results.h"
#include "core/records/runrecord.h"

#include <QMap>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(BoardKind)

namespace {

/// The number the open task asks for, as the child sees it.
int shownTarget(BoardKind k, const BoardFixture& f)
{
    if (k == BoardKind::Form100Ricon2)
        return *f.board.hundreds() * 100 + f.state.numeroCercato;
    return k <= BoardKind::Form100e ? f.state.risultato : f.state.numeroCercato;
}

/// Answers the open task right or wrong as a child would.
void answer(BoardKind k, BoardFixture& f, bool right)
{
    const int target = shownTarget(k, f);
    if (k == BoardKind::Form100Ricon || k == BoardKind::Form100Ricon2)
        return f.board.typedAnswer(QString::number(right ? target : target + 1));
    if (k == BoardKind::Form100Trova2)
        f.board.setHundreds(target / 100);
    f.board.clickCell(right ? target % 100 : (target + 1) % 100);
}

} // namespace

class TestRunRecord : public QObject {
    Q_OBJECT
  private slots:
    void answersThroughTheFrame_data();
    void answersThroughTheFrame();
    void timeOnEachBoard();
    void answersOutsideTheRecordChangeNothing();
    void mostWrongFirst();
};

void TestRunRecord::answersThroughTheFrame_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<QString>("answers"); // r right, w wrong, z "Azzera conteggio", m maximum
    QTest::newRow("arithmetic") << BoardKind::Form100e << "rwzwrm";
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
    {
        auto f = std::make_unique<BoardFixture>(makeExercise(kind), false, 11);
        record.follow(f->board, kind);
        f->board.setUp();
        for (QChar c : answers) {
            now += 1000;
            if (c == u'z')
                f->board.azzeraConteggio();
            if (c == u'm')
                QVERIFY(f->board.numeroMassimo(QStringLiteral("99")));
            if (c != u'r' && c != u'w')
                continue;
            const int target = shownTarget(kind, *f);
            answer(kind, *f, c == u'r');
            (c == u'r' ? ++expected[target].right : ++expected[target].wrong);
        }
    } // leaving the board keeps what it recorded
    record.leave();
    QCOMPARE(record.totals(kind).right, quint64(answers.count(u'r')));
    QCOMPARE(record.totals(kind).wrong, quint64(answers.count(u'w')));
    QCOMPARE(record.totals(kind).milliseconds, now);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(record.counts(kind, it.key()).right, it->right);
        QCOMPARE(record.counts(kind, it.key()).wrong, it->wrong);
    }
    if (results::above99(kind))
        QVERIFY(expected.lastKey() > 99);
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
    QCOMPARE(record.totals(BoardKind::Form100Trova).milliseconds, 2000); // still open
    now = 10000;
    record.enter(BoardKind::Form100a); // leaves the board before
    now = 11000;
    record.leave();
    record.leave();
    QCOMPARE(record.totals(BoardKind::Form100Trova).milliseconds, 4000);
    QCOMPARE(record.totals(BoardKind::Form100a).milliseconds, 6000);
}

void TestRunRecord::answersOutsideTheRecordChangeNothing()
{
    RunRecord record([] { return qint64(0); });
    for (auto [board, target] : {std::pair{0, -1}, {0, 1000}, {kBoardKinds, 5}, {-1, 5}})
        record.answer(static_cast<BoardKind>(board), target, false);
    QVERIFY(std::ranges::none_of(boardCatalogue(),
                                 [&](const BoardEntry& b) { return record.hasAnswers(b.kind); }));
}

void TestRunRecord::mostWrongFirst()
{
    RunRecord record([] { return qint64(0); });
    const BoardKind k = BoardKind::Form100Ricon2;
    for (int n : {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 107, 107, 950, 950})
        record.answer(k, n, false);
    record.answer(k, 3, true);
    QCOMPARE(record.mostWrong(k, 10),
             (std::vector<int>{107, 950, 100, 101, 102, 103, 104, 105, 106, 108}));
}

QTEST_GUILESS_MAIN(TestRunRecord)
#include "test_runrecord.moc"
