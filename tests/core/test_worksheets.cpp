#include "core/sheets/gridsheets.h"
#include "core/sheets/layouts.h"
#include "core/sheets/wrap.h"
#include "fakes.h"

#include <QRegularExpression>
#include <QTest>
#include <optional>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

/// One exercise as read back from a sheet: left operand, operator, right operand.
struct Operands {
    int left;
    QChar op;
    int right;
    bool operator==(const Operands&) const = default;
};

/// The three cells of a row, each of exactly 25 characters, parsed.
QList<Operands> parseRow(const QString& row, int offset, QList<int>* results = nullptr)
{
    static const QRegularExpression cell(
        QStringLiteral("^    ?(\\d+) ([+-])  ?(\\d+) = (?:______ |  ?(\\d+))\\s*$"));
    QList<Operands> out;
    for (int k = 0; k < 3; ++k) {
        const QString text = row.mid(offset + 25 * k, 25);
        const auto m = cell.match(text);
        if (!m.hasMatch())
            return {};
        out.append({m.captured(1).toInt(), m.captured(2).at(0), m.captured(3).toInt()});
        if (results)
            results->append(m.captured(4).isEmpty() ? -1 : m.captured(4).toInt());
    }
    return out;
}

QString withoutOuterSpaces(QString text)
{
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

/// `DividiRighe` step by step as the worksheet window describes it, on plain strings. Gives
/// nothing when a word longer than a line turns up (step 4.5), which the steps leave open.
std::optional<QString> wrapBySteps(const QString& text, int width)
{
    const qsizetype m = width + 1;
    QString rest = withoutOuterSpaces(text), result, line;
    for (;;) {
        const qsizetype l = line.size();
        const qsizetype p = rest.indexOf(u' ') + 1;
        const qsizetype c = rest.indexOf(u'\r') + 1;
        if (c > 0 && c + l <= m) {
            result += line + rest.left(c);
            line.clear();
            rest.remove(0, c);
        } else if (p == 0) {
            break;
        } else if (p + l <= m) {
            line += rest.left(p);
            rest.remove(0, p);
        } else if (p > m) {
            return std::nullopt;
        } else {
            result += line + kCrLf;
            line.clear();
        }
    }
    if (line.isEmpty())
        result += rest + kCrLf;
    else if (rest.size() + line.size() > m)
        result += line + kCrLf + rest + kCrLf;
    else
        result += line + rest + kCrLf;
    return result;
}

/// Whether every line of a wrapped text holds at most `width` characters, not counting the
/// line feed at its front and the one space after its last word.
bool linesFit(const QString& wrapped, int width)
{
    for (QString line : wrapped.split(u'\r')) {
        if (line.startsWith(u'\n'))
            line.remove(0, 1);
        if (line.endsWith(u' '))
            line.chop(1);
        if (line.size() > width)
            return false;
    }
    return true;
}

/// A random text of short words, words longer than a line, runs of blanks and line breaks.
QString randomText(RandomSource& random, int width)
{
    QString text(random.below(3), u' ');
    const int pieces = random.below(40);
    for (int n = 0; n < pieces; ++n) {
        const int kind = random.below(60);
        const int length = kind == 0 ? width - 1 + random.below(width + 3) : 1 + random.below(8);
        for (int i = 0; i < length; ++i)
            text.append(QChar(u'a' + random.below(26)));
        if (kind < 6)
            text.append(QString(random.below(2), u' ') + kCrLf + QString(random.below(2), u' '));
        else if (n + 1 < pieces || random.below(2) == 0)
            text.append(QString(1 + random.below(kind < 12 ? 3 : 1), u' '));
    }
    return text;
}

} // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
  private slots:
    void exampleCells_data();
    void exampleCells();
    void everySheetOverManyDraws_data();
    void everySheetOverManyDraws();
    void wrapCases_data();
    void wrapCases();
    void wrapFollowsTheSteps();
    void generaNumeriFirstEightDiffer();
    void findGridSheetLevels();
    void recogniseGridSheet();
};

void TestWorksheets::exampleCells_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<QString>("solution");
    // Sheet 15 with first draw 13 and second draw 79, then sheet 17 with the same draws.
    QTest::newRow("15: 13, 79") << 15 << 12.5f / 80 << 79.5f / 87
                                << QStringLiteral("    79 +  13 = ______    ")
                                << QStringLiteral("    79 +  13 =  92       ");
    QTest::newRow("17: 13, 79") << 17 << 12.5f / 80 << 79.5f / 87
                                << QStringLiteral("    92 -  79 = ______    ")
                                << QStringLiteral("    92 -  79 =  13       ");
    QTest::newRow("17: 1, 98") << 17 << 0.5f / 80 << 0.99999994f
                               << QStringLiteral("    99 -  98 = ______    ")
                               << QStringLiteral("    99 -  98 =  1        ");
    // Sheet 20 with t = 90 leaves b from 0 to 9: the largest sum is 99.
    QTest::newRow("20: t=90, b=9")
        << 20 << 0.99999994f << 0.99999994f << QStringLiteral("    9 +  90 = ______     ")
        << QStringLiteral("    9 +  90 =  99        ");
    // Sheet 21 with x = 0: a difference of 0.
    QTest::newRow("21: x=0, u=7") << 21 << 0.0f << 6.5f / 9
                                  << QStringLiteral("    7 -  7 = ______      ")
                                  << QStringLiteral("    7 -  7 =  0          ");
    QTest::newRow("19: 0 + 1") << 19 << 0.0f << 0.0f << QStringLiteral("    0 +  1 = ______      ")
                               << QStringLiteral("    0 +  1 =  1          ");
    QTest::newRow("22: 10, 0") << 22 << 0.0f << 0.0f << QStringLiteral("    10 -  10 = ______    ")
                               << QStringLiteral("    10 -  10 =  0        ");
}

void TestWorksheets::exampleCells()
{
    QFETCH(int, kind);
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(QString, exercise);
    QFETCH(QString, solution);
    ScriptedRandom random{r1, r2};
    const Worksheet sheet = faiScheda(WorksheetKind(kind), random);
    const QStringList rows = sheet.sheet.split(kCrLf);
    const QStringList solutions = sheet.solutions.split(kCrLf);
    QCOMPARE(rows.at(3).mid(4, 25), exercise);
    QCOMPARE(solutions.at(3).left(25), solution);
}

void TestWorksheets::everySheetOverManyDraws_data()
{
    QTest::addColumn<int>("kind");
    for (int kind : {15, 17, 19, 20, 21, 22})
        QTest::addRow("%d", kind) << kind;
}

void TestWorksheets::everySheetOverManyDraws()
{
    QFETCH(int, kind);
    const bool addition = kind == 15 || kind == 19 || kind == 20;
    const QString title = addition ? QStringLiteral("           ESEGUI LE ADDIZIONI")
                                   : QStringLiteral("           ESEGUI LE SOTTRAZIONI");
    ScriptedRandom random({}, 1000 + static_cast<unsigned>(kind));
    int lowResult = 100, highResult = -1, lowRight = 100, highRight = -1;
    for (int n = 0; n < 600; ++n) {
        const int before = random.draws;
        const Worksheet sheet = faiScheda(WorksheetKind(kind), random);
        QCOMPARE(random.draws - before, 120);
        for (const QString* text : {&sheet.sheet, &sheet.solutions}) {
            QVERIFY(text->startsWith(kCrLf + title + kCrLf + kCrLf));
            QVERIFY(text->endsWith(kCrLf + kCrLf));
        }
        const QStringList rows = sheet.sheet.split(kCrLf);
        const QStringList solutions = sheet.solutions.split(kCrLf);
        QCOMPARE(rows.size(), 44); // 3 head lines, 20 rows each with an empty line, final ""
        QCOMPARE(solutions.size(), 44);
        for (int r = 0; r < 20; ++r) {
            const QString& row = rows.at(3 + 2 * r);
            const QString& solution = solutions.at(3 + 2 * r);
            QCOMPARE(row.size(), 84);
            QCOMPARE(solution.size(), 80);
            QVERIFY(row.startsWith(QStringLiteral("    ")) &&
                    row.endsWith(QStringLiteral("     ")));
            QVERIFY(rows.at(4 + 2 * r).isEmpty());
            QList<int> results;
            const QList<Operands> exercises = parseRow(row, 4);
            QCOMPARE(parseRow(solution, 0, &results), exercises);
            QCOMPARE(exercises.size(), 3);
            for (int k = 0; k < 3; ++k) {
                const Operands& e = exercises.at(k);
                QCOMPARE(e.op, addition ? u'+' : u'-');
                const int result = results.at(k);
                QCOMPARE(result, addition ? e.left + e.right : e.left - e.right);
                for (int v : {e.left, e.right, result})
                    QVERIFY(v >= 0 && v <= 99);
                lowResult = std::min(lowResult, result);
                highResult = std::max(highResult, result);
                lowRight = std::min(lowRight, e.right);
                highRight = std::max(highRight, e.right);
                if (kind == 20 || kind == 22) {
                    QCOMPARE(e.right % 10, 0); // tens never change the units digit
                    QCOMPARE(result % 10, e.left % 10);
                }
            }
        }
    }
    struct Range {
        int lowResult, highResult, lowRight, highRight;
    };
    const Range expected = kind == 15   ? Range{1, 99, 1, 80}
                           : kind == 17 ? Range{1, 80, 0, 98}
                           : kind == 19 ? Range{1, 98, 1, 9}
                           : kind == 20 ? Range{10, 99, 10, 90}
                           : kind == 21 ? Range{0, 89, 1, 9}
                                        : Range{0, 89, 10, 90};
    QCOMPARE(lowResult, expected.lowResult);
    QCOMPARE(highResult, expected.highResult);
    QCOMPARE(lowRight, expected.lowRight);
    if (kind == 17) // a = 1 with b = 98 comes once in 7920 exercises: see exampleCells
        QVERIFY(highRight >= 95 && highRight <= expected.highRight);
    else
        QCOMPARE(highRight, expected.highRight);
}

void TestWorksheets::wrapCases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("wrapped");
    const struct {
        const char* name;
        const char* text;
        int width;
        const char* wrapped;
    } rows[] = {
        {"empty", "", 10, "\r\n"},
        {"spaces only", "    ", 10, "\r\n"},
        {"short", "ciao", 10, "ciao\r\n"},
        {"outer spaces trimmed", "  ciao a tutti  ", 20, "ciao a tutti\r\n"},
        {"line breaks kept", "uno\r\ndue\r\n", 10, "uno\r\ndue\r\n\r\n"},
        {"broken at a space", "aaaa bbbb cccc", 9, "aaaa bbbb \r\ncccc\r\n"},
        {"word and space fill the line", "aaaa bbbb", 5, "aaaa \r\nbbbb\r\n"},
        {"last word one too long", "aaaa bbbbbb", 10, "aaaa \r\nbbbbbb\r\n"},
        {"last word just fits", "aaaa bbbbb", 10, "aaaa bbbbb\r\n"},
        {"long word alone", "abcdefghijkl", 5, "abcde\r\nfghij\r\nkl\r\n"},
        {"long word after words", "ab abcdefghijkl cd", 5, "ab \r\nabcde\r\nfghij\r\nkl cd\r\n"},
        {"line feed travels on", "ab\r\ncd ef", 4, "ab\r\ncd \r\nef\r\n"},
        {"carriage return within a long word", "ab abcdefg\r\nh", 6, "ab \r\nabcdef\r\ng\r\nh\r\n"},
        {"text without spaces", "abcdefghij", 4, "abcd\r\nefgh\r\nij\r\n"},
        {"tabs are characters", "a\tb c", 3, "a\tb \r\nc\r\n"},
        {"last line of width after a line break", "ab\r\ncd efg", 6, "ab\r\ncd efg\r\n"},
        {"last word of width after a line break", "ab\r\ncdefgh", 6, "ab\r\ncdefgh\r\n"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.text) << row.width
                                << QString::fromUtf8(row.wrapped);
    // A worksheet line of 100 characters typed after the sheet's last line break.
    const QString last = QStringLiteral("12345678 ").repeated(11) + QStringLiteral("1");
    QTest::newRow("100 characters after a line break")
        << QStringLiteral("       ESEGUI\r\n") + last << 100
        << QStringLiteral("ESEGUI\r\n") + last + kCrLf;
}

void TestWorksheets::wrapCases()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QTEST(dividiRighe(text, width), "wrapped");
}

void TestWorksheets::wrapFollowsTheSteps()
{
    // Where the steps give lines that fit, the wrap gives the same text; elsewhere (a word
    // longer than a line) nothing is lost and no line is longer than the width.
    SeededRandom random(8);
    int compared = 0, lastLinesOfWidth = 0;
    for (int sample = 0; sample < 4000; ++sample) {
        const int width = sample % 10 == 0 ? 90 + random.below(11) : 3 + random.below(28);
        const QString text = randomText(random, width);
        const QString out = dividiRighe(text, width);
        const std::optional<QString> steps = wrapBySteps(text, width);
        if (steps && linesFit(*steps, width)) {
            QCOMPARE(out, *steps);
            ++compared;
            const QString last = steps->chopped(2).section(u'\r', -1);
            lastLinesOfWidth += last.startsWith(u'\n') && last.size() == width + 1;
            continue;
        }
        QVERIFY(out.endsWith(kCrLf));
        QCOMPARE(QString(out).remove(u'\r').remove(u'\n'),
                 withoutOuterSpaces(text).remove(u'\r').remove(u'\n'));
        QVERIFY2(linesFit(out, width), qPrintable(text));
    }
    QVERIFY(compared > 2000);
    QVERIFY(lastLinesOfWidth > 50);
    // The program's own sheets come out line for line.
    ScriptedRandom draws;
    const Worksheet sheet = faiScheda(WorksheetKind::AddTensUnits, draws);
    QCOMPARE(dividiRighe(sheet.sheet, 100), sheet.sheet + kCrLf);
    QCOMPARE(dividiRighe(sheet.solutions, 90), sheet.solutions + kCrLf);
}

void TestWorksheets::generaNumeriFirstEightDiffer()
{
    // Scripted repeats: the second and third draws repeat the first and are drawn again.
    ScriptedRandom scripted{0.055f, 0.055f, 0.055f, 0.125f};
    const QList<int> first = generaNumeri(10, scripted);
    QCOMPARE(first.mid(0, 2), (QList<int>{5, 12}));
    QVERIFY(scripted.draws >= 4 + 8);
    SeededRandom random(4);
    bool lastRepeated = false;
    for (int n = 0; n < 2000; ++n) {
        const QList<int> numbers = generaNumeri(n % 2 ? 10 : 12, random);
        QCOMPARE(numbers.size(), n % 2 ? 10 : 12);
        const QList<int> firstEight = numbers.mid(0, 8);
        QCOMPARE(QSet<int>(firstEight.begin(), firstEight.end()).size(), 8);
        for (int v : numbers)
            QVERIFY(v >= 0 && v <= 99);
        lastRepeated = lastRepeated || firstEight.contains(numbers.last());
    }
    QVERIFY(lastRepeated); // the last ones may repeat an earlier number
}

void TestWorksheets::findGridSheetLevels()
{
    const QList<int> numbers{5, 17, 42, 99, 0, 63, 28, 71, 42, 8};
    const GridSheet facile = findGridSheet(numbers, Level::Facile);
    const GridSheet media = findGridSheet(numbers, Level::Media);
    const GridSheet difficile = findGridSheet(numbers, Level::Difficile);
    QCOMPARE(facile.instruction, QStringLiteral("Colora le caselle dei seguenti numeri"));
    QCOMPARE(media.instruction, QStringLiteral(" Scrivi i numeri in cifre nella casella esatta"));
    QCOMPARE(difficile.instruction, media.instruction);
    for (int i = 0; i < 100; ++i) {
        const auto at = static_cast<std::size_t>(i);
        QCOMPARE(facile.captions.at(at), QStringLiteral(" %1").arg(i));
        QCOMPARE(media.captions.at(at).isEmpty(), !(i < 10 || i % 10 == 0));
        QVERIFY(difficile.captions.at(at).isEmpty());
    }
    const QString list =
        QStringLiteral(" 5\r\n 17\r\n 42\r\n 99\r\n 0\r\n 63\r\n 28\r\n 71\r\n 42\r\n 8\r\n");
    for (const GridSheet* s : {&facile, &media, &difficile})
        QCOMPARE(s->sideText, list);
}

void TestWorksheets::recogniseGridSheet()
{
    const QList<int> numbers{3, 14, 15, 92, 65, 35, 89, 79, 3, 23, 84, 62};
    const GridSheet sheet = ::recogniseGridSheet(numbers);
    int marked = 0;
    for (const QString& caption : sheet.captions) {
        QVERIFY(caption.isEmpty() || caption == QStringLiteral("X"));
        marked += caption == QStringLiteral("X");
    }
    QCOMPARE(marked, 11); // 3 repeats: fewer X than answer fields
    QCOMPARE(sheet.sideText,
             QString(QStringLiteral("  ________     ________\r\n\r\n")).repeated(6));
    QCOMPARE(sheet.instruction,
             QStringLiteral(
                 " Scrivi in cifre i numeri che corrispondono alle caselle segnate con la X"));
}

QTEST_APPLESS_MAIN(TestWorksheets)
#include "test_worksheets.moc"
