#pragma once

#include "field_reader.h"
#include "prompts.h"
#include "room_interfaces.h"
#include "subsystem.h"

#include <QObject>

class ActionTable;
class ChatLineSink;
class EngineLink;
class ErrorGuard;
class QLabel;
class QStatusBar;
class TLoginForm;

// Whether a user is logged in through the engine, the login dialog, the engine's status line,
// the question whether to take the engine over, and what the two icons at the left of the tool
// bar do.
class Session : public QObject, public Subsystem, public SessionControl {
    Q_OBJECT

public:
    struct Collaborators {
        EngineLink *link = nullptr;
        ActionTable *actions = nullptr;
        QStatusBar *statusBar = nullptr;
        ChatLineSink *chat = nullptr;
        VectorEntry *vectors = nullptr;
        TakeOverPrompt *takeOverPrompt = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit Session(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;
    void describe(SessionSnapshot &state) const override;

    bool SessionActive() const override { return m_sessionActive; }
    void SetSessionActive(bool active) override;
    QString StatusText() const { return m_statusText; }
    // What the status bar shows now: the hint being pointed at, or else the status text.
    QString statusBarText() const;
    void ApplicationOnHint(const QString &hint);

    TLoginForm &loginForm() const { return *m_loginForm; }

    void LoginActionExecute();
    void QuorlZolIconActionExecute();
    void StatusActionExecute();

Q_SIGNALS:
    void activeChanged(bool active);

private:
    void askTakeOver();
    void notLoggedIn(FieldReader reader);
    void status(FieldReader reader);
    void connectedMessenger();

    Collaborators m_with;
    QLabel *m_statusLabel;
    TLoginForm *m_loginForm = nullptr;
    bool m_sessionActive = false;
    QString m_statusText;
    int m_openQuestions = 0;
};
