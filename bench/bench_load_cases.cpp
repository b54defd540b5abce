// What any local process that sends to the program's port could try, bounded in count and time,
// on loopback: a flood of large datagrams, a flood of ENGINE_IN_USE, 60,000 devices for one user,
// and arena paths thousands of levels deep. Prints memory, open questions and times against the
// wire.

#include "arena_users.h"
#include "bench_support.h"
#include "bench_window.h"
#include "clock.h"
#include "composition.h"
#include "error_guard.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"
#include "user_list_model.h"
#include "vector_navigation.h"
#include "vector_tree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

namespace {

using Window = Bench::QuietWindow;

void largeFlood(const QString &folder)
{
    Window window(folder);
    const double before = Bench::peakResidentMiB();
    QList<QByteArray> datagrams;
    for (int i = 0; i < 30000; ++i)
        datagrams.append("ZOL_CLIENT_SPECIFIC_COUNT;" + QByteArray(8000, char('a' + i % 26)) + ";");
    int handled = 0;
    window.form().link().dispatcher().registerHandler(MessageKind::SpecificCount,
                                                      [&](FieldReader) { ++handled; });
    int last = -1;
    QElapsedTimer quiet;
    quiet.start();
    const double seconds = window.blastUntil(datagrams, [&] {
        if (handled != last) {
            last = handled;
            quiet.restart();
        }
        return handled == 30000 || quiet.elapsed() > 2000;
    });
    std::printf(
        "30,000 datagrams of 8 KB: %d handled in %.2f s, at "
        "most %d waited at once; peak memory %.1f MiB (%.1f MiB before; the benchmark holds the "
        "240 MB it sends)\n",
        handled, seconds, window.form().link().endpoint().peakQueued(), Bench::peakResidentMiB(),
        before);
}

void questionFlood(const QString &folder)
{
    Window window(folder);
    for (int i = 0; i < 2000; ++i)
        window.receive("ZOL_CLIENT_ENGINE_IN_USE;");
    std::printf(
        "2,000 ENGINE_IN_USE: %d question boxes open\n",
        int(window.form().findChildren<QMessageBox *>(QStringLiteral("TakeOverQuestion")).size()));
}

void manyDevices(const QString &folder)
{
    Window window(folder);
    window.receive("ZOL_CLIENT_ATTACH;");
    window.receive("ZOL_CLIENT_USER_DATA;me;");
    window.receive("ZOL_CLIENT_VECTOR;Arena/Devices;0;");
    window.receive("ZOL_CLIENT_JOINS_VECTOR;collector;");
    QList<QByteArray> datagrams;
    for (int i = 0; i < 60000; ++i)
        datagrams.append("ZOL_CLIENT_REMOTE_ARENA_DEVICE;collector;00:1a:" + QByteArray::number(i) +
                         ";");
    const double wire = Bench::rawLoopback(datagrams).seconds;
    const UserListModel &rows = window.form().rooms().arenaUsers().rows();
    const double seconds = window.blastUntil(datagrams, [&] {
        const UserRow *row = rows.firstExactRow(QStringLiteral("collector"));
        return row && row->devices.size() == 60000;
    });
    std::printf("60,000 devices for one user: wire %.3f s, handled after %.3f s (%.2f x wire)\n",
                wire, seconds, seconds / wire);
}

// Seconds until 1,000 sub-vectors sent beside a path of the given depth are in the tree.
double wideAfterDeep(const QString &folder, int depth)
{
    Window window(folder);
    window.receive("ZOL_CLIENT_ATTACH;");
    window.receive("ZOL_CLIENT_USER_DATA;me;");
    window.receive("ZOL_CLIENT_SUB_VECTOR;Arena" + QByteArray("/l").repeated(depth) + ";1;0;x;4;");
    QList<QByteArray> datagrams;
    for (int i = 0; i < 1000; ++i)
        datagrams.append("ZOL_CLIENT_SUB_VECTOR;Arena/Wide/room " + QByteArray::number(i) +
                         ";1;0;x;4;");
    VectorTree &tree = window.form().rooms().navigation().tree();
    const double seconds = window.blastUntil(datagrams, [&] {
        const QTreeWidgetItem *wide = tree.FindVectorNode(QStringLiteral("Arena/Wide"));
        return wide && wide->childCount() == 1000;
    });
    window.form().grab();
    return seconds;
}

void deepTree(const QString &folder)
{
    // A path deep enough to slow every insert of an unbounded tree, and the deepest a datagram
    // can carry, which overflowed the stack of one.
    const double shallow = wideAfterDeep(folder, 1);
    for (const char *depth : {"8,100", "32,000"}) {
        const double seconds = wideAfterDeep(folder, QByteArray(depth).replace(",", "").toInt());
        std::printf(
            "1,000 sub-vectors after a path of %s levels: %.3f s, %.2f x the time after one "
            "of 1 level (%.3f s)\n",
            depth, seconds, seconds / shallow, shallow);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    questionFlood(folder.path());
    manyDevices(folder.path());
    deepTree(folder.path());
    largeFlood(folder.path());
    return 0;
}
