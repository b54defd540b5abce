#include "arena_users.h"

#include "action_table.h"
#include "arena_images.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "decimal.h"
#include "enabling_rules.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "notification_sounds.h"
#include "pane_look.h"
#include "room_interfaces.h"
#include "user_list_model.h"
#include "wire_text.h"

#include <QAction>
#include <QHeaderView>
#include <QTreeView>

#include <climits>

namespace {
constexpr int kFirstStatusImage = 3;
enum RoleImage { PlainUser = 0, Moderator = 1, Administrator = 2 };
} // namespace

ArenaUsers::ArenaUsers(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_rows(new UserListModel(ClientStateImageList(), this))
{
    m_with.userListView->setModel(m_rows);
    connect(m_with.userListView->header(), &QHeaderView::sectionClicked, m_rows,
            &UserListModel::sortByColumn);
}

void ArenaUsers::registerHandlers(MessageDispatcher &dispatcher)
{
    using enum MessageKind;
    dispatcher.registerHandler(JoinsVector, [this](FieldReader r) { joinsVector(r); });
    dispatcher.registerHandler(LeavesVector, [this](FieldReader r) { leavesVector(r); });
    dispatcher.registerHandler(ArenaPing, [this](FieldReader r) { arenaPing(r); });
    dispatcher.registerHandler(RemoteArenaDevice, [this](FieldReader r) { remoteArenaDevice(r); });
    dispatcher.registerHandler(UserData, [this](FieldReader r) { userData(r); });
    dispatcher.registerHandler(AdminPrivileges, [this](FieldReader r) { adminPrivileges(r); });
    dispatcher.registerHandler(ModeratorPrivileges,
                               [this](FieldReader r) { moderatorPrivileges(r); });
}

void ArenaUsers::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::KickThisUser, [this] { KickThisUserActionExecute(); });
    actions.setHandler(ActionId::BanThisUser, [this] { BanThisUserActionExecute(); });
    actions.setHandler(ActionId::BreakStream, [this] { BreakStreamActionExecute(); });
}

void ArenaUsers::describe(SessionSnapshot &state) const
{
    const UserRow *user = m_rows->selectedRow(m_with.userListView->selectionModel());
    state.userRowSelected = user != nullptr;
    state.selectedUserInVector = user && user->inVector;
    state.ownQTagIsModerator = IsModerator(m_ownQTag);
}

void ArenaUsers::sessionActiveChanged(bool active)
{
    ShowSessionLook({m_with.userListView}, active);
}

std::optional<QString> ArenaUsers::selectedUserQTag() const
{
    if (const UserRow *row = m_rows->selectedRow(m_with.userListView->selectionModel()))
        return row->caption;
    return std::nullopt;
}

void ArenaUsers::ClearUserRows(int flags)
{
    m_rows->ClearUserRows(flags);
}

int ArenaUsers::RoleImageOf(const QString &qtag) const
{
    if (IsModerator(qtag))
        return Moderator;
    if (IsAdministrator(qtag))
        return Administrator;
    return PlainUser;
}

bool ArenaUsers::IsInCurrentVector(const QString &qtag) const
{
    const UserRow *row = m_rows->lastExactRow(qtag);
    return row && row->inVector;
}

void ArenaUsers::JoinNotice(const QString &qtag)
{
    if (m_with.vectors->currentVectorPath().endsWith(u'/' + m_ownQTag))
        m_with.chat->AddChatLine(QStringLiteral("Enter ") + qtag +
                                 QStringLiteral(" at your room."));
    else if (m_with.joinLog->isChecked())
        m_with.chat->AddChatLine(QStringLiteral("Enter ") + qtag + u'.');
    if (m_with.enterExitSound->isChecked())
        m_with.sounds->PlayNotificationSound(SoundAlias::kDeviceConnect);
}

void ArenaUsers::LeaveNotice(const QString &qtag)
{
    if (m_with.joinLog->isChecked())
        m_with.chat->AddChatLine(QStringLiteral("Exit ") + qtag + u'.');
    if (m_with.enterExitSound->isChecked())
        m_with.sounds->PlayNotificationSound(SoundAlias::kDeviceDisconnect);
}

void ArenaUsers::joinsVector(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    if (UserRow *row = m_rows->FindUserRow(qtag)) {
        row->inVector = true;
        m_rows->rowUpdated(row);
        return;
    }
    UserRow row;
    row.caption = qtag;
    row.inVector = true;
    m_rows->addRow(std::move(row));
    JoinNotice(qtag);
}

void ArenaUsers::leavesVector(FieldReader reader)
{
    leaves(NextAnsiField(reader), &UserRow::inVector, &UserRow::inChat);
}

void ArenaUsers::leaves(const QString &qtag, bool UserRow::*left, bool UserRow::*stays)
{
    UserRow *row = m_rows->FindUserRow(qtag);
    if (!row)
        return;
    row->*left = false;
    if (row->*stays) {
        m_rows->rowUpdated(row);
        return;
    }
    m_rows->deleteRow(row);
    LeaveNotice(qtag);
}

void ArenaUsers::arenaPing(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString ping = NextAnsiField(reader);
    const QString status = NextAnsiField(reader);
    const QString players = NextAnsiField(reader);
    const QString caps = NextAnsiField(reader);
    const std::optional<int> statusValue = ParseDecimal(status);

    UserRow *row = m_rows->FindUserRow(qtag);
    if (!row) {
        UserRow added;
        added.caption = qtag;
        row = m_rows->addRow(std::move(added));
    }
    row->ping = ping;
    row->status = status;
    row->players = players;
    row->caps = caps;
    // A status that is no number leaves the picture as it was.
    if (statusValue) {
        const qint64 image = qint64(kFirstStatusImage) + *statusValue;
        row->statusImage = image <= INT_MAX ? int(image) : -1;
    }
    m_rows->rowUpdated(row);
    if (!statusValue)
        throw MalformedField("arena status is not a number");
}

void ArenaUsers::remoteArenaDevice(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString device = NextAnsiField(reader);

    UserRow *row = m_rows->firstExactRow(qtag);
    if (!row) {
        UserRow added;
        added.caption = qtag;
        added.addDevice(device);
        m_rows->addRow(std::move(added));
        return;
    }
    if (row->addDevice(device))
        m_rows->rowUpdated(row);
}

void ArenaUsers::userData(FieldReader reader)
{
    m_with.session->SetSessionActive(true);
    m_ownQTag = NextAnsiField(reader);
}

QStringList ArenaUsers::SplitPrivilegeList(const QString &text)
{
    QStringList entries;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype slash = text.indexOf(u'/', position);
        if (slash < 0) {
            entries.append(text.mid(position));
            break;
        }
        entries.append(text.mid(position, slash - position));
        position = slash + 1;
    }
    return entries;
}

void ArenaUsers::adminPrivileges(FieldReader reader)
{
    m_administrators = SplitPrivilegeList(NextAnsiField(reader));
    m_administratorSet = QSet<QString>(m_administrators.cbegin(), m_administrators.cend());
}

void ArenaUsers::moderatorPrivileges(FieldReader reader)
{
    NextField(reader); // its meaning is the engine's own
    m_moderators = SplitPrivilegeList(NextAnsiField(reader));
    m_moderatorSet = QSet<QString>(m_moderators.cbegin(), m_moderators.cend());
}

void ArenaUsers::joinsChat(const QString &qtag)
{
    const int role = RoleImageOf(qtag);
    if (UserRow *row = m_rows->FindUserRow(qtag)) {
        row->roleImage = role;
        row->inChat = true;
        m_rows->rowUpdated(row);
        return;
    }
    UserRow row;
    row.caption = qtag;
    row.roleImage = role;
    row.inChat = true;
    m_rows->addRow(std::move(row));
    JoinNotice(qtag);
}

void ArenaUsers::leavesChat(const QString &qtag)
{
    leaves(qtag, &UserRow::inChat, &UserRow::inVector);
}

void ArenaUsers::sendForSelected(QByteArray (*command)(const QString &))
{
    if (const UserRow *row = m_rows->selectedRow(m_with.userListView->selectionModel()))
        m_with.sender->SendCommand(command(row->caption));
}

void ArenaUsers::KickThisUserActionExecute()
{
    sendForSelected(&Command::ArenaKick);
}

void ArenaUsers::BanThisUserActionExecute()
{
    sendForSelected(&Command::ArenaBan);
}

void ArenaUsers::BreakStreamActionExecute()
{
    sendForSelected(&Command::ArenaBreakStream);
}
