#pragma once

#include <QByteArray>
#include <QEvent>
#include <QList>
#include <QObject>

#include <cstdint>

// Small tools shared by the benchmarks: loopback sockets without Qt in the way, and the
// process's memory high-water mark.
namespace Bench {

// A free UDP port on the loopback interface, for a program started beside the benchmark.
quint16 freeUdpPort();

// Peak resident memory of this process so far, in MiB.
double peakResidentMiB();

struct RawRun {
    int received = 0;
    double seconds = 0; // from the first datagram sent to the last one received
};

// Sends the datagrams as fast as one socket can to a plain receiver that only counts them.
RawRun rawLoopback(const QList<QByteArray> &datagrams);

// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Sends datagrams from a thread of its own, as fast as one socket can, to 127.0.0.1:port.
class Blaster {
public:
    Blaster(quint16 port, QList<QByteArray> datagrams);
    ~Blaster();
    void start();
    void wait();

private:
    struct State;
    State *m_state;
};

} // namespace Bench
