// A flood of private messages at full speed into the real window: 2,000 from 20 peers, and 500
// from 500 different peers (500 conversation windows), every one logged. Prints the time until
// the last is shown and logged against the time a plain receiver needs, and the peak memory.

#include "bench_support.h"
#include "bench_window.h"
#include "clock.h"
#include "composition.h"
#include "error_guard.h"
#include "log_file.h"
#include "notification_sounds.h"
#include "private_messages.h"
#include "tovrelui_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

int logLines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}

void flood(int messages, int peers)
{
    QTemporaryDir folder;
    QList<QByteArray> datagrams;
    for (int i = 0; i < messages; ++i)
        datagrams.append("ZOL_CLIENT_PM;peer" + QByteArray::number(1000 + i % peers) +
                         ";message number " + QByteArray::number(i) + ";");
    const double wire = Bench::rawLoopback(datagrams).seconds;

    Bench::QuietWindow window(folder.path());
    TTovrelUIForm &form = window.form();
    const SystemClock clock;
    const QString log = LogFile(folder.path(), clock).pathFor(clock.now().date());

    const double seconds = window.blastUntil(
        datagrams, [&] { return logLines(log) >= messages; }, 60000);
    QCoreApplication::processEvents();

    // In order: each peer's lines in the order they were sent.
    QFile file(log);
    file.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = file.readAll().split('\n');
    bool inOrder = true;
    for (int i = 0; i < messages && i < lines.size(); ++i)
        inOrder = inOrder && lines[i].contains(" (PM): message number " + QByteArray::number(i));
    const PrivateMessages &pms = form.rooms().privateMessages();
    std::printf("%5d PMs from %3d peers: wire %.3f s, all shown and logged after %.3f s (%.2f x "
                "wire), %d logged %s, %d windows, peak memory %.1f MiB\n",
                messages, peers, wire, seconds, seconds / wire, logLines(log),
                inOrder ? "in order" : "OUT OF ORDER", int(pms.PrivateMessageWindows().size()),
                Bench::peakResidentMiB());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    flood(2000, 20);
    flood(500, 500);
    return 0;
}
