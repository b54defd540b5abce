#pragma once

#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <optional>

// Someone else on the Quorl service, as the substitute engine plays them.
struct SimUser {
    QString qtag;
    QString vector; // the vector they are in; empty at the top level
    bool inChat = true;
    int ping = 50;
    int status = 1; // 1 trying to join, 2 hosting now, 3 dedicated host
    int players = 1;
    QString caps;
    QStringList devices;
};

// An arena made by a user: its path ends with the owner's QTag.
struct UserArena {
    QString path;
    QString password; // empty: open
    QString description;
    int capacity = 0; // 0: unlimited
};

struct Account {
    QString qtag;
    QString password;
};

// The believable world behind the substitute engine: a vector hierarchy several levels deep,
// arenas made by users, people who move, ping and chat, and the accounts that may log in.
class World {
public:
    explicit World(quint32 seed);

    // A vector of bigArenaUsers users, all at once, to show how the front-end copes.
    void addBigArena(int bigArenaUsers);
    static QString bigArenaPath() { return QStringLiteral("Arena/Big Arena"); }

    std::optional<Account> account(const QString &qtag) const;

    bool vectorExists(const QString &path) const;
    const UserArena *userArena(const QString &path) const;
    // Whether a user may make a private arena in the vector.
    bool arenaCreationAllowed(const QString &path) const;
    QStringList childVectors(const QString &path) const;
    QList<const UserArena *> userArenasBelow(const QString &path) const;
    int childCount(const QString &path) const;
    int usersIn(const QString &path) const;
    int capacityOf(const QString &path) const;
    QList<SimUser *> usersInVector(const QString &path);
    QList<SimUser *> chatMembers(const QString &room);
    SimUser *user(const QString &qtag);
    // A description for the room, sent as the orbital mesh's; empty for rooms without one.
    QStringList roomDescription(const QString &room) const;

    // Whom an account has on its contact list.
    QStringList contactsOf(const QString &account) const;
    // Everyone the service knows: the accounts and the people of the world.
    bool isKnown(const QString &qtag) const;
    // The fields of USER_PROFILE after the QTag, in order.
    QStringList profileOf(const QString &qtag) const;

    QString moderators() const { return QStringLiteral("kenji/mika/"); }
    QString administrators() const { return QStringLiteral("quorl"); }

    QRandomGenerator &random() { return m_random; }
    QString randomChatLine();
    QList<SimUser> &users() { return m_users; }
    QString createArena(const QString &parent, const QString &owner, const QString &description,
                        const QString &password, int capacity);

private:
    void addVector(const QString &path);

    QRandomGenerator m_random;
    QStringList m_vectors; // in the order they were added
    QHash<QString, int> m_capacities;
    QList<UserArena> m_userArenas;
    QList<SimUser> m_users;
    QList<Account> m_accounts;
};
