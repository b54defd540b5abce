#pragma once

#include "avatar_server.h"
#include "network_report.h"
#include "world.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <deque>
#include <optional>

struct FieldReader;

// The substitute engine: answers a front-end's commands as the real engine does and plays a
// world around the logged-in user.
class SimEngine : public QObject {
    Q_OBJECT

public:
    struct Options {
        quint16 port = 34522;
        bool verbose = false;
        bool calm = false;     // no spontaneous activity: for tests
        QString loggedInAs;    // start with this account's session already logged in
        int bigArenaUsers = 0; // add "Arena/Big Arena" with this many users
        quint32 seed = 1;
        AvatarServer::Options avatars;
    };

    explicit SimEngine(const Options &options, QObject *parent = nullptr);

    bool isListening() const { return m_socket.state() == QAbstractSocket::BoundState; }

private:
    struct Peer {
        QHostAddress address;
        quint16 port = 0;
        bool operator==(const Peer &) const = default;
    };

    // Who may send a command and be answered.
    enum class Audience { Anyone, Attached, LoggedIn };
    struct Route {
        const char *name; // after "ZOL_CLIENT_"
        Audience audience;
        void (SimEngine::*handle)(FieldReader reader, const Peer &from);
    };
    static const Route *routeFor(const QByteArray &name);

    void readDatagrams();
    void handle(const QByteArray &datagram, const Peer &from);
    void send(const Peer &to, const QByteArray &message);
    void sendToAttached(const QByteArray &message);
    void flushOutgoing();
    bool fromAttached(const Peer &from) const { return m_attached && *m_attached == from; }

    void discover(FieldReader reader, const Peer &from);
    void attach(FieldReader reader, const Peer &from);
    void takeOver(FieldReader reader, const Peer &from);
    void accept(const Peer &from);
    void detach(FieldReader reader, const Peer &from);
    void getState(FieldReader reader, const Peer &from);
    void moderate(FieldReader reader, const Peer &from);
    void getMetrics(FieldReader reader, const Peer &from);
    void createVector(FieldReader reader, const Peer &from);
    void addContact(FieldReader reader, const Peer &from);
    void removeContact(FieldReader reader, const Peer &from);
    void getProfile(FieldReader reader, const Peer &from);
    void avatar(FieldReader reader, const Peer &from);
    void sendContacts();
    void sendContactPing(const QString &qtag);
    void toggleSomeContact();
    void privateMessage(FieldReader reader, const Peer &from);
    void arenaPrivateMessage(FieldReader reader, const Peer &from);
    void invite(FieldReader reader, const Peer &from);
    // Someone answers a private message after a moment, or stays silent.
    void answerLater(const char *kind, const QString &qtag);
    void someoneWritesFirst();
    void someoneInvites();
    void arenaStatus(FieldReader reader, const Peer &from);
    void login(FieldReader reader, const Peer &from);
    void sendState();
    void sendLoggedInState();
    void enterVector(FieldReader reader, const Peer &from);
    void reportVector(const QString &path);
    void sendSubVectors(FieldReader reader, const Peer &from);
    void enterChatRoom(FieldReader reader, const Peer &from);
    void chat(FieldReader reader, const Peer &from);
    void tick();
    void moveSomeone();

    Options m_options;
    World m_world;
    NetworkReport m_network;
    AvatarServer m_avatars;
    QStringList m_contacts;        // the logged-in account's, in the order they were added
    QHash<QString, bool> m_online; // contacts that are online now
    QUdpSocket m_socket;
    QTimer m_activity;
    // What could not be sent yet because the socket's buffer was full, in order.
    std::deque<std::pair<Peer, QByteArray>> m_outgoing;
    QTimer m_retrySend;
    std::optional<Peer> m_attached;

    bool m_loggedIn = false;
    QString m_qtag;
    QString m_password;
    QString m_vector;
    QString m_chatRoom;
    // The user's own hosting status and players, as the front-end last said.
    int m_arenaStatus = 1;
    int m_arenaPlayers = 1;
    int m_ticks = 0;
};
