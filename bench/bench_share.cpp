// Figures of the results kept on a school's share (driven by bench_share.sh, under
// xvfb_test.sh). Prints figures only; it asserts nothing about time.
//   bench_share compare RESULTS   the answer-to-repaint time of a board whose child's answers
//                                 are kept in RESULTS against one with no results folder, in
//                                 the same run (alternating blocks)
//   bench_share hung RESULTS      with the share already hung: the answer-to-repaint time of
//                                 every click of 60 (saved at 20, 40 and 60 answers), each
//                                 followed by one on a board without a results folder; then
//                                 the program asked to end: prints the time of that moment and
//                                 how long the end took inside the process, the script takes
//                                 the moment the process is gone
#include "app/startup.h"
#include "core/classes/classlist.h"
#include "program.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
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
    p->app.whoIsPlaying().chosen(
        ClassList{QStringLiteral("3A"), {Pupil{QStringLiteral("Luca"), {}}}},
        Pupil{QStringLiteral("Luca"), {}});
    openFromMenu(*p, "Command3", false);
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
        const std::unique_ptr<Program> kept = childAtBoard(keptIn(args[2]));
        const std::unique_ptr<Program> plain = childAtBoard({});
        std::vector<double> withShare, without;
        for (int round = 0; round < 14; ++round) {
            // Which comes first changes every round, so that drift favours neither.
            for (const bool share : {round % 2 == 0, round % 2 != 0}) {
                BoardWindow* board = (share ? kept : plain)->app.boardWindow();
                for (int i = 0; i < 100; ++i)
                    (share ? withShare : without).push_back(oneAnswer(board, i));
            }
        }
        out << QStringLiteral("answer to repaint: %1 us with the results on the share, %2 us "
                              "without a results folder (median of 1400 each); longest %3 us "
                              "and %4 us\n")
                   .arg(median(withShare), 0, 'f', 1)
                   .arg(median(without), 0, 'f', 1)
                   .arg(*std::ranges::max_element(withShare), 0, 'f', 0)
                   .arg(*std::ranges::max_element(without), 0, 'f', 0);
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
