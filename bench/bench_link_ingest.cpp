// How fast the engine link takes in datagrams, against what the loopback interface delivers to a
// receiver that only counts: 20,000 datagrams sent at full speed from one socket, handled through
// the real socket, receiving thread, queue and dispatcher with a handler that does nothing.

#include "bench_support.h"
#include "engine_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kBurst = 20000;

struct IngestRun {
    int handled = 0;
    double seconds = 0;
};

IngestRun ingest(const QList<QByteArray> &datagrams, int busyMs)
{
    EngineLink link(EngineAddress{QHostAddress(QHostAddress::LocalHost), Bench::freeUdpPort()});
    int handled = 0;
    qint64 lastNs = 0;
    QElapsedTimer clock;
    link.dispatcher().registerHandler(MessageKind::Status, [&](FieldReader) {
        ++handled;
        lastNs = clock.nsecsElapsed();
    });
    Bench::Blaster blaster(link.endpoint().localPort(), datagrams);
    clock.start();
    blaster.start();
    if (busyMs > 0)
        QThread::msleep(ulong(busyMs)); // the window is busy elsewhere meanwhile
    QElapsedTimer patience;
    patience.start();
    QTimer tick;
    tick.start(10);
    while (handled < datagrams.size() && patience.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    blaster.wait();
    return {handled, double(lastNs) / 1e9};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QList<QByteArray> datagrams;
    for (int i = 0; i < kBurst; ++i)
        datagrams.append("ZOL_CLIENT_STATUS;" + QByteArray::number(i) + ";");

    const Bench::RawRun raw = Bench::rawLoopback(datagrams);
    const double rawRate = raw.received / raw.seconds;
    std::printf("raw loopback:      %5d of %d received, %.0f datagrams/s\n", raw.received, kBurst,
                rawRate);

    const IngestRun link = ingest(datagrams, 0);
    const double linkRate = link.handled / link.seconds;
    std::printf(
        "engine link:       %5d of %d handled,  %.0f datagrams/s (%.0f%% of raw), lost %d\n",
        link.handled, kBurst, linkRate, 100 * linkRate / rawRate, kBurst - link.handled);

    const IngestRun busy = ingest(datagrams, 300);
    std::printf("link, GUI busy 300 ms: %5d of %d handled, lost %d\n", busy.handled, kBurst,
                kBurst - busy.handled);
    return 0;
}
