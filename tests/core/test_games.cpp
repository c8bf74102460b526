// The rules of the games on the hundred board: the count-on game, the hidden numbers and
// counting in steps.
#include "board_fixture.h"

#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(Level)

namespace {

using Squares = QList<int>;

/// A roll of the die that comes out as `pips`: the next draw is the die's.
void roll(BoardFixture& f, int pips)
{
    f.random.push((static_cast<float>(pips) - 0.5f) / 6);
    f.board.roll();
}

/// Each roll answered right, then "avanti": the players move in turn.
void play(BoardFixture& f, const QList<int>& rolls)
{
    for (int pips : rolls) {
        roll(f, pips);
        f.board.clickCell(f.asked());
        f.board.avanti();
    }
}

Squares squares(const CountOnGame& game)
{
    Squares all;
    for (int p = 0; p < game.players(); ++p)
        all.append(game.square(p));
    return all;
}

/// The covered cells as the board shows them: grey and without a number, or asked.
std::bitset<100> shownCovered(const BoardFrame& b)
{
    std::bitset<100> covered;
    for (int i = 0; i < 100; ++i) {
        const Cell& c = b.cell(i);
        covered.set(std::size_t(i),
                    c.visible && c.caption.isEmpty() &&
                        (c.colour == colours::kCovered || c.colour == colours::kRed));
    }
    return covered;
}

/// Whether `covered` is what a level covers up to `maximum`: `few` cells anywhere, one row
/// and one column whole, or every cell but the tens.
bool levelShape(const std::bitset<100>& covered, Level level, int maximum)
{
    const auto cells = [&](auto take) {
        std::bitset<100> b;
        for (int i = 0; i <= maximum; ++i)
            b.set(std::size_t(i), take(i));
        return b;
    };
    switch (level) {
    case Level::Facile:
        return int(covered.count()) == HiddenNumbersExercise::kFewCells &&
               (covered & ~cells([](int) { return true; })).none();
    case Level::Media:
        for (int row = 0; row <= maximum / 10; ++row) {
            for (int column = 0; column < 10; ++column) {
                if (covered == cells([&](int i) { return i / 10 == row || i % 10 == column; }))
                    return true;
            }
        }
        return false;
    case Level::Difficile:
        break;
    }
    return covered == cells([](int i) { return i % 10 != 0; });
}

} // namespace

class TestGames : public QObject {
    Q_OBJECT
  private slots:
    void countOn_data();
    void countOn();
    void hiddenNumbers_data();
    void hiddenNumbers();
    void skipCounting_data();
    void skipCounting();
};

void TestGames::countOn_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("before"); // rolls played right before the one looked at
    QTest::addColumn<int>("pips");          // 0: no roll
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("right"); // answers to the roll looked at
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QList<int>>("move"); // the squares the token went through
    QTest::addColumn<Squares>("after");   // every token, once the move is over
    QTest::addColumn<bool>("over");       // the game has ended
    QTest::addColumn<Squares>("next");    // every token after "avanti"
    QTest::addColumn<int>("mover");       // who rolls next
    const QList<int> to96{6, 6, 6, 6, 6, 6, 6, 5, 6, 6, 6, 6, 5}; // with a ladder 42 and 81
    using L = QList<int>;
    const auto row = [](const char* name, int players, int maximum, const L& before, int pips,
                        const L& clicks, int right, int wrong, const L& move, const Squares& after,
                        bool over, const Squares& next, int mover) {
        QTest::newRow(name) << players << maximum << before << pips << clicks << right << wrong
                            << move << after << over << next << mover;
    };
    row("plain square", 1, 99, {}, 3, {3}, 1, 0, {1, 2, 3}, {3}, false, {3}, 0);
    row("ladder", 1, 99, {}, 4, {4}, 1, 0, {1, 2, 3, 4, 14}, {14}, false, {14}, 0);
    row("slide", 1, 99, {6, 6, 6}, 1, {19}, 1, 0, {19, 9}, {9}, false, {9}, 0);
    row("near 99: the roll stops there and ends the game", 1, 99, to96, 6, {99}, 1, 0, {97, 98, 99},
        {99}, true, {0}, 0);
    row("at the maximum", 1, 30, {6, 6, 6, 6}, 6, {30}, 1, 0, {25, 26, 27, 28, 29, 30}, {30}, true,
        {0}, 0);
    row("a ladder beyond the maximum is none", 1, 30, {6, 6, 6, 6}, 3, {27}, 1, 0, {25, 26, 27},
        {27}, false, {27}, 0);
    row("wrong, then right", 1, 99, {}, 2, {3, 1, 2}, 1, 2, {1, 2}, {2}, false, {2}, 0);
    row("a click before the roll is no answer", 1, 99, {3}, 0, {3, 4}, 0, 0, {1, 2, 3}, {3}, false,
        {3}, 0);
    row("two players: the other moves next", 2, 99, {3}, 5, {5}, 1, 0, {1, 2, 3, 4, 5}, {3, 5},
        false, {3, 5}, 0);
    row("two players: a wrong click keeps the turn", 2, 99, {3}, 2, {3}, 0, 1, {1, 2, 3}, {3, 0},
        false, {3, 0}, 1);
    row("two players: the first to the maximum ends the game", 2, 20, {6, 1, 6, 1, 6, 1}, 2, {20},
        1, 0, {19, 20}, {20, 3}, true, {0, 0}, 0);
}

void TestGames::countOn()
{
    QFETCH(int, players);
    QFETCH(int, maximum);
    QFETCH(QList<int>, before);
    QFETCH(int, pips);
    QFETCH(QList<int>, clicks);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QList<int>, move);
    QFETCH(Squares, after);
    QFETCH(bool, over);
    QFETCH(Squares, next);
    QFETCH(int, mover);
    ExerciseFixture<CountOnGame> f;
    f.board.setUp();
    f.board.setPlayers(players);
    QVERIFY(f.board.numeroMassimo(QString::number(maximum)));
    const auto& game = *f.board.rules<CountOnGame>();
    play(f, before);
    if (pips > 0)
        roll(f, pips);
    for (int cell : clicks)
        f.board.clickCell(cell);
    QCOMPARE(f.state.quantiErrati, qint16(wrong));
    QCOMPARE(f.state.quantiEsatti, qint16(before.size() + right));
    QCOMPARE(QList<int>(game.lastMove().begin(), game.lastMove().end()), move);
    QCOMPARE(squares(game), after);
    QCOMPARE(game.over(), over);
    f.board.avanti();
    QCOMPARE(squares(game), next);
    QCOMPARE(game.mover(), mover);
    QCOMPARE(game.rolled(), right ? 0 : pips); // a wrong click leaves the roll to answer
}

void TestGames::hiddenNumbers_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("count");
    QTest::newRow("facile: a few") << Level::Facile << 99 << 6;
    QTest::newRow("media: a row and a column") << Level::Media << 99 << 19;
    QTest::newRow("difficile: all but the tens") << Level::Difficile << 99 << 90;
    QTest::newRow("difficile up to 45") << Level::Difficile << 45 << 41;
    QTest::newRow("media up to 25") << Level::Media << 25 << -1; // as the draw falls
}

void TestGames::hiddenNumbers()
{
    QFETCH(Level, level);
    QFETCH(int, maximum);
    QFETCH(int, count);
    ExerciseFixture<HiddenNumbersExercise> f(false);
    f.board.setUp();
    QVERIFY(f.board.numeroMassimo(QString::number(maximum)));
    f.board.setLevel(level);
    for (int board = 0; board < 2; ++board) {
        const std::bitset<100> covered = shownCovered(f.board);
        QCOMPARE(covered, f.board.rules<HiddenNumbersExercise>()->covered(maximum));
        QVERIFY(levelShape(covered, level, maximum));
        if (count >= 0)
            QCOMPARE(int(covered.count()), count);
        QCOMPARE(f.board.askedCell().has_value(), true);
        QVERIFY(covered.test(std::size_t(*f.board.askedCell())));
        // Each covered cell asked by a click, a wrong number first: it stays covered.
        const qint16 right = f.state.quantiEsatti;
        const qint16 wrong = f.state.quantiErrati;
        for (int i = 0; i < 100; ++i) {
            if (!covered.test(std::size_t(i)))
                continue;
            f.board.clickCell(i);
            QCOMPARE(f.board.askedCell(), std::optional<int>(i));
            f.board.typedAnswer(QString::number(i + 1));
            QVERIFY(f.board.cell(i).caption.isEmpty());
            f.board.typedAnswer(QString::number(i));
            if (f.state.quantiEsatti - right < qint16(covered.count()))
                QCOMPARE(f.board.cell(i).caption, QStringLiteral(" %1").arg(i));
        }
        QCOMPARE(f.state.quantiEsatti - right, int(covered.count()));
        QCOMPARE(f.state.quantiErrati - wrong, int(covered.count()));
    }
}

void TestGames::skipCounting_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("waits");         // for "avanti" after the count
    QTest::addColumn<QList<float>>("draws"); // the count's draws: step, then start or direction
    QTest::addColumn<QString>("task");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("count"); // the numbers to click after the start
    QTest::addColumn<int>("wrong");        // a wrong click before the count's second number
    const auto third = [](int k) { return (float(k) + 0.5f) / 3; };
    const auto fourth = [](int k) { return (float(k) + 0.5f) / 4; };
    const auto steps = [](int from, int by, int to) {
        QList<int> numbers;
        for (int n = from; by > 0 ? n <= to : n >= to; n += by)
            numbers.append(n);
        return numbers;
    };
    QTest::newRow("facile: tens from 0")
        << Level::Facile << 99 << true << QList<float>{third(0)}
        << "Conta di 10 in 10 partendo da 0" << 0 << steps(10, 10, 90) << 11;
    QTest::newRow("facile: fives, going on")
        << Level::Facile << 99 << false << QList<float>{third(1)} << "Conta di 5 in 5 partendo da 0"
        << 0 << steps(5, 5, 95) << -1;
    QTest::newRow("facile: twos up to 31")
        << Level::Facile << 31 << true << QList<float>{third(2)} << "Conta di 2 in 2 partendo da 0"
        << 0 << steps(2, 2, 30) << 0; // the start again is wrong
    QTest::newRow("media: threes") << Level::Media << 99 << true << QList<float>{third(0)}
                                   << "Conta di 3 in 3 partendo da 0" << 0 << steps(3, 3, 99) << -1;
    QTest::newRow("media: fours up to 50")
        << Level::Media << 50 << true << QList<float>{third(1)} << "Conta di 4 in 4 partendo da 0"
        << 0 << steps(4, 4, 48) << -1;
    QTest::newRow("media: tens from 7")
        << Level::Media << 99 << true << QList<float>{third(2), 0.75f}
        << "Conta di 10 in 10 partendo da 7" << 7 << steps(17, 10, 97) << 8;
    QTest::newRow("difficile: sevens")
        << Level::Difficile << 99 << true << QList<float>{fourth(1), 0.25f}
        << "Conta di 7 in 7 partendo da 0" << 0 << steps(7, 7, 98) << -1;
    QTest::newRow("difficile: back in nines from 99")
        << Level::Difficile << 99 << true << QList<float>{fourth(3), 0.75f}
        << "Conta all'indietro di 9 in 9 partendo da 99" << 99 << steps(90, -9, 0) << 89;
    QTest::newRow("difficile: back in sixes from 40, going on")
        << Level::Difficile << 40 << false << QList<float>{fourth(0), 0.75f}
        << "Conta all'indietro di 6 in 6 partendo da 40" << 40 << steps(34, -6, 4) << -1;
}

void TestGames::skipCounting()
{
    QFETCH(Level, level);
    QFETCH(int, maximum);
    QFETCH(bool, waits);
    QFETCH(QList<float>, draws);
    QFETCH(QString, task);
    QFETCH(int, start);
    QFETCH(QList<int>, count);
    QFETCH(int, wrong);
    ExerciseFixture<SkipCounting> f(waits);
    f.board.setUp();
    QVERIFY(f.board.numeroMassimo(QString::number(maximum)));
    for (float draw : draws)
        f.random.push(draw);
    f.board.setLevel(level);
    QCOMPARE(f.board.taskText(), task);
    const auto counted = [&] {
        QList<int> cells;
        for (int i = 0; i < 100; ++i) {
            if (f.board.cell(i).colour == colours::kCounted)
                cells.append(i);
        }
        return cells;
    };
    QCOMPARE(counted(), QList<int>{start});
    const int tasks = f.board.tasksDrawn();
    if (wrong >= 0) {
        // Counted wrong; the count waits for its next number.
        f.board.clickCell(wrong);
        QCOMPARE(f.state.quantiErrati, qint16(1));
        QVERIFY(f.board.face() == Face::Sad);
        QVERIFY(f.sounds.played.last() == Sound::No);
        QCOMPARE(counted(), QList<int>{start});
    }
    QList<int> expected{start};
    for (int k = 0; k < count.size(); ++k) {
        QCOMPARE(f.asked(), count[k]);
        f.board.clickCell(count[k]);
        expected.append(count[k]);
        QVERIFY(f.board.face() == Face::Happy);
        const bool last = k == count.size() - 1;
        if (!last || waits) {
            std::ranges::sort(expected);
            QCOMPARE(counted(), expected);
            QCOMPARE(f.board.tasksDrawn(), tasks);
        }
        QCOMPARE(f.board.waiting(), last && waits);
    }
    QCOMPARE(f.state.quantiEsatti, qint16(count.size()));
    if (waits) {
        // The pattern stays until "avanti"; clicks are no answers.
        f.board.clickCell(count.last() == 0 ? 1 : 0);
        QCOMPARE(f.state.quantiErrati, qint16(wrong >= 0));
        f.board.avanti();
    }
    // The next count has begun: its start alone is counted.
    QCOMPARE(f.board.tasksDrawn(), tasks + 1);
    QCOMPARE(counted().size(), 1);
    QVERIFY(!f.board.waiting());
}

QTEST_MAIN(TestGames)
#include "test_games.moc"
