#include "network_report.h"

#include "message.h"

#include <QNetworkInterface>

#include <cmath>

namespace {

// A level between 0 and 1 that swings with the given period, so the graph has a shape.
double swing(double seconds, double periodSeconds, double phase)
{
    return 0.5 + 0.5 * std::sin(2 * M_PI * seconds / periodSeconds + phase);
}

QString firstNetworkCard()
{
    for (const QNetworkInterface &card : QNetworkInterface::allInterfaces()) {
        if (!(card.flags() & QNetworkInterface::IsLoopBack) &&
            (card.flags() & QNetworkInterface::IsUp))
            return card.humanReadableName();
    }
    return QStringLiteral("eth0");
}

} // namespace

NetworkReport::NetworkReport(quint32 seed)
    : m_random(seed)
    , m_networkCard(firstNetworkCard())
{
    m_clock.start();
}

QByteArray NetworkReport::metricsMessage()
{
    const double seconds = double(m_clock.elapsed()) / 1000;
    if (m_burstLeft == 0 && m_random.bounded(30) == 0)
        m_burstLeft = 3 + int(m_random.bounded(5)); // a game starts: a few busy seconds
    const double burst = m_burstLeft > 0 ? 4.0 : 1.0;
    if (m_burstLeft > 0)
        --m_burstLeft;
    const auto counter = [&](double base, double period, double phase) {
        const double noise = 0.85 + 0.3 * m_random.generateDouble();
        return qint64(base * burst * noise * (0.2 + swing(seconds, period, phase)));
    };

    const qint64 engineUp = counter(1800, 240, 0.0);
    const qint64 broadcastUp = counter(40, 300, 1.0);
    const qint64 directUp = counter(220, 200, 2.0);
    return Message("METRICS")
        .ansi(QStringLiteral("orb-tokyo-2.quorl.example"))
        .ansi(QStringLiteral("Yes"))
        .ansi(QStringLiteral("203.0.113.47"))
        .number(34523)
        .ansi(QStringLiteral("Zol Engine 7.2.1"))
        .ansi(QStringLiteral("Linux x86_64"))
        .ansi(QStringLiteral("Quorl Team"))
        .ansi(m_networkCard)
        .ansi(QStringLiteral("No"))
        .number(engineUp)
        .number(counter(2600, 240, 0.7))
        .number(counter(120, 90, 1.3))
        .number(counter(150, 90, 2.1))
        .number(counter(600, 360, 0.4))
        .number(counter(700, 360, 1.9))
        .number(0)
        .number(12 + m_random.bounded(4))
        .number(counter(55, 300, 1.6))  // broadcast, right
        .number(broadcastUp)            // broadcast, left
        .number(counter(260, 200, 2.6)) // direct, right
        .number(directUp)               // direct, left
        .ansi(QString())
        .bytes();
}

QStringList NetworkReport::localDevices() const
{
    return {QStringLiteral("00:1F:A7:3C:52:E1"), QStringLiteral("00:0D:3A:7B:10:9C"),
            QStringLiteral("7C:BB:8A:21:6E:04")};
}
