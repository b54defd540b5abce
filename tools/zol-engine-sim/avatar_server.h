#pragma once

#include <QByteArray>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 that serves each user's avatar as a JPEG it draws itself:
// GET /avatar/<QTag>.jpg. It can answer slowly, one byte at a time, or with the wrong
// content type, to show how the front-end copes.
class AvatarServer : public QObject {
    Q_OBJECT

public:
    struct Options {
        quint16 port = 0; // 0: any free one
        bool slow = false;
        bool wrongContentType = false;
    };

    explicit AvatarServer(const Options &options, QObject *parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    QByteArray urlFor(const QString &qtag) const;

    static QByteArray pictureOf(const QString &qtag);

private:
    void answer(class QTcpSocket *socket, const QByteArray &head);

    Options m_options;
    QTcpServer m_server;
};
