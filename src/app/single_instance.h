#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

// One running copy per user. The first start holds a lock file and listens on a local socket;
// a later start finds the lock taken, asks the first to come forward and waits until it has.
// A lock left behind by a killed copy is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // folder: where the lock and the socket live; the user's runtime folder by default.
    explicit SingleInstance(QString folder = QString(), QObject *parent = nullptr);

    // True when this is the only copy; it then listens for later starts.
    bool acquire();
    // From a later start: asks the running copy to come forward. False if it did not answer.
    bool activateRunning(int timeoutMs = 5000);

    QString socketPath() const { return m_folder + QStringLiteral("/TovrelUI.socket"); }

Q_SIGNALS:
    // The running copy is asked to come forward; the request is answered once this returns.
    void activationRequested();

private:
    void answer(class QLocalSocket *connection);

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
