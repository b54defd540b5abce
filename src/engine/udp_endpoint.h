#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct mmsghdr;

// How much may wait for the GUI thread. Past it the receiving thread stops reading and the
// kernel's buffer holds the rest, so no flood can take the program's memory; an arena's burst of
// tens of thousands passes whole.
struct DatagramQueueLimits {
    int datagrams = 65536;
    qint64 bytes = 64 * 1024 * 1024;
};

// The one UDP socket of the front-end: the source of every command and the receiver of every
// message. A thread of its own only drains the socket into a queue, so a burst is not lost while
// the GUI thread is busy; the GUI thread hands the queued datagrams to the sink in arrival order,
// many per event-loop turn but never so many that the window stops painting. It is a plain POSIX
// socket: the receiving thread reads it while the GUI thread sends on it, which a QUdpSocket,
// bound to one thread, does not allow.
class UdpEndpoint : public QObject {
    Q_OBJECT

public:
    using DatagramSink = std::function<void(const QByteArray &)>;
    // How the receiving thread reads a batch: recvmmsg(2) on the socket, waiting for one. Tests
    // put a failing read in its place.
    using ReceiveBatch = std::function<int(int socket, mmsghdr *headers, unsigned count)>;

    static constexpr qsizetype kMaxDatagramSize = 8192;
    using QueueLimits = DatagramQueueLimits;

    // Binds to an ephemeral port on the loopback interface; commands go to peer:peerPort.
    UdpEndpoint(const QHostAddress &peer, quint16 peerPort, DatagramSink sink,
                ReceiveBatch receiveBatch = {}, QueueLimits limits = QueueLimits(),
                QObject *parent = nullptr);
    ~UdpEndpoint() override;

    bool isOpen() const { return m_socket >= 0; }
    quint16 localPort() const { return m_localPort; }
    // What the kernel holds for us while the receiving thread waits for a core, in bytes.
    int receiveBufferBytes() const;

    // The most datagrams that ever waited for the GUI thread at once.
    int peakQueued() const;

    // One datagram, no queue, no retry: a command sent while nobody listens is lost.
    void send(const QByteArray &datagram);

private:
    void openSocket();
    void receiveLoop();
    void queueReceived(std::vector<QByteArray> &received);
    void handlePending();
    void takeIncoming();
    void checkQuiet();
    // Waits until there is room for more; the number of datagrams that may be read now.
    int waitForRoom();
    void released(int datagrams, qint64 bytes);

    int m_socket = -1;
    std::atomic<bool> m_stopping{false};
    quint16 m_localPort = 0;
    QHostAddress m_peer;
    quint16 m_peerPort;
    DatagramSink m_sink;
    ReceiveBatch m_receiveBatch;
    std::thread m_receiver;

    QueueLimits m_limits;
    mutable std::mutex m_incomingMutex;
    std::condition_variable m_roomFreed;
    std::vector<QByteArray> m_incoming; // guarded by m_incomingMutex
    bool m_handOverPosted = false;      // guarded by m_incomingMutex
    int m_queued = 0;                   // waiting in m_incoming or m_pending; guarded
    qint64 m_queuedBytes = 0;           // guarded by m_incomingMutex
    int m_peakQueued = 0;               // guarded by m_incomingMutex

    std::deque<QByteArray> m_pending; // GUI thread only
    bool m_handling = false;
    QTimer m_quietCheck;
};
