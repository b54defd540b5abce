// How the window copes with entering a big arena: the substitute engine sends, at full speed, a
// JOINS_VECTOR and an ARENA_PING for every user in it and, once the window asks for the arena's
// chat room, a JOINS_CHAT for every member. Prints the time the wire needs to deliver the burst
// to a receiver that only counts, the time until the window has handled all of it and painted,
// and the process's peak memory. Then 1,000 and 10,000 SUB_VECTOR messages under one vector, in
// name order and in reverse name order, against the time the wire needs for them.

#include "arena_users.h"
#include "bench_support.h"
#include "bench_window.h"
#include "clock.h"
#include "commands.h"
#include "composition.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_navigation.h"
#include "vector_tree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUdpSocket>

#include <cstdio>

namespace {

const QString kBigArena = QStringLiteral("Arena/Big Arena");

struct SimProcess {
    QProcess process;
    quint16 port = 0;

    SimProcess(int users)
    {
        port = Bench::freeUdpPort();
        process.start(QStringLiteral(ZOL_ENGINE_SIM),
                      {QStringLiteral("--port"), QString::number(port), QStringLiteral("--calm"),
                       QStringLiteral("--logged-in"), QStringLiteral("alice"),
                       QStringLiteral("--big-arena"), QString::number(users)});
        process.waitForReadyRead(5000);
    }
    ~SimProcess()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
};

// Runs the event loop as the program does, sleeping while nothing happens.
bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QTimer tick;
    tick.start(10);
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The burst as a receiver that only counts sees it: the time the wire needs.
double wireSeconds(quint16 port, int users)
{
    QUdpSocket socket;
    socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                           QVariant(16 * 1024 * 1024));
    const QHostAddress engine(QHostAddress::LocalHost);
    socket.writeDatagram(Command::Attach(), engine, port);
    socket.waitForReadyRead(2000);
    while (socket.hasPendingDatagrams())
        socket.receiveDatagram();

    const int expected = 3 * users;
    int counted = 0;
    QElapsedTimer timer;
    timer.start();
    socket.writeDatagram(Command::Vector(kBigArena), engine, port);
    qint64 lastNs = 0;
    bool askedForChat = false;
    while (counted < expected && socket.waitForReadyRead(2000)) {
        while (socket.hasPendingDatagrams()) {
            const QByteArray datagram = socket.receiveDatagram().data();
            if (datagram.startsWith("ZOL_CLIENT_VECTOR;") && !askedForChat) {
                socket.writeDatagram(Command::ChatMode(kBigArena), engine, port);
                askedForChat = true;
            } else if (datagram.startsWith("ZOL_CLIENT_JOINS_VECTOR;") ||
                       datagram.startsWith("ZOL_CLIENT_ARENA_PING;") ||
                       datagram.startsWith("ZOL_CLIENT_JOINS_CHAT;")) {
                ++counted;
                lastNs = timer.nsecsElapsed();
            }
        }
    }
    socket.writeDatagram(Command::Vector(QString()), engine, port); // leave it for the window
    socket.writeDatagram(Command::Detach(), engine, port);
    if (counted < expected)
        std::printf("  (the counting receiver got %d of %d)\n", counted, expected);
    return double(lastNs) / 1e9;
}

struct WindowRun {
    double handledSeconds = 0;
    double paintedSeconds = 0;
    int rows = 0;
    int paints = 0;
};

WindowRun windowSeconds(quint16 port, int users, const QString &dataFolder)
{
    Bench::QuietWindow window(dataFolder, port);
    TTovrelUIForm &form = window.form();
    if (!waitUntil([&] { return form.link().EngineAttached(); }, 5000))
        std::printf("  the window did not attach\n");
    waitUntil([] { return false; }, 300); // let the engine's state settle
    if (form.rooms().arenaUsers().rows().rowCount() != 0)
        std::printf("  the window starts with %d rows\n",
                    form.rooms().arenaUsers().rows().rowCount());

    const UserListModel &rows = form.rooms().arenaUsers().rows();
    const auto allInChat = [&] {
        return rows.rowCount() == users && rows.rowAt(users - 1) && rows.rowAt(users - 1)->inChat &&
               rows.rowAt(0)->inChat;
    };
    Bench::PaintCounter counter;
    form.findChild<QTreeView *>(QStringLiteral("UserListView"))
        ->viewport()
        ->installEventFilter(&counter);
    QElapsedTimer timer;
    timer.start();
    form.rooms().navigation().EnterVector(kBigArena);
    WindowRun run;
    waitUntil(allInChat, 30000);
    run.handledSeconds = double(timer.nsecsElapsed()) / 1e9;
    QCoreApplication::processEvents();
    form.grab(); // lays out and paints the whole window once
    run.paintedSeconds = double(timer.nsecsElapsed()) / 1e9;
    run.rows = rows.rowCount();
    run.paints = counter.paints;
    return run;
}

// The window asks for a vector's sub-vectors and gets `count` of them at full speed.
double subVectorBurst(int count, bool reverseOrder, const QString &dataFolder)
{
    QList<QByteArray> datagrams;
    for (int i = 0; i < count; ++i) {
        const int number = reverseOrder ? count - 1 - i : i;
        datagrams.append("ZOL_CLIENT_SUB_VECTOR;Arena/Wide/room " +
                         QByteArray::number(100000 + number) + ";3;0;x;8;");
    }
    const double wire = Bench::rawLoopback(datagrams).seconds;

    Bench::QuietWindow window(dataFolder);
    TTovrelUIForm &form = window.form();
    for (const char *datagram :
         {"ZOL_CLIENT_ATTACH;", "ZOL_CLIENT_USER_DATA;me;", "ZOL_CLIENT_VECTOR;Arena/Wide;0;"})
        window.receive(datagram);
    QCoreApplication::processEvents();
    VectorNavigation &navigation = form.rooms().navigation();
    QTreeWidgetItem *wide = navigation.tree().EnsureVectorNode(QStringLiteral("Arena/Wide"));

    QElapsedTimer timer;
    timer.start();
    window.blastUntil(
        datagrams,
        [&] { return wide->childCount() == count && navigation.subVectors().rowCount() == count; },
        60000);
    QCoreApplication::processEvents();
    form.grab();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%5d sub-vectors%s: wire %.3f s, in the tree and list and painted after %.3f s "
                "(%.2f x wire), %d nodes, %d rows\n",
                count, reverseOrder ? " in reverse order" : "", wire, seconds, seconds / wire,
                wide->childCount(), navigation.subVectors().rowCount());
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dataFolder;

    QList<QByteArray> sample;
    for (int i = 0; i < 30000; ++i)
        sample.append("ZOL_CLIENT_ARENA_PING;crowd" + QByteArray::number(10000 + i % 10000) +
                      ";120;2;4;03;");
    const Bench::RawRun raw = Bench::rawLoopback(sample);
    std::printf("raw loopback: %d datagrams in %.3f s = %.0f datagrams/s\n", raw.received,
                raw.seconds, raw.received / raw.seconds);

    double previous = 0;
    for (const int users : {1000, 10000}) {
        SimProcess sim(users);
        const double wire = wireSeconds(sim.port, users);
        const WindowRun window = windowSeconds(sim.port, users, dataFolder.path());
        std::printf("%5d users, %5d datagrams: wire %.3f s, window handled %.3f s, painted %.3f s "
                    "(%.2f x wire), %d rows, the user list painted %d times\n",
                    users, 3 * users, wire, window.handledSeconds, window.paintedSeconds,
                    window.paintedSeconds / wire, window.rows, window.paints);
        if (previous > 0)
            std::printf("10 times the users took %.1f times as long\n",
                        window.paintedSeconds / previous);
        previous = window.paintedSeconds;
    }
    std::printf("peak memory: %.1f MiB\n", Bench::peakResidentMiB());

    for (const bool reverseOrder : {false, true}) {
        const double small = subVectorBurst(1000, reverseOrder, dataFolder.path());
        const double large = subVectorBurst(10000, reverseOrder, dataFolder.path());
        std::printf("10 times the sub-vectors took %.1f times as long\n", large / small);
    }
    return 0;
}
