#pragma once

#include <QImage>
#include <QPoint>

#include <array>

// The counters the engine reports, one series each, in the order the graph keeps them.
enum TrafficSeries {
    EngineLeft,
    EngineRight,
    ChatLeft,
    ChatRight,
    OrbLeft,
    OrbRight,
    BroadcastLeft,
    BroadcastRight,
    DirectLeft,
    DirectRight,
    kTrafficSeriesCount
};

// Which curves the graph shows: the tabs of the diagnostics window, in their order.
enum class GraphTab { Both = 0, Engine = 1, Packet = 2 };

// The last 180 samples of every counter, in rings that share one position.
class TrafficHistory {
public:
    static constexpr int kLength = 180;
    using Sample = std::array<qint32, kTrafficSeriesCount>;

    int HistoryIndex() const { return m_index; }
    // Steps the ring and stores the sample at the new position.
    void AddMetricsSample(const Sample &sample);
    // The value `age` samples before the newest.
    qint32 valueAt(int series, int age) const;
    qint32 valueAtPosition(int series, int position) const { return m_rings[series][position]; }

private:
    std::array<std::array<qint32, kLength>, kTrafficSeriesCount> m_rings{};
    int m_index = 0;
};

// The height of the scale and the distance between its grid lines.
struct GraphScale {
    qint64 top = 0;
    qint64 step = 0;
};

inline constexpr int kGraphWidth = 173;
inline constexpr int kGraphHeight = 221;

GraphScale ScaleOf(const TrafficHistory &history, GraphTab tab);
// The graph of the history as the tab shows it, 173 by 221 pixels: drawn from these two alone.
QImage DrawTrafficGraph(const TrafficHistory &history, GraphTab tab);

// A one-pixel line from `from` towards `to`, as a line-to draws it: every pixel on the way but
// the end point itself. Pixels outside the image are left out.
void DrawLineTo(QImage &image, QPoint from, QPoint to, QRgb colour);
