#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "subsystem.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class ChatLineSink;
class CommandSender;
class NotificationSounds;
class QAction;
class QTreeView;
class SessionControl;
class UserListModel;
struct UserRow;
class VectorEntry;

// Who is in the current arena and its chat room: the user list with presence, pings and devices,
// the user's own QTag, the privilege lists, and the moderation commands on the selected user.
// The chat room changes the rows only through the methods below.
class ArenaUsers : public QObject,
                   public Subsystem,
                   public ArenaUserSelection,
                   public ArenaPresence {
    Q_OBJECT

public:
    struct Collaborators {
        QTreeView *userListView = nullptr;
        ChatLineSink *chat = nullptr;
        NotificationSounds *sounds = nullptr;
        SessionControl *session = nullptr;
        CommandSender *sender = nullptr;
        const VectorEntry *vectors = nullptr;
        QAction *joinLog = nullptr;        // the enter and exit notices
        QAction *enterExitSound = nullptr; // the enter and exit sounds
    };

    explicit ArenaUsers(const Collaborators &with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;
    void describe(SessionSnapshot &state) const override;
    void sessionActiveChanged(bool active) override;

    UserListModel &rows() const { return *m_rows; }
    std::optional<QString> selectedUserQTag() const override;
    QString OwnQTag() const override { return m_ownQTag; }
    QStringList ModeratorList() const { return m_moderators; }
    QStringList AdministratorList() const { return m_administrators; }
    bool IsModerator(const QString &qtag) const { return m_moderatorSet.contains(qtag); }
    bool IsAdministrator(const QString &qtag) const { return m_administratorSet.contains(qtag); }
    int RoleImageOf(const QString &qtag) const;
    bool IsInCurrentVector(const QString &qtag) const override;

    // Drops the arena part and/or the chat part of the list (UserListModel's flags).
    void ClearUserRows(int flags);
    // The chat room's members come and go.
    void joinsChat(const QString &qtag);
    void leavesChat(const QString &qtag);

    void KickThisUserActionExecute();
    void BanThisUserActionExecute();
    void BreakStreamActionExecute();

    // The privilege lists' wire form: QTags separated by '/'.
    static QStringList SplitPrivilegeList(const QString &text);

private:
    // The notice and sound for a user who got a new row by entering.
    void JoinNotice(const QString &qtag);
    // The notice and sound for a user whose row went because they left both arena and chat.
    void LeaveNotice(const QString &qtag);
    void joinsVector(FieldReader reader);
    void leavesVector(FieldReader reader);
    // A user left the arena or the chat room; the row goes when they are in neither.
    void leaves(const QString &qtag, bool UserRow::*left, bool UserRow::*stays);
    void arenaPing(FieldReader reader);
    void remoteArenaDevice(FieldReader reader);
    void userData(FieldReader reader);
    void adminPrivileges(FieldReader reader);
    void moderatorPrivileges(FieldReader reader);
    void sendForSelected(QByteArray (*command)(const QString &));

    Collaborators m_with;
    UserListModel *m_rows;
    QString m_ownQTag;
    QStringList m_moderators;
    QStringList m_administrators;
    QSet<QString> m_moderatorSet;
    QSet<QString> m_administratorSet;
};
