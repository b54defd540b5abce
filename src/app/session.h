#pragma once

#include "field_reader.h"
#include "link_interfaces.h"

#include <QList>
#include <QObject>

#include <functional>

class ActionTable;
class ChatLineSink;
class EngineLink;
class MessageDispatcher;
class QLabel;
class QStatusBar;
class QWidget;
class TLoginForm;
class UserListModel;
class VectorNavigation;

// Whether a user is logged in through the engine, what the window looks like with it, the
// engine's status line, and the two icons at the left of the tool bar.
class Session : public QObject, public SessionControl, public StatusIconControl {
    Q_OBJECT

public:
    struct Collaborators {
        EngineLink *link = nullptr;
        ActionTable *actions = nullptr;
        TLoginForm *loginForm = nullptr;
        QStatusBar *statusBar = nullptr;
        ChatLineSink *chat = nullptr;
        VectorNavigation *navigation = nullptr;
        UserListModel *users = nullptr;
        std::function<void()> updateSendButton;
        QWidget *vectorTree = nullptr;
        QList<QWidget *> panes; // greyed while nobody is logged in
    };

    explicit Session(const Collaborators &with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher);

    bool SessionActive() const { return m_sessionActive; }
    QString StatusText() const { return m_statusText; }
    int ArenaStatusIndicator() const { return m_arenaStatusIndicator; }
    // What the status bar shows now: the hint being pointed at, or else the status text.
    QString statusBarText() const;

    void SetSessionActive(bool active) override;
    void UpdateStatusIcon() override;

    void LoginActionExecute();
    void QuorlZolIconActionExecute();
    void StatusActionExecute();
    void ApplicationOnHint(const QString &hint);

private:
    void notLoggedIn(FieldReader reader);
    void status(FieldReader reader);
    void connectedMessenger();

    Collaborators m_with;
    QLabel *m_statusLabel;
    bool m_sessionActive = false;
    QString m_statusText;
    int m_arenaStatusIndicator = 0;
};
