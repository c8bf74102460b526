#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

class WindowHost;

/// Base of the program's own windows (not of its dialogs). It tells the host when it
/// becomes the active window and when the window system's close control was used, and
/// turns full screen on and off with F11.
class ProgramWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ProgramWindow(WindowHost& host);

    /// Runs each time the window becomes the program's active window, its first showing
    /// included (before it is seen); not when a dialog of its own closes, nor when the
    /// user comes back from another application.
    virtual void activated() {}

    /// Full screen and back (F11); the content grows with the window.
    void toggleFullScreen();

  signals:
    /// The window system's close control: the window's owner unloads it, without questions.
    void closedByUser();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    WindowHost& host_;
};

/// Shows and hides the program's windows and knows which of them was last active, so that
/// each activation runs once per return to a window.
class WindowHost {
  public:
    /// Runs the window's activation first if it is not the active one, then shows it; at its
    /// first showing full screen, when so started.
    void show(ProgramWindow* window);
    /// As `show`, for a window opened from `anchor` (a board): when not on screen yet, it is
    /// first placed where it leaves a good part of `anchor` in sight and clickable.
    void showBeside(ProgramWindow* window, const QWidget* anchor);
    /// Every window shown from now on starts full screen (F11 still turns it off).
    void startFullScreen(bool on) { fullScreen_ = on; }
    /// Hides the window; when no window of the program is visible any more, the program ends.
    void hide(ProgramWindow* window);
    /// Called by a window that received the window system's activation.
    void noteActivated(ProgramWindow* window);
    ProgramWindow* current() const { return current_; }

  private:
    /// Full screen at the first showing when so started, activation, then on screen.
    void present(ProgramWindow* window);

    QPointer<ProgramWindow> current_;
    bool fullScreen_ = false;
};

template <typename T> using WindowPtr = std::unique_ptr<T>;

/// Marks a modal dialog running its own event loop. While one runs, the handler that opened
/// it is still on the stack, so unloaded windows wait for the last one to end.
class ModalScope {
  public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    static bool running();
};

/// Unloads a window: at once hidden and deaf to input; destroyed from the event loop once
/// no modal dialog runs, so that a window may be unloaded from one of its own handlers or
/// while a dialog it opened is still open.
void unloadWindow(std::unique_ptr<QWidget> window);

template <typename T> void unload(WindowPtr<T>& window)
{
    unloadWindow(std::unique_ptr<QWidget>(window.release()));
}
