#include "world.h"

#include "commands.h"

#include <algorithm>

namespace {

const QStringList kChatLines = {
    QStringLiteral("こんにちは！"),         QStringLiteral("anyone up for a round?"),
    QStringLiteral("ラグがひどいです…"),    QStringLiteral("gg, thanks all"),
    QStringLiteral("ホスト募集中です"),     QStringLiteral("my ping is fine today"),
    QStringLiteral("よろしくお願いします"), QStringLiteral("brb"),
};

QString macAddress(QRandomGenerator &random)
{
    QStringList bytes;
    for (int i = 0; i < 6; ++i)
        bytes.append(QStringLiteral("%1").arg(random.bounded(256), 2, 16, QChar(u'0')).toUpper());
    return bytes.join(u':');
}

} // namespace

World::World(quint32 seed)
    : m_random(seed)
{
    const QList<QPair<QString, QStringList>> games = {
        {QStringLiteral("Arena/PSP/Action"),
         {QStringLiteral("Monster Hunter Freedom"), QStringLiteral("Ape Escape")}},
        {QStringLiteral("Arena/PSP/Racing"),
         {QStringLiteral("Ridge Racer"), QStringLiteral("Burnout Legends")}},
        {QStringLiteral("Arena/PSP/RPG"), {QStringLiteral("Phantasy Star Portable")}},
        {QStringLiteral("Arena/PlayStation 2/Action"), {QStringLiteral("Monster Hunter 2")}},
        {QStringLiteral("Arena/PlayStation 2/Sports"), {QStringLiteral("Winning Eleven")}},
        {QStringLiteral("Arena/XBox/Shooter"), {QStringLiteral("Halo 2")}},
        {QStringLiteral("Arena/XBox/Racing"), {QStringLiteral("Project Gotham Racing 2")}},
        {QStringLiteral("Arena/GameCube/Racing"), {QStringLiteral("Mario Kart Double Dash")}},
    };
    addVector(QStringLiteral("Arena"));
    for (const auto &[genre, titles] : games) {
        for (const QString &title : titles) {
            addVector(genre + u'/' + title);
            m_capacities.insert(genre + u'/' + title, 16);
        }
    }

    m_accounts = {{QStringLiteral("alice"), QStringLiteral("wonderland")},
                  {QStringLiteral("bob"), QStringLiteral("builder")},
                  {QStringLiteral("tovrel"), QStringLiteral("tovrel")}};

    const QStringList people = {
        QStringLiteral("akira"),   QStringLiteral("mika"),  QStringLiteral("kenji"),
        QStringLiteral("yuki"),    QStringLiteral("hiro"),  QStringLiteral("sakura"),
        QStringLiteral("taro"),    QStringLiteral("naomi"), QStringLiteral("ryo"),
        QStringLiteral("emi"),     QStringLiteral("Zeke"),  QStringLiteral("marco"),
        QStringLiteral("lena"),    QStringLiteral("oskar"), QStringLiteral("ines"),
        QStringLiteral("quinn"),   QStringLiteral("tomo"),  QStringLiteral("aya"),
        QStringLiteral("daisuke"), QStringLiteral("kaori"), QStringLiteral("shin"),
        QStringLiteral("rin"),     QStringLiteral("jun"),   QStringLiteral("ken"),
    };
    QStringList places = m_vectors;
    places.prepend(QString()); // the top level
    for (const QString &qtag : people) {
        SimUser user;
        user.qtag = qtag;
        // Most people gather where the busy games are.
        user.vector = places.at(m_random.bounded(places.size()));
        user.inChat = m_random.bounded(10) < 8;
        user.ping = 20 + m_random.bounded(180);
        user.status = 1 + m_random.bounded(3);
        user.players = 1 + m_random.bounded(4);
        user.caps = QStringLiteral("0%1").arg(1 + m_random.bounded(3));
        const int deviceCount = m_random.bounded(3);
        for (int i = 0; i < deviceCount; ++i)
            user.devices.append(macAddress(m_random));
        m_users.append(user);
    }
    // Everyone likes Monster Hunter: make it a lively place to look at.
    for (int i = 0; i < 6; ++i)
        m_users[i].vector = QStringLiteral("Arena/PSP/Action/Monster Hunter Freedom");

    m_userArenas = {
        {QStringLiteral("Arena/PSP/Action/Monster Hunter Freedom/akira"), QString(),
         QStringLiteral("G級クエスト%E3%81%BE%E3%81%A3%E3%81%9F%E3%82%8A"), 4},
        {QStringLiteral("Arena/PSP/Action/Monster Hunter Freedom/mika"), QStringLiteral("hunt"),
         QStringLiteral("friends only, password on the forum"), 4},
        {QStringLiteral("Arena/XBox/Shooter/Halo 2/Zeke"), QString(),
         QStringLiteral("Team%20Slayer%20all%20night"), 8},
    };
}

void World::addVector(const QString &path)
{
    // Every level of the path is a vector of its own.
    QString prefix;
    for (const QString &level : path.split(u'/')) {
        prefix = prefix.isEmpty() ? level : prefix + u'/' + level;
        if (!m_vectors.contains(prefix))
            m_vectors.append(prefix);
    }
}

void World::addBigArena(int bigArenaUsers)
{
    addVector(bigArenaPath());
    m_capacities.insert(bigArenaPath(), 0);
    for (int i = 0; i < bigArenaUsers; ++i) {
        SimUser user;
        user.qtag = QStringLiteral("crowd%1").arg(i, 5, 10, QChar(u'0'));
        user.vector = bigArenaPath();
        user.ping = 20 + int(i % 200);
        user.status = 1 + int(i % 3);
        user.players = 1 + int(i % 4);
        user.caps = QStringLiteral("03");
        m_users.append(user);
    }
}

std::optional<Account> World::account(const QString &qtag) const
{
    for (const Account &account : m_accounts) {
        if (account.qtag == qtag)
            return account;
    }
    return std::nullopt;
}

bool World::vectorExists(const QString &path) const
{
    return path.isEmpty() || m_vectors.contains(path) || userArena(path);
}

const UserArena *World::userArena(const QString &path) const
{
    for (const UserArena &arena : m_userArenas) {
        if (arena.path == path)
            return &arena;
    }
    return nullptr;
}

bool World::arenaCreationAllowed(const QString &path) const
{
    return m_capacities.contains(path);
}

QStringList World::childVectors(const QString &path) const
{
    QStringList children;
    const QString prefix = path.isEmpty() ? QString() : path + u'/';
    for (const QString &vector : m_vectors) {
        if (vector.startsWith(prefix) && !vector.mid(prefix.size()).contains(u'/') &&
            vector.size() > prefix.size())
            children.append(vector);
    }
    return children;
}

QList<const UserArena *> World::userArenasBelow(const QString &path) const
{
    QList<const UserArena *> arenas;
    for (const UserArena &arena : m_userArenas) {
        if (arena.path.section(u'/', 0, -2) == path)
            arenas.append(&arena);
    }
    return arenas;
}

int World::childCount(const QString &path) const
{
    return int(childVectors(path).size() + userArenasBelow(path).size());
}

int World::usersIn(const QString &path) const
{
    int count = 0;
    for (const SimUser &user : m_users) {
        if (user.vector == path || user.vector.startsWith(path + u'/'))
            ++count;
    }
    return count;
}

int World::capacityOf(const QString &path) const
{
    if (const UserArena *arena = userArena(path))
        return arena->capacity;
    return m_capacities.value(path, 0);
}

QList<SimUser *> World::usersInVector(const QString &path)
{
    QList<SimUser *> found;
    for (SimUser &user : m_users) {
        if (user.vector == path)
            found.append(&user);
    }
    return found;
}

QList<SimUser *> World::chatMembers(const QString &room)
{
    const QString vector = room == Command::kGeneralChatRoom ? QString() : room;
    QList<SimUser *> members;
    for (SimUser *user : usersInVector(vector)) {
        if (user->inChat)
            members.append(user);
    }
    return members;
}

SimUser *World::user(const QString &qtag)
{
    for (SimUser &user : m_users) {
        if (user.qtag == qtag)
            return &user;
    }
    return nullptr;
}

QStringList World::roomDescription(const QString &room) const
{
    if (room == Command::kGeneralChatRoom)
        return {QStringLiteral("Welcome to the Quorl messenger.\r\nPick an arena on the left to "
                               "find people playing your game."),
                QStringLiteral("Be nice. Moderators: kenji, mika.")};
    if (!m_capacities.contains(room) && !userArena(room))
        return {};
    return {QStringLiteral("%1\r\nThis arena tunnels the console's LAN games over the internet.")
                .arg(room.section(u'/', -1)),
            QStringLiteral("Hosts: set your arena status so others can find you.")};
}

QString World::randomChatLine()
{
    return kChatLines.at(m_random.bounded(kChatLines.size()));
}

QString World::createArena(const QString &parent, const QString &owner, const QString &description,
                           const QString &password, int capacity)
{
    const QString path = parent + u'/' + owner;
    for (UserArena &arena : m_userArenas) {
        if (arena.path == path) {
            arena = {path, password, description, capacity};
            return path;
        }
    }
    m_userArenas.append({path, password, description, capacity});
    return path;
}

QStringList World::contactsOf(const QString &account) const
{
    static const QHash<QString, QStringList> kContacts = {
        {QStringLiteral("alice"),
         {QStringLiteral("bob"), QStringLiteral("tovrel"), QStringLiteral("akira"),
          QStringLiteral("mika"), QStringLiteral("kenji")}},
        {QStringLiteral("bob"),
         {QStringLiteral("alice"), QStringLiteral("tovrel"), QStringLiteral("yuki"),
          QStringLiteral("hiro")}},
        {QStringLiteral("tovrel"),
         {QStringLiteral("alice"), QStringLiteral("bob"), QStringLiteral("sakura"),
          QStringLiteral("taro")}},
    };
    return kContacts.value(account);
}

bool World::isKnown(const QString &qtag) const
{
    if (account(qtag))
        return true;
    return std::any_of(m_users.cbegin(), m_users.cend(),
                       [&](const SimUser &user) { return user.qtag == qtag; });
}

QStringList World::profileOf(const QString &qtag) const
{
    static const QStringList kBandwidths = {QStringLiteral("光ファイバー 100M"),
                                            QStringLiteral("ADSL 12M"),
                                            QStringLiteral("ケーブル 30M")};
    static const QStringList kPlaces = {QStringLiteral("東京"),   QStringLiteral("大阪"),
                                        QStringLiteral("札幌"),   QStringLiteral("福岡"),
                                        QStringLiteral("Berlin"), QStringLiteral("Lisboa")};
    static const QStringList kGames = {
        QStringLiteral("Monster Hunter Freedom"), QStringLiteral("Halo 2"),
        QStringLiteral("Mario Kart Double Dash"), QStringLiteral("Winning Eleven")};
    const size_t seed = qHash(qtag);
    const auto yesNo = [&](int bit) {
        return (seed >> bit) & 1 ? QStringLiteral("Yes") : QStringLiteral("No");
    };
    return {QString::number(18 + seed % 23),
            kBandwidths.at(qsizetype((seed >> 3) % kBandwidths.size())),
            kPlaces.at(qsizetype((seed >> 5) % kPlaces.size())),
            yesNo(8),
            yesNo(9),
            yesNo(10),
            kGames.at(qsizetype((seed >> 11) % kGames.size())) + QStringLiteral(", ") +
                kGames.at(qsizetype((seed >> 13) % kGames.size()))};
}
