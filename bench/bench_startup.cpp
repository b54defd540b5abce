// How quickly TovrelUI starts and how much memory it holds when idle, beside a minimal Qt
// Widgets program that shows one window, measured in the same run: the time from starting the
// process to its first datagram on the engine's port, and the resident memory a second later.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>

namespace {

struct Start {
    double milliseconds = 0;
    double residentMiB = 0;
};

double residentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

Start startOnce(const QString &program, QUdpSocket &engine)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    while (engine.hasPendingDatagrams())
        engine.receiveDatagram();

    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    Start start;
    while (timer.elapsed() < 10000) {
        if (engine.waitForReadyRead(10) &&
            engine.receiveDatagram().data() == "ZOL_CLIENT_DISCOVER;") {
            start.milliseconds = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    start.residentMiB = residentMiB(process.processId());
    process.terminate();
    process.waitForFinished(3000);
    return start;
}

Start median(const QString &program, QUdpSocket &engine, int runs)
{
    QList<double> times;
    QList<double> memory;
    for (int i = 0; i < runs; ++i) {
        const Start start = startOnce(program, engine);
        times.append(start.milliseconds);
        memory.append(start.residentMiB);
    }
    std::sort(times.begin(), times.end());
    std::sort(memory.begin(), memory.end());
    return {times[runs / 2], memory[runs / 2]};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QUdpSocket engine;
    if (!engine.bind(QHostAddress(QHostAddress::LocalHost), 34522)) {
        std::printf("the engine's port 34522 is taken; stop the engine and try again\n");
        return 1;
    }
    constexpr int kRuns = 5;
    median(QStringLiteral(TOVRELUI), engine, 1); // the system's caches warm for both
    const Start minimal = median(QStringLiteral(MINIMAL_WINDOW), engine, kRuns);
    const Start tovrelui = median(QStringLiteral(TOVRELUI), engine, kRuns);
    std::printf("minimal Qt window: first datagram after %.0f ms, %.1f MiB resident when idle\n",
                minimal.milliseconds, minimal.residentMiB);
    std::printf("TovrelUI:          first datagram after %.0f ms, %.1f MiB resident when idle\n",
                tovrelui.milliseconds, tovrelui.residentMiB);
    std::printf("TovrelUI takes %.2f times as long to start and %.1f MiB more memory "
                "(medians of %d starts)\n",
                tovrelui.milliseconds / minimal.milliseconds,
                tovrelui.residentMiB - minimal.residentMiB, kRuns);
    return 0;
}
