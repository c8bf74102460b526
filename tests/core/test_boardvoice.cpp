// What each board says with the voice on, and when, through a recording speech sink. The
// numbers' own words are checked in test_numberwords; here %1 and %2 stand for the task's
// numbers, %3 for the number asked.
#include "board_fixture.h"
#include "core/speech/boardvoice.h"
#include "core/board/exercise.h"
#include "core/speech/numberwords.h"

#include <QTest>

Q_DECLARE_METATYPE(BoardKind)

class TestBoardVoice : public QObject {
    Q_OBJECT
  private slots:
    void whatEachBoardSays_data();
    void whatEachBoardSays();
};

void TestBoardVoice::whatEachBoardSays_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QString>("task");  // said when the task appears
    QTest::addColumn<QString>("right"); // said after a right answer
    QTest::newRow("addition") << BoardKind::Form100b << true << u"%1 più %2"_qs << u"fa %3"_qs;
    QTest::newRow("subtraction, automatic")
        << BoardKind::Form100e << false << u"%1 meno %2"_qs << u"fa %3"_qs;
    QTest::newRow("find") << BoardKind::Form100Trova << true << u"%3"_qs << QString();
    QTest::newRow("find above 99") << BoardKind::Form100Trova2 << true << u"%3"_qs << QString();
    QTest::newRow("recognise") << BoardKind::Form100Ricon << true << QString() << u"%3"_qs;
    QTest::newRow("recognise above 99")
        << BoardKind::Form100Ricon2 << false << QString() << u"%3"_qs;
}

void TestBoardVoice::whatEachBoardSays()
{
    QFETCH(BoardKind, kind);
    QFETCH(bool, waiting);
    QFETCH(QString, task);
    QFETCH(QString, right);
    BoardFixture f(makeExercise(kind), waiting);
    RecordingSpeech speech;
    BoardVoice voice(f.board, kind, speech, nullptr);
    const auto words = [&](QString format, int asked) {
        return format.replace(u"%1"_qs, numberWords(f.state.primoNumero))
            .replace(u"%2"_qs, numberWords(f.state.secondoNumero))
            .replace(u"%3"_qs, numberWords(asked));
    };
    const auto asked = [&] {
        const bool arithmetic = !right.isEmpty() && right.startsWith(u"fa");
        return arithmetic ? int(f.state.risultato)
                          : int(f.state.numeroCercato) +
                                (kind == BoardKind::Form100Ricon2 ? 100 * *f.board.hundreds() : 0);
    };

    f.board.setUp();
    QCOMPARE(speech.said, task.isEmpty() ? QStringList() : QStringList{words(task, asked())});
    QVERIFY(speech.delays.count(0) == speech.delays.size());
    speech.said.clear();

    // A wrong answer says nothing; a right one its words, after the feedback sound, and in
    // automatic mode the next task with them.
    const int target = asked();
    const bool typed = kind == BoardKind::Form100Ricon || kind == BoardKind::Form100Ricon2;
    if (typed) {
        f.board.typedAnswer(QStringLiteral("1000"));
        f.board.typedAnswer(QString::number(target));
    } else {
        const int cell = kind == BoardKind::Form100Trova2 ? target % 100 : target;
        if (kind == BoardKind::Form100Trova2)
            f.board.setHundreds(target / 100);
        f.board.clickCell(cell == 0 ? 1 : 0);
        f.board.clickCell(cell);
    }
    QStringList expected;
    const QString result = words(right, target);
    const QString next = waiting ? QString() : words(task, asked());
    const QString both = QStringList{result, next}.join(u", "_qs);
    if (!result.isEmpty() || !next.isEmpty())
        expected << (result.isEmpty() ? next : next.isEmpty() ? result : both);
    QCOMPARE(speech.said, expected);
    if (!expected.isEmpty())
        QCOMPARE(speech.delays.last(), int(BoardVoice::kAfterFeedback.count()));

    // Asked again: the task on show, or what was said last.
    speech.said.clear();
    voice.repeat();
    const QString again = task.isEmpty() ? expected.value(0) : words(task, asked());
    QCOMPARE(speech.said, again.isEmpty() ? QStringList() : QStringList{again});
}

QTEST_MAIN(TestBoardVoice)
#include "test_boardvoice.moc"
