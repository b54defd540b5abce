#pragma once

#include "action_table.h"
#include "arena_users.h"
#include "chat_log.h"
#include "chat_room.h"
#include "composition.h"
#include "fake_engine.h"
#include "prompts.h"
#include "recorders.h"
#include "session.h"
#include "tovrelui_form.h"
#include "vector_navigation.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

class QAction;

// Stands in for the message boxes: questions wait for the test's answer, errors are kept.
class ScriptedPrompts final : public TakeOverPrompt, public ErrorReporter {
public:
    void askTakeOver(std::function<void(bool)> answer) override { openQuestions.append(answer); }
    void reportError(const QString &message) override { errors.append(message); }

    QList<std::function<void(bool)>> openQuestions;
    QStringList errors;
};

// The whole main window against a fake engine on an ephemeral port, with its time, sounds,
// prompts and data folder in the test's hands.
class FormFixture {
public:
    // Against the given engine, or the fixture's fake one.
    explicit FormFixture(std::optional<EngineAddress> engine = std::nullopt);
    ~FormFixture();

    TTovrelUIForm &form() { return *m_form; }
    FakeEngine &engine() { return m_engine; }
    FixedClock clock;
    RecordingSounds sounds;
    ScriptedPrompts prompts;
    RecordingPages pages;
    QString dataFolder() const { return m_dataFolder.path(); }

    // Hands one datagram to the dispatcher, as the receive path does.
    void receive(const QByteArray &datagram);
    // Everything the window sent since the last call, once the program's queues and event loop
    // have run dry: a send that comes late is not missed.
    QByteArrayList sent();
    // Attached and logged in as ownQTag, with nothing sent or received kept.
    void logIn(const QString &ownQTag = QStringLiteral("me"));

    QAction *action(ActionId id);
    void trigger(ActionId id);
    template <typename T>
    T *find(const char *name)
    {
        return m_form->findChild<T *>(QString::fromLatin1(name));
    }
    // The text of the chat pane, with the lines of this turn of the event loop.
    QString chatText();
    Composition &rooms() { return m_form->rooms(); }
    QString logFileText(const QDate &date);

private:
    QTemporaryDir m_dataFolder;
    FakeEngine m_engine;
    std::unique_ptr<TTovrelUIForm> m_form;
};
