#include "chat_room.h"

#include "arena_users.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "link_interfaces.h"
#include "memo_lines.h"
#include "message_dispatcher.h"
#include "notification_sounds.h"
#include "user_list_model.h"
#include "wire_text.h"
#include "zol_orbital_mesh_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

const QString ChatRoom::kOrbitalMeshSender = QStringLiteral("Zol Orbital Mesh");

ChatRoom::ChatRoom(const Widgets &widgets, Collaborators with, QObject *parent)
    : QObject(parent)
    , m_widgets(widgets)
    , m_with(std::move(with))
{
    connect(m_widgets.input, &QLineEdit::textChanged, this, &ChatRoom::updateSendButton);
    connect(m_widgets.input, &QLineEdit::returnPressed, this, &ChatRoom::inputReturnPressed);
    connect(m_widgets.sendButton, &QAbstractButton::clicked, this, &ChatRoom::sendInputLine);
    updateSendButton();
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

void ChatRoom::updateSendButton()
{
    m_widgets.sendButton->setEnabled(m_with.sessionActive() && !m_widgets.input->text().isEmpty());
}

void ChatRoom::inputReturnPressed()
{
    if (m_with.sessionActive())
        sendInputLine();
}

void ChatRoom::sendInputLine()
{
    const QString text = m_widgets.input->text();
    if (text.isEmpty())
        return;
    // The line shows in the pane only when the engine sends it back.
    m_with.sender->SendCommand(Command::Chat(text));
    m_widgets.input->clear();
}

void ChatRoom::showInputLine(bool shown)
{
    m_widgets.inputPanel->setVisible(shown);
    ScrollToCaret(m_widgets.chatPane);
}

void ChatRoom::ShowOrbitalMeshActionExecute()
{
    m_with.orbitalMesh->showAndRaise();
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
            m_with.orbitalMesh->replaceDescription(room, text);
        else
            m_with.orbitalMesh->appendDescription(room, text);
        m_with.orbitalMesh->showAutomatically();
        return;
    }
    m_with.chat->AddChatLine(sender + QStringLiteral(": ") + text);
    if (m_with.chatSound->isChecked())
        m_with.sounds->PlayNotificationSound(SoundAlias::kSystemNotification);
}

void ChatRoom::chatMode(FieldReader reader)
{
    if (m_with.enterExitSound->isChecked())
        m_with.enterExitSound->trigger();
    const QString room = NextAnsiField(reader);
    m_with.users->ClearUserRows(UserListModel::ChatPart);
    m_widgets.chatEdit->setText(room);
    m_widgets.chatEdit->setCursorPosition(0);
    m_with.chat->AddChatLine(QStringLiteral("Enter ") + room + u'.');
}

void ChatRoom::joinsChat(FieldReader reader)
{
    NextField(reader); // the room: always the current one
    const QString qtag = NextAnsiField(reader);
    const int role = m_with.arenaUsers->RoleImageOf(qtag);

    if (UserRow *row = m_with.users->FindUserRow(qtag)) {
        row->roleImage = role;
        row->inChat = true;
        m_with.users->rowUpdated(row);
        return;
    }
    UserRow row;
    row.caption = qtag;
    row.roleImage = role;
    row.inChat = true;
    m_with.users->addRow(std::move(row));
    m_with.arenaUsers->JoinNotice(qtag);
}

void ChatRoom::leavesChat(FieldReader reader)
{
    NextField(reader); // the room: always the current one
    const QString qtag = NextAnsiField(reader);
    UserRow *row = m_with.users->FindUserRow(qtag);
    if (!row)
        return;
    row->inChat = false;
    if (row->inVector) {
        m_with.users->rowUpdated(row);
        return;
    }
    m_with.users->deleteRow(row);
    m_with.arenaUsers->LeaveNotice(qtag);
}
