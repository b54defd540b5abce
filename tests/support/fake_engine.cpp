#include "fake_engine.h"

#include <QNetworkDatagram>
#include <QTest>

FakeEngine::FakeEngine(quint16 port)
{
    m_socket.bind(QHostAddress(QHostAddress::LocalHost), port);
    QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] { drain(); });
}

void FakeEngine::drain()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        m_lastSenderPort = quint16(datagram.senderPort());
        m_received.append(datagram.data());
    }
}

void FakeEngine::sendTo(quint16 frontEndPort, const QByteArray &datagram)
{
    m_socket.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), frontEndPort);
}

bool FakeEngine::waitForReceived(qsizetype count, std::chrono::milliseconds timeout)
{
    return QTest::qWaitFor(
        [&] {
            drain();
            return m_received.size() >= count;
        },
        int(timeout.count()));
}

QList<QByteArray> FakeEngine::settle(std::chrono::milliseconds quiet)
{
    QTest::qWait(int(quiet.count()));
    drain();
    return m_received;
}

QList<QByteArray> FakeEngine::received()
{
    drain();
    return m_received;
}
