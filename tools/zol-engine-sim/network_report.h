#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>

// What the substitute engine tells of its network: a believable orbital server and address,
// this machine's own network card, traffic that rises and falls over minutes with a burst now
// and then, and a few devices on the user's side.
class NetworkReport {
public:
    explicit NetworkReport(quint32 seed);

    QByteArray metricsMessage();
    QStringList localDevices() const;

private:
    QRandomGenerator m_random;
    QElapsedTimer m_clock;
    QString m_networkCard;
    int m_burstLeft = 0;
};
