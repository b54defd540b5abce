#pragma once

#include "clock.h"
#include "error_guard.h"
#include "notification_sounds.h"
#include "tovrelui_form.h"

#include <functional>
#include <memory>

namespace Bench {

class Silence final : public NotificationSounds {
public:
    void PlayNotificationSound(const QString &) override {}
};

class NoErrors final : public ErrorReporter {
public:
    void reportError(const QString &) override {}
};

// The real main window, shown, with its link on an engine port of its own (or the given one),
// no sound and no error boxes.
class QuietWindow {
public:
    explicit QuietWindow(const QString &dataFolder, quint16 enginePort = 0);

    TTovrelUIForm &form() { return *m_form; }
    // Hands a datagram to the window as its receive path does.
    void receive(const QByteArray &datagram);
    quint16 localPort() { return m_form->link().endpoint().localPort(); }
    // Sends the datagrams at full speed from another thread and runs the event loop, as the
    // program does, until done() or the time-out; the seconds it took.
    double blastUntil(const QList<QByteArray> &datagrams, const std::function<bool()> &done,
                      int timeoutMs = 30000);

private:
    SystemClock m_clock;
    Silence m_silence;
    NoErrors m_errors;
    std::unique_ptr<TTovrelUIForm> m_form;
};

} // namespace Bench
