#pragma once

#include <QObject>

class QSocketNotifier;

/// Turns SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, Ctrl+C in a terminal) into an
/// ordinary end of the event loop with status 0, so that every destructor runs, the sound
/// service's temporary folder included. The handler only writes one byte to a socket pair;
/// the byte is read on the event loop, which then ends without asking any window (no "Esci"
/// question is shown). Only one instance may exist at a time; its destructor gives the three
/// signals their default action back. Precondition: a QCoreApplication exists.
class SignalExit final : public QObject {
  public:
    SignalExit();
    ~SignalExit() override;
    SignalExit(const SignalExit&) = delete;
    SignalExit& operator=(const SignalExit&) = delete;

    /// Whether the socket pair and the handlers could be set up; when not, the signals keep
    /// their default action.
    bool active() const { return notifier_ != nullptr; }

  private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};
