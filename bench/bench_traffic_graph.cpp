// What drawing the traffic graph costs: one DrawTrafficGraph on the "Both" tab with a full
// history of moving counters, against a baseline that only fills a picture of the same size,
// and as a share of the one second between two samples.

#include "traffic_graph.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

template <typename Work>
double microsecondsPerRun(int runs, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1e3 / runs;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QRandomGenerator random(7);
    TrafficHistory history;
    for (int i = 0; i < TrafficHistory::kLength; ++i) {
        TrafficHistory::Sample sample{};
        for (int series = 0; series < kTrafficSeriesCount; ++series)
            sample[series] = qint32(5000 * (1 + std::sin(i / 9.0 + series)) + random.bounded(800));
        history.AddMetricsSample(sample);
    }

    constexpr int kRuns = 2000;
    DrawTrafficGraph(history, GraphTab::Both); // fonts and caches warm
    const double fill = microsecondsPerRun(kRuns, [] {
        QImage image(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
    });
    qint64 checksum = 0;
    const double graph = microsecondsPerRun(
        kRuns, [&] { checksum += DrawTrafficGraph(history, GraphTab::Both).pixel(100, 100); });
    std::printf("DrawTrafficGraph, tab Both, full history: %.1f us (%.1f x filling the picture "
                "alone, %.1f us; %.4f%% of the second between samples)\n",
                graph, graph / fill, fill, graph / 1e6 * 100);
    return checksum == 42 ? 1 : 0;
}
