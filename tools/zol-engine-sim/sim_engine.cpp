#include "sim_engine.h"

#include "commands.h"
#include "field_reader.h"
#include "message.h"
#include "message_kind.h"
#include "wire_text.h"

#include <QHash>
#include <QNetworkDatagram>
#include <QTextStream>
#include <QVariant>

namespace {

constexpr int kActivityIntervalMs = 1500;
constexpr int kRetrySendMs = 1;
const QString kOrbitalMesh = QStringLiteral("Zol Orbital Mesh");

QString pathOfRoom(const QString &room)
{
    return room == Command::kGeneralChatRoom ? QString() : room;
}

QByteArray arenaPing(const SimUser &user)
{
    return Message("ARENA_PING")
        .ansi(user.qtag)
        .number(user.ping)
        .number(user.status)
        .number(user.players)
        .ansi(user.caps)
        .bytes();
}
} // namespace

SimEngine::SimEngine(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_world(options.seed)
    , m_network(options.seed)
    , m_avatars(options.avatars)
{
    if (options.bigArenaUsers > 0)
        m_world.addBigArena(options.bigArenaUsers);
    if (const std::optional<Account> account = m_world.account(options.loggedInAs)) {
        m_loggedIn = true;
        m_qtag = account->qtag;
        m_password = account->password;
    }
    m_socket.bind(QHostAddress(QHostAddress::LocalHost), options.port);
    // Bursts to the front-end must not be lost on our side either.
    m_socket.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption,
                             QVariant(4 * 1024 * 1024));
    connect(&m_socket, &QUdpSocket::readyRead, this, &SimEngine::readDatagrams);
    connect(&m_activity, &QTimer::timeout, this, &SimEngine::tick);
    m_retrySend.setSingleShot(true);
    m_retrySend.setTimerType(Qt::PreciseTimer);
    connect(&m_retrySend, &QTimer::timeout, this, &SimEngine::flushOutgoing);
    if (!options.calm)
        m_activity.start(kActivityIntervalMs);
}

void SimEngine::readDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const Peer from{datagram.senderAddress(), quint16(datagram.senderPort())};
        if (m_options.verbose) {
            QTextStream(stdout) << "<< " << from.port << ' ' << QString::fromLatin1(datagram.data())
                                << Qt::endl;
        }
        handle(datagram.data(), from);
    }
}

void SimEngine::send(const Peer &to, const QByteArray &message)
{
    if (m_options.verbose)
        QTextStream(stdout) << ">> " << to.port << ' ' << QString::fromLatin1(message) << Qt::endl;
    m_outgoing.emplace_back(to, message);
    if (m_outgoing.size() == 1)
        flushOutgoing();
}

void SimEngine::flushOutgoing()
{
    // A full buffer is waited out on a timer, never in a loop: the front-end is reading.
    while (!m_outgoing.empty()) {
        const auto &[to, message] = m_outgoing.front();
        if (m_socket.writeDatagram(message, to.address, to.port) < 0 &&
            m_socket.error() == QAbstractSocket::TemporaryError) {
            m_retrySend.start(kRetrySendMs);
            return;
        }
        m_outgoing.pop_front();
    }
}

void SimEngine::sendToAttached(const QByteArray &message)
{
    if (m_attached)
        send(*m_attached, message);
}

const SimEngine::Route *SimEngine::routeFor(const QByteArray &name)
{
    static const Route kRoutes[] = {
        {"DISCOVER", Audience::Anyone, &SimEngine::discover},
        {"ATTACH", Audience::Anyone, &SimEngine::attach},
        {"TAKEOVER", Audience::Anyone, &SimEngine::takeOver},
        {"DETACH", Audience::Attached, &SimEngine::detach},
        {"GETSTATE", Audience::Attached, &SimEngine::getState},
        {"GET_METRICS", Audience::Attached, &SimEngine::getMetrics},
        {"LOGIN", Audience::Attached, &SimEngine::login},
        {"VECTOR", Audience::LoggedIn, &SimEngine::enterVector},
        {"GET_VECTORS", Audience::LoggedIn, &SimEngine::sendSubVectors},
        {"CHATMODE", Audience::LoggedIn, &SimEngine::enterChatRoom},
        {"CHAT", Audience::LoggedIn, &SimEngine::chat},
        {"CREATE_VECTOR", Audience::LoggedIn, &SimEngine::createVector},
        {"ARENA_STATUS", Audience::LoggedIn, &SimEngine::arenaStatus},
        {"ADD_CONTACT", Audience::LoggedIn, &SimEngine::addContact},
        {"REMOVE_CONTACT", Audience::LoggedIn, &SimEngine::removeContact},
        {"GET_PROFILE", Audience::LoggedIn, &SimEngine::getProfile},
        {"AVATAR", Audience::LoggedIn, &SimEngine::avatar},
        {"PM", Audience::LoggedIn, &SimEngine::privateMessage},
        {"ARENA_PM", Audience::LoggedIn, &SimEngine::arenaPrivateMessage},
        {"INVITE", Audience::LoggedIn, &SimEngine::invite},
        {"ARENA_KICK", Audience::LoggedIn, &SimEngine::moderate},
        {"ARENA_BAN", Audience::LoggedIn, &SimEngine::moderate},
    };
    static const QHash<QByteArray, const Route *> kByName = [] {
        QHash<QByteArray, const Route *> byName;
        for (const Route &route : kRoutes)
            byName.insert(QByteArray(kMessagePrefix) + route.name, &route);
        return byName;
    }();
    return kByName.value(name);
}

void SimEngine::handle(const QByteArray &datagram, const Peer &from)
{
    FieldReader reader{datagram, 0};
    const Route *route = routeFor(NextField(reader));
    if (!route)
        return;
    // Only the attached front-end is listened to, and most only while someone is logged in.
    if (route->audience != Audience::Anyone && !fromAttached(from))
        return;
    if (route->audience == Audience::LoggedIn && !m_loggedIn)
        return;
    (this->*route->handle)(reader, from);
}

void SimEngine::discover(FieldReader, const Peer &from)
{
    send(from, Message("ENGINE_HERE").bytes());
}

void SimEngine::attach(FieldReader, const Peer &from)
{
    if (m_attached && *m_attached != from) {
        send(from, Message("ENGINE_IN_USE").bytes());
        return;
    }
    accept(from);
}

void SimEngine::takeOver(FieldReader, const Peer &from)
{
    if (m_attached && *m_attached != from)
        send(*m_attached, Message("DETACH").bytes());
    accept(from);
}

void SimEngine::accept(const Peer &from)
{
    m_attached = from;
    send(from, Message("ATTACH").bytes());
    // The devices on the user's side, as the engine finds them after an attach.
    for (const QString &device : m_network.localDevices())
        send(from, Message("LOCAL_DEVICE").ansi(device).bytes());
}

void SimEngine::detach(FieldReader, const Peer &)
{
    m_attached.reset();
}

void SimEngine::getState(FieldReader, const Peer &)
{
    sendState();
}

void SimEngine::getMetrics(FieldReader, const Peer &from)
{
    send(from, m_network.metricsMessage());
}

void SimEngine::createVector(FieldReader reader, const Peer &)
{
    const int capacity = NextAnsiField(reader).toInt();
    const QString description = NextUtf8Field(reader);
    const QString password = NextAnsiField(reader);
    if (!m_world.arenaCreationAllowed(m_vector)) {
        sendToAttached(Message("VECTOR_DISALLOWED")
                           .ansi(m_vector)
                           .ansi(QStringLiteral("Arenas cannot be made here."))
                           .bytes());
        return;
    }
    // The new arena is the user's own, below where the user is; the engine takes them in.
    m_vector = m_world.createArena(m_vector, m_qtag, description, password, capacity);
    reportVector(m_vector);
}

void SimEngine::arenaStatus(FieldReader reader, const Peer &)
{
    m_arenaStatus = NextAnsiField(reader).toInt();
    m_arenaPlayers = NextAnsiField(reader).toInt();
    sendToAttached(Message("ARENA_STATUS").number(m_arenaStatus).number(m_arenaPlayers).bytes());
}

void SimEngine::sendContacts()
{
    if (m_contacts.isEmpty()) {
        m_contacts = m_world.contactsOf(m_qtag);
        // The people of the world are online; the other accounts are not, until they log in.
        for (const QString &qtag : std::as_const(m_contacts))
            m_online[qtag] = !m_world.account(qtag);
    }
    for (const QString &qtag : std::as_const(m_contacts))
        sendToAttached(Message("ADD_CONTACT").ansi(qtag).bytes());
    for (const QString &qtag : std::as_const(m_contacts)) {
        if (m_online.value(qtag))
            sendContactPing(qtag);
    }
}

void SimEngine::sendContactPing(const QString &qtag)
{
    const SimUser *user = m_world.user(qtag);
    const QString vector = user && !user->vector.isEmpty() ? user->vector : QStringLiteral("Arena");
    sendToAttached(Message("CONTACT_PING")
                       .ansi(qtag)
                       .ansi(vector)
                       .number(user ? user->ping : 30 + m_world.random().bounded(60))
                       .number(0)
                       .bytes());
}

void SimEngine::toggleSomeContact()
{
    if (m_contacts.isEmpty())
        return;
    const QString qtag = m_contacts.at(m_world.random().bounded(m_contacts.size()));
    const bool online = !m_online.value(qtag);
    m_online[qtag] = online;
    if (!online) {
        sendToAttached(Message("CONTACT_OFFLINE").ansi(qtag).bytes());
        return;
    }
    sendToAttached(Message("CONTACT_ONLINE").ansi(qtag).bytes());
    sendContactPing(qtag);
}

void SimEngine::addContact(FieldReader reader, const Peer &)
{
    // The engine answers only for someone the service knows; anyone else gets no answer.
    const QString qtag = NextAnsiField(reader);
    if (!m_world.isKnown(qtag) || qtag == m_qtag)
        return;
    if (!m_contacts.contains(qtag)) {
        m_contacts.append(qtag);
        m_online[qtag] = !m_world.account(qtag);
    }
    sendToAttached(Message("ADD_CONTACT").ansi(qtag).bytes());
    if (m_online.value(qtag))
        sendContactPing(qtag);
}

void SimEngine::removeContact(FieldReader reader, const Peer &)
{
    const QString qtag = NextAnsiField(reader);
    if (!m_contacts.removeOne(qtag))
        return;
    m_online.remove(qtag);
    sendToAttached(Message("REMOVE_CONTACT").ansi(qtag).bytes());
}

void SimEngine::getProfile(FieldReader reader, const Peer &)
{
    // An incomplete or unknown QTag gets no answer, as from the engine.
    const QString qtag = NextAnsiField(reader);
    if (!m_world.isKnown(qtag))
        return;
    const QStringList fields = m_world.profileOf(qtag);
    sendToAttached(Message("USER_PROFILE")
                       .ansi(qtag)
                       .ansi(fields.at(0))
                       .utf8(fields.at(1))
                       .utf8(fields.at(2))
                       .ansi(fields.at(3))
                       .ansi(fields.at(4))
                       .ansi(fields.at(5))
                       .ansi(fields.at(6))
                       .bytes());
}

void SimEngine::avatar(FieldReader reader, const Peer &)
{
    const QString qtag = NextAnsiField(reader);
    if (!m_world.isKnown(qtag))
        return;
    sendToAttached(
        Message("AVATAR").ansi(qtag).ansi(QString::fromLatin1(m_avatars.urlFor(qtag))).bytes());
}

void SimEngine::answerLater(const char *kind, const QString &qtag)
{
    static const QStringList kReplies = {
        QStringLiteral("hi! ready when you are"), QStringLiteral("ちょっと待ってね"),
        QStringLiteral("sure, see you in the arena"), QStringLiteral("了解です！"),
        QStringLiteral("brb, 5 min")};
    // Some of the world's people answer; the others stay silent, as people do.
    if (qHash(qtag) % 4 == 0)
        return;
    const QString reply = kReplies.at(qsizetype(qHash(qtag) % quint64(kReplies.size())));
    const QByteArray name(kind);
    QTimer::singleShot(1200, this, [this, name, qtag, reply] {
        sendToAttached(Message(name.constData()).ansi(qtag).utf8(reply).bytes());
    });
}

void SimEngine::privateMessage(FieldReader reader, const Peer &)
{
    const QString qtag = NextAnsiField(reader);
    if (m_online.value(qtag))
        answerLater("PM", qtag);
}

void SimEngine::arenaPrivateMessage(FieldReader reader, const Peer &)
{
    const QString qtag = NextAnsiField(reader);
    if (const SimUser *user = m_world.user(qtag); user && user->vector == m_vector)
        answerLater("ARENA_PM", qtag);
}

void SimEngine::invite(FieldReader reader, const Peer &)
{
    // The invitee may come: after a moment they are in the arena.
    const QString qtag = NextAnsiField(reader);
    const QString vector = NextAnsiField(reader);
    SimUser *user = m_world.user(qtag);
    if (!user || vector.isEmpty() || !m_world.vectorExists(vector))
        return;
    QTimer::singleShot(2000, this, [this, qtag, vector] {
        SimUser *guest = m_world.user(qtag);
        if (!guest || vector != m_vector)
            return;
        guest->vector = vector;
        sendToAttached(Message("JOINS_VECTOR").ansi(guest->qtag).bytes());
        sendToAttached(arenaPing(*guest));
    });
}

void SimEngine::someoneWritesFirst()
{
    static const QStringList kOpeners = {QStringLiteral("hey, want to play?"),
                                         QStringLiteral("こんばんは！"),
                                         QStringLiteral("is your host up?")};
    const QString opener = kOpeners.at(m_world.random().bounded(kOpeners.size()));
    const QList<SimUser *> present = m_world.usersInVector(m_vector);
    if (!m_vector.isEmpty() && !present.isEmpty()) {
        const SimUser *user = present.at(m_world.random().bounded(present.size()));
        sendToAttached(Message("ARENA_PM").ansi(user->qtag).utf8(opener).bytes());
        return;
    }
    for (const QString &qtag : std::as_const(m_contacts)) {
        if (m_online.value(qtag)) {
            sendToAttached(Message("PM").ansi(qtag).utf8(opener).bytes());
            return;
        }
    }
}

void SimEngine::someoneInvites()
{
    for (const QString &qtag : std::as_const(m_contacts)) {
        const SimUser *user = m_world.user(qtag);
        if (m_online.value(qtag) && user && !user->vector.isEmpty()) {
            sendToAttached(Message("INVITE")
                               .ansi(qtag)
                               .ansi(user->vector)
                               .ansi(QStringLiteral("一緒に遊ぼう！"))
                               .bytes());
            return;
        }
    }
}

void SimEngine::moderate(FieldReader reader, const Peer &)
{
    SimUser *user = m_world.user(NextAnsiField(reader));
    if (!user || user->vector != m_vector)
        return;
    user->vector = QStringLiteral("Arena");
    sendToAttached(Message("LEAVES_VECTOR").ansi(user->qtag).bytes());
    if (user->inChat)
        sendToAttached(Message("LEAVES_CHAT").ansi(m_chatRoom).ansi(user->qtag).bytes());
}

void SimEngine::login(FieldReader reader, const Peer &)
{
    const QString qtag = NextAnsiField(reader);
    const QString password = NextAnsiField(reader);
    const std::optional<Account> account = m_world.account(qtag);
    if (!account || account->password != password) {
        sendToAttached(Message("AUTHENTICATION_FAILED").bytes());
        return;
    }
    m_loggedIn = true;
    m_qtag = qtag;
    m_password = password;
    m_vector.clear();
    m_contacts.clear();
    m_online.clear();
    sendLoggedInState();
    sendToAttached(
        Message("STATUS").utf8(QStringLiteral("Logged in to Quorl as %1.").arg(qtag)).bytes());
    sendToAttached(Message("CONNECTED_MESSENGER").bytes());
    sendContacts();
}

void SimEngine::sendState()
{
    if (!m_loggedIn) {
        // The engine remembers the last credentials it was given.
        sendToAttached(Message("NOT_LOGGED_IN").ansi(m_qtag).ansi(m_password).bytes());
        return;
    }
    sendLoggedInState();
    sendToAttached(
        Message("STATUS").utf8(QStringLiteral("Connected to Quorl as %1.").arg(m_qtag)).bytes());
    reportVector(m_vector);
    sendContacts();
}

void SimEngine::sendLoggedInState()
{
    sendToAttached(Message("USER_DATA").ansi(m_qtag).bytes());
    sendToAttached(Message("LOGGED_IN").bytes());
    sendToAttached(Message("MODERATOR_PRIVILEGES")
                       .ansi(QStringLiteral("0"))
                       .ansi(m_world.moderators())
                       .bytes());
    sendToAttached(Message("ADMIN_PRIVILEGES").ansi(m_world.administrators()).bytes());
}

void SimEngine::enterVector(FieldReader reader, const Peer &)
{
    const QString path = NextAnsiField(reader);
    const QString password = NextAnsiField(reader);
    if (!m_world.vectorExists(path)) {
        sendToAttached(Message("VECTOR_DISALLOWED")
                           .ansi(path)
                           .ansi(QStringLiteral("There is no such arena."))
                           .bytes());
        return;
    }
    if (const UserArena *arena = m_world.userArena(path);
        arena && !arena->password.isEmpty() && arena->password != password) {
        sendToAttached(Message("VECTOR_DISALLOWED")
                           .ansi(path)
                           .ansi(QStringLiteral("The supplied password was rejected."))
                           .bytes());
        return;
    }
    m_vector = path;
    reportVector(path);
}

void SimEngine::reportVector(const QString &path)
{
    sendToAttached(
        Message("VECTOR")
            .ansi(path)
            .ansi(m_world.arenaCreationAllowed(path) ? QStringLiteral("1") : QStringLiteral("0"))
            .bytes());
    if (path.isEmpty())
        return; // the top level is the messenger's chat, nobody is "in" it as an arena
    for (const SimUser *user : m_world.usersInVector(path)) {
        sendToAttached(Message("JOINS_VECTOR").ansi(user->qtag).bytes());
        sendToAttached(arenaPing(*user));
        for (const QString &device : user->devices)
            sendToAttached(Message("REMOTE_ARENA_DEVICE").ansi(user->qtag).ansi(device).bytes());
    }
}

void SimEngine::sendSubVectors(FieldReader reader, const Peer &)
{
    const QString path = NextAnsiField(reader);
    for (const QString &child : m_world.childVectors(path)) {
        sendToAttached(Message("SUB_VECTOR")
                           .ansi(child)
                           .number(m_world.usersIn(child))
                           .number(m_world.childCount(child))
                           .number(0)
                           .number(m_world.capacityOf(child))
                           .bytes());
    }
    for (const UserArena *arena : m_world.userArenasBelow(path)) {
        sendToAttached(
            Message("USER_SUB_VECTOR")
                .ansi(arena->path)
                .number(m_world.usersIn(arena->path))
                .number(0)
                .ansi(arena->password.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"))
                .number(arena->capacity)
                .utf8(arena->description)
                .bytes());
    }
}

void SimEngine::enterChatRoom(FieldReader reader, const Peer &)
{
    m_chatRoom = NextAnsiField(reader);
    sendToAttached(Message("CHATMODE").ansi(m_chatRoom).bytes());
    for (const SimUser *user : m_world.chatMembers(m_chatRoom))
        sendToAttached(Message("JOINS_CHAT").ansi(m_chatRoom).ansi(user->qtag).bytes());
    const QStringList description = m_world.roomDescription(m_chatRoom);
    for (qsizetype i = 0; i < description.size(); ++i) {
        sendToAttached(Message("CHAT2")
                           .ansi(m_chatRoom)
                           .ansi(kOrbitalMesh)
                           .utf8(description[i])
                           .ansi(QString())
                           .ansi(i == 0 ? QStringLiteral("1") : QStringLiteral("0"))
                           .bytes());
    }
}

void SimEngine::chat(FieldReader reader, const Peer &)
{
    // What the user says shows when it comes back from the room.
    const QString text = NextUtf8Field(reader);
    sendToAttached(Message("CHAT").ansi(m_chatRoom).ansi(m_qtag).utf8(text).bytes());
}

void SimEngine::tick()
{
    if (!m_attached || !m_loggedIn)
        return;
    ++m_ticks;
    if (m_ticks % 30 == 0) {
        sendToAttached(
            Message("STATUS")
                .utf8(QStringLiteral("Quorl: %1 users online.")
                          .arg(m_world.users().size() + 1000 + m_world.random().bounded(50)))
                .bytes());
    }
    if (m_ticks % 15 == 7)
        toggleSomeContact();
    if (m_ticks % 25 == 12)
        someoneWritesFirst();
    if (m_ticks % 60 == 33)
        someoneInvites();
    if (m_ticks % 40 == 20) {
        // Now and then the engine reports a status of its own, as when a game ended: a front-end
        // in automatic mode insists on the user's choice again.
        sendToAttached(Message("ARENA_STATUS").number(1).number(1).bytes());
    }
    QRandomGenerator &random = m_world.random();
    switch (random.bounded(4)) {
    case 0:
        moveSomeone();
        break;
    case 1: {
        const QList<SimUser *> members = m_world.chatMembers(m_chatRoom);
        if (!members.isEmpty()) {
            const SimUser *speaker = members.at(random.bounded(members.size()));
            sendToAttached(Message("CHAT")
                               .ansi(m_chatRoom)
                               .ansi(speaker->qtag)
                               .utf8(m_world.randomChatLine())
                               .bytes());
        }
        break;
    }
    default: {
        const QList<SimUser *> present = m_world.usersInVector(m_vector);
        if (!present.isEmpty() && !m_vector.isEmpty()) {
            SimUser *user = present.at(random.bounded(present.size()));
            user->ping = qBound(10, user->ping + random.bounded(-30, 31), 400);
            sendToAttached(arenaPing(*user));
        }
        break;
    }
    }
}

void SimEngine::moveSomeone()
{
    QList<SimUser> &users = m_world.users();
    SimUser &user = users[m_world.random().bounded(users.size())];
    if (user.vector.startsWith(World::bigArenaPath()))
        return;
    const bool wasHere = user.vector == m_vector;
    const bool wasInRoom = wasHere && user.inChat && pathOfRoom(m_chatRoom) == m_vector;
    if (wasHere) {
        user.vector = QStringLiteral("Arena");
        if (!m_vector.isEmpty())
            sendToAttached(Message("LEAVES_VECTOR").ansi(user.qtag).bytes());
        if (wasInRoom)
            sendToAttached(Message("LEAVES_CHAT").ansi(m_chatRoom).ansi(user.qtag).bytes());
        return;
    }
    user.vector = m_vector;
    if (!m_vector.isEmpty()) {
        sendToAttached(Message("JOINS_VECTOR").ansi(user.qtag).bytes());
        sendToAttached(arenaPing(user));
    }
    if (user.inChat && pathOfRoom(m_chatRoom) == m_vector)
        sendToAttached(Message("JOINS_CHAT").ansi(m_chatRoom).ansi(user.qtag).bytes());
}
