#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct mmsghdr;

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

    // Binds to an ephemeral port on the loopback interface; commands go to peer:peerPort.
    UdpEndpoint(const QHostAddress &peer, quint16 peerPort, DatagramSink sink,
                ReceiveBatch receiveBatch = {}, QObject *parent = nullptr);
    ~UdpEndpoint() override;

    bool isOpen() const { return m_socket >= 0; }
    quint16 localPort() const { return m_localPort; }
    // What the kernel holds for us while the receiving thread waits for a core, in bytes.
    int receiveBufferBytes() const;

    // One datagram, no queue, no retry: a command sent while nobody listens is lost.
    void send(const QByteArray &datagram);

private:
    void openSocket();
    void receiveLoop();
    void queueReceived(std::vector<QByteArray> &received);
    void handlePending();
    void takeIncoming();
    void checkQuiet();

    int m_socket = -1;
    std::atomic<bool> m_stopping{false};
    quint16 m_localPort = 0;
    QHostAddress m_peer;
    quint16 m_peerPort;
    DatagramSink m_sink;
    ReceiveBatch m_receiveBatch;
    std::thread m_receiver;

    std::mutex m_incomingMutex;
    std::vector<QByteArray> m_incoming; // guarded by m_incomingMutex
    bool m_handOverPosted = false;      // guarded by m_incomingMutex

    std::deque<QByteArray> m_pending; // GUI thread only
    bool m_handling = false;
    QTimer m_quietCheck;
};
