#include "traffic_graph.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int W = kGraphWidth;
constexpr int H = kGraphHeight;
constexpr int kVerticalGridSpacing = 30;
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGridGreen = qRgb(0x00, 0x80, 0x00);
const QColor kShadowGrey(0x80, 0x80, 0x80);
const QColor kLabelWhite(0xFF, 0xFF, 0xFF);

struct Curve {
    TrafficSeries series;
    QRgb colour;
};

// Drawn in this order: in "Both" the packet curves lie under the engine curves.
constexpr Curve kPacketCurves[] = {{DirectLeft, 0xFF0000FF},
                                   {BroadcastLeft, 0xFF00FFFF},
                                   {DirectRight, 0xFF008000},
                                   {BroadcastRight, 0xFF00FF00}};
constexpr Curve kEngineCurves[] = {{ChatLeft, 0xFFFFFBF0},   {ChatRight, 0xFFFFFF00},
                                   {OrbLeft, 0xFF800080},    {OrbRight, 0xFFFF00FF},
                                   {EngineLeft, 0xFF808080}, {EngineRight, 0xFFFFFFFF}};

bool showsEngine(GraphTab tab)
{
    return tab == GraphTab::Both || tab == GraphTab::Engine;
}

bool showsPackets(GraphTab tab)
{
    return tab == GraphTab::Both || tab == GraphTab::Packet;
}

// The row of a value: 0 on the bottom row, top one pixel above the picture. In 64 bits, so
// that a counter near the 32-bit limit does not wrap.
int rowOf(qint64 value, qint64 top)
{
    const qint64 row = (H - 1) - (qint64(H) * value) / top;
    return int(std::clamp<qint64>(row, -1'000'000, 1'000'000));
}

qint64 stepFor(qint64 top)
{
    constexpr std::pair<qint64, qint64> kSteps[] = {
        {500, 50},       {1'000, 100},      {5'000, 500},      {10'000, 1'000},
        {50'000, 5'000}, {100'000, 10'000}, {500'000, 50'000}, {1'000'000, 100'000}};
    for (const auto &[limit, step] : kSteps) {
        if (top <= limit)
            return step;
    }
    return (top / 100'000) * 10'000;
}

void plot(QImage &image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb *>(image.scanLine(y))[x] = colour;
}

QFont labelFont()
{
    QFont font;
    font.setPixelSize(10);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

void TrafficHistory::AddMetricsSample(const Sample &sample)
{
    m_index = (m_index + 1) % kLength;
    for (int series = 0; series < kTrafficSeriesCount; ++series)
        m_rings[series][m_index] = sample[series];
}

qint32 TrafficHistory::valueAt(int series, int age) const
{
    const int position = ((m_index - age) % kLength + kLength) % kLength;
    return m_rings[series][position];
}

GraphScale ScaleOf(const TrafficHistory &history, GraphTab tab)
{
    qint64 top = H;
    const auto raiseTo = [&](std::initializer_list<TrafficSeries> series) {
        for (const TrafficSeries s : series) {
            for (int age = 0; age < W; ++age)
                top = std::max<qint64>(top, history.valueAt(s, age));
        }
    };
    if (showsEngine(tab))
        raiseTo({EngineRight, EngineLeft, OrbRight, OrbLeft, ChatRight, ChatLeft});
    if (showsPackets(tab))
        raiseTo({BroadcastRight, BroadcastLeft, DirectRight, DirectLeft});
    if (top > H)
        top += (top * 5) / H; // a few pixels of headroom
    return {top, stepFor(top)};
}

void DrawLineTo(QImage &image, QPoint from, QPoint to, QRgb colour)
{
    // Bresenham along the longer axis; the end point is where the next line starts.
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = to.x() > from.x() ? 1 : -1;
    const int sy = to.y() > from.y() ? 1 : -1;
    int x = from.x();
    int y = from.y();
    if (dx >= dy) {
        int error = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            plot(image, x, y, colour);
            if (error > 0) {
                y += sy;
                error -= 2 * dx;
            }
            error += 2 * dy;
            x += sx;
        }
    } else {
        int error = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            plot(image, x, y, colour);
            if (error > 0) {
                x += sx;
                error -= 2 * dy;
            }
            error += 2 * dx;
            y += sy;
        }
    }
}

QImage DrawTrafficGraph(const TrafficHistory &history, GraphTab tab)
{
    const GraphScale scale = ScaleOf(history, tab);
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(kBlack);

    // The vertical grid moves one pixel to the left with every sample, with the curves.
    for (int x = (kVerticalGridSpacing - history.HistoryIndex()) % kVerticalGridSpacing; x < W;
         x += kVerticalGridSpacing)
        DrawLineTo(image, QPoint(x, 0), QPoint(x, H - 1), kGridGreen);
    for (qint64 v = 0; v < scale.top; v += scale.step) {
        const int y = rowOf(v, scale.top);
        DrawLineTo(image, QPoint(0, y), QPoint(W, y), kGridGreen);
    }

    const auto drawCurve = [&](const Curve &curve) {
        QPoint from(W - 1, rowOf(history.valueAt(curve.series, 0), scale.top));
        for (int age = 1; age <= std::min(W, TrafficHistory::kLength - 1); ++age) {
            const QPoint to(W - 1 - age, rowOf(history.valueAt(curve.series, age), scale.top));
            DrawLineTo(image, from, to, curve.colour);
            from = to;
        }
    };
    if (showsPackets(tab))
        std::for_each(std::begin(kPacketCurves), std::end(kPacketCurves), drawCurve);
    if (showsEngine(tab))
        std::for_each(std::begin(kEngineCurves), std::end(kEngineCurves), drawCurve);

    // The labels: a grey shadow one pixel right of and below the white text, which stands
    // just above its grid line.
    QPainter painter(&image);
    painter.setFont(labelFont());
    const QFontMetrics metrics(painter.font());
    for (const auto &[colour, shift] : {std::pair{kShadowGrey, 1}, std::pair{kLabelWhite, 0}}) {
        painter.setPen(colour);
        for (qint64 v = 0; v < scale.top; v += scale.step) {
            const QString text = QString::number(v);
            const int y = rowOf(v, scale.top);
            const int width = metrics.horizontalAdvance(text);
            const QRect box(QPoint(1 + shift, y - metrics.height() + shift),
                            QPoint(width + shift, y - 1 + shift));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, text);
        }
    }
    return image;
}
