#include "chat_room.h"

#include "action_table.h"
#include "arena_users.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "error_guard.h"
#include "link_interfaces.h"
#include "memo_lines.h"
#include "message_dispatcher.h"
#include "notification_sounds.h"
#include "pane_look.h"
#include "room_interfaces.h"
#include "user_list_model.h"
#include "wire_text.h"
#include "zol_orbital_mesh_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

const QString ChatRoom::kOrbitalMeshSender = QStringLiteral("Zol Orbital Mesh");

ChatRoom::ChatRoom(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{
    const ErrorGuard &guard = *m_with.guard;
    connect(m_with.chatInputEdit, &QLineEdit::textChanged, this, &ChatRoom::updateSendButton);
    connect(m_with.chatInputEdit, &QLineEdit::returnPressed, this,
            guard.slot([this] { inputReturnPressed(); }));
    connect(m_with.sendButton, &QAbstractButton::clicked, this,
            guard.slot([this] { sendInputLine(); }));
    updateSendButton();
}

QList<StartWindowFactory> ChatRoom::windowsAtStart()
{
    return {{StartWindow::ZolOrbitalMesh, [this](QWidget *mainWindow) {
                 m_orbitalMesh = new TZolOrbitalMeshForm(*m_with.guard, mainWindow);
                 return m_orbitalMesh;
             }}};
}

void ChatRoom::registerHandlers(MessageDispatcher &dispatcher)
{
    using enum MessageKind;
    dispatcher.registerHandler(Chat, [this](FieldReader r) { chat(r, false); });
    dispatcher.registerHandler(Chat2, [this](FieldReader r) { chat(r, true); });
    dispatcher.registerHandler(ChatMode, [this](FieldReader r) { chatMode(r); });
    dispatcher.registerHandler(JoinsChat, [this](FieldReader r) { joinsChat(r); });
    dispatcher.registerHandler(LeavesChat, [this](FieldReader r) { leavesChat(r); });
}

void ChatRoom::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::ShowOrbitalMesh, [this] { ShowOrbitalMeshActionExecute(); });
    QAction *inputLine = actions.action(ActionId::ToggleChatInputLine);
    actions.setHandler(ActionId::ToggleChatInputLine,
                       [this, inputLine] { showInputLine(inputLine->isChecked()); });
}

void ChatRoom::sessionActiveChanged(bool active)
{
    ShowSessionLook({m_with.chatInputEdit}, active);
    updateSendButton();
}

void ChatRoom::updateSendButton()
{
    m_with.sendButton->setEnabled(m_with.session->SessionActive() &&
                                  !m_with.chatInputEdit->text().isEmpty());
}

void ChatRoom::inputReturnPressed()
{
    if (m_with.session->SessionActive())
        sendInputLine();
}

void ChatRoom::sendInputLine()
{
    const QString text = m_with.chatInputEdit->text();
    if (text.isEmpty())
        return;
    // The line shows in the pane only when the engine sends it back.
    m_with.sender->SendCommand(Command::Chat(text));
    m_with.chatInputEdit->clear();
}

void ChatRoom::showInputLine(bool shown)
{
    m_with.chatInputPanel->setVisible(shown);
    ScrollToCaret(m_with.chatLogMemo);
}

void ChatRoom::ShowOrbitalMeshActionExecute()
{
    m_orbitalMesh->showAndRaise();
}

void ChatRoom::chat(FieldReader reader, bool withDescriptionMode)
{
    const QString room = NextAnsiField(reader);
    const QString sender = NextAnsiField(reader);
    const QString text = NextUtf8Field(reader);

    if (sender == kOrbitalMeshSender) {
        bool replace = true;
        if (withDescriptionMode) {
            NextField(reader); // not used
            replace = NextAnsiField(reader) == u"1";
        }
        if (replace)
            m_orbitalMesh->replaceDescription(room, text);
        else
            m_orbitalMesh->appendDescription(room, text);
        m_orbitalMesh->showAutomatically();
        return;
    }
    m_with.chat->AddChatLine(sender + QStringLiteral(": ") + text);
    if (m_with.chatSound->isChecked())
        m_with.sounds->PlayNotificationSound(SoundAlias::kSystemNotification);
}

void ChatRoom::chatMode(FieldReader reader)
{
    m_with.enterExitSound->setChecked(false);
    const QString room = NextAnsiField(reader);
    m_with.arenaUsers->ClearUserRows(UserListModel::ChatPart);
    m_with.chatEdit->setText(room);
    m_with.chatEdit->setCursorPosition(0);
    m_with.chat->AddChatLine(QStringLiteral("Enter ") + room + u'.');
}

void ChatRoom::joinsChat(FieldReader reader)
{
    NextField(reader); // the room: always the current one
    m_with.arenaUsers->joinsChat(NextAnsiField(reader));
}

void ChatRoom::leavesChat(FieldReader reader)
{
    NextField(reader); // the room: always the current one
    m_with.arenaUsers->leavesChat(NextAnsiField(reader));
}
