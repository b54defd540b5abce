#include "avatar_server.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {
constexpr qsizetype kMaxRequestHead = 8192;
constexpr int kSlowByteMs = 200;
} // namespace

AvatarServer::AvatarServer(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
    m_server.listen(QHostAddress(QHostAddress::LocalHost), options.port);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                QByteArray head = socket->property("head").toByteArray() + socket->readAll();
                socket->setProperty("head", head);
                if (head.contains("\r\n\r\n") && !socket->property("answered").toBool()) {
                    socket->setProperty("answered", true);
                    answer(socket, head);
                } else if (head.size() > kMaxRequestHead) {
                    socket->abort();
                }
            });
        }
    });
}

QByteArray AvatarServer::urlFor(const QString &qtag) const
{
    return QByteArrayLiteral("http://127.0.0.1:") + QByteArray::number(m_server.serverPort()) +
           "/avatar/" + QUrl::toPercentEncoding(qtag) + ".jpg";
}

QByteArray AvatarServer::pictureOf(const QString &qtag)
{
    // A face of the user's own colours, the same every time.
    const QByteArray hash = QCryptographicHash::hash(qtag.toUtf8(), QCryptographicHash::Md5);
    const QColor background = QColor::fromHsv(uchar(hash[0]) * 360 / 256, 70, 235);
    const QColor shirt = QColor::fromHsv(uchar(hash[1]) * 360 / 256, 190, 200);
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(shirt);
    p.drawEllipse(QRectF(10, 40, 44, 40));
    p.setBrush(QColor(250, 215, 180));
    p.drawEllipse(QRectF(20, 10, 24, 26));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

void AvatarServer::answer(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> request = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray path = request.value(1);
    const bool found =
        request.value(0) == "GET" && path.startsWith("/avatar/") && path.endsWith(".jpg");
    if (!found) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const QString qtag =
        QUrl::fromPercentEncoding(path.mid(8, path.size() - 8 - 4)); // between /avatar/ and .jpg
    const QByteArray body = pictureOf(qtag);
    socket->write(
        "HTTP/1.1 200 OK\r\nContent-Type: " +
        QByteArray(m_options.wrongContentType ? "text/html; charset=UTF-8" : "image/jpeg") +
        "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
    if (!m_options.slow) {
        socket->write(body);
        socket->disconnectFromHost();
        return;
    }
    auto *trickle = new QTimer(socket);
    connect(trickle, &QTimer::timeout, socket, [socket, body, sent = qsizetype(0)]() mutable {
        socket->write(body.mid(sent++, 1));
        if (sent >= body.size())
            socket->disconnectFromHost();
    });
    trickle->start(kSlowByteMs);
}
