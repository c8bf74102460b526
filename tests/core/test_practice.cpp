#include "core/board/boardsurface.h"
#include "core/board/find.h"
#include "core/board/programstate.h"
#include "core/practice/classplan.h"
#include "core/practice/review.h"
#include "core/settings/planoptions.h"
#include "fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate kFirstDay(2026, 10, 5);

/// Answers on the find board written as "17x 17 *3 | 17": a number answered wrong (x) or
/// right, `*n` n right answers on numbers never missed, `|` the next day.
struct Script {
    std::vector<SessionAnswer> answers;
    QDate day = kFirstDay;
    int filler = 0;

    void right(int number, bool ok = true)
    {
        answers.push_back({BoardKind::Form100Trova, number, ok,
                           QDateTime(day, QTime(9, 0).addSecs(int(answers.size())), Qt::UTC)});
    }
    /// A number no answer of a script misses: 80 to 89, in turn.
    int nextFiller() { return 80 + filler++ % 10; }
    void play(const QString& text)
    {
        for (const QString& token : text.split(u' ', Qt::SkipEmptyParts)) {
            if (token == u"|")
                day = day.addDays(1);
            else if (token.startsWith(u'*'))
                for (int k = token.mid(1).toInt(); k > 0; --k)
                    right(nextFiller());
            else
                right(token.chopped(token.endsWith(u'x')).toInt(), !token.endsWith(u'x'));
        }
    }
};

QString numbers(const std::vector<int>& list)
{
    QStringList out;
    for (int n : list)
        out << QString::number(n);
    return out.join(u' ');
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

  private slots:
    void reviewChoice_data();
    void reviewChoice();
    void planFile_data();
    void planFile();
};

void TestPractice::reviewChoice_data()
{
    QTest::addColumn<QString>("before");     // the child's answers so far, as a Script
    QTest::addColumn<bool>("review");        // the plan's review
    QTest::addColumn<int>("maximum");        // the board's "Numero massimo"
    QTest::addColumn<QString>("asked");      // per next task: the number asked again, or "-"
    QTest::addColumn<QString>("stillUnder"); // afterwards
    QTest::addColumn<QString>("left");

    // Missed at task 1, right at once (the same task): back 3 tasks later, then 8 later.
    QTest::newRow("missed, it comes back soon and later")
        << "17x 17" << true << 99 << "- - 17 - - - - - - - 17 - -"
        << "17"
        << "";
    QTest::newRow("right on its three returns, it leaves")
        << "17x *3 17 *15 17 | 17" << true << 99 << "- - - - - -"
        << ""
        << "17";
    QTest::newRow("a miss on the way starts it again")
        << "17x *3 17 *4 17x" << true << 99 << "- - 17 - - -"
        << "17"
        << "";
    QTest::newRow("a right answer before its time is no return")
        << "17x 17 17" << true << 99 << "- 17 - -"
        << "17"
        << "";
    QTest::newRow("the last return waits for another day")
        << "17x *3 17 *15 17" << true << 99 << "- - - - - - - -"
        << "17"
        << "";
    QTest::newRow("never the number the task before asked")
        << "17x *3 17 *15 17 17 |" << true << 99 << "- 17 -"
        << ""
        << "17";
    QTest::newRow("at most one task in three, the longest waiting first")
        << "10x 11x 12x 13x *3" << true << 99 << "10 - - 11 - - 12 - - 13"
        << "10 11 12 13"
        << "";
    QTest::newRow("above the maximum it waits") << "71x 17x *3" << true << 50 << "17 - - - - -"
                                                << "17 71"
                                                << "";
    QTest::newRow("review off: the board draws as ever")
        << "17x 17 *3 61x" << false << 99 << "- - - - - - - - - - - -"
        << "17 61"
        << "";
}

void TestPractice::reviewChoice()
{
    QFETCH(QString, before);
    QFETCH(bool, review);
    QFETCH(int, maximum);
    QFETCH(QString, asked);
    QFETCH(QString, stillUnder);
    QFETCH(QString, left);

    Script script;
    script.play(before);
    ReviewChooser chooser(review, ReviewSet::of(script.answers), script.day);

    // The board draws when nothing is asked again; beside it the same board and seed always
    // draw: without review the two ask the same numbers with the same draws.
    ProgramState state;
    ProgramState alone;
    state.numeroMassimo = alone.numeroMassimo = qint16(maximum);
    ScriptedRandom random({}, 7);
    ScriptedRandom aloneRandom({}, 7);
    BoardSurface surface(state, random);
    BoardSurface aloneSurface(alone, aloneRandom);
    FindExercise board;
    FindExercise aloneBoard;
    QList<int> drawn;
    QList<int> drawnAlone;
    QStringList got;
    for (qsizetype task = 0; task < asked.split(u' ').size(); ++task) {
        const std::optional<int> again = chooser.next(
            BoardKind::Form100Trova, [&](int n) { return board.canAsk(surface, n); });
        got << (again ? QString::number(*again) : QStringLiteral("-"));
        if (again) {
            board.askNumber(surface, *again);
        } else {
            board.drawTask(surface);
            drawn << state.numeroCercato;
        }
        aloneBoard.drawTask(aloneSurface);
        drawnAlone << alone.numeroCercato;
        script.answers.clear();
        script.right(again ? *again : script.nextFiller());
        chooser.record(script.answers.back());
    }
    QCOMPARE(got.join(u' '), asked);
    QCOMPARE(numbers(chooser.set().underReview(0)), stillUnder);
    QCOMPARE(numbers(chooser.set().leftReview(0)), left);
    if (!review) {
        QCOMPARE(drawn, drawnAlone);
        QCOMPARE(random.draws, aloneRandom.draws);
    }
}

void TestPractice::planFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("child");
    QTest::addColumn<bool>("locked");            // the machine's lock
    QTest::addColumn<QByteArray>("inForce");     // the plan in force, as the file writes it
    QTest::addColumn<QList<int>>("warnedLines"); // "3A.conf, riga N: …"
    QTest::addColumn<int>("maximum");            // the options the child plays with
    QTest::addColumn<bool>("waits");

    QTest::newRow("the class's keys")
        << QByteArray("# 3A\nmax=50\nmode=auto\nboards=Riconosci-0-99, trova-0-99\n"
                      "level=difficile\nreview=true\n")
        << "Luca" << false
        << QByteArray("max=50\nmode=auto\nboards=trova-0-99, riconosci-0-99\nlevel=difficile\n"
                      "review=true\n")
        << QList<int>{} << 50 << false;
    QTest::newRow("the child's keys over the class's")
        << QByteArray("max=50\nreview=false\r\n\n[Luca]\nmax=30\nreview=true\n[Sara]\nmode=auto\n")
        << "luca" << false << QByteArray("max=30\nreview=true\n") << QList<int>{} << 30 << true;
    QTest::newRow("another child has the class's")
        << QByteArray("max=50\nreview=false\n\n[Luca]\nmax=30\nreview=true\n") << "Sara" << false
        << QByteArray("max=50\nreview=false\n") << QList<int>{} << 50 << true;
    QTest::newRow("bad lines skipped, one warning each")
        << QByteArray("max=50\nmax=120\nlevel=facilissima\nboards=trova-0-99, trova-0-999\n"
                      "colore=blu\nreview\n[]\nmax=40\n[Luca]\nlevel=media\n")
        << "Luca" << false << QByteArray("max=50\nlevel=media\n") << QList<int>{2, 3, 4, 5, 6, 7, 8}
        << 50 << true;
    QTest::newRow("the lock wins over max and mode")
        << QByteArray("max=30\nmode=auto\nlevel=facile\n") << "" << true
        << QByteArray("max=30\nmode=auto\nlevel=facile\n") << QList<int>{} << 99 << true;
}

void TestPractice::planFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, child);
    QFETCH(bool, locked);
    QFETCH(QByteArray, inForce);
    QFETCH(QList<int>, warnedLines);
    QFETCH(int, maximum);
    QFETCH(bool, waits);

    QTemporaryDir classes;
    QVERIFY(classes.isValid());
    QFile written(classes.filePath(QStringLiteral("3A.conf")));
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
    written.close();

    QStringList warnings;
    const ClassPlan plan = classplan::read(classes.path(), QStringLiteral("3A"), warnings);
    QCOMPARE(warnings.size(), warnedLines.size());
    for (qsizetype i = 0; i < warnings.size(); ++i)
        QVERIFY2(warnings[i].startsWith(QStringLiteral("3A.conf, riga %1: ").arg(warnedLines[i])),
                 qPrintable(warnings[i]));
    const Plan own = classplan::planFor(plan, child);
    QCOMPARE(classplan::write({own, {}}), inForce);

    // Written back whole, the file reads as the same plan, and nothing else is left beside it.
    QCOMPARE(classplan::save(classes.path(), QStringLiteral("3A"), plan), std::nullopt);
    QStringList again;
    QCOMPARE(classplan::read(classes.path(), QStringLiteral("3A"), again), plan);
    QVERIFY(again.isEmpty());
    QCOMPARE(QDir(classes.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("3A.conf")});

    LaunchOptions machine;
    machine.locked = locked;
    QStringList held;
    const LaunchOptions options = withPlan(machine, own, held);
    QCOMPARE(options.numeroMassimo, maximum);
    QCOMPARE(options.attendiBottone, waits);
    QCOMPARE(held.size(), locked ? 2 : 0);
}

QTEST_GUILESS_MAIN(TestPractice)
#include "test_practice.moc"
