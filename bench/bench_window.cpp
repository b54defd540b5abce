#include "bench_window.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace Bench {

QuietWindow::QuietWindow(const QString &dataFolder, quint16 enginePort)
{
    TTovrelUIForm::Services services;
    services.engine = {QHostAddress(QHostAddress::LocalHost),
                       enginePort ? enginePort : freeUdpPort()};
    services.clock = &m_clock;
    services.sounds = &m_silence;
    services.errorReporter = &m_errors;
    services.appDataFolder = dataFolder;
    m_form = std::make_unique<TTovrelUIForm>(services);
    m_form->show();
    QCoreApplication::processEvents();
}

double QuietWindow::blastUntil(const QList<QByteArray> &datagrams,
                               const std::function<bool()> &done, int timeoutMs)
{
    Blaster blaster(localPort(), datagrams);
    QElapsedTimer timer;
    timer.start();
    blaster.start();
    QTimer tick; // wakes the loop to look at done() while nothing arrives
    tick.start(5);
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(timer.nsecsElapsed()) / 1e9;
}

void QuietWindow::receive(const QByteArray &datagram)
{
    m_form->link().dispatcher().IdUDPServer1UDPRead(datagram);
}

} // namespace Bench
