#include "bench_support.h"

#include <QElapsedTimer>
#include <QFile>

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace Bench {
namespace {

int boundSocket(quint16 port, quint16 *boundPort = nullptr)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const int buffer = 8 * 1024 * 1024;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof buffer) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    if (boundPort)
        *boundPort = ntohs(address.sin_port);
    return fd;
}

void sendAll(int fd, quint16 port, const QList<QByteArray> &datagrams)
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (const QByteArray &datagram : datagrams) {
        while (::sendto(fd, datagram.constData(), size_t(datagram.size()), 0,
                        reinterpret_cast<const sockaddr *>(&to), sizeof to) < 0) {
        }
    }
}

} // namespace

quint16 freeUdpPort()
{
    quint16 port = 0;
    const int fd = boundSocket(0, &port);
    ::close(fd);
    return port;
}

double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

RawRun rawLoopback(const QList<QByteArray> &datagrams)
{
    quint16 port = 0;
    const int receiver = boundSocket(0, &port);
    std::atomic<int> received{0};
    std::atomic<qint64> lastNs{0};
    QElapsedTimer clock;
    clock.start();
    std::thread reading([&] {
        char buffer[8193];
        pollfd watched{receiver, POLLIN, 0};
        while (received < datagrams.size() && ::poll(&watched, 1, 1000) > 0) {
            while (::recv(receiver, buffer, sizeof buffer, MSG_DONTWAIT) >= 0) {
                ++received;
                lastNs = clock.nsecsElapsed();
            }
        }
    });
    const int sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    const qint64 startNs = clock.nsecsElapsed();
    sendAll(sender, port, datagrams);
    reading.join();
    ::close(sender);
    ::close(receiver);
    return {received.load(), double(lastNs.load() - startNs) / 1e9};
}

struct Blaster::State {
    quint16 port;
    QList<QByteArray> datagrams;
    std::thread thread;
};

Blaster::Blaster(quint16 port, QList<QByteArray> datagrams)
    : m_state(new State{port, std::move(datagrams), {}})
{}

Blaster::~Blaster()
{
    wait();
    delete m_state;
}

void Blaster::start()
{
    m_state->thread = std::thread([state = m_state] {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sendAll(fd, state->port, state->datagrams);
        ::close(fd);
    });
}

void Blaster::wait()
{
    if (m_state->thread.joinable())
        m_state->thread.join();
}

} // namespace Bench
