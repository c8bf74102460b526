// Figures of the run record and the teacher's page: the answer-to-repaint time with the
// record fed and without it (same run, alternating blocks), the time the page takes to open
// with every number of every board answered 100 times, and the memory of the record after
// 10 and after 1 000 000 answers. Prints figures only; it asserts nothing about time.
#include "app/startup.h"
#include "core/board/catalogue.h"
#include "core/records/results.h"
#include "program.h"
#include "ui/windows/resultswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <unistd.h>

namespace {

double residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e3;
}

/// Microseconds per answer over `n` answers: a click on a cell, then the repaint it causes.
double answerToRepaint(BoardWindow* board, int n)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) {
        const int target = board->frame().programState().risultato;
        clickCell(board, i % 2 == 0 ? target : (target + 1) % 100);
        QCoreApplication::processEvents();
    }
    return double(timer.nsecsElapsed()) / 1e3 / n;
}

double median(std::vector<double> v)
{
    std::ranges::sort(v);
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    QTextStream out(stdout);

    {
        Program p;
        BoardWindow* board = openFromMenu(p, "Command3", false);
        // The program's own record is taken off the board; the bench feeds one of its own
        // in every other block.
        QObject::disconnect(&board->frame(), &BoardFrame::judged, nullptr, nullptr);
        RunRecord record;
        std::vector<double> fed, unfed;
        for (int round = 0; round < 14; ++round) {
            // Which comes first changes every round, so that drift favours neither.
            for (const bool feed : {round % 2 == 0, round % 2 != 0}) {
                if (feed)
                    record.follow(board->frame(), BoardKind::Form100a);
                (feed ? fed : unfed).push_back(answerToRepaint(board, 300));
                QObject::disconnect(&board->frame(), &BoardFrame::judged, nullptr, nullptr);
            }
        }
        out << QStringLiteral("answer to repaint: %1 us with the record, %2 us without "
                              "(median of 14 blocks of 300)\n")
                   .arg(median(fed), 0, 'f', 1)
                   .arg(median(unfed), 0, 'f', 1);
    }
    {
        RunRecord record;
        for (const BoardEntry& b : boardCatalogue()) {
            for (int n = 0; n < RunRecord::kNumbers; ++n) {
                for (int k = 0; k < 100; ++k)
                    record.answer(b.kind, n, k % 3 != 0);
            }
        }
        WindowHost host;
        ScriptedDialogs dialogs;
        RecordingPrinter printer;
        QElapsedTimer timer;
        timer.start();
        ResultsWindow page(host, record, dialogs, printer);
        host.show(&page);
        QCoreApplication::processEvents();
        out << QStringLiteral("page open with 1 000 000 answers: %1 ms\n")
                   .arg(double(timer.nsecsElapsed()) / 1e6, 0, 'f', 1);
    }
    {
        const double before = residentKilobytes();
        auto record = std::make_unique<RunRecord>();
        for (int i = 0; i < 10; ++i)
            record->answer(BoardKind::Form100a, i, true);
        const double after10 = residentKilobytes();
        for (int i = 0; i < 1'000'000; ++i)
            record->answer(static_cast<BoardKind>(i % 10), i % 1000, i % 7 != 0);
        const double afterMillion = residentKilobytes();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1'000'000; ++i)
            record->answer(static_cast<BoardKind>(i % 10), (i * 7) % 1000, i % 3 != 0);
        out << QStringLiteral("recording one answer: %1 ns\n")
                   .arg(double(timer.nsecsElapsed()) / 1e6, 0, 'f', 1);
        out << QStringLiteral("record: %1 bytes; resident memory +%2 kB after 10 answers, "
                              "+%3 kB after 1 000 000\n")
                   .arg(sizeof(RunRecord))
                   .arg(after10 - before, 0, 'f', 0)
                   .arg(afterMillion - before, 0, 'f', 0);
    }
    return 0;
}
