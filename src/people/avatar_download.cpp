#include "avatar_download.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

AvatarDownload::AvatarDownload(Completion completion, Limits limits, QObject *parent)
    : QObject(parent)
    , m_completion(std::move(completion))
    , m_limits(limits)
    , m_network(new QNetworkAccessManager(this))
    , m_deadline(new QTimer(this))
{
    m_network->setProxy(QNetworkProxy::NoProxy);
    m_network->setCookieJar(new QNetworkCookieJar(m_network)); // cookies kept for the run
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, &AvatarDownload::abort);
}

AvatarDownload::~AvatarDownload()
{
    abort();
}

bool AvatarDownload::isFetchable(const QUrl &address)
{
    const QString scheme = address.scheme();
    return address.isValid() && !address.host().isEmpty() &&
           (scheme == u"http" || scheme == u"https");
}

bool AvatarDownload::start(const QString &qtag, const QUrl &address)
{
    abort();
    if (!isFetchable(address))
        return false;
    QNetworkRequest request(address);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(m_limits.maxRedirects);
    m_qtag = qtag;
    m_body.clear();
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &next) {
        // Only to another http or https address: never to a file on this machine.
        if (isFetchable(next))
            Q_EMIT reply->redirectAllowed();
        else
            reply->abort();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.maxBodyBytes)
            abort();
    });
    connect(reply, &QIODevice::readyRead, this, &AvatarDownload::received);
    connect(reply, &QNetworkReply::finished, this, &AvatarDownload::finished);
    m_deadline->start(m_limits.deadlineMs);
    return true;
}

void AvatarDownload::received()
{
    if (!m_reply)
        return;
    m_body += m_reply->readAll();
    if (m_body.size() > m_limits.maxBodyBytes)
        abort();
}

void AvatarDownload::abort()
{
    m_deadline->stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_body.clear();
}

void AvatarDownload::finished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_deadline->stop();
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        m_body.clear();
        return;
    }
    m_body += reply->readAll();
    if (m_body.size() > m_limits.maxBodyBytes) {
        m_body.clear();
        return;
    }
    const QByteArray contentType = reply->rawHeader("Content-Type");
    const QByteArray body = std::exchange(m_body, {});
    m_completion(m_qtag, contentType, body);
}
