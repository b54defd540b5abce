#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "secondary_window.h"
#include "subsystem.h"

#include <QHash>
#include <QObject>

class CommandSender;
class LogFile;
class NotificationSounds;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The "&#" form of a private message: every UTF-16 code unit as "&#" and its decimal value.
QByteArray HtmlUnicodeBody(const QString &text);
// The user's own line in a conversation pane: it ends in a line break where the pane is empty
// or ends in one, and starts with one otherwise, so no empty line stands between two lines.
void AppendOwnLine(QPlainTextEdit *pane, const QString &line);

// One conversation with one peer.
class TPrivateMessageForm : public SecondaryWindow {
    Q_OBJECT

public:
    TPrivateMessageForm(const QString &peer, const QPixmap &picture, const ErrorGuard &guard,
                        QWidget *owner);

    QString PeerQTag() const { return m_peer; }

    QLabel *QTagLabel;
    QPlainTextEdit *MessageMemo;
    QLineEdit *InputEdit;
    QPushButton *BitBtn1;      // "Close"
    QPushButton *SendPMBitBtn; // "Send PM"
    QCheckBox *ConvertHTMLUnicodeCheckBox;

private:
    QString m_peer;
};

// Private messages: one window per peer, the PM and ARENA_PM messages, and how a message the
// user writes is sent: to the arena, to an online contact, or not at all.
class PrivateMessages : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        LogFile *logFile = nullptr;
        NotificationSounds *sounds = nullptr;
        QAction *chatSound = nullptr;
        const ArenaPresence *arena = nullptr;
        const ArenaUserSelection *users = nullptr;
        const ContactDirectory *contacts = nullptr;
        QWidget *owner = nullptr; // the main window owns every conversation window
        const ErrorGuard *guard = nullptr;
    };

    explicit PrivateMessages(const Collaborators &with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;

    // The first window made for the peer that still exists, in creation order (exact QTag).
    TPrivateMessageForm *FindPrivateMessageWindow(const QString &qtag) const;
    const QList<TPrivateMessageForm *> &PrivateMessageWindows() const { return m_windows; }
    // Shows the peer's window, made now where there is none, and brings it to the front.
    TPrivateMessageForm *openWindow(const QString &qtag);
    void sendInput(TPrivateMessageForm *window);

private:
    void received(FieldReader reader, const QString &tag);
    void close(TPrivateMessageForm *window);

    Collaborators m_with;
    QList<TPrivateMessageForm *> m_windows;
    QHash<QString, TPrivateMessageForm *> m_byPeer;
    QPixmap m_picture;
};
