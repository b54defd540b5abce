// What a chat line costs: adding lines to a pane that holds 10 lines and to one that holds
// 100,000; bursts of 1,000 and 10,000 chat lines arriving at once through the real window, every
// line saved to the log, against the time a plain receiver needs for the same datagrams; and a
// crowd of 1,000 and 10,000 entering the user's own room, where every arrival writes a notice.

#include "arena_users.h"
#include "bench_support.h"
#include "bench_window.h"
#include "chat_log.h"
#include "clock.h"
#include "composition.h"
#include "error_guard.h"
#include "log_file.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"
#include "user_list_model.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>

namespace {

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Microseconds per line for `lines` more lines, with the pane shown.
double microsecondsPerLine(ChatLog &log, int lines)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < lines; ++i)
        log.AddChatLine(QStringLiteral("someone: a line of chat like any other, number %1").arg(i));
    settle();
    return double(timer.nsecsElapsed()) / 1e3 / lines;
}

void linesInAFullPane(const QString &folder, bool saveLog)
{
    SystemClock clock;
    LogFile logFile(folder, clock);
    QPlainTextEdit pane;
    pane.resize(500, 400);
    pane.show();
    QAction timestamps;
    timestamps.setCheckable(true);
    timestamps.setChecked(true);
    QAction saving;
    saving.setCheckable(true);
    saving.setChecked(false);
    Bench::NoErrors errors;
    const ErrorGuard guard(errors);
    ChatLog log({.chatLogMemo = &pane,
                 .timestamps = &timestamps,
                 .saveLog = &saving,
                 .logFile = &logFile,
                 .clock = &clock,
                 .guard = &guard});

    microsecondsPerLine(log, 10);
    saving.setChecked(saveLog);
    const double nearlyEmpty = microsecondsPerLine(log, 1000);
    saving.setChecked(false);
    while (pane.document()->blockCount() < 100000)
        microsecondsPerLine(log, 10000);
    saving.setChecked(saveLog);
    const double full = microsecondsPerLine(log, 1000);
    std::printf("saving %-3s: %.1f us per line with 10 lines in the pane, %.1f us with 100,000\n",
                saveLog ? "on" : "off", nearlyEmpty, full);
}

int linesIn(const QTextDocument *document)
{
    return document->isEmpty() ? 0 : document->blockCount();
}

int linesIn(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}

// Sends the datagrams to a fresh window and waits until done() says it has them all; prints the
// time against the plain receiver's.
template <typename Done>
double burstThroughTheWindow(const char *what, const QString &folder,
                             const QList<QByteArray> &setUp, const QList<QByteArray> &datagrams,
                             Done done)
{
    const double wire = Bench::rawLoopback(datagrams).seconds;
    Bench::QuietWindow window(folder);
    TTovrelUIForm &form = window.form();
    const SystemClock clock;
    for (const QByteArray &datagram : setUp)
        window.receive(datagram);
    settle();
    auto *pane = form.findChild<QPlainTextEdit *>(QStringLiteral("ChatLogMemo"));
    const int linesBefore = linesIn(pane->document());
    const QString logPath = LogFile(folder, clock).pathFor(clock.now().date());
    const int loggedBefore = linesIn(logPath);
    Bench::PaintCounter counter;
    pane->viewport()->installEventFilter(&counter);

    const double seconds = window.blastUntil(
        datagrams, [&] { return done(form, linesIn(pane->document()) - linesBefore); }, 20000);
    settle();
    std::printf("%s: %d datagrams, wire %.3f s, shown and logged after %.3f s (%.2f x wire); %d "
                "lines shown, %d logged, the pane painted %d times\n",
                what, int(datagrams.size()), wire, seconds, seconds / wire,
                linesIn(pane->document()) - linesBefore, linesIn(logPath) - loggedBefore,
                counter.paints);
    return seconds;
}

void chatBursts(const QString &folder)
{
    double previous = 0;
    for (const int count : {1000, 10000}) {
        QList<QByteArray> datagrams;
        for (int i = 0; i < count; ++i)
            datagrams.append("ZOL_CLIENT_CHAT;General Chat;someone;line " + QByteArray::number(i) +
                             ";");
        const QByteArray title = QByteArray::number(count) + " chat lines";
        const double seconds =
            burstThroughTheWindow(title.constData(), folder, {}, datagrams,
                                  [count](TTovrelUIForm &, int shown) { return shown >= count; });
        if (previous > 0)
            std::printf("10 times the lines took %.1f times as long\n", seconds / previous);
        previous = seconds;
    }
}

void crowdIntoOwnRoom(const QString &folder)
{
    double previous = 0;
    for (const int count : {1000, 10000}) {
        QList<QByteArray> datagrams;
        for (int i = 0; i < count; ++i)
            datagrams.append("ZOL_CLIENT_JOINS_CHAT;Arena/me;guest" + QByteArray::number(i) + ";");
        const QList<QByteArray> setUp = {"ZOL_CLIENT_ATTACH;", "ZOL_CLIENT_USER_DATA;me;",
                                         "ZOL_CLIENT_VECTOR;Arena/me;0;"};
        const QByteArray title = QByteArray::number(count) + " entering the own room";
        const double seconds = burstThroughTheWindow(
            title.constData(), folder, setUp, datagrams, [count](TTovrelUIForm &form, int shown) {
                return shown >= count && form.rooms().arenaUsers().rows().rowCount() >= count;
            });
        if (previous > 0)
            std::printf("10 times the crowd took %.1f times as long\n", seconds / previous);
        previous = seconds;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    linesInAFullPane(folder.path(), false);
    linesInAFullPane(folder.path(), true);
    chatBursts(folder.path());
    crowdIntoOwnRoom(folder.path());
    return 0;
}
