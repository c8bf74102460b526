#include "app/application.h"

#include "app/boardfactory.h"
#include "ui/boardwindow.h"
#include "ui/dialogs.h"
#include "ui/menuwindow.h"
#include "ui/startwindow.h"
#include "ui/gridwindow.h"
#include "ui/worksheetwindow.h"

Application::Application(RandomSource& random, SoundSink& sounds, Dialogs& dialogs,
                         PrintService& printer)
    : random_(random), sounds_(sounds), dialogs_(dialogs), printer_(printer)
{}

Application::~Application() = default;

void Application::main()
{
    state_.attendiBottone = true;
    start_ = std::make_unique<StartWindow>(host_, state_, random_);
    connect(start_.get(), &StartWindow::avvio, this, &Application::showMenu);
    connect(start_.get(), &ProgramWindow::closedByUser, this, [this] { unload(start_); });
    host_.show(start_.get());
}

void Application::showMenu()
{
    if (!menu_) {
        menu_ = std::make_unique<MenuWindow>(host_, state_, random_);
        connect(menu_.get(), &MenuWindow::boardChosen, this, &Application::openBoard);
        connect(menu_.get(), &MenuWindow::esci, this, [this] {
            if (confermaUscita(dialogs_, menu_.get()))
                end();
        });
        connect(menu_.get(), &ProgramWindow::closedByUser, this, [this] { unload(menu_); });
    }
    host_.show(menu_.get());
    unload(start_);
    unload(board_);
}

void Application::openBoard(BoardKind kind)
{
    if (!board_) {
        board_ = makeBoardWindow(kind, {state_, random_, sounds_, dialogs_, host_});
        if (!board_)
            return;
        boardKind_ = kind;
        connect(board_.get(), &BoardWindow::esciConfirmed, this, &Application::showMenu);
        connect(board_.get(), &BoardWindow::stampaRequested, this, &Application::showWorksheet);
        connect(board_.get(), &ProgramWindow::closedByUser, this, [this] { unload(board_); });
    }
    host_.show(board_.get());
    unload(menu_);
}

void Application::showWorksheet()
{
    if (!board_)
        return;
    if (boardKind_ == BoardKind::Form100Trova || boardKind_ == BoardKind::Form100Ricon) {
        const bool find = boardKind_ == BoardKind::Form100Trova;
        WindowPtr<GridWindow>& grid = find ? findGrid_ : recogniseGrid_;
        if (!grid) {
            // The find sheet follows the find board's level; with that board gone, the level
            // it has when created.
            auto findLevel = [this] {
                if (board_ && boardKind_ == BoardKind::Form100Trova)
                    return board_->model().level().value_or(Level::Media);
                return Level::Media;
            };
            grid = std::make_unique<GridWindow>(
                host_, find ? GridWindow::Kind::Find : GridWindow::Kind::Recognise, random_,
                printer_, findLevel);
            connect(grid.get(), &ProgramWindow::closedByUser, this,
                    [this, &grid] { closeGrid(grid); });
        }
        host_.show(grid.get());
        return;
    }
    if (!worksheet_) {
        worksheet_ = std::make_unique<WorksheetWindow>(host_, state_, random_, printer_);
        connect(worksheet_.get(), &ProgramWindow::closedByUser, this,
                [this] { unload(worksheet_); });
    }
    host_.show(worksheet_.get());
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
    unload(menu_);
    unload(board_);
    unload(worksheet_);
    unload(findGrid_);
    unload(recogniseGrid_);
    emit ended();
}
