#include "ui/system/signalexit.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

/// The socket pair: the handler writes to [0], the event loop reads [1]. -1 when not open.
std::array<int, 2> pipeEnds{-1, -1};

extern "C" void onSignal(int /*signal*/)
{
    const int saved = errno;
    const char byte = 1;
    // A full socket already holds a wish to end; a lost byte changes nothing.
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

bool nonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

void closeEnds()
{
    for (int& fd : pipeEnds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

SignalExit::SignalExit()
{
    if (pipeEnds[0] >= 0)
        return;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    pipeEnds = {ends[0], ends[1]};
    if (!nonBlocking(pipeEnds[0]) || !nonBlocking(pipeEnds[1])) {
        closeEnds();
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalExit::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

SignalExit::~SignalExit()
{
    if (!notifier_)
        return;
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    closeEnds();
}

void SignalExit::readSignal()
{
    std::array<char, 16> bytes{};
    while (::read(pipeEnds[1], bytes.data(), bytes.size()) > 0) {
    }
    // exit() rather than quit(): quit() first closes the windows, and a board window asks
    // "Esci?" before it closes; exit() ends every running event loop, a dialog's included.
    QCoreApplication::exit(0);
}
