#include "app/application.h"

#include "app/sessionsaving.h"
#include "core/board/boardframe.h"
#include "core/board/catalogue.h"
#include "core/classes/classlist.h"
#include "core/sessions/sessionkeeper.h"
#include "core/speech/boardvoice.h"
#include "ui/design/boarddesign.h"
#include "ui/input/keypad.h"
#include "ui/system/firstpaint.h"
#include "ui/system/quickexit.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/classwindow.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/pupilwindow.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QAction>
#include <QPointer>
#include <QRadioButton>
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
}

Application::~Application()
{
    // At most a second for the share, what it has not taken then waits on the machine; a save
    // still hung in it is left to its helper, and the end of the process skips the static
    // destructors, which a thread still running could use.
    if (keeper_ && !sessionsaving::finish(*keeper_, std::chrono::seconds(1)))
        skipStaticDestructorsAtExit();
    if (classReader_ && !classReader_->finish(std::chrono::milliseconds(100)))
        skipStaticDestructorsAtExit(); // a reading stuck on a hung share is left
}

void Application::beginSession(const ClassList& list, const Pupil& pupil)
{
    if (keeper_)
        keeper_->begin(list.name, pupil.name);
}

void Application::endSession()
{
    if (keeper_)
        keeper_->end();
}

void Application::main()
{
    state_.attendiBottone = options_.attendiBottone;
    start_ = std::make_unique<StartWindow>(host_, state_, random_);
    state_.numeroMassimo = options_.numeroMassimo; // the start window has just set 99
    if (!options_.classesDir.isEmpty())
        readClassLists();
    connect(start_.get(), &StartWindow::avvio, this, [this] {
        if (options_.classesDir.isEmpty()) {
            showMenu();
        } else if (classReader_->reading() || classLists_.classes.empty()) {
            // A share mounted late is read now; "Chi sei?" follows the reading.
            whoIsPlayingAwaited_ = true;
            if (!classReader_->reading())
                classReader_->readLists(options_.classesDir);
        } else {
            askWhoIsPlaying();
        }
    });
    connect(start_.get(), &ProgramWindow::closedByUser, this, [this] { unload(start_); });
    host_.show(start_.get());
    if (speech_) // the engine is made while the child looks at the start window
        afterFirstPaint(*start_, [speech = speech_] { speech->warmUp(); });
}

void Application::readClassLists()
{
    classReader_ = std::make_unique<ClassListReader>();
    connect(classReader_.get(), &ClassListReader::read, this, [this](const ClassLists& lists) {
        classLists_ = lists;
        emit classListsChanged();
        if (whoIsPlayingAwaited_ && start_ && !classReader_->reading()) {
            whoIsPlayingAwaited_ = false;
            askWhoIsPlaying();
        }
    });
    classReader_->readLists(options_.classesDir);
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
        connect(menu_.get(), &MenuWindow::cambiaBambino, this, &Application::changePupil);
        connect(menu_.get(), &MenuWindow::boardChosen, this, &Application::openBoard);
        connect(menu_.get(), &MenuWindow::esci, this, [this] {
            if (confermaUscita(dialogs_, menu_.get()))
                end();
        });
        connect(menu_.get(), &MenuWindow::risultati, this, &Application::showResults);
        connect(menu_.get(), &ProgramWindow::closedByUser, this, [this] { unload(menu_); });
        if (options_.locked) {
            for (const char* option : {"Option1(0)", "Option1(1)"})
                menu_->findChild<QRadioButton*>(QString::fromLatin1(option))->setEnabled(false);
        }
    }
    host_.show(menu_.get());
    unload(start_);
    unloadChoices();
    unloadBoard();
}

void Application::askWhoIsPlaying()
{
    const std::vector<ClassList>& classes = classLists_.classes;
    const auto named = std::ranges::find(classes, options_.className, &ClassList::name);
    if (classIndex_)
        showPupils(*classIndex_);
    else if (named != classes.end())
        showPupils(std::size_t(named - classes.begin()));
    else if (classes.size() == 1 && options_.className.isEmpty())
        showPupils(0);
    else
        showClasses(options_.className);
    unload(start_);
    unload(menu_);
    if (results_)
        host_.hide(results_.get());
}

void Application::showClasses(const QString& missing)
{
    QStringList names;
    for (const ClassList& list : classLists_.classes)
        names << list.name;
    auto window = std::make_unique<ClassWindow>(host_, names, missing);
    connect(window.get(), &ClassWindow::chosen, this, [this](int position) {
        classIndex_ = std::size_t(position);
        showPupils(*classIndex_);
        unload(classChoice_);
    });
    connect(window.get(), &ClassWindow::gioca, this, &Application::showMenu);
    connect(window.get(), &ProgramWindow::closedByUser, this, [this] { unload(classChoice_); });
    host_.show(window.get());
    unload(classChoice_);
    classChoice_ = std::move(window);
}

void Application::showPupils(std::size_t classIndex)
{
    const ClassList& list = classLists_.classes.at(classIndex);
    const bool machineClass = list.name == options_.className;
    auto window =
        std::make_unique<PupilWindow>(host_, list, !machineClass && classLists_.classes.size() > 1);
    connect(window.get(), &PupilWindow::chosen, this, [this, &list](int position) {
        pupilChosen(list, list.pupils.at(std::size_t(position)));
    });
    connect(window.get(), &PupilWindow::gioca, this, &Application::showMenu);
    connect(window.get(), &PupilWindow::otherClasses, this, [this] {
        classIndex_.reset();
        showClasses(options_.className);
        unload(pupilChoice_);
    });
    connect(window.get(), &ProgramWindow::closedByUser, this, [this] { unload(pupilChoice_); });
    showSymbols(*window, list);
    host_.show(window.get());
    unload(pupilChoice_);
    pupilChoice_ = std::move(window);
}

void Application::showSymbols(PupilWindow& window, const ClassList& list)
{
    if (options_.resultsDir.isEmpty()) {
        QStringList names;
        for (const Pupil& pupil : list.pupils)
            names << pupil.name;
        window.setSymbols(pupilsymbol::ofClass(names, {}));
        return;
    }
    classReader_->readSymbols(
        options_.resultsDir, list,
        [shown = QPointer<PupilWindow>(&window)](const std::vector<PupilSymbol>& symbols) {
            if (shown)
                shown->setSymbols(symbols);
        });
}

void Application::pupilChosen(const ClassList& list, const Pupil& pupil)
{
    pupil_ = pupil;
    beginSession(list, pupil);
    setVoiceLanguage(pupil.voiceLanguage);
    showMenu();
}

void Application::changePupil()
{
    endSession();
    setVoiceLanguage({});
    pupil_.reset();
    askWhoIsPlaying();
}

void Application::unloadChoices()
{
    unload(classChoice_);
    unload(pupilChoice_);
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
    unloadChoices();
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
