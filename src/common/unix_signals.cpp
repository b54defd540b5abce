#include "unix_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A signal handler can reach nothing but a plain variable; it only writes to this socket.
int g_signalSocket = -1;

void onSignal(int signalNumber)
{
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket, &number, 1);
}
} // namespace

UnixSignalWatcher::UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent)
    , m_signalNumbers(signalNumbers)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_sockets) != 0)
        return;
    g_signalSocket = m_sockets[0];
    m_notifier = new QSocketNotifier(m_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : signalNumbers)
        ::sigaction(number, &action, nullptr);
}

UnixSignalWatcher::~UnixSignalWatcher()
{
    for (const int number : m_signalNumbers)
        ::signal(number, SIG_DFL);
    g_signalSocket = -1;
    for (const int socket : m_sockets) {
        if (socket >= 0)
            ::close(socket);
    }
}

void UnixSignalWatcher::readSignal()
{
    unsigned char number = 0;
    if (::read(m_sockets[1], &number, 1) == 1)
        Q_EMIT received(number);
}
