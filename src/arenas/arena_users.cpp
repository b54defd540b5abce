#include "arena_users.h"

#include "chat_line_sink.h"
#include "commands.h"
#include "decimal.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "notification_sounds.h"
#include "user_list_model.h"
#include "wire_text.h"

#include <QAction>

#include <climits>

namespace {
constexpr int kFirstStatusImage = 3;
enum RoleImage { PlainUser = 0, Moderator = 1, Administrator = 2 };
} // namespace

ArenaUsers::ArenaUsers(Collaborators with, QObject *parent)
    : QObject(parent)
    , m_with(std::move(with))
{}

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
    const UserRow *row = m_with.rows->lastExactRow(qtag);
    return row && row->inVector;
}

void ArenaUsers::JoinNotice(const QString &qtag)
{
    if (m_with.currentVectorPath().endsWith(u'/' + m_ownQTag))
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
    if (UserRow *row = m_with.rows->FindUserRow(qtag)) {
        row->inVector = true;
        m_with.rows->rowUpdated(row);
        return;
    }
    UserRow row;
    row.caption = qtag;
    row.inVector = true;
    m_with.rows->addRow(std::move(row));
    JoinNotice(qtag);
}

void ArenaUsers::leavesVector(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    UserRow *row = m_with.rows->FindUserRow(qtag);
    if (!row)
        return;
    row->inVector = false;
    if (row->inChat) {
        m_with.rows->rowUpdated(row);
        return;
    }
    m_with.rows->deleteRow(row);
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

    UserRow *row = m_with.rows->FindUserRow(qtag);
    if (!row) {
        UserRow added;
        added.caption = qtag;
        row = m_with.rows->addRow(std::move(added));
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
    m_with.rows->rowUpdated(row);
    if (!statusValue)
        throw MalformedField("arena status is not a number");
}

void ArenaUsers::remoteArenaDevice(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString device = NextAnsiField(reader);

    UserRow *row = m_with.rows->firstExactRow(qtag);
    if (!row) {
        UserRow added;
        added.caption = qtag;
        added.deviceCount = QStringLiteral("1");
        added.deviceList = device + u';';
        m_with.rows->addRow(std::move(added));
        return;
    }
    int entries = 0;
    for (QStringView rest(row->deviceList); !rest.isEmpty(); ++entries) {
        const qsizetype end = rest.indexOf(u';');
        const QStringView entry = end < 0 ? rest : rest.first(end);
        if (entry == device)
            return;
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
    }
    row->deviceList += device + u';';
    row->deviceCount = QString::number(entries + 1);
    m_with.rows->rowUpdated(row);
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

void ArenaUsers::sendForSelected(QByteArray (*command)(const QString &))
{
    if (const UserRow *row = m_with.rows->selectedRow(m_with.selection))
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
