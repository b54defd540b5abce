#pragma once

#include "chat_line_sink.h"
#include "clock.h"
#include "error_guard.h"
#include "link_interfaces.h"
#include "notification_sounds.h"
#include "page_opener.h"
#include "room_interfaces.h"

#include <QByteArrayList>
#include <QStringList>

// Stand-ins that record what the program asks of its surroundings.

// A clock that shows what the test sets.
class FixedClock final : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2024, 1, 31), QTime(12, 5));
};

class RecordingSounds final : public NotificationSounds {
public:
    void PlayNotificationSound(const QString &alias) override { played.append(alias); }
    QStringList played;
};

class RecordingSender final : public CommandSender, public StateRequester {
public:
    void SendCommand(const QByteArray &command) override { sent.append(command); }
    void RequestState() override;
    QByteArrayList sent;
    int stateRequests = 0;
};

class RecordingChat final : public ChatLineSink {
public:
    void AddChatLine(const QString &text) override { lines.append(text); }
    QStringList lines;
};

class RecordingPages final : public PageOpener {
public:
    void openPage(const QUrl &address) override { opened.append(address); }
    QList<QUrl> opened;
};

class RecordingYesNo final : public YesNoPrompt {
public:
    void askYesNo(const QString &question, std::function<void(bool)> answer) override
    {
        questions.append(question);
        answers.append(std::move(answer));
    }
    QStringList questions;
    QList<std::function<void(bool)>> answers;
};

class RecordingErrors final : public ErrorReporter {
public:
    void reportError(const QString &message) override { errors.append(message); }
    QStringList errors;
};

// Runs the event loop and the posted events until nothing is left to do, so that work the
// program put off to the next turn has happened before a test looks.
void DrainEventLoop();
