#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

// A small HTTP server on an ephemeral loopback port, for tests: it answers every request with
// the response it is given, at once or one byte at a time, and keeps the requests it got.
class HttpStub : public QObject {
    Q_OBJECT

public:
    struct Response {
        QByteArray contentType = "image/jpeg";
        QByteArray body{};
        int status = 200;
        bool trickle = false;        // one byte every 100 ms, never finishing in a test's time
        bool lieAboutLength = false; // no Content-Length, so only counting finds the size
        QByteArray location{};       // a redirect's target
    };

    HttpStub();
    QUrl url(const QString &path = QStringLiteral("/avatar.jpg")) const;
    void respondWith(const Response &response) { m_response = response; }
    QList<QByteArray> requests; // the request heads, as received

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    Response m_response;
};

// A small JPEG picture, drawn here.
QByteArray TestJpeg(int size = 24, QColor colour = QColor(200, 80, 40));
