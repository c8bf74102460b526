#include "board_fixture.h"
#include "core/board/programstate.h"

#include <QTest>
#include <set>
#include <type_traits>

namespace {

using Recognise = ExerciseFixture<RecogniseExercise>;
using Find = ExerciseFixture<FindExercise>;

bool mediaHelp(int i)
{
    return i < 10 || i % 10 == 0;
}

/// Answers the cells `found` one after the other in automatic mode, the first asked by the
/// start sequence, then lets the next question take `fractions`. Returns how many fractions
/// were scripted.
template <typename Fixture>
int answerThenAsk(Fixture& f, const QList<int>& found, const QList<float>& fractions)
{
    const float cells = static_cast<float>(f.state.numeroMassimo + 1);
    int scripted = 0;
    const auto push = [&](float r) {
        f.random.push(r);
        ++scripted;
    };
    const auto pushAll = [&] {
        for (float r : fractions)
            push(r);
    };
    if (found.isEmpty()) {
        pushAll();
        f.board.setUp();
        return scripted;
    }
    push(0.0f); // colour
    push((found.first() + 0.5f) / cells);
    f.board.setUp();
    for (qsizetype k = 0; k < found.size(); ++k) {
        push(0.0f); // sound
        if (k + 1 < found.size()) {
            push(0.0f);
            push((found.at(k + 1) + 0.5f) / cells);
        } else {
            pushAll();
        }
        if constexpr (std::is_same_v<Fixture, Recognise>)
            f.board.typedAnswer(QString::number(found.at(k)));
        else
            f.board.clickCell(found.at(k));
    }
    return scripted;
}

} // namespace

class TestRecogniseFind : public QObject {
    Q_OBJECT
  private slots:
    void typedAnswers_data();
    void typedAnswers();
    void questionDrawnAgainUntilFree_data();
    void questionDrawnAgainUntilFree();
    void recogniseAsksHiddenCellsOnly_data();
    void recogniseAsksHiddenCellsOnly();
    void findAsksCellsNotRedOnly_data();
    void findAsksCellsNotRedOnly();
    void seriesOfTenStartsAgain();
    void levelChangeKeepsQuestionAndColours();
    void recogniseWithNoHiddenCellLeft_data();
    void recogniseWithNoHiddenCellLeft();
    void findWithEveryCellRed();
    void recogniseWaitingMode();
    void findWaitingMode();
    void questionWhileWaitingEndsTheWait();
    void startSequenceKeepsRedCells();
};

void TestRecogniseFind::typedAnswers_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("outcome"); // right, wrong or nothing
    const struct {
        const char* name;
        int cell;
        const char* typed;
        const char* outcome;
    } rows[] = {
        {"07 for 7", 7, "07", "right"},
        {"7 with blanks around", 7, " 7 ", "right"},
        {"blanks between", 7, " 0 7", "right"},
        {"7 then letters", 7, "7 abc", "right"},
        {"letters for 7", 7, "abc", "wrong"},
        {"letters for 0", 0, "abc", "right"},
        {"0 for 0", 0, "0", "right"},
        {"7.5 for 7", 7, "7.5", "wrong"},
        {"7.0 for 7", 7, "7.0", "right"},
        {"8 for 7", 7, "8", "wrong"},
        {"-7 for 7", 7, "-7", "wrong"},
        {"1e999 for 7", 7, "1e999", "wrong"},
        {"empty", 7, "", "nothing"},
        {"70e-1 for 7", 7, "70e-1", "right"},
        {"53 for 53", 53, "53", "right"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.cell << QString::fromUtf8(row.typed)
                                << QString::fromLatin1(row.outcome);
    QTest::newRow("thousand nines for 99") << 99 << QString(1000, u'9') << QStringLiteral("wrong");
}

void TestRecogniseFind::typedAnswers()
{
    QFETCH(int, cell);
    QFETCH(QString, typed);
    QFETCH(QString, outcome);
    Recognise f;
    f.board.setLevel(Level::Difficile); // every cell can be asked
    f.nextQuestion(cell, 100);
    f.board.setUp();
    QCOMPARE(f.asked(), cell);
    QCOMPARE(f.board.cell(cell).colour, colours::kRed);
    f.board.typedAnswer(typed);
    if (outcome == QStringLiteral("nothing")) {
        QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
        QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
        QVERIFY(f.sounds.played.isEmpty());
    } else if (outcome == QStringLiteral("wrong")) {
        QCOMPARE(f.board.erratiText(), QStringLiteral(" 1"));
        QCOMPARE(f.board.face(), Face::Sad);
        QCOMPARE(f.sounds.played, QList<Sound>{Sound::No});
        QVERIFY(f.board.cell(cell).caption.isEmpty());
        QVERIFY(f.board.answerEnabled());
        QCOMPARE(f.asked(), cell);
    } else {
        QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
        QCOMPARE(f.board.face(), Face::Happy);
        QCOMPARE(f.board.cell(cell).caption, QStringLiteral(" %1").arg(cell));
        QCOMPARE(f.board.cell(cell).colour, colours::kRed);
        QCOMPARE(f.board.rightInSeries(), 1);
        QVERIFY(!f.board.answerEnabled()); // waiting for "avanti"
    }
}

void TestRecogniseFind::questionDrawnAgainUntilFree_data()
{
    // The colour takes the first fraction; each draw after it is one cell of 0 to the
    // maximum, drawn again while the cell is not free (a caption on the recognise board, a
    // red cell on the find board).
    QTest::addColumn<bool>("recognise");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("found");
    QTest::addColumn<QList<float>>("fractions");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("series"); // right answers in the series when the question is on
    const int media = int(Level::Media);
    QTest::newRow("recognise: help cells 0 and 50 drawn again")
        << true << media << 99 << QList<int>{} << QList<float>{0.0f, 0.0f, 0.5f, 0.555f} << 55 << 0;
    QTest::newRow("recognise: free at the first draw")
        << true << media << 99 << QList<int>{} << QList<float>{0.0f, 0.555f} << 55 << 0;
    QTest::newRow("recognise: answered cell drawn again")
        << true << media << 99 << QList<int>{55} << QList<float>{0.0f, 0.555f, 0.0f, 0.115f} << 11
        << 1;
    QTest::newRow("recognise: difficile asks cell 0")
        << true << int(Level::Difficile) << 99 << QList<int>{} << QList<float>{0.0f, 0.0f} << 0
        << 0;
    QTest::newRow("recognise: maximum 20")
        << true << media << 20 << QList<int>{} << QList<float>{0.0f, 0.5f, 0.99f, 0.7f} << 14 << 0;
    QTest::newRow("recognise: none free, a new series first")
        << true << media << 19 << QList<int>{11, 12, 13, 14, 15, 16, 17, 18, 19}
        << QList<float>{0.0f, 0.5f, 0.61f} << 12 << 0;
    QTest::newRow("find: help cell asked")
        << false << media << 99 << QList<int>{} << QList<float>{0.0f, 0.0f} << 0 << 0;
    QTest::newRow("find: red cells drawn again")
        << false << media << 99 << QList<int>{37, 55} << QList<float>{0.0f, 0.375f, 0.555f, 0.905f}
        << 90 << 2;
}

void TestRecogniseFind::questionDrawnAgainUntilFree()
{
    QFETCH(bool, recognise);
    QFETCH(int, level);
    QFETCH(int, maximum);
    QFETCH(QList<int>, found);
    QFETCH(QList<float>, fractions);
    QFETCH(int, asked);
    QFETCH(int, series);
    const auto check = [&](auto& f) {
        f.state.numeroMassimo = static_cast<qint16>(maximum);
        f.board.setLevel(static_cast<Level>(level));
        const int scripted = answerThenAsk(f, found, fractions);
        QCOMPARE(f.asked(), asked);
        QCOMPARE(f.random.draws, scripted); // no fraction more
        QCOMPARE(f.board.rightInSeries(), series);
    };
    if (recognise) {
        Recognise f(false);
        check(f);
        QCOMPARE(f.board.cell(asked).colour, colours::kRed);
    } else {
        Find f(false);
        check(f);
        QCOMPARE(f.board.taskText(), QStringLiteral(" %1").arg(asked));
    }
}

void TestRecogniseFind::recogniseAsksHiddenCellsOnly_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("maximum");
    for (int m : {20, 35, 99}) {
        QTest::addRow("media M=%d", m) << int(Level::Media) << m;
        QTest::addRow("difficile M=%d", m) << int(Level::Difficile) << m;
    }
}

void TestRecogniseFind::recogniseAsksHiddenCellsOnly()
{
    QFETCH(int, level);
    QFETCH(int, maximum);
    Recognise f(false, 100 + static_cast<unsigned>(maximum));
    f.state.numeroMassimo = static_cast<qint16>(maximum);
    f.board.setLevel(static_cast<Level>(level));
    f.board.setUp();
    std::set<int> asked;
    for (int q = 0; q < 3000; ++q) {
        const int n = f.asked();
        QVERIFY(n >= 0 && n <= maximum);
        if (level == int(Level::Media))
            QVERIFY(!mediaHelp(n));
        QCOMPARE(f.board.cell(n).colour, colours::kRed);
        asked.insert(n);
        const bool before = f.board.cell(n).caption.isEmpty();
        QVERIFY(before);
        f.board.typedAnswer(QString::number(n));
    }
    int askable = 0;
    for (int i = 0; i <= maximum; ++i)
        askable += level == int(Level::Difficile) || !mediaHelp(i);
    QCOMPARE(int(asked.size()), askable); // every askable cell comes up
}

void TestRecogniseFind::findAsksCellsNotRedOnly_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("maximum");
    for (int m : {20, 35, 99}) {
        for (Level l : {Level::Facile, Level::Media, Level::Difficile})
            QTest::addRow("level %d M=%d", int(l), m) << int(l) << m;
    }
}

void TestRecogniseFind::findAsksCellsNotRedOnly()
{
    QFETCH(int, level);
    QFETCH(int, maximum);
    Find f(false, 200 + static_cast<unsigned>(maximum));
    f.state.numeroMassimo = static_cast<qint16>(maximum);
    f.board.setLevel(static_cast<Level>(level));
    f.board.setUp();
    std::set<int> asked, inSeries;
    for (int q = 0; q < 3000; ++q) {
        const int n = f.asked();
        QVERIFY(n >= 0 && n <= maximum);
        QVERIFY(f.board.cell(n).colour != colours::kRed);
        QVERIFY(!inSeries.count(n)); // not asked twice in a series
        QCOMPARE(f.board.taskText(), QStringLiteral(" %1").arg(n));
        QVERIFY(f.redCells() <= 9);
        asked.insert(n);
        inSeries.insert(n);
        f.board.clickCell(n);
        if (f.board.rightInSeries() == 0)
            inSeries.clear();
    }
    QCOMPARE(int(asked.size()), maximum + 1);
}

void TestRecogniseFind::seriesOfTenStartsAgain()
{
    Find f(false);
    f.board.setUp();
    for (int i = 1; i <= 9; ++i) {
        const int n = f.asked();
        f.board.clickCell(n);
        QCOMPARE(f.board.rightInSeries(), i);
        QCOMPARE(f.board.cell(n).colour, colours::kRed);
        QCOMPARE(f.board.cell(n).caption, QStringLiteral(" %1").arg(n));
        QCOMPARE(f.redCells(), i);
    }
    f.board.clickCell(f.asked());
    QCOMPARE(f.board.rightInSeries(), 0);
    QCOMPARE(f.redCells(), 0);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(f.board.cell(i).caption.isEmpty(), !mediaHelp(i));
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 10"));

    Recognise r(false);
    r.board.setUp();
    for (int i = 0; i < 10; ++i)
        r.board.typedAnswer(QString::number(r.asked()));
    QCOMPARE(r.board.rightInSeries(), 0);
    QCOMPARE(r.redCells(), 1); // only the new question's cell
    QVERIFY(r.board.cell(r.asked()).caption.isEmpty());
}

void TestRecogniseFind::levelChangeKeepsQuestionAndColours()
{
    Recognise r(false);
    r.board.setUp();
    std::vector<int> answered;
    for (int i = 0; i < 4; ++i) {
        answered.push_back(r.asked());
        r.board.typedAnswer(QString::number(r.asked()));
    }
    const int asked = r.asked();
    const int draws = r.random.draws;
    r.board.setLevel(Level::Difficile);
    QCOMPARE(r.board.level(), Level::Difficile);
    QCOMPARE(r.asked(), asked);
    QCOMPARE(r.random.draws, draws);
    QCOMPARE(r.board.rightInSeries(), 4);
    for (int n : answered) {
        QVERIFY(r.board.cell(n).caption.isEmpty()); // red cells without number
        QCOMPARE(r.board.cell(n).colour, colours::kRed);
    }
    r.board.setLevel(Level::Facile); // not a level of this board
    QCOMPARE(r.board.level(), Level::Difficile);

    Find f(false);
    f.board.setUp();
    const int found = f.asked();
    f.board.clickCell(found);
    f.board.setLevel(Level::Difficile);
    QVERIFY(f.board.cell(found).caption.isEmpty());
    QCOMPARE(f.board.cell(found).colour, colours::kRed);
    f.board.setLevel(Level::Facile);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(f.board.cell(i).caption, QStringLiteral(" %1").arg(i));
    QCOMPARE(f.board.rightInSeries(), 1);
}

void TestRecogniseFind::recogniseWithNoHiddenCellLeft_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("loweredDuringSeries");
    QTest::newRow("M=19") << 19 << false;
    QTest::newRow("M=20") << 20 << false;
    QTest::newRow("lowered to 20 in the series") << 20 << true;
}

void TestRecogniseFind::recogniseWithNoHiddenCellLeft()
{
    // At level media with 19 or 20 in play only cells 11 to 19 can be asked; after nine
    // answers none is left, and the board starts a new series instead of searching forever.
    QFETCH(int, maximum);
    QFETCH(bool, loweredDuringSeries);
    Recognise r(false);
    r.state.numeroMassimo = loweredDuringSeries ? 99 : static_cast<qint16>(maximum);
    r.board.setUp();
    if (loweredDuringSeries) {
        for (int i = 0; i < 3; ++i)
            r.board.typedAnswer(QString::number(r.asked()));
        QVERIFY(r.board.numeroMassimo(QString::number(maximum)));
    }
    for (int round = 0; round < 30; ++round) {
        const int n = r.asked();
        QVERIFY(n >= 11 && n <= 19);
        QVERIFY(r.board.cell(n).caption.isEmpty());
        r.board.typedAnswer(QString::number(n));
    }
}

void TestRecogniseFind::findWithEveryCellRed()
{
    // Red cells pile up over returns to the board (the start sequence does not repaint);
    // once every cell in play is red the board starts a new series.
    Find f(false);
    f.state.numeroMassimo = 20;
    f.board.setUp();
    bool restarted = false;
    for (int visit = 0; visit < 5; ++visit) {
        for (int i = 0; i < 9; ++i) {
            QVERIFY(f.board.cell(f.asked()).colour != colours::kRed);
            const int redBefore = f.redCells();
            f.board.clickCell(f.asked());
            restarted = restarted || f.redCells() < redBefore;
        }
        f.board.setUp();
        QVERIFY(f.board.cell(f.asked()).colour != colours::kRed);
        QVERIFY(f.redCells() <= 21);
    }
    QVERIFY(restarted);
}

void TestRecogniseFind::recogniseWaitingMode()
{
    Recognise r(true);
    r.board.setUp();
    QVERIFY(r.board.avantiVisible());
    QCOMPARE(r.questions(), 1);
    const int n = r.asked();
    r.board.typedAnswer(QStringLiteral("abc"));
    QVERIFY(r.board.answerEnabled());
    r.board.typedAnswer(QString::number(n));
    QVERIFY(!r.board.answerEnabled());
    QVERIFY(r.board.avantiEnabled());
    QCOMPARE(r.questions(), 1);
    r.board.typedAnswer(QString::number(n)); // disabled box: no second answer
    QCOMPARE(r.board.esattiText(), QStringLiteral(" 1"));
    r.board.avanti();
    QVERIFY(r.board.answerEnabled());
    QVERIFY(!r.board.avantiEnabled());
    QCOMPARE(r.questions(), 2);
    QVERIFY(r.asked() != n);
    QCOMPARE(r.board.cell(n).colour, colours::kRed); // answered cells stay red in the series
}

void TestRecogniseFind::findWaitingMode()
{
    Find f(true);
    f.board.setUp();
    const int n = f.asked();
    f.board.clickCell(n);
    QVERIFY(!f.board.cell(n).enabled);
    QVERIFY(f.board.avantiEnabled());
    QCOMPARE(f.board.taskText(), QStringLiteral(" %1").arg(n)); // not completed
    const int other = n == 50 ? 51 : 50;
    f.board.clickCell(other);
    QCOMPARE(f.board.erratiText(), QStringLiteral(" 1"));
    f.board.clickCell(n);
    QCOMPARE(f.board.esattiText(), QStringLiteral(" 1"));
    f.board.avanti();
    QVERIFY(f.board.cell(n).enabled);
    QVERIFY(f.asked() != n);
}

void TestRecogniseFind::questionWhileWaitingEndsTheWait()
{
    Recognise r(true);
    r.board.setUp();
    r.board.typedAnswer(QString::number(r.asked()));
    QVERIFY(r.board.numeroMassimo(QStringLiteral("50")));
    QVERIFY(r.board.answerEnabled());
    QVERIFY(!r.board.avantiEnabled());

    Find f(true);
    f.board.setUp();
    const int n = f.asked();
    f.board.clickCell(n);
    f.board.setUp();
    QVERIFY(f.board.cell(n).enabled);
    QVERIFY(!f.board.avantiEnabled());
}

void TestRecogniseFind::startSequenceKeepsRedCells()
{
    Find f(false);
    f.board.setUp();
    for (int i = 0; i < 5; ++i)
        f.board.clickCell(f.asked());
    f.board.setUp();
    QCOMPARE(f.redCells(), 5);
    QCOMPARE(f.board.rightInSeries(), 0);
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
}

QTEST_APPLESS_MAIN(TestRecogniseFind)
#include "test_recognise_find.moc"
