#include "http_stub.h"

#include <QBuffer>
#include <QImage>
#include <QTcpSocket>
#include <QTimer>

HttpStub::HttpStub()
{
    m_server.listen(QHostAddress(QHostAddress::LocalHost), 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                if (socket->property("answered").toBool())
                    return;
                QByteArray head = socket->property("head").toByteArray() + socket->readAll();
                socket->setProperty("head", head);
                if (!head.contains("\r\n\r\n"))
                    return;
                socket->setProperty("answered", true);
                requests.append(head);
                answer(socket);
            });
        }
    });
}

QUrl HttpStub::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void HttpStub::answer(QTcpSocket *socket)
{
    const Response &response = m_response;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    if (!response.contentType.isNull())
        head += "Content-Type: " + response.contentType + "\r\n";
    if (!response.location.isEmpty())
        head += "Location: " + response.location + "\r\n";
    if (!response.lieAboutLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (!response.trickle) {
        socket->write(response.body);
        socket->disconnectFromHost();
        return;
    }
    auto *timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, body = response.body, sent] {
        if (*sent < body.size())
            socket->write(body.mid((*sent)++, 1));
    });
    timer->start(100);
}

QByteArray TestJpeg(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}
