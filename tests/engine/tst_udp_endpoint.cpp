#include "fake_engine.h"
#include "udp_endpoint.h"

#include <QNetworkInterface>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Sends numbered datagrams as fast as the kernel takes them, from a thread of its own.
void blast(quint16 port, int count)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < count; ++i) {
        const QByteArray datagram = "ZOL_CLIENT_CHAT;" + QByteArray::number(i) + ";";
        while (::sendto(fd, datagram.constData(), size_t(datagram.size()), 0,
                        reinterpret_cast<const sockaddr *>(&to), sizeof to) < 0) {
        }
    }
    ::close(fd);
}

} // namespace

class TestUdpEndpoint : public QObject {
    Q_OBJECT

private slots:
    void acceptsUpToTheBufferSize_data();
    void acceptsUpToTheBufferSize();
    void dropsSendersOffThisMachine();
    void sendsFromItsOwnSocket();
    void keepsEveryDatagramInOrderWhileBusy();
    void boundsWhatWaitsForTheWindow();
    void goesOnReceivingAfterAReadFails_data();
    void goesOnReceivingAfterAReadFails();
};

void TestUdpEndpoint::acceptsUpToTheBufferSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("handled");

    QTest::newRow("8192 bytes") << 8192 << true;
    QTest::newRow("8193 bytes") << 8193 << false;
    QTest::newRow("empty") << 0 << true;
}

void TestUdpEndpoint::acceptsUpToTheBufferSize()
{
    QFETCH(int, size);
    QFETCH(bool, handled);

    QList<QByteArray> received;
    FakeEngine engine;
    UdpEndpoint endpoint(engine.address(), engine.port(),
                         [&](const QByteArray &datagram) { received.append(datagram); });
    QVERIFY(endpoint.isOpen());

    engine.sendTo(endpoint.localPort(), QByteArray(size, 'x'));
    engine.sendTo(endpoint.localPort(), "after");

    QTRY_VERIFY(received.contains("after"));
    QCOMPARE(received.size(), handled ? 2 : 1);
    if (handled)
        QCOMPARE(received.first().size(), size);
}

void TestUdpEndpoint::dropsSendersOffThisMachine()
{
    QHostAddress outside;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            outside = address;
    }
    if (outside.isNull())
        QSKIP("this machine has no address outside the loopback interface");

    QList<QByteArray> received;
    FakeEngine engine;
    UdpEndpoint endpoint(engine.address(), engine.port(),
                         [&](const QByteArray &datagram) { received.append(datagram); });
    QUdpSocket stranger;
    QVERIFY(stranger.bind(outside, 0));
    QVERIFY(stranger.writeDatagram("ZOL_CLIENT_DETACH;", QHostAddress(QHostAddress::LocalHost),
                                   endpoint.localPort()) > 0);
    engine.sendTo(endpoint.localPort(), "ZOL_CLIENT_ATTACH;");

    QTRY_COMPARE(received, QList<QByteArray>{"ZOL_CLIENT_ATTACH;"});
    QTest::qWait(50);
    QCOMPARE(received, QList<QByteArray>{"ZOL_CLIENT_ATTACH;"});
}

void TestUdpEndpoint::sendsFromItsOwnSocket()
{
    FakeEngine engine;
    UdpEndpoint endpoint(engine.address(), engine.port(), [](const QByteArray &) {});

    endpoint.send("ZOL_CLIENT_DISCOVER;");

    QVERIFY(engine.waitForReceived(1));
    QCOMPARE(engine.received(), QList<QByteArray>{"ZOL_CLIENT_DISCOVER;"});
    QCOMPARE(engine.lastSenderPort(), endpoint.localPort());
}

void TestUdpEndpoint::keepsEveryDatagramInOrderWhileBusy()
{
    constexpr int kBurst = 20000;
    QList<QByteArray> received;
    received.reserve(kBurst);
    FakeEngine engine;
    UdpEndpoint endpoint(engine.address(), engine.port(),
                         [&](const QByteArray &datagram) { received.append(datagram); });
    // With the kernel's default cap on receive buffers (net.core.rmem_max, about 200 KiB) no
    // receiver, however plain, keeps every datagram of a full-speed burst when cores are scarce.
    if (endpoint.receiveBufferBytes() < 2 * 1024 * 1024)
        QSKIP(qPrintable(QStringLiteral("the system gives the socket only %1 bytes of receive "
                                        "buffer; raise net.core.rmem_max")
                             .arg(endpoint.receiveBufferBytes())));

    QThread *sender = QThread::create(blast, endpoint.localPort(), kBurst);
    sender->start();
    QThread::msleep(300); // the GUI thread is busy while the burst arrives
    QVERIFY(sender->wait(10000));
    delete sender;

    QTRY_COMPARE_WITH_TIMEOUT(received.size(), kBurst, 10000);
    for (int i = 0; i < kBurst; ++i)
        QCOMPARE(received.at(i), "ZOL_CLIENT_CHAT;" + QByteArray::number(i) + ";");
}

void TestUdpEndpoint::boundsWhatWaitsForTheWindow()
{
    constexpr int kBurst = 3000;
    QList<QByteArray> received;
    FakeEngine engine;
    UdpEndpoint endpoint(engine.address(), engine.port(),
                         [&](const QByteArray &datagram) { received.append(datagram); }, {},
                         {.datagrams = 200, .bytes = 1024 * 1024});
    if (endpoint.receiveBufferBytes() < 1024 * 1024)
        QSKIP("the system gives the socket too small a receive buffer for this burst");

    QThread *sender = QThread::create(blast, endpoint.localPort(), kBurst);
    sender->start();
    QThread::msleep(300); // the window is busy: the queue fills up to its bound, no further
    QVERIFY(sender->wait(10000));
    delete sender;
    QVERIFY2(endpoint.peakQueued() <= 200, qPrintable(QString::number(endpoint.peakQueued())));

    // The kernel held the rest: nothing is lost and the order stands.
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), kBurst, 10000);
    for (int i = 0; i < kBurst; ++i)
        QCOMPARE(received.at(i), "ZOL_CLIENT_CHAT;" + QByteArray::number(i) + ";");
}

void TestUdpEndpoint::goesOnReceivingAfterAReadFails_data()
{
    QTest::addColumn<int>("error");

    QTest::newRow("EIO") << EIO;
    QTest::newRow("ENOMEM") << ENOMEM;
    QTest::newRow("EHOSTUNREACH") << EHOSTUNREACH;
}

void TestUdpEndpoint::goesOnReceivingAfterAReadFails()
{
    QFETCH(int, error);

    std::atomic<int> failuresLeft{2};
    const auto failingTwice = [&](int socket, mmsghdr *headers, unsigned count) {
        if (failuresLeft.fetch_sub(1) > 0) {
            errno = error;
            return -1;
        }
        return ::recvmmsg(socket, headers, count, MSG_WAITFORONE, nullptr);
    };
    QList<QByteArray> received;
    FakeEngine engine;
    UdpEndpoint endpoint(
        engine.address(), engine.port(),
        [&](const QByteArray &datagram) { received.append(datagram); }, failingTwice);

    QTRY_VERIFY(failuresLeft.load() <= 0);
    engine.sendTo(endpoint.localPort(), "ZOL_CLIENT_ATTACH;");

    QTRY_COMPARE(received, QList<QByteArray>{"ZOL_CLIENT_ATTACH;"});
}

QTEST_GUILESS_MAIN(TestUdpEndpoint)
#include "tst_udp_endpoint.moc"
