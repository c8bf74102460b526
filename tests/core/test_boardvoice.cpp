// What each board says with the voice on, and when, through a recording speech sink: the
// task when it appears, after a wrong and a right answer, on "avanti" and when asked again.
// With a second language, the numbers said alone said again in it. The numbers' own Italian
// words are checked in test_numberwords.
#include "board_fixture.h"
#include "core/board/exercise.h"
#include "core/speech/boardvoice.h"

#include <QTest>

Q_DECLARE_METATYPE(BoardKind)

class TestBoardVoice : public QObject {
    Q_OBJECT
  private slots:
    void whatEachBoardSays_data();
    void whatEachBoardSays();
    void numbersInASecondLanguage_data();
    void numbersInASecondLanguage();
};

void TestBoardVoice::whatEachBoardSays_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<int>("answer");    // the right answer to the first task (seed 5)
    QTest::addColumn<QString>("task");  // said when the task appears
    QTest::addColumn<QString>("right"); // said after the right answer
    QTest::addColumn<QString>("next");  // said on "avanti" after it
    QTest::addColumn<QString>("again"); // said when asked again then
    QTest::newRow("addition") << BoardKind::Form100b << true << 6 << u"sei più zero"_qs
                              << u"fa sei"_qs << u"sette più trenta"_qs << u"sette più trenta"_qs;
    QTest::newRow("subtraction, automatic: the result and the next task as one")
        << BoardKind::Form100e << false << 5 << u"sei meno uno"_qs
        << u"fa cinque, trentasette meno quattro"_qs << QString() << u"trentasette meno quattro"_qs;
    QTest::newRow("find") << BoardKind::Form100Trova << true << 5 << u"cinque"_qs << QString()
                          << u"venti"_qs << u"venti"_qs;
    QTest::newRow("find above 99")
        << BoardKind::Form100Trova2 << true << 55 << u"cinquantacinque"_qs << QString()
        << u"duecentosei"_qs << u"duecentosei"_qs;
    QTest::newRow("recognise") << BoardKind::Form100Ricon << true << 87 << QString()
                               << u"ottantasette"_qs << QString() << u"ottantasette"_qs;
    QTest::newRow("recognise above 99")
        << BoardKind::Form100Ricon2 << false << 805 << QString() << u"ottocentocinque"_qs
        << QString() << u"ottocentocinque"_qs;
}

void TestBoardVoice::whatEachBoardSays()
{
    QFETCH(BoardKind, kind);
    QFETCH(bool, waiting);
    QFETCH(int, answer);
    QFETCH(QString, task);
    QFETCH(QString, right);
    QFETCH(QString, next);
    QFETCH(QString, again);
    const auto said = [](const QString& words) {
        return words.isEmpty() ? QStringList() : QStringList{words};
    };
    BoardFixture f(makeExercise(kind), waiting);
    RecordingSpeech speech;
    BoardVoice voice(f.board, kind, speech, nullptr);

    f.board.setUp();
    QCOMPARE(speech.said, said(task));
    QVERIFY(speech.delays.count(0) == speech.delays.size());
    speech.said.clear();

    // A wrong answer says nothing; a right one its words after the feedback sound.
    if (kind == BoardKind::Form100Ricon || kind == BoardKind::Form100Ricon2) {
        f.board.typedAnswer(QStringLiteral("1000"));
        f.board.typedAnswer(QString::number(answer));
    } else {
        f.board.setHundreds(answer / 100);
        f.board.clickCell(answer % 100 == 0 ? 1 : 0);
        f.board.clickCell(answer % 100);
    }
    QCOMPARE(speech.said, said(right));
    if (!right.isEmpty())
        QCOMPARE(speech.delays.last(), int(BoardVoice::kAfterFeedback.count()));

    // The next task, with no sound before it; asked again, the task on show or what was said
    // last.
    speech.said.clear();
    f.board.avanti();
    QCOMPARE(speech.said, said(next));
    if (!next.isEmpty())
        QCOMPARE(speech.delays.last(), 0);
    speech.said.clear();
    voice.repeat();
    QCOMPARE(speech.said, said(again));
}

void TestBoardVoice::numbersInASecondLanguage_data()
{
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<int>("answer"); // the right answer to the first task (seed 5)
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("said"); // when the task appears, then after the right answer
    QTest::newRow("find, Romanian") << BoardKind::Form100Trova << true << 5 << u"ro"_qs
                                    << QStringList{u"cinque / ro: cinci"_qs};
    QTest::newRow("find above 99, Spanish")
        << BoardKind::Form100Trova2 << true << 55 << u"es"_qs
        << QStringList{u"cinquantacinque / es: cincuenta y cinco"_qs};
    QTest::newRow("recognise, Albanian")
        << BoardKind::Form100Ricon << true << 87 << u"sq"_qs
        << QStringList{u"ottantasette / sq: tetëdhjetë e shtatë"_qs};
    QTest::newRow("addition, Ukrainian: the task stays Italian")
        << BoardKind::Form100b << true << 6 << u"uk"_qs
        << QStringList{u"sei più zero"_qs, u"fa sei / uk: шість"_qs};
    QTest::newRow("subtraction, automatic: the result doubled, the next task Italian")
        << BoardKind::Form100e << false << 5 << u"ro"_qs
        << QStringList{u"sei meno uno"_qs, u"fa cinque / ro: cinci / trentasette meno quattro"_qs};
    QTest::newRow("Italian: once")
        << BoardKind::Form100Trova << true << 5 << u"it-CH"_qs << QStringList{u"cinque"_qs};
    QTest::newRow("a language ICU cannot spell: Italian once")
        << BoardKind::Form100Trova << true << 5 << u"tlh"_qs << QStringList{u"cinque"_qs};
}

void TestBoardVoice::numbersInASecondLanguage()
{
    QFETCH(BoardKind, kind);
    QFETCH(bool, waiting);
    QFETCH(int, answer);
    QFETCH(QString, language);
    QFETCH(QStringList, said);
    BoardFixture f(makeExercise(kind), waiting);
    RecordingSpeech speech;
    BoardVoice voice(f.board, kind, speech, nullptr);
    voice.setSecondLanguage(language);

    f.board.setUp();
    if (kind == BoardKind::Form100Ricon) {
        f.board.typedAnswer(QString::number(answer));
    } else {
        f.board.setHundreds(answer / 100);
        f.board.clickCell(answer % 100);
    }
    QCOMPARE(speech.said, said);
}

QTEST_MAIN(TestBoardVoice)
#include "test_boardvoice.moc"
