#pragma once

#include "world.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

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
    };

    explicit SimEngine(const Options &options, QObject *parent = nullptr);

    bool isListening() const { return m_socket.state() == QAbstractSocket::BoundState; }

private:
    struct Peer {
        QHostAddress address;
        quint16 port = 0;
        bool operator==(const Peer &) const = default;
    };

    void readDatagrams();
    void handle(const QByteArray &datagram, const Peer &from);
    void send(const Peer &to, const QByteArray &message);
    void sendToAttached(const QByteArray &message);
    bool fromAttached(const Peer &from) const { return m_attached && *m_attached == from; }

    void login(FieldReader reader);
    void sendState();
    void sendLoggedInState();
    void enterVector(FieldReader reader);
    void reportVector(const QString &path);
    void sendSubVectors(FieldReader reader);
    void enterChatRoom(FieldReader reader);
    void chat(FieldReader reader);
    void tick();
    void moveSomeone();

    Options m_options;
    World m_world;
    QUdpSocket m_socket;
    QTimer m_activity;
    std::optional<Peer> m_attached;

    bool m_loggedIn = false;
    QString m_qtag;
    QString m_password;
    QString m_vector;
    QString m_chatRoom;
    int m_ticks = 0;
};
