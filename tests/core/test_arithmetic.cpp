#include "core/board/arithmetic.h"
#include "fakes.h"

#include <QTest>

Q_DECLARE_METATYPE(ArithmeticKind)

namespace {

/// Smallest and largest value seen.
struct Span {
    int low = 1 << 30;
    int high = -(1 << 30);
    void add(int v)
    {
        low = std::min(low, v);
        high = std::max(high, v);
    }
};

} // namespace

class TestArithmetic : public QObject {
    Q_OBJECT
  private slots:
    void rangesOverManyDraws_data();
    void rangesOverManyDraws();
    void drawsInTableOrder_data();
    void drawsInTableOrder();
    void taskText_data();
    void taskText();
};

void TestArithmetic::rangesOverManyDraws_data()
{
    QTest::addColumn<ArithmeticKind>("kind");
    QTest::addColumn<int>("maximum");
    const struct {
        const char* name;
        ArithmeticKind kind;
    } boards[] = {
        {"Form100a", ArithmeticKind::AddUnits},     {"Form100b", ArithmeticKind::AddTens},
        {"Form100f", ArithmeticKind::AddTensUnits}, {"Form100c", ArithmeticKind::SubUnits},
        {"Form100d", ArithmeticKind::SubTens},      {"Form100e", ArithmeticKind::SubTensUnits}};
    for (const auto& board : boards) {
        for (int m : {19, 20, 35, 99})
            QTest::addRow("%s M=%d", board.name, m) << board.kind << m;
    }
}

void TestArithmetic::rangesOverManyDraws()
{
    QFETCH(ArithmeticKind, kind);
    QFETCH(int, maximum);
    const int m = maximum;
    ScriptedRandom random({}, 4242 + static_cast<unsigned>(m));
    Span primo, secondo, risultato;
    for (int i = 0; i < 20000; ++i) {
        const int before = random.draws;
        const ArithmeticTask t = drawArithmeticTask(kind, m, random);
        QCOMPARE(random.draws - before, 2);
        primo.add(t.primo);
        secondo.add(t.secondo);
        risultato.add(t.risultato);
        // The target cell is always a visible one.
        QVERIFY2(t.risultato >= 0 && t.risultato <= m, qPrintable(QString::number(t.risultato)));
        if (isAddition(kind))
            QCOMPARE(t.primo + t.secondo, t.risultato);
        else
            QCOMPARE(t.primo - t.secondo, t.risultato);
        switch (kind) {
        case ArithmeticKind::AddTens:
            QCOMPARE(t.secondo % 10, 0);
            QCOMPARE(t.primo % 10, t.risultato % 10);
            QVERIFY(t.secondo <= (t.risultato - 1) / 10 * 10);
            if (t.risultato < 10)
                QCOMPARE(t.secondo, 0);
            break;
        case ArithmeticKind::SubTens:
            QCOMPARE(t.secondo % 10, 0);
            QCOMPARE(t.risultato % 10, t.primo % 10);
            if (t.primo < 10)
                QCOMPARE(t.secondo, 0);
            break;
        default:
            break;
        }
    }
    struct Expected {
        int primoLow, primoHigh, secondoLow, secondoHigh, risLow, risHigh;
    };
    Expected e{};
    switch (kind) {
    case ArithmeticKind::AddUnits:
        e = {10, m - 1, 0, 8, 10, m};
        break;
    case ArithmeticKind::AddTens:
        e = {1, m, 0, (m - 1) / 10 * 10, 1, m};
        break;
    case ArithmeticKind::AddTensUnits:
        e = {0, m - 1, 1, m, 1, m};
        break;
    case ArithmeticKind::SubUnits:
        e = {10, std::max(10, m - 10), 0, 8, 2, std::max(10, m - 10)};
        break;
    case ArithmeticKind::SubTens:
        e = {1, m, 0, (m - 1) / 10 * 10, 1, m};
        break;
    case ArithmeticKind::SubTensUnits:
        e = {1, m, 1, m, 0, m - 1};
        break;
    }
    QCOMPARE(primo.low, e.primoLow);
    QCOMPARE(primo.high, e.primoHigh);
    QCOMPARE(secondo.low, e.secondoLow);
    QCOMPARE(secondo.high, e.secondoHigh);
    QCOMPARE(risultato.low, e.risLow);
    QCOMPARE(risultato.high, e.risHigh);
}

void TestArithmetic::drawsInTableOrder_data()
{
    QTest::addColumn<ArithmeticKind>("kind");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("secondo");
    QTest::addColumn<int>("risultato");
    // Form100a: first addend floor(r1 (M - 10)) + 10, then the second below what keeps the sum.
    QTest::newRow("a 45+0") << ArithmeticKind::AddUnits << 99 << 35.5f / 89 << 0.0f << 45 << 0
                            << 45;
    QTest::newRow("a 34+5") << ArithmeticKind::AddUnits << 99 << 24.5f / 89 << 5.5f / 9 << 34 << 5
                            << 39;
    QTest::newRow("a 98 top") << ArithmeticKind::AddUnits << 99 << 0.99999994f << 0.99999994f << 98
                              << 1 << 99;
    QTest::newRow("a M=20 19") << ArithmeticKind::AddUnits << 20 << 0.99999994f << 0.99999994f << 19
                               << 1 << 20;
    // Form100b: the sum first, then the tens of floor(r2 * sum).
    QTest::newRow("b 7+0") << ArithmeticKind::AddTens << 99 << 6.5f / 99 << 0.99999994f << 7 << 0
                           << 7;
    QTest::newRow("b 9+30") << ArithmeticKind::AddTens << 99 << 38.5f / 99 << 0.9f << 9 << 30 << 39;
    // Form100f: the sum first, then the first addend.
    QTest::newRow("f 0+25") << ArithmeticKind::AddTensUnits << 99 << 24.5f / 99 << 0.0f << 0 << 25
                            << 25;
    // Form100c: minuend floor(r1 (M - 19)) + 10; always 10 at M = 19 and 20.
    QTest::newRow("c 57-3") << ArithmeticKind::SubUnits << 99 << 47.5f / 80 << 3.5f / 9 << 57 << 3
                            << 54;
    QTest::newRow("c M=19") << ArithmeticKind::SubUnits << 19 << 0.99999994f << 0.99999994f << 10
                            << 8 << 2;
    QTest::newRow("c M=20") << ArithmeticKind::SubUnits << 20 << 0.99999994f << 0.0f << 10 << 0
                            << 10;
    // Form100d: minuend, then the tens of floor(r2 * minuend).
    QTest::newRow("d 7-0") << ArithmeticKind::SubTens << 99 << 6.5f / 99 << 0.99999994f << 7 << 0
                           << 7;
    // Form100e: minuend, then the difference; the subtrahend follows.
    QTest::newRow("e 40-40") << ArithmeticKind::SubTensUnits << 99 << 39.5f / 99 << 0.0f << 40 << 40
                             << 0;
}

void TestArithmetic::drawsInTableOrder()
{
    QFETCH(ArithmeticKind, kind);
    QFETCH(int, maximum);
    QFETCH(float, r1);
    QFETCH(float, r2);
    ScriptedRandom random{r1, r2};
    const ArithmeticTask t = drawArithmeticTask(kind, maximum, random);
    QTEST(t.primo, "primo");
    QTEST(t.secondo, "secondo");
    QTEST(t.risultato, "risultato");
}

void TestArithmetic::taskText_data()
{
    QTest::addColumn<ArithmeticKind>("kind");
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("secondo");
    QTest::addColumn<QString>("text");
    QTest::newRow("34 + 5") << ArithmeticKind::AddUnits << 34 << 5 << " 34 +  5 = ";
    QTest::newRow("0 + 25") << ArithmeticKind::AddTensUnits << 0 << 25 << " 0 +  25 = ";
    QTest::newRow("57 - 3") << ArithmeticKind::SubUnits << 57 << 3 << " 57 -  3 = ";
    QTest::newRow("7 - 0") << ArithmeticKind::SubTens << 7 << 0 << " 7 -  0 = ";
}

void TestArithmetic::taskText()
{
    QFETCH(ArithmeticKind, kind);
    QFETCH(int, primo);
    QFETCH(int, secondo);
    QFETCH(QString, text);
    QCOMPARE(arithmeticTaskText(kind, {primo, secondo, 0}), text);
}

QTEST_APPLESS_MAIN(TestArithmetic)
#include "test_arithmetic.moc"
