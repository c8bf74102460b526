// One short school session through the whole program with its real sound and print services:
// ten answers on an addition board, a worksheet printed once, ten answers on the find board,
// then "Esci" on the board and the menu, one step every 150 ms as a quick child would, with
// a pause after each board's answers.
//   hostile_session FOLDER          reads the sounds from FOLDER
//   hostile_session FOLDER --stay   answers on the addition board only, prints "answered N"
//                                   and stays open until a signal ends it (signal_exit.sh)
//   hostile_session FOLDER --voice  speaks too, with the real speech service
// Prints one line of figures for hostile_desktop.sh: the answers given, the longest answer
// (the click and everything it runs: the check, the counters, asking for the sound), the
// longest stall of the event loop, the messages shown other than the "Esci" questions, the
// peak of the resident memory (with and without the voice, for comparison), and the wall-clock
// time at which the last window closed, which the script compares with the
// moment the process has ended.
#include "app/application.h"
#include "app/startup.h"
#include "core/base/random.h"
#include "fakes_ui.h"
#include "ui/design/names.h"
#include "ui/system/printing.h"
#include "ui/system/signalexit.h"
#include "ui/system/soundservice.h"
#include "ui/system/speechservice.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kAnswersPerBoard = 10;
constexpr std::size_t kPauseSteps = 8;

/// The process's peak resident memory so far, from the kernel's account of it.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void click(QWidget* window, const char* name)
{
    if (window)
        window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

/// Walks through the session one step per timer tick and keeps the figures.
class Session final : public QObject {
  public:
    Session(Application& app, ScriptedDialogs& dialogs, bool stay) : app_(app), dialogs_(dialogs)
    {
        const auto board = [this](const char* button) {
            steps_.emplace_back([this, button] { click(app_.menuWindow(), button); });
            for (int i = 0; i < kAnswersPerBoard; ++i)
                steps_.emplace_back([this] { answer(); });
            // The child looks at the board a while: the last sound plays out.
            steps_.insert(steps_.end(), kPauseSteps, [] {});
        };
        const auto esci = [this] {
            dialogs_.answers.push_back(Answer::Yes);
            app_.boardWindow()->menuAction(BoardCommand::Esci)->trigger();
        };
        steps_.emplace_back([this] { click(app_.startWindow(), "Command1"); });
        board("Command5");
        if (stay) {
            steps_.emplace_back(
                [this] { QTextStream(stdout) << "answered " << answers_ << Qt::endl; });
            start();
            return;
        }
        steps_.emplace_back(
            [this] { app_.boardWindow()->menuAction(BoardCommand::Stampa)->trigger(); });
        steps_.emplace_back([this] { click(app_.worksheetWindow(), "btnCD"); });
        steps_.emplace_back([this] { click(app_.worksheetWindow(), names::kEsci); });
        steps_.emplace_back(esci);
        board("Command14");
        steps_.emplace_back(esci);
        steps_.emplace_back([this] {
            dialogs_.answers.push_back(Answer::Yes);
            click(app_.menuWindow(), names::kEsci);
        });

        connect(&app_, &Application::ended, this, &Session::report);
        start();
    }

  private:
    void start()
    {
        connect(&pace_, &QTimer::timeout, this, &Session::step);
        connect(&ticks_, &QTimer::timeout, this, &Session::tick);
        pace_.start(150);
        ticks_.start(10);
        sinceTick_.start();
    }

    void step()
    {
        if (next_ < steps_.size())
            steps_.at(next_++)();
    }

    /// A click on a cell of the open board, "avanti" first when the board waits for it.
    void answer()
    {
        BoardWindow* board = app_.boardWindow();
        if (!board)
            return;
        const auto* next = board->findChild<QToolButton*>(names::of(names::kAvanti));
        if (next && next->isVisible() && next->isEnabled())
            click(board, names::kAvanti);
        cell_ = (cell_ * 37 + 11) % 100;
        CellButton* cell = board->cellButton(cell_);
        if (!cell->isVisible() || !cell->isEnabled())
            cell = board->cellButton(0);
        QElapsedTimer timer;
        timer.start();
        cell->click();
        maxAnswerNs_ = std::max(maxAnswerNs_, timer.nsecsElapsed());
        ++answers_;
    }

    /// A 10 ms timer that fires late shows an event loop held up.
    void tick() { maxStallMs_ = std::max(maxStallMs_, sinceTick_.restart() - 10); }

    void report()
    {
        pace_.stop();
        ticks_.stop();
        const auto unexpected =
            std::count_if(dialogs_.styles.cbegin(), dialogs_.styles.cend(),
                          [](MessageStyle s) { return s != MessageStyle::Question; });
        QTextStream(stdout) << "plays " << answers_ << " max_play_us " << maxAnswerNs_ / 1000
                            << " max_stall_ms " << maxStallMs_ << " messages " << unexpected
                            << " peak_rss_kb " << peakResidentKb() << " quit_epoch_ms "
                            << QDateTime::currentMSecsSinceEpoch() << Qt::endl;
    }

    Application& app_;
    ScriptedDialogs& dialogs_;
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    QTimer pace_;
    QTimer ticks_;
    QElapsedTimer sinceTick_;
    int cell_ = 0;
    int answers_ = 0;
    qint64 maxAnswerNs_ = 0;
    qint64 maxStallMs_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const SignalExit signalExit;
    const QStringList args = QCoreApplication::arguments();

    SeededRandom random(2026);
    SoundService sounds(args.value(1, SoundService::defaultFolder()));
    SpeechService speech;
    ScriptedDialogs dialogs;
    PrinterService printer;
    LaunchOptions options;
    options.voice = args.contains(QLatin1String("--voice"));
    Application app(random, sounds, dialogs, printer, options, &speech);
    QObject::connect(&app, &Application::ended, &qtApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const Session session(app, dialogs, args.contains(QLatin1String("--stay")));
    app.main();
    return QApplication::exec();
}
