#pragma once

#include "field_reader.h"
#include "subsystem.h"

#include <QObject>

class ArenaUsers;
class ChatLineSink;
class CommandSender;
class ErrorGuard;
class NotificationSounds;
class QAbstractButton;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SessionControl;
class TZolOrbitalMeshForm;

// The chat room the engine keeps the user in: its traffic into the chat pane, its members into
// the user list, its descriptions into the orbital-mesh window, and the input line out.
class ChatRoom : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        QLineEdit *chatEdit = nullptr;
        QLineEdit *chatInputEdit = nullptr;
        QAbstractButton *sendButton = nullptr;
        QWidget *chatInputPanel = nullptr;
        QPlainTextEdit *chatLogMemo = nullptr; // scrolled when the input line comes or goes
        ChatLineSink *chat = nullptr;
        NotificationSounds *sounds = nullptr;
        ArenaUsers *arenaUsers = nullptr;
        CommandSender *sender = nullptr;
        const SessionControl *session = nullptr;
        QAction *chatSound = nullptr;      // chat and private-message sounds
        QAction *enterExitSound = nullptr; // enter and exit sounds
        const ErrorGuard *guard = nullptr;
    };

    explicit ChatRoom(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;
    void sessionActiveChanged(bool active) override;

    TZolOrbitalMeshForm &orbitalMeshForm() const { return *m_orbitalMesh; }

    void sendInputLine();
    // The send button is usable while a session is active and there is something to send.
    void updateSendButton();
    void showInputLine(bool shown);
    void ShowOrbitalMeshActionExecute();

    static const QString kOrbitalMeshSender;

private:
    void inputReturnPressed();
    void chat(FieldReader reader, bool withDescriptionMode);
    void chatMode(FieldReader reader);
    void joinsChat(FieldReader reader);
    void leavesChat(FieldReader reader);

    Collaborators m_with;
    TZolOrbitalMeshForm *m_orbitalMesh = nullptr;
};
