#include "udp_endpoint.h"

#include <QElapsedTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The kernel holds what arrives while the receiving thread is not scheduled; make that room
// large. Forcing past the system limit works only with privileges, so fall back to asking.
constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;
constexpr int kDatagramsPerRead = 64;
// How long one event-loop turn may spend in handlers before the window gets to paint.
constexpr qint64 kTurnBudgetMs = 12;
constexpr int kTimeCheckInterval = 32;
constexpr int kBurstPollMs = 1;
constexpr std::chrono::milliseconds kPauseAfterError(10);

bool isLoopback(const sockaddr_in &address)
{
    return address.sin_family == AF_INET && (ntohl(address.sin_addr.s_addr) >> 24) == 127;
}

} // namespace

UdpEndpoint::UdpEndpoint(const QHostAddress &peer, quint16 peerPort, DatagramSink sink,
                         ReceiveBatch receiveBatch, QueueLimits limits, QObject *parent)
    : QObject(parent)
    , m_peer(peer)
    , m_peerPort(peerPort)
    , m_sink(std::move(sink))
    , m_receiveBatch(std::move(receiveBatch))
    , m_limits(limits)
{
    if (!m_receiveBatch) {
        m_receiveBatch = [](int socket, mmsghdr *headers, unsigned count) {
            return ::recvmmsg(socket, headers, count, MSG_WAITFORONE, nullptr);
        };
    }
    // During a burst this thread looks for more a moment after each turn instead of being woken
    // for every few datagrams: that leaves the cores to the receiving thread and the sender.
    m_quietCheck.setSingleShot(true);
    m_quietCheck.setInterval(kBurstPollMs);
    m_quietCheck.setTimerType(Qt::PreciseTimer);
    connect(&m_quietCheck, &QTimer::timeout, this, &UdpEndpoint::checkQuiet);
    openSocket();
    if (isOpen())
        m_receiver = std::thread([this] { receiveLoop(); });
}

UdpEndpoint::~UdpEndpoint()
{
    if (m_receiver.joinable()) {
        // Shutting the receiving side wakes the thread from its wait, also on a UDP socket.
        {
            const std::lock_guard lock(m_incomingMutex);
            m_stopping = true;
        }
        m_roomFreed.notify_all();
        ::shutdown(m_socket, SHUT_RD);
        m_receiver.join();
    }
    if (m_socket >= 0)
        ::close(m_socket);
}

void UdpEndpoint::openSocket()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &kReceiveBufferBytes,
                     sizeof kReceiveBufferBytes) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &kReceiveBufferBytes, sizeof kReceiveBufferBytes);

    // Only this machine's engine may talk to us: a remote host must not inject messages.
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    local.sin_port = 0;
    socklen_t length = sizeof local;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&local), &length) != 0) {
        ::close(fd);
        return;
    }
    m_socket = fd;
    m_localPort = ntohs(local.sin_port);
}

int UdpEndpoint::receiveBufferBytes() const
{
    int bytes = 0;
    socklen_t length = sizeof bytes;
    if (!isOpen() || ::getsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &bytes, &length) != 0)
        return 0;
    return bytes;
}

void UdpEndpoint::send(const QByteArray &datagram)
{
    if (!isOpen())
        return;
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(m_peerPort);
    destination.sin_addr.s_addr = htonl(m_peer.toIPv4Address());
    // Fire and forget: a failed send is not reported, the engine's silence is the answer.
    [[maybe_unused]] const ssize_t sent =
        ::sendto(m_socket, datagram.constData(), size_t(datagram.size()), 0,
                 reinterpret_cast<const sockaddr *>(&destination), sizeof destination);
}

void UdpEndpoint::receiveLoop()
{
    // One byte more than the largest datagram we accept, so that a longer one shows as truncated.
    std::vector<char> buffers(size_t(kDatagramsPerRead) * (kMaxDatagramSize + 1));
    std::array<iovec, kDatagramsPerRead> vectors{};
    std::array<mmsghdr, kDatagramsPerRead> headers{};
    std::array<sockaddr_in, kDatagramsPerRead> senders{};
    std::vector<QByteArray> received;
    received.reserve(kDatagramsPerRead);

    for (;;) {
        const int room = waitForRoom();
        if (m_stopping.load(std::memory_order_relaxed))
            return;
        for (int i = 0; i < kDatagramsPerRead; ++i) {
            vectors[i] = {buffers.data() + size_t(i) * (kMaxDatagramSize + 1),
                          size_t(kMaxDatagramSize + 1)};
            headers[i] = {};
            headers[i].msg_hdr.msg_iov = &vectors[i];
            headers[i].msg_hdr.msg_iovlen = 1;
            headers[i].msg_hdr.msg_name = &senders[i];
            headers[i].msg_hdr.msg_namelen = sizeof(sockaddr_in);
        }
        // Sleeps until something arrives, then takes all that is there (up to a batch).
        const int count = m_receiveBatch(m_socket, headers.data(), unsigned(room));
        if (m_stopping.load(std::memory_order_relaxed))
            return;
        if (count < 0) {
            // A failed read loses at most what it would have read; the window must not go deaf.
            // An error other than the expected ones gets a pause, so a lasting one cannot spin.
            if (errno != EINTR && errno != EAGAIN && errno != ECONNREFUSED)
                std::this_thread::sleep_for(kPauseAfterError);
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const unsigned length = headers[i].msg_len;
            const bool truncated = (headers[i].msg_hdr.msg_flags & MSG_TRUNC) != 0 ||
                                   length > unsigned(kMaxDatagramSize);
            if (truncated || !isLoopback(senders[i]))
                continue;
            received.emplace_back(static_cast<const char *>(vectors[i].iov_base),
                                  qsizetype(length));
        }
        if (!received.empty())
            queueReceived(received);
    }
}

int UdpEndpoint::waitForRoom()
{
    std::unique_lock lock(m_incomingMutex);
    m_roomFreed.wait(lock, [this] {
        return m_stopping.load(std::memory_order_relaxed) ||
               (m_queued < m_limits.datagrams && m_queuedBytes < m_limits.bytes);
    });
    return std::clamp(m_limits.datagrams - m_queued, 1, kDatagramsPerRead);
}

int UdpEndpoint::peakQueued() const
{
    const std::lock_guard lock(m_incomingMutex);
    return m_peakQueued;
}

void UdpEndpoint::released(int datagrams, qint64 bytes)
{
    {
        const std::lock_guard lock(m_incomingMutex);
        m_queued -= datagrams;
        m_queuedBytes -= bytes;
    }
    m_roomFreed.notify_one();
}

void UdpEndpoint::queueReceived(std::vector<QByteArray> &received)
{
    bool postHandOver = false;
    {
        const std::lock_guard lock(m_incomingMutex);
        for (QByteArray &datagram : received) {
            ++m_queued;
            m_queuedBytes += datagram.size();
            m_incoming.push_back(std::move(datagram));
        }
        m_peakQueued = std::max(m_peakQueued, m_queued);
        postHandOver = !m_handOverPosted;
        m_handOverPosted = true;
    }
    received.clear();
    if (postHandOver)
        QMetaObject::invokeMethod(this, &UdpEndpoint::handlePending, Qt::QueuedConnection);
}

void UdpEndpoint::handlePending()
{
    takeIncoming();
    // A handler that spins an event loop must not see the next datagram before it returns.
    if (m_handling)
        return;
    m_handling = true;
    QElapsedTimer turn;
    turn.start();
    int handledThisTurn = 0;
    qint64 handledBytes = 0;
    while (!m_pending.empty()) {
        const QByteArray datagram = std::move(m_pending.front());
        m_pending.pop_front();
        handledBytes += datagram.size();
        m_sink(datagram);
        if (++handledThisTurn % kTimeCheckInterval == 0 && turn.elapsed() >= kTurnBudgetMs)
            break;
    }
    m_handling = false;
    released(handledThisTurn, handledBytes);
    if (!m_pending.empty())
        QMetaObject::invokeMethod(this, &UdpEndpoint::handlePending, Qt::QueuedConnection);
    else
        m_quietCheck.start();
}

void UdpEndpoint::takeIncoming()
{
    const std::lock_guard lock(m_incomingMutex);
    for (QByteArray &datagram : m_incoming)
        m_pending.push_back(std::move(datagram));
    m_incoming.clear();
}

void UdpEndpoint::checkQuiet()
{
    {
        const std::lock_guard lock(m_incomingMutex);
        if (m_incoming.empty()) {
            // Quiet again: the next datagram wakes this thread at once.
            m_handOverPosted = false;
            return;
        }
    }
    handlePending();
}
