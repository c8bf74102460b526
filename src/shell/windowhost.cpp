#include "windowhost.h"

#include <QApplication>
#include <QCloseEvent>
#include <algorithm>

ProgramWindow::ProgramWindow(WindowHost& host) : host_(host) {}

bool ProgramWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        host_.noteActivated(this);
    return QMainWindow::event(event);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closedByUser();
}

void WindowHost::show(ProgramWindow* window)
{
    noteActivated(window);
    window->show();
    window->activateWindow();
}

void WindowHost::hide(ProgramWindow* window)
{
    // A hidden window is no longer the active one: showing it again is a return to it.
    if (current_ == window)
        current_ = nullptr;
    window->hide();
    const auto windows = QApplication::topLevelWidgets();
    const bool anyVisible = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
        return w->isVisible() && qobject_cast<ProgramWindow*>(w);
    });
    if (!anyVisible)
        QCoreApplication::quit();
}

void WindowHost::noteActivated(ProgramWindow* window)
{
    if (current_ == window)
        return;
    current_ = window;
    window->activated();
}

void unloadWindow(std::unique_ptr<QWidget> window)
{
    if (!window)
        return;
    window->hide();
    window.release()->deleteLater();
}
