#include "gui/platform/sessionend.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

SessionEnd *catching = nullptr;   // the one object that catches the signals

#ifdef Q_OS_UNIX
int wakeFds[2] = {-1, -1};

// A signal handler may do next to nothing: it hands the number to the window thread.
void onSignal(int signalNumber)
{
    const char byte = char(signalNumber);
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
    errno = saved;
}
#endif

} // namespace

SessionEnd::SessionEnd(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::deliver);
    catching = this;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signalNumber, &action, nullptr);
#endif
}

void SessionEnd::deliver()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    while (::read(wakeFds[0], &byte, 1) == 1)
        emit ending(int(byte));
#endif
}

void SessionEnd::deliverPending()
{
    if (catching)
        catching->deliver();
}

SessionEnd::~SessionEnd()
{
    if (catching == this)
        catching = nullptr;
#ifdef Q_OS_UNIX
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signalNumber : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signalNumber, &action, nullptr);
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
#endif
}

void SessionEnd::exitNow(int status)
{
#ifdef Q_OS_UNIX
    ::_exit(status);
#else
    std::_Exit(status);
#endif
}
