#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QUdpSocket>

#include <chrono>

// The engine's side of the wire, for tests: listens on an ephemeral loopback port, keeps what it
// receives and sends messages to the front-end's socket.
class FakeEngine {
public:
    explicit FakeEngine(quint16 port = 0);

    quint16 port() const { return m_socket.localPort(); }
    QHostAddress address() const { return QHostAddress(QHostAddress::LocalHost); }

    void sendTo(quint16 frontEndPort, const QByteArray &datagram);

    // Waits until at least count datagrams have arrived in all; false on time-out.
    bool waitForReceived(qsizetype count,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Gives stray datagrams a moment to arrive, then returns everything received so far.
    QList<QByteArray> settle(std::chrono::milliseconds quiet = std::chrono::milliseconds(100));

    QList<QByteArray> received();
    void clear() { m_received.clear(); }
    quint16 lastSenderPort() const { return m_lastSenderPort; }

private:
    void drain();

    QUdpSocket m_socket;
    QList<QByteArray> m_received;
    quint16 m_lastSenderPort = 0;
};
