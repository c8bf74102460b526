#pragma once

#include "core/board/boardkind.h"
#include "core/board/programstate.h"
#include "core/board/sounds.h"
#include "core/records/runrecord.h"
#include "core/settings/options.h"
#include "core/speech/boardvoice.h"
#include "core/speech/speech.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/windowhost.h"

#include <QObject>
#include <QPointer>
#include <optional>

#include <memory>

class BoardFrame;
class WhoIsPlaying;
class BoardWindow;
class SessionKeeper;
class Dialogs;
class PrintService;
class WorksheetWindow;
class MenuWindow;
class RandomSource;
class ResultsWindow;
class StartWindow;

/// The program's controller (`Main` and the shared procedures of the start): it owns the
/// program-wide state and every window, shows and unloads them, and so decides which window
/// follows which. At most one of start window, the choice of the class or the child, main
/// menu and board is open at a time.
class Application final : public QObject {
    Q_OBJECT
  public:
    /// The options choose how the program starts: with none, as always.
    /// The boards speak through `speech` when the options turn the voice on and do not mute.
    Application(RandomSource& random, SoundSink& sounds, Dialogs& dialogs, PrintService& printer,
                const LaunchOptions& options = {}, SpeechSink* speech = nullptr);
    ~Application() override;

    /// Start-up: "avanti" awaited (or the mode and maximum of the options), the class lists
    /// asked for when the options name a classes folder, the start window shown at once.
    void main();

    const LaunchOptions& launchOptions() const { return options_; }

    ProgramState& state() { return state_; }
    WindowHost& host() { return host_; }
    StartWindow* startWindow() const { return start_.get(); }
    MenuWindow* menuWindow() const { return menu_.get(); }
    BoardWindow* boardWindow() const { return board_.get(); }
    WorksheetWindow* worksheetWindow() const { return worksheet_.get(); }
    GridWindow* findGridWindow() const { return findGrid_.get(); }
    GridWindow* recogniseGridWindow() const { return recogniseGrid_.get(); }
    GridWindow* hiddenGridWindow() const { return hiddenGrid_.get(); }
    GridWindow* stepsGridWindow() const { return stepsGrid_.get(); }
    ResultsWindow* resultsWindow() const { return results_.get(); }
    /// The class, "Chi sei?" and the child playing, with the teacher's plan for them.
    WhoIsPlaying& whoIsPlaying() { return *players_; }
    /// What the child got right and wrong in this run; in memory only.
    const RunRecord& record() const { return record_; }
    /// Keeps the answers of the child at the machine in the results folder; none without one.
    SessionKeeper* sessionKeeper() const { return keeper_.get(); }

    /// The second language of the voice for the child at the machine, a BCP 47 tag as in the
    /// class list; empty for the machine's own (`voice-language`). The open board follows it.
    void setVoiceLanguage(const QString& language);

    /// Shows the main menu (created if needed), then unloads the start window or the board.
    void showMenu();
    /// Shows a board, then unloads the main menu. Nothing happens for a board the program
    /// does not have.
    void openBoard(BoardKind kind);
  signals:
    /// The program is to end: every window is closed.
    void ended();

  private:
    void end();
    /// "Chi sei?" or the choice of the class is shown: every other child's window gives way.
    void asking();
    /// The child's plan holds from now on: the highest number, the mode, the boards offered.
    void followPlan();
    /// The board asks again, now and then, what the child missed, when the plan says so.
    void followReview(BoardFrame& frame, BoardKind kind);
    /// "Stampa scheda" of the open board: its worksheet window, created if needed, shown.
    void showWorksheet();
    /// The hidden numbers' sheet of the open board, created if needed, shown.
    void showHiddenGrid();
    /// The counting sheet of the open board, created if needed, shown.
    void showStepsGrid();
    /// A sheet printed with its solution, created with `pair` if needed, shown.
    void showPairedGrid(WindowPtr<GridWindow>& grid, GridWindow::Kind kind,
                        GridWindow::SheetPair pair);
    /// A grid worksheet closed: the user is back on the board.
    void closeGrid(WindowPtr<GridWindow>& grid);
    /// The teacher's page, created if needed, shown above the main menu.
    void showResults();
    void unloadBoard();

    RandomSource& random_;
    LaunchOptions options_;
    SilentSounds silence_;
    SoundSink& sounds_;
    SpeechSink* speech_;
    QString voiceLanguage_;
    QPointer<BoardVoice> voice_;
    Dialogs& dialogs_;
    PrintService& printer_;
    ProgramState state_;
    RunRecord record_; // before the windows, which report into it
    std::unique_ptr<SessionKeeper> keeper_;
    QString savingProblem_; // why nothing can be saved on this machine; empty when it can
    WindowHost host_;
    WindowPtr<StartWindow> start_;
    WindowPtr<MenuWindow> menu_;
    WindowPtr<BoardWindow> board_;
    BoardKind boardKind_ = BoardKind::Form100a;
    WindowPtr<WorksheetWindow> worksheet_;
    WindowPtr<GridWindow> findGrid_;
    WindowPtr<GridWindow> recogniseGrid_;
    WindowPtr<GridWindow> hiddenGrid_;
    WindowPtr<GridWindow> stepsGrid_;
    WindowPtr<ResultsWindow> results_;
    std::unique_ptr<WhoIsPlaying> players_; // made after the keeper
    bool planFollowed_ = false;             // the state follows a plan, not the machine's options
};
