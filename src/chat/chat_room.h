#pragma once

#include "field_reader.h"

#include <QObject>

#include <functional>

class ArenaUsers;
class ChatLineSink;
class CommandSender;
class MessageDispatcher;
class NotificationSounds;
class QAbstractButton;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class TZolOrbitalMeshForm;
class UserListModel;

// The chat room the engine keeps the user in: its traffic into the chat pane, its members into
// the user list, its descriptions into the orbital-mesh window, and the input line out.
class ChatRoom : public QObject {
    Q_OBJECT

public:
    struct Widgets {
        QLineEdit *chatEdit = nullptr;
        QLineEdit *input = nullptr;
        QAbstractButton *sendButton = nullptr;
        QWidget *inputPanel = nullptr;
        QPlainTextEdit *chatPane = nullptr;
    };
    struct Collaborators {
        ChatLineSink *chat = nullptr;
        NotificationSounds *sounds = nullptr;
        UserListModel *users = nullptr;
        ArenaUsers *arenaUsers = nullptr;
        CommandSender *sender = nullptr;
        TZolOrbitalMeshForm *orbitalMesh = nullptr;
        std::function<bool()> sessionActive;
        QAction *chatSound = nullptr;      // chat and private-message sounds
        QAction *enterExitSound = nullptr; // enter and exit sounds
        QAction *joinLog = nullptr;        // enter and exit notices
    };

    ChatRoom(const Widgets &widgets, Collaborators with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher);

    void sendInputLine();
    // The send button is usable while a session is active and there is something to send.
    void updateSendButton();
    // After ToggleChatInputLineAction flipped its state.
    void showInputLine(bool shown);
    void ShowOrbitalMeshActionExecute();

    static const QString kOrbitalMeshSender;

private:
    void inputReturnPressed();
    void chat(FieldReader reader, bool withDescriptionMode);
    void chatMode(FieldReader reader);
    void joinsChat(FieldReader reader);
    void leavesChat(FieldReader reader);

    Widgets m_widgets;
    Collaborators m_with;
};
