#include "ui/windows/windowhost.h"

#include "ui/system/platformtitle.h"
#include "ui/windows/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

ProgramWindow::ProgramWindow(WindowHost& host) : host_(host)
{
    // F11 on any of the program's windows, wherever the focus is, as in desktop browsers.
    auto* fullScreen = new QAction(this);
    fullScreen->setObjectName(QStringLiteral("SchermoIntero"));
    fullScreen->setShortcut(Qt::Key_F11);
    fullScreen->setShortcutContext(Qt::WindowShortcut);
    addAction(fullScreen);
    connect(fullScreen, &QAction::triggered, this, &ProgramWindow::toggleFullScreen);
}

void ProgramWindow::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

bool ProgramWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        host_.noteActivated(this);
    return QMainWindow::event(event);
}

void ProgramWindow::showEvent(QShowEvent* event)
{
    clearPlatformTitle(this);
    QMainWindow::showEvent(event);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closedByUser();
}

namespace {

/// Places a window that has never been shown at the centre of the screen the child is using:
/// that of the program's active window, or else the one under the pointer.
void placeFirstShowing(QWidget* window, const QWidget* current)
{
    if (window->windowHandle())
        return;
    QScreen* screen = current && current->isVisible() ? current->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->ensurePolished();
    const QSize size = window->sizeHint();
    window->move(screen->availableGeometry().center() -
                 QPoint(size.width() / 2, size.height() / 2));
}

/// Places a window that is not on screen beside `anchor`, its frame taken to be as thick as
/// the anchor's; its size shrinks only when the screen has no room for it.
void placeBeside(QWidget* window, const QWidget* anchor)
{
    QScreen* screen = anchor->screen();
    if (!screen || window->isVisible())
        return;
    window->ensurePolished();
    const QRect frame = settledFrame(anchor->frameGeometry(), anchor->geometry());
    const QSize margins = frame.size() - anchor->geometry().size();
    const QSize size = window->windowHandle() ? window->size() : window->sizeHint();
    const QRect placed = placedBeside(frame, size + margins, screen->availableGeometry());
    if (placed.size() != size + margins)
        window->resize(placed.size() - margins);
    window->move(placed.topLeft());
}

} // namespace

void WindowHost::showBeside(ProgramWindow* window, const QWidget* anchor)
{
    if (anchor && anchor->isVisible())
        placeBeside(window, anchor);
    else
        placeFirstShowing(window, current_);
    present(window);
}

void WindowHost::show(ProgramWindow* window)
{
    placeFirstShowing(window, current_);
    present(window);
}

void WindowHost::present(ProgramWindow* window)
{
    if (fullScreen_ && !window->windowHandle())
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
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

namespace {

int modalDepth = 0;
/// Windows unloaded while a dialog ran, waiting for the outermost event loop.
std::vector<QPointer<QWidget>> pendingWindows;

void destroyPending()
{
    if (ModalScope::running())
        return; // the next dialog to end calls again
    for (const QPointer<QWidget>& window : std::exchange(pendingWindows, {})) {
        if (window)
            window->deleteLater();
    }
}

} // namespace

ModalScope::ModalScope()
{
    ++modalDepth;
}

ModalScope::~ModalScope()
{
    // The handler that opened the dialog is still running: destroy from the event loop.
    if (--modalDepth == 0 && !pendingWindows.empty())
        QMetaObject::invokeMethod(qApp, &destroyPending, Qt::QueuedConnection);
}

bool ModalScope::running()
{
    return modalDepth > 0;
}

void unloadWindow(std::unique_ptr<QWidget> window)
{
    if (!window)
        return;
    QWidget* w = window.release();
    // Its controls take no more input; a dialog it opened still answers.
    const auto children = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow())
            child->setEnabled(false);
    }
    w->hide();
    if (ModalScope::running())
        pendingWindows.emplace_back(w);
    else
        w->deleteLater();
}
