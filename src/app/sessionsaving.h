#pragma once

#include <QString>
#include <chrono>
#include <memory>

class SessionKeeper;

/// The children's sessions saved as the program runs it: a keeper that writes into the results
/// folder through `quadena-salva` beside the program; handed at the start what an earlier run
/// left waiting on the machine (`WaitingSessions`), and leaving there at the end what the
/// share has not taken. What it cannot do it says in one line on standard error.
namespace sessionsaving {

struct Started {
    std::unique_ptr<SessionKeeper> keeper;
    /// What the teacher's page says when nothing can be saved on this machine; else empty.
    QString problem;
};
/// The keeper of `resultsDir`; what waits on the machine is handed to it when the helper runs.
Started start(const QString& resultsDir);

/// At exit: saves what is open, waits at most `wait` for the share and keeps on the machine
/// what it has not taken. False unless everything was saved; the keeper must then not be
/// destroyed before the process ends if a save may still run.
bool finish(SessionKeeper& keeper, std::chrono::milliseconds wait);

} // namespace sessionsaving
