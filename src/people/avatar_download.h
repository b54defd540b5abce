#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QTimer;

// One avatar download at a time, bound to the QTag it was asked for. Only http and https are
// fetched (redirects too, at most a few), the whole transfer has a deadline, and the body a
// cap: none of them can hold the window up or make the program read a local file. A newer
// request aborts the older one; an aborted or failed download reports nothing.
class AvatarDownload : public QObject {
    Q_OBJECT

public:
    struct Limits {
        int deadlineMs = 15000;
        qint64 maxBodyBytes = 4 * 1024 * 1024;
        int maxRedirects = 3;
    };
    // qtag, the Content-Type header's raw value, and the body, once a download is complete.
    using Completion = std::function<void(const QString &qtag, const QByteArray &contentType,
                                          const QByteArray &body)>;

    AvatarDownload(Completion completion, Limits limits, QObject *parent = nullptr);
    ~AvatarDownload() override;

    // False when the address is not one to fetch (not http or https): nothing happens then.
    bool start(const QString &qtag, const QUrl &address);
    void abort();
    bool isRunning() const { return m_reply != nullptr; }

    static bool isFetchable(const QUrl &address);

private:
    void received();
    void finished();

    Completion m_completion;
    Limits m_limits;
    QNetworkAccessManager *m_network;
    QTimer *m_deadline;
    QPointer<QNetworkReply> m_reply;
    QString m_qtag;
    QByteArray m_body;
};
