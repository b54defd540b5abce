// What a chat line costs: adding lines to a pane that holds 10 lines and to one that holds
// 100,000, and a burst of 5,000 chat lines arriving at once through the real window, counting
// how often the chat pane was painted meanwhile.

#include "bench_support.h"
#include "chat_log.h"
#include "clock.h"
#include "log_file.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

class Silence final : public NotificationSounds {
public:
    void PlayNotificationSound(const QString &) override {}
};

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
    ChatLog log(&pane, {&timestamps, &saving}, logFile, clock);

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

void burstThroughTheWindow(const QString &folder)
{
    SystemClock clock;
    Silence silence;
    TTovrelUIForm::Services services;
    services.engine = {QHostAddress(QHostAddress::LocalHost), Bench::freeUdpPort()};
    services.clock = &clock;
    services.sounds = &silence;
    services.appDataFolder = folder;
    TTovrelUIForm form(services);
    form.show();
    settle();
    auto *pane = form.findChild<QPlainTextEdit *>(QStringLiteral("ChatLogMemo"));
    Bench::PaintCounter counter;
    pane->viewport()->installEventFilter(&counter);

    constexpr int kBurst = 5000;
    QList<QByteArray> datagrams;
    for (int i = 0; i < kBurst; ++i)
        datagrams.append("ZOL_CLIENT_CHAT;General Chat;someone;line " + QByteArray::number(i) +
                         ";");
    Bench::Blaster blaster(form.link().endpoint().localPort(), datagrams);
    QElapsedTimer timer;
    timer.start();
    blaster.start();
    QTimer tick;
    tick.start(5);
    while (pane->document()->blockCount() < kBurst && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
    std::printf("burst of %d chat lines (saved to the log): shown after %.3f s, %d lines, the pane "
                "painted %d times\n",
                kBurst, double(timer.nsecsElapsed()) / 1e9, pane->document()->blockCount(),
                counter.paints);
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
    burstThroughTheWindow(folder.path());
    return 0;
}
