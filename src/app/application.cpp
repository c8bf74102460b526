#include "app/application.h"

#include "app/sessionsaving.h"
#include "app/whoisplaying.h"
#include "core/board/boardframe.h"
#include "core/board/catalogue.h"
#include "core/sessions/sessionkeeper.h"
#include "core/speech/boardvoice.h"
#include "ui/design/boarddesign.h"
#include "ui/input/keypad.h"
#include "ui/system/firstpaint.h"
#include "ui/system/quickexit.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QAction>
#include <QDateTime>
#include <QPointer>
#include <algorithm>

Application::Application(RandomSource& random, SoundSink& sounds, Dialogs& dialogs,
                         PrintService& printer, const LaunchOptions& options, SpeechSink* speech)
    : random_(random), options_(options), sounds_(options.mute ? silence_ : sounds),
      speech_(options.voice && !options.mute ? speech : nullptr),
      voiceLanguage_(options.voiceLanguage), dialogs_(dialogs), printer_(printer)
{
    host_.startFullScreen(options.fullScreen);
    if (!options.resultsDir.isEmpty()) {
        sessionsaving::Started saving = sessionsaving::start(options.resultsDir);
        keeper_ = std::move(saving.keeper);
        savingProblem_ = saving.problem;
    }
    players_ = std::make_unique<WhoIsPlaying>(host_, options_, keeper_.get());
}

Application::~Application()
{
    // At most a second for the share, what it has not taken then waits on the machine; a save
    // still hung in it is left to its helper, and the end of the process skips the static
    // destructors, which a thread still running could use.
    if (keeper_ && !sessionsaving::finish(*keeper_, std::chrono::seconds(1)))
        skipStaticDestructorsAtExit();
}

void Application::main()
{
    state_.attendiBottone = options_.attendiBottone;
    start_ = std::make_unique<StartWindow>(host_, state_, random_);
    state_.numeroMassimo = options_.numeroMassimo; // the start window has just set 99
    connect(players_.get(), &WhoIsPlaying::asking, this, &Application::asking);
    connect(players_.get(), &WhoIsPlaying::playing, this, [this] {
        setVoiceLanguage(players_->pupil() ? players_->pupil()->voiceLanguage : QString());
        followPlan();
        showMenu();
    });
    connect(players_.get(), &WhoIsPlaying::planChanged, this, &Application::followPlan);
    players_->start();
    connect(start_.get(), &StartWindow::avvio, this, [this] {
        if (options_.classesDir.isEmpty())
            showMenu();
        else
            players_->ask();
    });
    connect(start_.get(), &ProgramWindow::closedByUser, this, [this] { unload(start_); });
    host_.show(start_.get());
    if (speech_) // the engine is made while the child looks at the start window
        afterFirstPaint(*start_, [speech = speech_] { speech->warmUp(); });
}

void Application::setVoiceLanguage(const QString& language)
{
    voiceLanguage_ = language.isEmpty() ? options_.voiceLanguage : language;
    if (voice_)
        voice_->setSecondLanguage(voiceLanguage_);
}

void Application::showMenu()
{
    if (!menu_) {
        menu_ =
            std::make_unique<MenuWindow>(host_, state_, random_, !options_.classesDir.isEmpty());
        connect(menu_.get(), &MenuWindow::cambiaBambino, this, [this] {
            setVoiceLanguage({});
            players_->change();
        });
        connect(menu_.get(), &MenuWindow::boardChosen, this, &Application::openBoard);
        connect(menu_.get(), &MenuWindow::esci, this, [this] {
            if (confermaUscita(dialogs_, menu_.get()))
                end();
        });
        connect(menu_.get(), &MenuWindow::risultati, this, &Application::showResults);
        connect(menu_.get(), &ProgramWindow::closedByUser, this, [this] { unload(menu_); });
        if (options_.locked)
            menu_->lockMode();
        menu_->offerOnly([this](BoardKind board) { return players_->offers(board); });
    }
    host_.show(menu_.get());
    unload(start_);
    players_->unloadChoices();
    unloadBoard();
}

void Application::asking()
{
    unload(start_);
    unload(menu_);
    if (results_)
        host_.hide(results_.get());
}

void Application::followPlan()
{
    const bool planned = players_->plan() != Plan{};
    if (planned || planFollowed_) {
        const LaunchOptions options = players_->options();
        state_.numeroMassimo = options.numeroMassimo;
        state_.attendiBottone = options.attendiBottone;
    }
    planFollowed_ = planned;
    if (menu_) {
        menu_->showMode(state_.attendiBottone);
        menu_->offerOnly([this](BoardKind board) { return players_->offers(board); });
    }
}

void Application::unloadBoard()
{
    if (board_) {
        record_.leave();
        if (keeper_)
            keeper_->boardLeft();
    }
    unload(board_);
}

void Application::followReview(BoardFrame& frame, BoardKind kind)
{
    frame.setTaskChooser([this, kind](const std::function<bool(int)>& askable) {
        return players_->review().next(kind, askable);
    });
    connect(&frame, &BoardFrame::judged, this, [this, kind](int target, bool right) {
        players_->review().record({kind, target, right, QDateTime::currentDateTime()});
    });
}

void Application::showResults()
{
    if (!results_) {
        results_ = std::make_unique<ResultsWindow>(host_, record_, dialogs_, printer_);
        connect(results_.get(), &ProgramWindow::closedByUser, this, [this] { unload(results_); });
        if (keeper_) {
            if (!savingProblem_.isEmpty())
                results_->showSavingImpossible(savingProblem_);
            const auto tell = [this](int answers) {
                results_->showUnsaved(answers, keeper_->where());
            };
            tell(keeper_->unsaved());
            connect(keeper_.get(), &SessionKeeper::unsavedChanged, results_.get(), tell);
        }
    }
    host_.show(results_.get());
}

void Application::openBoard(BoardKind kind)
{
    if (!board_) {
        const BoardDesign* design = findBoardDesign(kind);
        if (!design)
            return;
        board_ = std::make_unique<BoardWindow>(
            host_, *design,
            std::make_unique<BoardFrame>(makeExercise(kind), state_, random_, sounds_), dialogs_,
            BoardExtras{.keypad = keypadShown(options_.keypad), .speaker = speech_ != nullptr});
        if (speech_) {
            auto* voice = new BoardVoice(board_->frame(), kind, *speech_, board_.get());
            voice->setSecondLanguage(voiceLanguage_);
            voice_ = voice;
            connect(board_.get(), &BoardWindow::listenRequested, voice, &BoardVoice::repeat);
        }
        boardKind_ = kind;
        followReview(board_->frame(), kind);
        const std::optional<Level> level = players_->plan().level;
        if (level && board_->frame().level() && board_->frame().level() != level)
            board_->frame().setLevel(*level);
        record_.follow(board_->frame(), kind);
        if (keeper_)
            keeper_->follow(board_->frame(), kind);
        connect(board_.get(), &BoardWindow::esciConfirmed, this, &Application::showMenu);
        connect(board_.get(), &BoardWindow::stampaRequested, this, &Application::showWorksheet);
        connect(board_.get(), &ProgramWindow::closedByUser, this, [this] { unloadBoard(); });
        QAction* maximum = board_->menuAction(BoardCommand::NumeroMassimo);
        if (maximum && options_.locked)
            maximum->setEnabled(false);
    }
    host_.show(board_.get());
    unload(menu_);
    if (results_) // the teacher's page is not for the child's eyes
        host_.hide(results_.get());
}

void Application::showWorksheet()
{
    if (!board_)
        return;
    const BoardSheet& sheet = boardEntry(boardKind_).sheet;
    if (sheet.window == SheetWindow::None)
        return;
    if (sheet.window == SheetWindow::Arithmetic) {
        state_.tipoScheda = sheet.worksheet;
        if (!worksheet_) {
            worksheet_ = std::make_unique<WorksheetWindow>(host_, state_, random_, printer_);
            connect(worksheet_.get(), &ProgramWindow::closedByUser, this,
                    [this] { unload(worksheet_); });
        }
        host_.showBeside(worksheet_.get(), board_.get());
        return;
    }
    const bool find = sheet.window == SheetWindow::FindGrid;
    if (sheet.window == SheetWindow::HiddenGrid) {
        showHiddenGrid();
        return;
    }
    if (sheet.window == SheetWindow::StepsGrid) {
        showStepsGrid();
        return;
    }
    WindowPtr<GridWindow>& grid = find ? findGrid_ : recogniseGrid_;
    if (!grid) {
        // The sheet follows the level of the board that opened it while that board is open;
        // with that board gone, the level it has when created.
        auto level = [this,
                      source = sheet.followsLevel ? std::optional(boardKind_) : std::nullopt] {
            if (board_ && boardKind_ == source)
                return board_->frame().level().value_or(Level::Media);
            return Level::Media;
        };
        grid = std::make_unique<GridWindow>(
            host_, find ? GridWindow::Kind::Find : GridWindow::Kind::Recognise, random_, printer_,
            level);
        connect(grid.get(), &ProgramWindow::closedByUser, this, [this, &grid] { closeGrid(grid); });
    }
    host_.showBeside(grid.get(), board_.get());
}

void Application::showHiddenGrid()
{
    // The sheet shows the board's covered cells while the board is open.
    showPairedGrid(
        hiddenGrid_, GridWindow::Kind::Hidden, [this]() -> std::optional<std::array<GridSheet, 2>> {
            const auto* hidden = board_ ? board_->frame().rules<HiddenNumbersExercise>() : nullptr;
            if (!hidden)
                return std::nullopt;
            return hiddenGridSheets(hidden->covered(state_.numeroMassimo));
        });
}

void Application::showStepsGrid()
{
    // The sheet shows the board's count while the board is open.
    showPairedGrid(stepsGrid_, GridWindow::Kind::Steps,
                   [this]() -> std::optional<std::array<GridSheet, 2>> {
                       const auto* steps = board_ ? board_->frame().rules<SkipCounting>() : nullptr;
                       if (!steps)
                           return std::nullopt;
                       return stepGridSheets(steps->step(), steps->start(), state_.numeroMassimo);
                   });
}

void Application::showPairedGrid(WindowPtr<GridWindow>& grid, GridWindow::Kind kind,
                                 GridWindow::SheetPair pair)
{
    if (!grid) {
        grid =
            std::make_unique<GridWindow>(host_, kind, random_, printer_, nullptr, std::move(pair));
        connect(grid.get(), &ProgramWindow::closedByUser, this, [this, &grid] { closeGrid(grid); });
    }
    host_.showBeside(grid.get(), board_.get());
}

void Application::closeGrid(WindowPtr<GridWindow>& grid)
{
    unload(grid);
    if (board_ && board_->isVisible())
        host_.show(board_.get());
}

void Application::end()
{
    unload(start_);
    players_->unloadChoices();
    unload(menu_);
    unloadBoard();
    unload(worksheet_);
    unload(findGrid_);
    unload(recogniseGrid_);
    unload(hiddenGrid_);
    unload(stepsGrid_);
    unload(results_);
    emit ended();
}
