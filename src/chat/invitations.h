#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "secondary_window.h"
#include "subsystem.h"

#include <QObject>

class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;

// Invites a contact to the arena the user is in.
class TInviteForm : public SecondaryWindow {
    Q_OBJECT

public:
    TInviteForm(const QPixmap &picture, const ErrorGuard &guard, QWidget *owner);

    // Names the invitee everywhere; the typed message stays.
    void prepare(const QString &qtag);
    QString InviteeQTag() const { return m_invitee; }

    QLabel *CaptionLabel;
    QLabel *DiscriptionStaticText;
    QLineEdit *InviteMessageLabeledEdit;
    QPushButton *CancelBitBtn;
    QPushButton *SendInviteBitBtn;

private:
    QString m_invitee;
};

// Shows the last invitation received and takes the user there.
class TInviteFromForm : public SecondaryWindow {
    Q_OBJECT

public:
    TInviteFromForm(const QPixmap &picture, const ErrorGuard &guard, QWidget *owner);

    void showInvitation(const QString &inviter, const QString &vector, const QString &message);
    QString InviterQTag() const { return m_inviter; }
    QString InviteVector() const { return m_vector; }
    QString InviteMessage() const { return m_message; }

    QLabel *TitleLabel;
    QLabel *MessageStaticText;
    QLabel *VectorStaticText;
    QPushButton *CancelBitBtn;
    QPushButton *GoBitBtn;

private:
    QString m_inviter;
    QString m_vector;
    QString m_message;
};

// Invitations: the contact list's Invite Room, the INVITE message and the two dialogs.
class Invitations : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        const VectorEntry *vectors = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit Invitations(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;

    // The contact list's Invite Room: retargets a dialog that shows already, in place.
    void inviteRoom(const QString &qtag);

    TInviteForm &inviteForm() const { return *m_inviteForm; }
    TInviteFromForm &inviteFromForm() const { return *m_inviteFromForm; }

private:
    void invite(FieldReader reader);

    Collaborators m_with;
    TInviteForm *m_inviteForm = nullptr;
    TInviteFromForm *m_inviteFromForm = nullptr;
};
