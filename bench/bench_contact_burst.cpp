// A contact list filled by a burst at attach: 500 and 5,000 contacts, each an ADD_CONTACT and a
// CONTACT_PING, sent at full speed to the real window, against the time a plain receiver needs
// for the same datagrams. Every ping brings its contact online with a line in the chat.

#include "bench_support.h"
#include "bench_window.h"
#include "clock.h"
#include "composition.h"
#include "contact_list.h"
#include "contact_list_model.h"
#include "error_guard.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

double contactBurst(int contacts, const QString &folder)
{
    QList<QByteArray> datagrams;
    for (int i = 0; i < contacts; ++i)
        datagrams.append("ZOL_CLIENT_ADD_CONTACT;friend" + QByteArray::number(100000 + i) + ";");
    for (int i = 0; i < contacts; ++i)
        datagrams.append("ZOL_CLIENT_CONTACT_PING;friend" + QByteArray::number(100000 + i) +
                         ";Arena/PSP/Action/Room " + QByteArray::number(i % 50) + ";42;0;");
    const double wire = Bench::rawLoopback(datagrams).seconds;

    Bench::QuietWindow window(folder);
    TTovrelUIForm &form = window.form();
    window.receive("ZOL_CLIENT_ATTACH;");
    window.receive("ZOL_CLIENT_USER_DATA;me;");
    QCoreApplication::processEvents();
    ContactList &list = form.rooms().contactList();
    const ContactListModel &rows = list.rows();

    const QString last = QStringLiteral("friend%1").arg(100000 + contacts - 1);
    QElapsedTimer timer;
    timer.start();
    window.blastUntil(datagrams,
                      [&] { return rows.rowCount() == contacts && list.IsContactOnline(last); });
    QCoreApplication::processEvents();
    form.grab();
    list.contactListForm().grab();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%5d contacts, %5d datagrams: wire %.3f s, usable after %.3f s (%.2f x wire), "
                "%d rows\n",
                contacts, int(datagrams.size()), wire, seconds, seconds / wire, rows.rowCount());
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const double small = contactBurst(500, folder.path());
    const double large = contactBurst(5000, folder.path());
    std::printf("10 times the contacts took %.1f times as long\n", large / small);
    return 0;
}
