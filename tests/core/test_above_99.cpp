#include "board_fixture.h"
#include "core/board/programstate.h"

#include <QTest>
#include <set>

namespace {

using Recognise = ExerciseFixture<RecogniseAboveExercise>;
using Find = ExerciseFixture<FindAboveExercise>;

/// Scripts a recognise question: red cell `cell`, window `hundreds`.
void scriptRecognise(Recognise& f, int cell, int hundreds)
{
    f.random.push(0.0f); // colour
    f.random.push((cell + 0.5f) / 99);
    f.random.push((hundreds + 0.5f) / 10);
}

} // namespace

class TestAbove99 : public QObject {
    Q_OBJECT
  private slots:
    void recogniseAnswers_data();
    void recogniseAnswers();
    void recogniseDrawsOverManyQuestions();
    void recogniseWaitingMode();
    void recogniseTenthAnswerClearsAtOnce();
    void recogniseAzzeraKeepsSeries();
    void findClicks_data();
    void findClicks();
    void findDrawsOverManyQuestions();
    void findWaitingMode();
    void findAutomaticModeKeepsRedCells();
    void findLevelsAndStartSequence();
    void backToTheBoardWhileWaiting_data();
    void backToTheBoardWhileWaiting();
};

void TestAbove99::recogniseAnswers_data()
{
    QTest::addColumn<int>("hundreds");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("512 at 5/12") << 5 << 12 << "512" << true;
    QTest::newRow("512 at 3/12") << 3 << 12 << "512" << false;
    QTest::newRow("312 at 3/12") << 3 << 12 << "312" << true;
    QTest::newRow("700 at 7/0") << 7 << 0 << "700" << true;
    QTest::newRow("600 at 6/0") << 6 << 0 << "600" << true;
    QTest::newRow("0 at 0/0") << 0 << 0 << "0" << true;
    QTest::newRow("0 at 6/0") << 6 << 0 << "0" << false;
    QTest::newRow("letters at 0/0") << 0 << 0 << "abc" << true;
    QTest::newRow("letters at 2/0") << 2 << 0 << "abc" << false;
    QTest::newRow("4 0 7 at 4/7") << 4 << 7 << "4 0 7" << true;
    QTest::newRow("998 at 9/98") << 9 << 98 << "998" << true;
    QTest::newRow("57 at 0/57") << 0 << 57 << "57" << true;
    QTest::newRow("57 at 1/57") << 1 << 57 << "57" << false;
}

void TestAbove99::recogniseAnswers()
{
    QFETCH(int, hundreds);
    QFETCH(int, cell);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    Recognise f(false);
    scriptRecognise(f, cell, hundreds);
    f.board.setUp();
    QCOMPARE(f.state.numeroCercato, qint16(cell));
    QCOMPARE(*f.board.hundreds(), hundreds);
    QCOMPARE(f.board.cell(cell).colour, colours::kRed);
    QCOMPARE(f.board.cell(5).caption, QStringLiteral(" %1").arg(hundreds * 100 + 5));
    QCOMPARE(f.board.cell(30).caption, QStringLiteral(" %1").arg(hundreds * 100 + 30));
    QVERIFY(f.board.cell(33).caption.isEmpty());
    const QString captionBefore = f.board.cell(cell).caption;
    f.board.typedAnswer(typed);
    QCOMPARE(f.board.esattiText(), right ? QStringLiteral(" 1") : QStringLiteral("0"));
    QCOMPARE(f.board.erratiText(), right ? QStringLiteral("0") : QStringLiteral(" 1"));
    if (right) {
        // Automatic mode: the red cell is light green again and the next question is on.
        QCOMPARE(f.redCells(), 1);
        QVERIFY(f.state.numeroCercato != cell || f.board.cell(cell).colour == colours::kRed);
    } else {
        QCOMPARE(f.board.cell(cell).colour, colours::kRed);
        QCOMPARE(f.board.cell(cell).caption, captionBefore);
    }
}

void TestAbove99::recogniseDrawsOverManyQuestions()
{
    Recognise f(false, 123);
    f.board.setUp();
    std::set<int> cells, windows;
    for (int q = 0; q < 4000; ++q) {
        const int n = f.state.numeroCercato;
        const int c = *f.board.hundreds();
        QVERIFY(n >= 0 && n <= 98);
        QVERIFY(c >= 0 && c <= 9);
        QCOMPARE(f.redCells(), 1);
        cells.insert(n);
        windows.insert(c);
        f.board.typedAnswer(QString::number(c * 100 + n));
        // The number is never written into the cell.
        QCOMPARE(f.board.cell(n).caption.isEmpty(), n >= 10 && n % 10 != 0);
    }
    QCOMPARE(int(cells.size()), 99);
    QCOMPARE(int(windows.size()), 10);
}

void TestAbove99::recogniseWaitingMode()
{
    Recognise f(true);
    scriptRecognise(f, 47, 5);
    f.board.setUp();
    f.board.typedAnswer(QStringLiteral("547"));
    QVERIFY(!f.board.answerEnabled());
    QVERIFY(f.board.avantiEnabled());
    QCOMPARE(f.board.cell(47).colour, colours::kRed);
    scriptRecognise(f, 12, 3);
    f.board.avanti();
    QCOMPARE(f.board.cell(47).colour, colours::kCell);
    QCOMPARE(f.board.cell(12).colour, colours::kRed);
    QVERIFY(f.board.answerEnabled());
    QCOMPARE(f.questions(), 2);
    QCOMPARE(f.board.cell(0).caption, QStringLiteral(" 300"));
}

void TestAbove99::recogniseTenthAnswerClearsAtOnce()
{
    Recognise f(true);
    f.board.setUp();
    for (int i = 1; i <= 10; ++i) {
        f.board.typedAnswer(QString::number(*f.board.hundreds() * 100 + f.state.numeroCercato));
        if (i < 10) {
            QCOMPARE(f.board.rightInSeries(), i);
            QCOMPARE(f.redCells(), 1);
            f.board.avanti();
        }
    }
    QCOMPARE(f.board.rightInSeries(), 0);
    QCOMPARE(f.redCells(), 0); // before "avanti"
    QVERIFY(f.board.avantiEnabled());
}

void TestAbove99::recogniseAzzeraKeepsSeries()
{
    Recognise f(false);
    f.board.setUp();
    f.board.typedAnswer(QString::number(*f.board.hundreds() * 100 + f.state.numeroCercato));
    const int asked = f.state.numeroCercato;
    f.board.azzeraConteggio();
    QCOMPARE(f.board.rightInSeries(), 1);
    QCOMPARE(int(f.state.numeroCercato), asked);
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
}

void TestAbove99::findClicks_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("hundreds");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("right");
    QTest::newRow("512: window 5, cell 12") << 512 << 5 << 12 << true;
    QTest::newRow("512: window 3, cell 12") << 512 << 3 << 12 << false;
    QTest::newRow("700: window 7, cell 0") << 700 << 7 << 0 << true;
    QTest::newRow("700: window 0, cell 0") << 700 << 0 << 0 << false;
    QTest::newRow("0: window 0, cell 0") << 0 << 0 << 0 << true;
    QTest::newRow("547: window 5, cell 47") << 547 << 5 << 47 << true;
    QTest::newRow("998: window 9, cell 98") << 998 << 9 << 98 << true;
}

void TestAbove99::findClicks()
{
    QFETCH(int, number);
    QFETCH(int, hundreds);
    QFETCH(int, cell);
    QFETCH(bool, right);
    Find f(true);
    f.random.push(0.0f);
    f.random.push((number + 0.5f) / 999);
    f.board.setUp();
    QCOMPARE(int(f.state.numeroCercato), number);
    QCOMPARE(f.board.taskText(), QStringLiteral(" %1").arg(number));
    f.board.setHundreds(hundreds);
    const QString caption = f.board.cell(cell).caption;
    f.board.clickCell(cell);
    QCOMPARE(f.board.face(), right ? Face::Happy : Face::Sad);
    QCOMPARE(f.board.cell(cell).colour == colours::kRed, right);
    QCOMPARE(f.board.cell(cell).caption, caption);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(f.board.cell(i).enabled, !right); // waiting locks the whole board
}

void TestAbove99::findDrawsOverManyQuestions()
{
    Find f(false, 321);
    f.board.setUp();
    int low = 1000, high = -1;
    for (int q = 0; q < 20000; ++q) {
        const int n = f.state.numeroCercato;
        QVERIFY(n >= 0 && n <= 998);
        low = std::min(low, n);
        high = std::max(high, n);
        f.board.setHundreds(n / 100);
        f.board.clickCell(n % 100);
    }
    QCOMPARE(low, 0);
    QCOMPARE(high, 998);
    Find g(false);
    g.random.push(0.0f);
    g.random.push(0.99999994f);
    g.board.setUp();
    QCOMPARE(int(g.state.numeroCercato), 998);
}

void TestAbove99::findWaitingMode()
{
    Find f(true);
    f.board.setUp();
    const int n = f.state.numeroCercato;
    f.board.setHundreds(n / 100);
    f.board.clickCell(n % 100);
    f.board.setHundreds((n / 100 + 3) % 10); // captions only
    f.board.setLevel(Level::Facile);
    QCOMPARE(f.board.cell(n % 100).colour, colours::kRed);
    QCOMPARE(f.board.cell(1).caption, QStringLiteral(" %1").arg((n / 100 + 3) % 10 * 100 + 1));
    for (int i = 0; i < 100; ++i)
        QVERIFY(!f.board.cell(i).enabled);
    f.board.clickCell(5); // locked: no reaction
    QCOMPARE(f.board.erratiText(), QStringLiteral("0"));
    f.board.avanti();
    QCOMPARE(f.redCells(), 0);
    for (int i = 0; i < 100; ++i)
        QVERIFY(f.board.cell(i).enabled);
    QCOMPARE(*f.board.hundreds(), (n / 100 + 3) % 10); // the hundred on show stays
}

void TestAbove99::findAutomaticModeKeepsRedCells()
{
    Find f(false);
    f.board.setUp();
    std::set<int> found;
    for (int i = 0; i < 5; ++i) {
        const int n = f.state.numeroCercato;
        f.board.setHundreds(n / 100);
        f.board.clickCell(n % 100);
        found.insert(n % 100);
    }
    QCOMPARE(f.redCells(), int(found.size()));
    f.board.setHundreds(0);
    QCOMPARE(f.redCells(), int(found.size()));
    // A red cell clicked again counts by the number it stands for now.
    const int n = f.state.numeroCercato;
    const int red = *found.begin();
    f.board.setHundreds(n / 100);
    f.board.clickCell(red);
    QCOMPARE(f.board.face(), red == n % 100 ? Face::Happy : Face::Sad);
}

void TestAbove99::findLevelsAndStartSequence()
{
    Find f(false);
    f.board.setUp();
    QCOMPARE(f.board.level(), Level::Media);
    f.board.setLevel(Level::Difficile); // not offered here
    QCOMPARE(f.board.level(), Level::Media);
    f.board.setHundreds(4);
    QCOMPARE(f.board.cell(0).caption, QStringLiteral(" 400"));
    QCOMPARE(f.board.cell(90).caption, QStringLiteral(" 490"));
    QVERIFY(f.board.cell(91).caption.isEmpty());
    const int n = f.state.numeroCercato;
    f.board.setHundreds(n / 100);
    f.board.clickCell(n % 100);
    f.board.setUp(); // back to the board: scroll bar and red cells stay
    QCOMPARE(*f.board.hundreds(), n / 100);
    QCOMPARE(f.board.cell(n % 100).colour, colours::kRed);
    QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
    for (int i = 0; i < 100; ++i)
        QVERIFY(f.board.cell(i).visible);
}

void TestAbove99::backToTheBoardWhileWaiting_data()
{
    QTest::addColumn<bool>("recognise");
    QTest::addColumn<bool>("stillWaitingMode"); // the mode chosen in the menu meanwhile
    QTest::newRow("recognise") << true << true;
    QTest::newRow("find") << false << true;
    // With "avanti" hidden nothing could end the wait: the set-up ends it.
    QTest::newRow("recognise, automatic mode now") << true << false;
    QTest::newRow("find, automatic mode now") << false << false;
}

void TestAbove99::backToTheBoardWhileWaiting()
{
    QFETCH(bool, recognise);
    QFETCH(bool, stillWaitingMode);
    // Right answer in waiting mode, then the board becomes active again (set-up).
    const auto check = [&](auto& f, int found, const auto& answer, const auto& locked) {
        answer();
        QVERIFY(f.board.waiting());
        f.state.attendiBottone = stillWaitingMode;
        f.board.setUp();
        QCOMPARE(f.board.esattiText(), QStringLiteral("0"));
        QCOMPARE(f.board.waiting(), stillWaitingMode);
        QCOMPARE(f.board.avantiEnabled(), stillWaitingMode);
        QCOMPARE(locked(), stillWaitingMode);
        if (!stillWaitingMode)
            return;
        QCOMPARE(f.board.cell(found).colour, colours::kRed); // not repainted
        f.board.avanti();
        QVERIFY(!locked());
        QVERIFY(!f.board.avantiEnabled());
    };
    if (recognise) {
        Recognise f(true);
        scriptRecognise(f, 47, 5);
        f.board.setUp();
        check(
            f, 47, [&] { f.board.typedAnswer(QStringLiteral("547")); },
            [&] { return !f.board.answerEnabled(); });
    } else {
        Find f(true);
        f.board.setUp();
        const int n = f.state.numeroCercato;
        check(
            f, n % 100,
            [&] {
                f.board.setHundreds(n / 100);
                f.board.clickCell(n % 100);
            },
            [&] {
                for (int i = 0; i < 100; ++i) {
                    if (f.board.cell(i).enabled)
                        return false;
                }
                return true;
            });
        if (stillWaitingMode)
            QCOMPARE(f.redCells(), 0); // "avanti" repaints the whole board
    }
}

QTEST_APPLESS_MAIN(TestAbove99)
#include "test_above_99.moc"
