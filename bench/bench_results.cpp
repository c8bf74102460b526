// Figures of the run record and the teacher's page: the answer-to-repaint time with the
// record fed and without it (same run, alternating blocks), the time the page takes to open
// with every number of every board answered 100 times, and the memory of the record after
// 10 and after 1 000 000 answers. Then the three games: the answer-to-repaint time on the
// game, on the hidden numbers and on counting in steps against the addition board (same run,
// alternating blocks), and
// a token's walk: the frames drawn per second while it walks and the processor time it takes.
// Prints figures only; it asserts nothing about time.
#include "app/startup.h"
#include "core/board/catalogue.h"
#include "core/records/results.h"
#include "program.h"
#include "ui/windows/resultswindow.h"

#include "ui/windows/tokenwalk.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <sys/resource.h>
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

/// The same on the game: a roll, then a wrong and a right click on the square it lands on.
double gameAnswerToRepaint(BoardWindow* board, int n)
{
    BoardFrame& frame = board->frame();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) {
        if (i % 2 == 0)
            board->findChild<QPushButton*>(names::of(names::kLancia))->click();
        const int landing = frame.programState().numeroCercato;
        clickCell(board, i % 2 == 0 ? (landing + 1) % 100 : landing);
        QCoreApplication::processEvents();
    }
    return double(timer.nsecsElapsed()) / 1e3 / n;
}

/// The same on the hidden numbers: a wrong number typed, then the right one.
double hiddenAnswerToRepaint(BoardWindow* board, int n)
{
    auto* box = board->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) {
        const int asked = board->frame().programState().numeroCercato;
        box->setText(QString::number(i % 2 == 0 ? asked + 1 : asked));
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    return double(timer.nsecsElapsed()) / 1e3 / n;
}

/// The same on counting in steps: a wrong click, then the next number of the count.
double stepsAnswerToRepaint(BoardWindow* board, int n)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) {
        const int next = board->frame().programState().numeroCercato;
        clickCell(board, i % 2 == 0 ? (next + 1) % 100 : next);
        QCoreApplication::processEvents();
    }
    return double(timer.nsecsElapsed()) / 1e3 / n;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

/// Counts the board window's repaints (one frame each) while a token walks.
class FrameCounter final : public QObject {
  public:
    int frames = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        frames += event->type() == QEvent::UpdateRequest;
        return false;
    }
};

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
        // The four boards open side by side in one run, each in its own program.
        Program addition, game, hidden, counting;
        BoardWindow* boards[] = {
            openFromMenu(addition, "Command3", false), openFromMenu(game, "Command10", false),
            openFromMenu(hidden, "Command11", false), openFromMenu(counting, "Command12", false)};
        double (*const answer[])(BoardWindow*, int) = {answerToRepaint, gameAnswerToRepaint,
                                                       hiddenAnswerToRepaint, stepsAnswerToRepaint};
        std::vector<double> times[4];
        for (int round = 0; round < 14; ++round) {
            for (int k = 0; k < 4; ++k) {
                const int b = (k + round) % 4; // each goes first in turn
                boards[b]->activateWindow();
                times[b].push_back(answer[b](boards[b], 300));
            }
        }
        out << QStringLiteral("answer to repaint: %1 us on the addition board, %2 us on the game, "
                              "%3 us on the hidden numbers, %4 us counting in steps (median of "
                              "14 blocks of 300)\n")
                   .arg(median(times[0]), 0, 'f', 1)
                   .arg(median(times[1]), 0, 'f', 1)
                   .arg(median(times[2]), 0, 'f', 1)
                   .arg(median(times[3]), 0, 'f', 1);

        // Walks of six squares and more: the frames drawn while each lasts, and the processor;
        // eight walks, some fifty cells, give both figures to their first decimal.
        BoardWindow* board = boards[1];
        auto* walk = board->findChild<TokenWalk*>();
        FrameCounter counter;
        board->windowHandle()->installEventFilter(&counter);
        board->installEventFilter(&counter);
        int steps = 0;
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = processorSeconds();
        for (int w = 0; w < 8; ++w) {
            game.random.push(5.5f / 6); // a six
            board->frame().roll();
            board->frame().clickCell(board->frame().programState().numeroCercato);
            steps += int(board->frame().rules<CountOnGame>()->lastMove().size());
            for (int k = 0; k < 1000 && walk->walking(); ++k) // 20 s at most
                QTest::qWait(20);
        }
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        const double cpu = processorSeconds() - cpuBefore;
        out << QStringLiteral("token walk: %1 cells in %2 s, %3 frames a second, processor %4% "
                              "(%5 ms a cell)\n")
                   .arg(steps)
                   .arg(seconds, 0, 'f', 1)
                   .arg(counter.frames / seconds, 0, 'f', 1)
                   .arg(100 * cpu / seconds, 0, 'f', 1)
                   .arg(1000 * cpu / steps, 0, 'f', 2);
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
