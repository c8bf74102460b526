#include "core/base/runtime.h"
#include "fakes.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace runtime;

class TestRuntime : public QObject {
    Q_OBJECT
  private slots:
    void numericValue_data();
    void numericValue();
    void numericValueOverflow_data();
    void numericValueOverflow();
    void roundHalfEven_data();
    void roundHalfEven();
    void integerPart();
    void numberText_data();
    void numberText();
    void counterStopsAtMaximum();
    void twipsToPixels();
    void fractionNeverReachesOne();
    void belowStaysInRange();
    void seededSequencesRepeat();
};

void TestRuntime::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const struct {
        const char* name;
        const char* text;
        double value;
    } rows[] = {
        {"plain", "407", 407},
        {"blanks inside", "4 0 7", 407},
        {"leading blank and zero", " 07", 7},
        {"leading zero", "07", 7},
        {"trailing blank", "7 ", 7},
        {"letters after", "7abc", 7},
        {"letters after blank", "7 abc", 7},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"blanks only", "   ", 0},
        {"tab and line feed", "\t1\n2", 12},
        {"carriage return stops", "1\r2", 1},
        {"decimal", "7.5", 7.5},
        {"decimal point first", ".5", 0.5},
        {"decimal point last", "7.", 7},
        {"second decimal point", "7.5.3", 7.5},
        {"exponent", "1e2", 100},
        {"exponent capital", "1E2", 100},
        {"exponent with sign", "25e-1", 2.5},
        {"exponent plus", "2e+1", 20},
        {"exponent blanks", "1 e 2", 100},
        {"exponent without digits", "1e", 1},
        {"exponent sign only", "1e+", 1},
        {"exponent letters", "3ex", 3},
        {"negative", "-12", -12},
        {"negative with blank", "- 12", -12},
        {"plus", "+12", 12},
        {"sign only", "-", 0},
        {"sign then letter", "-a", 0},
        {"point only", ".", 0},
        {"comma stops", "19,6", 19},
        {"nineteen point six", "19.6", 19.6},
        {"ninety-nine point five", "99.5", 99.5},
        {"underflow", "1e-999", 0},
        {"arabic-indic digit", "\xd9\xa3", 0},
        {"fullwidth digit", "\xef\xbc\x97", 0},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.text) << row.value;
}

void TestRuntime::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(runtime::numericValue(text), value);
}

void TestRuntime::numericValueOverflow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sign");
    QTest::newRow("1e999") << QStringLiteral("1e999") << 1;
    QTest::newRow("-1e999") << QStringLiteral("-1e999") << -1;
    QTest::newRow("400 digits") << QString(400, u'9') << 1;
    QTest::newRow("1000 digits") << QString(1000, u'4') << 1;
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999999999999") << 1;
}

void TestRuntime::numericValueOverflow()
{
    // Too large for any whole number: a defined infinity, so every comparison stays sound.
    QFETCH(QString, text);
    QFETCH(int, sign);
    const double v = runtime::numericValue(text);
    QVERIFY(std::isinf(v));
    QCOMPARE(v > 0 ? 1 : -1, sign);
}

void TestRuntime::roundHalfEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("rounded");
    const double rows[][2] = {{19.3, 19}, {19.6, 20}, {24.5, 24},  {25.5, 26},  {0.5, 0},
                              {1.5, 2},   {2.5, 2},   {99.5, 100}, {99.49, 99}, {-0.5, 0},
                              {-1.5, -2}, {-2.5, -2}, {-2.6, -3},  {7, 7}};
    for (const auto& row : rows)
        QTest::addRow("%g", row[0]) << row[0] << row[1];
}

void TestRuntime::roundHalfEven()
{
    QFETCH(double, x);
    QFETCH(double, rounded);
    QCOMPARE(runtime::roundHalfEven(x), rounded);
}

void TestRuntime::integerPart()
{
    QCOMPARE(runtime::integerPart(7.9), 7.0);
    QCOMPARE(runtime::integerPart(-7.1), -8.0);
    QCOMPARE(runtime::integerPart(0.0), 0.0);
}

void TestRuntime::numberText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << " 0";
    QTest::newRow("7") << 7 << " 7";
    QTest::newRow("34") << 34 << " 34";
    QTest::newRow("998") << 998 << " 998";
    QTest::newRow("32767") << 32767 << " 32767";
    QTest::newRow("-3") << -3 << "-3";
}

void TestRuntime::numberText()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(runtime::numberText(n), text);
}

void TestRuntime::counterStopsAtMaximum()
{
    QCOMPARE(incremented(0), qint16(1));
    QCOMPARE(incremented(32766), qint16(32767));
    QCOMPARE(incremented(32767), qint16(32767));
}

void TestRuntime::twipsToPixels()
{
    QCOMPARE(twips(15), 1);
    QCOMPARE(twips(615), 41);
    QCOMPARE(twips(9510), 634);
    QCOMPARE(twipsRect(120, 720, 600, 615), QRect(8, 48, 40, 41));
}

void TestRuntime::fractionNeverReachesOne()
{
    // The largest fraction a 24-bit generator gives, and the scripted extreme, stay below 1
    // and their products never reach the count.
    ScriptedRandom extremes{1.0f - 1.0f / 16777216.0f, 0.0f};
    QVERIFY(extremes.fraction() < 1.0f);
    ScriptedRandom top{1.0f - 1.0f / 16777216.0f, 1.0f - 1.0f / 16777216.0f};
    QCOMPARE(top.below(998), 997);
    QCOMPARE(top.below(99), 98);

    SeededRandom random(12345);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float f = random.fraction();
        QVERIFY(f >= 0.0f && f < 1.0f);
        lowest = std::min(lowest, f);
        highest = std::max(highest, f);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestRuntime::belowStaysInRange()
{
    SeededRandom random(7);
    QList<int> seen(10, 0);
    for (int i = 0; i < 10000; ++i) {
        const int v = random.below(10);
        QVERIFY(v >= 0 && v < 10);
        ++seen[v];
    }
    for (int count : seen)
        QVERIFY(count > 800);
    QCOMPARE(random.below(0), 0);
}

void TestRuntime::seededSequencesRepeat()
{
    SeededRandom a(99), b(99), c(100);
    bool differs = false;
    for (int i = 0; i < 20; ++i) {
        const float fa = a.fraction();
        QCOMPARE(fa, b.fraction());
        differs = differs || fa != c.fraction();
    }
    QVERIFY(differs);
}

QTEST_APPLESS_MAIN(TestRuntime)
#include "test_runtime.moc"
