// Figures of the results kept on a school's share (driven by bench_share.sh, under
// xvfb_test.sh). Prints figures only; it asserts nothing about time.
//   bench_share compare RESULTS   the answer-to-repaint time of a board whose child's answers
//                                 are kept in RESULTS against one with no results folder, in
//                                 the same run (alternating blocks), and one whose child's
//                                 plan turns review on, over the answers kept in RESULTS
//   bench_share hung RESULTS      with the share already hung: the answer-to-repaint time of
//                                 every click of 60 (saved at 20, 40 and 60 answers), each
//                                 followed by one on a board without a results folder; then
//                                 the program asked to end: prints the time of that moment and
//                                 how long the end took inside the process, the script takes
//                                 the moment the process is gone
#include "app/startup.h"
#include "app/whoisplaying.h"
#include "ui/windows/pupilwindow.h"
#include "core/classes/classlist.h"
#include "program.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace {

/// Microseconds of one answer: a click on a cell, then the repaint it causes.
double oneAnswer(BoardWindow* board, int i)
{
    QElapsedTimer timer;
    timer.start();
    const int target = board->frame().programState().risultato;
    clickCell(board, i % 4 == 3 ? (target + 1) % 100 : target);
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e3;
}

double median(std::vector<double> v)
{
    std::ranges::sort(v);
    return v[v.size() / 2];
}

LaunchOptions keptIn(const QString& results)
{
    LaunchOptions options;
    options.resultsDir = results;
    return options;
}

/// A program with the child Luca of 3A at its first addition board, no "avanti".
std::unique_ptr<Program> childAtBoard(const LaunchOptions& options)
{
    auto p = std::make_unique<Program>(77, options);
    WhoIsPlaying& players = p->app.whoIsPlaying();
    if (options.classesDir.isEmpty()) {
        players.chosen(ClassList{QStringLiteral("3A"), {Pupil{QStringLiteral("Luca"), {}}}},
                       Pupil{QStringLiteral("Luca"), {}});
        openFromMenu(*p, "Command3", false);
        return p;
    }
    // Luca says who they are in "Chi sei?"; the plan and the review are read off the window's
    // thread.
    p->app.main();
    while (!players.classListsRead())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    p->app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    players.pupilWindow()->findChild<QAbstractButton*>(names::of(names::kPupilButton, 0))->click();
    while (!players.review().on())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    flushUnloads();
    QWidget* menu = p->app.menuWindow();
    menu->findChild<QAbstractButton*>(QStringLiteral("Option1(0)"))->click();
    QTest::mouseClick(menu->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    flushUnloads();
    (void)QTest::qWaitForWindowActive(p->app.boardWindow());
    return p;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const QStringList args = QCoreApplication::arguments();
    QTextStream out(stdout);
    if (args.size() != 3 || (args[1] != u"compare" && args[1] != u"hung")) {
        out << "usage: bench_share compare|hung RESULTS\n";
        return 2;
    }
    if (args[1] == u"compare") {
        QTemporaryDir classes;
        QFile list(classes.filePath(QStringLiteral("3A.txt")));
        QFile plan(classes.filePath(QStringLiteral("3A.conf")));
        if (!list.open(QIODevice::WriteOnly) || list.write("Luca\n") < 0 ||
            !plan.open(QIODevice::WriteOnly) || plan.write("review=true\n") < 0)
            return 1;
        list.close();
        plan.close();
        LaunchOptions reviewing = keptIn(args[2]);
        reviewing.classesDir = classes.path();
        const std::array<std::unique_ptr<Program>, 3> programs = {
            childAtBoard(keptIn(args[2])), childAtBoard({}), childAtBoard(reviewing)};
        std::array<std::vector<double>, 3> times;
        for (int round = 0; round < 15; ++round) {
            // Which comes first changes every round, so that drift favours none.
            for (int k = 0; k < 3; ++k) {
                const std::size_t which = std::size_t((round + k) % 3);
                BoardWindow* board = programs[which]->app.boardWindow();
                for (int i = 0; i < 100; ++i)
                    times[which].push_back(oneAnswer(board, i));
            }
        }
        out << QStringLiteral("answer to repaint: %1 us with the results on the share, %2 us "
                              "without a results folder, %3 us with review on (median of 1500 "
                              "each); longest %4, %5 and %6 us\n")
                   .arg(median(times[0]), 0, 'f', 1)
                   .arg(median(times[1]), 0, 'f', 1)
                   .arg(median(times[2]), 0, 'f', 1)
                   .arg(*std::ranges::max_element(times[0]), 0, 'f', 0)
                   .arg(*std::ranges::max_element(times[1]), 0, 'f', 0)
                   .arg(*std::ranges::max_element(times[2]), 0, 'f', 0);
        return 0;
    }
    std::optional<QElapsedTimer> ending;
    {
        const std::unique_ptr<Program> kept = childAtBoard(keptIn(args[2]));
        const std::unique_ptr<Program> plain = childAtBoard({});
        std::vector<double> clicks, plainClicks;
        for (int i = 0; i < 60; ++i) {
            clicks.push_back(oneAnswer(kept->app.boardWindow(), i));
            plainClicks.push_back(oneAnswer(plain->app.boardWindow(), i));
        }
        out << "answer to repaint with the share hung, each of 60 clicks (us):";
        for (const double us : clicks)
            out << ' ' << qRound(us);
        out << QStringLiteral("\nmedian %1 us, longest %2 us; without a results folder in the "
                              "same run: median %3 us, longest %4 us\n")
                   .arg(median(clicks), 0, 'f', 1)
                   .arg(*std::ranges::max_element(clicks), 0, 'f', 0)
                   .arg(median(plainClicks), 0, 'f', 1)
                   .arg(*std::ranges::max_element(plainClicks), 0, 'f', 0);
        out << "end asked at epoch ms " << QDateTime::currentMSecsSinceEpoch() << Qt::endl;
        ending.emplace();
        ending->start();
    } // the program ends here, as after "Esci"
    out << "the program's end took " << ending->elapsed() << " ms inside the process" << Qt::endl;
    return 0;
}
