#pragma once

#include "field_reader.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

class ChatLineSink;
class CommandSender;
class MessageDispatcher;
class NotificationSounds;
class QAction;
class QItemSelectionModel;
class SessionControl;
class UserListModel;

// Who is in the current arena: presence, pings and devices of the users, the user's own QTag,
// the privilege lists, and the moderation commands on the selected user.
class ArenaUsers : public QObject {
    Q_OBJECT

public:
    struct Collaborators {
        UserListModel *rows = nullptr;
        QItemSelectionModel *selection = nullptr;
        ChatLineSink *chat = nullptr;
        NotificationSounds *sounds = nullptr;
        SessionControl *session = nullptr;
        CommandSender *sender = nullptr;
        std::function<QString()> currentVectorPath;
        QAction *joinLog = nullptr;        // the enter and exit notices
        QAction *enterExitSound = nullptr; // the enter and exit sounds
    };

    explicit ArenaUsers(Collaborators with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher);

    QString OwnQTag() const { return m_ownQTag; }
    QStringList ModeratorList() const { return m_moderators; }
    QStringList AdministratorList() const { return m_administrators; }
    bool IsModerator(const QString &qtag) const { return m_moderatorSet.contains(qtag); }
    bool IsAdministrator(const QString &qtag) const { return m_administratorSet.contains(qtag); }
    int RoleImageOf(const QString &qtag) const;
    bool IsInCurrentVector(const QString &qtag) const;

    // The notice and sound for a user who got a new row by entering.
    void JoinNotice(const QString &qtag);
    // The notice and sound for a user whose row went because they left both arena and chat.
    void LeaveNotice(const QString &qtag);

    void KickThisUserActionExecute();
    void BanThisUserActionExecute();
    void BreakStreamActionExecute();

    // The privilege lists' wire form: QTags separated by '/'.
    static QStringList SplitPrivilegeList(const QString &text);

private:
    void joinsVector(FieldReader reader);
    void leavesVector(FieldReader reader);
    void arenaPing(FieldReader reader);
    void remoteArenaDevice(FieldReader reader);
    void userData(FieldReader reader);
    void adminPrivileges(FieldReader reader);
    void moderatorPrivileges(FieldReader reader);
    void sendForSelected(QByteArray (*command)(const QString &));

    Collaborators m_with;
    QString m_ownQTag;
    QStringList m_moderators;
    QStringList m_administrators;
    QSet<QString> m_moderatorSet;
    QSet<QString> m_administratorSet;
};
