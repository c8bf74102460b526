#include "application.h"

#include "boards/boardfactory.h"
#include "boards/boardwindow.h"
#include "dialogs.h"
#include "menuwindow.h"
#include "startwindow.h"

Application::Application(RandomSource& random, SoundSink& sounds, Dialogs& dialogs)
    : random_(random), sounds_(sounds), dialogs_(dialogs)
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
        connect(board_.get(), &BoardWindow::esciConfirmed, this, &Application::showMenu);
        connect(board_.get(), &ProgramWindow::closedByUser, this, [this] { unload(board_); });
    }
    host_.show(board_.get());
    unload(menu_);
}

void Application::end()
{
    unload(start_);
    unload(menu_);
    unload(board_);
    emit ended();
}
