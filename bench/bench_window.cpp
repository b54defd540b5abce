#include "bench_window.h"

#include "bench_support.h"

#include <QCoreApplication>

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

void QuietWindow::receive(const QByteArray &datagram)
{
    m_form->link().dispatcher().IdUDPServer1UDPRead(datagram);
}

} // namespace Bench
