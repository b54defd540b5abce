#include "traffic_graph.h"

#include <QGuiApplication>
#include <QTest>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 0x80, 0);

TrafficHistory historyWith(int series, qint32 value, int samples = 1)
{
    TrafficHistory history;
    for (int i = 0; i < samples; ++i) {
        TrafficHistory::Sample sample{};
        sample[series] = value;
        history.AddMetricsSample(sample);
    }
    return history;
}

} // namespace

class TestTrafficGraph : public QObject {
    Q_OBJECT

private slots:
    void scalesToTheShownSeries_data();
    void scalesToTheShownSeries();
    void wrapsTheRingAfter180Samples();
    void movesTheVerticalGridWithTheRing_data();
    void movesTheVerticalGridWithTheRing();
    void drawsACurveOnItsRow_data();
    void drawsACurveOnItsRow();
    void leavesTheEndPointOfALineOut_data();
    void leavesTheEndPointOfALineOut();
};

void TestTrafficGraph::scalesToTheShownSeries_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("tab");
    QTest::addColumn<qint64>("top");
    QTest::addColumn<qint64>("step");

    QTest::newRow("all 0") << int(EngineLeft) << 0 << int(GraphTab::Both) << qint64(221)
                           << qint64(50);
    QTest::newRow("1000") << int(ChatRight) << 1000 << int(GraphTab::Engine) << qint64(1022)
                          << qint64(500);
    QTest::newRow("2,500,000") << int(DirectLeft) << 2'500'000 << int(GraphTab::Packet)
                               << qint64(2'556'561) << qint64(250'000);
    QTest::newRow("the 32-bit limit does not wrap")
        << int(EngineRight) << 2'147'483'647 << int(GraphTab::Both) << qint64(2'196'069'249)
        << qint64(219'600'000);
    QTest::newRow("a large value on a hidden tab's series")
        << int(OrbLeft) << 1'000'000 << int(GraphTab::Packet) << qint64(221) << qint64(50);
    QTest::newRow("negative values leave the floor")
        << int(BroadcastLeft) << -5000 << int(GraphTab::Both) << qint64(221) << qint64(50);
    QTest::newRow("just above the picture")
        << int(DirectRight) << 222 << int(GraphTab::Packet) << qint64(227) << qint64(50);
}

void TestTrafficGraph::scalesToTheShownSeries()
{
    QFETCH(int, series);
    QFETCH(qint32, value);
    QFETCH(int, tab);
    QFETCH(qint64, top);
    QFETCH(qint64, step);

    const GraphScale scale = ScaleOf(historyWith(series, value), GraphTab(tab));
    QCOMPARE(scale.top, top);
    QCOMPARE(scale.step, step);
}

void TestTrafficGraph::wrapsTheRingAfter180Samples()
{
    TrafficHistory history;
    for (int i = 1; i <= 180; ++i)
        history.AddMetricsSample({i});
    // The first sample went to position 1; the 180th overwrote position 0.
    QCOMPARE(history.HistoryIndex(), 0);
    QCOMPARE(history.valueAtPosition(EngineLeft, 1), 1);
    QCOMPARE(history.valueAtPosition(EngineLeft, 0), 180);
    QCOMPARE(history.valueAt(EngineLeft, 0), 180);
    QCOMPARE(history.valueAt(EngineLeft, 179), 1);
    history.AddMetricsSample({181});
    QCOMPARE(history.valueAtPosition(EngineLeft, 1), 181);
}

void TestTrafficGraph::movesTheVerticalGridWithTheRing_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<QList<int>>("columns");

    QTest::newRow("HistoryIndex 0") << 0 << QList<int>{0, 30, 60, 90, 120, 150};
    QTest::newRow("HistoryIndex 1") << 1 << QList<int>{29, 59, 89, 119, 149};
    QTest::newRow("HistoryIndex 31") << 31 << QList<int>{29, 59, 89, 119, 149};
    QTest::newRow("HistoryIndex 179") << 179 << QList<int>{1, 31, 61, 91, 121, 151};
}

void TestTrafficGraph::movesTheVerticalGridWithTheRing()
{
    QFETCH(int, samples);
    QFETCH(QList<int>, columns);

    TrafficHistory history;
    for (int i = 0; i < samples; ++i)
        history.AddMetricsSample({});
    const QImage graph = DrawTrafficGraph(history, GraphTab::Packet);
    QCOMPARE(graph.size(), QSize(173, 221));
    // Row 1 lies above every label and horizontal line.
    QList<int> green;
    for (int x = 0; x < graph.width(); ++x) {
        if (graph.pixel(x, 1) == kGreen)
            green.append(x);
        else
            QCOMPARE(graph.pixel(x, 1), kBlack);
    }
    QCOMPARE(green, columns);
    // A grid line runs down to the row above the bottom one.
    QCOMPARE(graph.pixel(columns.last(), 219), kGreen);
}

void TestTrafficGraph::drawsACurveOnItsRow_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("0 on the bottom row, white on top of the rest")
        << int(EngineRight) << 0 << int(GraphTab::Both) << 220 << qRgb(255, 255, 255);
    QTest::newRow("100 of 221") << int(ChatRight) << 100 << int(GraphTab::Engine) << 120
                                << qRgb(255, 255, 0);
    QTest::newRow("lime direct right")
        << int(BroadcastRight) << 50 << int(GraphTab::Packet) << 170 << qRgb(0, 255, 0);
    QTest::newRow("1000 of 1022") << int(DirectLeft) << 1000 << int(GraphTab::Packet)
                                  << 220 - (221 * 1000) / 1022 << qRgb(0, 0, 255);
}

void TestTrafficGraph::drawsACurveOnItsRow()
{
    QFETCH(int, series);
    QFETCH(qint32, value);
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QRgb, colour);

    const QImage graph = DrawTrafficGraph(historyWith(series, value, 180), GraphTab(tab));
    // Away from the labels at the left, the curve is one flat line on its row.
    for (const int x : {60, 100, 171, 172})
        QCOMPARE(graph.pixel(x, row), colour);
    QVERIFY(graph.pixel(100, row - 1) != colour);
}

void TestTrafficGraph::leavesTheEndPointOfALineOut_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pixels");

    QTest::newRow("horizontal") << QPoint(1, 5) << QPoint(8, 5) << 7;
    QTest::newRow("vertical") << QPoint(4, 9) << QPoint(4, 2) << 7;
    QTest::newRow("steep, one column to the left") << QPoint(9, 1) << QPoint(8, 9) << 8;
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(5, 5) << 5;
    QTest::newRow("a point") << QPoint(3, 3) << QPoint(3, 3) << 0;
}

void TestTrafficGraph::leavesTheEndPointOfALineOut()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, pixels);

    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(kBlack);
    DrawLineTo(image, from, to, kGreen);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) == kGreen;
    }
    QCOMPARE(drawn, pixels);
    QCOMPARE(image.pixel(to), kBlack);
    if (pixels > 0)
        QCOMPARE(image.pixel(from), kGreen);
}

QTEST_MAIN(TestTrafficGraph)
#include "tst_traffic_graph.moc"
