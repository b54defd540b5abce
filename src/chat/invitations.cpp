#include "invitations.h"

#include "chat_images.h"
#include "commands.h"
#include "dialog_parts.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "wire_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *textLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    ShowsEngineText(label);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TInviteForm::TInviteForm(const QPixmap &picture, const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow(
          {.name = "InviteForm", .caption = QStringLiteral("Invite"), .picture = picture}, guard,
          owner, Qt::MSWindowsFixedSizeDialogHint)
{
    CaptionLabel = BoldLabel(QString(), this);
    CaptionLabel->setObjectName(QStringLiteral("CaptionLabel"));
    ShowsEngineText(CaptionLabel);
    DiscriptionStaticText = textLabel("DiscriptionStaticText", this);
    auto *messageLabel = new QLabel(QStringLiteral("Invite message:"), this);
    InviteMessageLabeledEdit = new QLineEdit(this);
    InviteMessageLabeledEdit->setObjectName(QStringLiteral("InviteMessageLabeledEdit"));
    messageLabel->setBuddy(InviteMessageLabeledEdit);
    CancelBitBtn = NamedButton("CancelBitBtn", QStringLiteral("Cancel"), this);
    SendInviteBitBtn = NamedButton("SendInviteBitBtn", QStringLiteral("Send invite"), this);
    SendInviteBitBtn->setDefault(true);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    body()->addWidget(CaptionLabel);
    body()->addWidget(DiscriptionStaticText, 1);
    body()->addWidget(messageLabel);
    body()->addWidget(InviteMessageLabeledEdit);
    body()->addLayout(ButtonRow(CancelBitBtn, SendInviteBitBtn));
    setDesignedSize(QSize(301, 193));
}

void TInviteForm::prepare(const QString &qtag)
{
    m_invitee = qtag;
    CaptionLabel->setText(QStringLiteral("Invite %1..").arg(qtag));
    DiscriptionStaticText->setText(
        QStringLiteral("Are you sure you want to invite %1 to play in this Arena?\r\nIf %1 is "
                       "using a dashboard UI, your invite will be delivered  once %1 finishes "
                       "playing.\r\nIf %1 already has a UI open, the invite will be delivered "
                       "immediately.")
            .arg(qtag));
}

TInviteFromForm::TInviteFromForm(const QPixmap &picture, const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow(
          {.name = "InviteFromForm", .caption = QStringLiteral("招待状"), .picture = picture},
          guard, owner)
{
    resize(300, 184);
    TitleLabel = BoldLabel(QString(), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    ShowsEngineText(TitleLabel);
    MessageStaticText = textLabel("MessageStaticText", this);
    auto *destination = new QLabel(QStringLiteral("招待先"), this);
    destination->setObjectName(QStringLiteral("Label2"));
    VectorStaticText = textLabel("VectorStaticText", this);
    CancelBitBtn = NamedButton("CancelBitBtn", QStringLiteral("Cancel"), this);
    GoBitBtn = NamedButton("GoBitBtn", QStringLiteral("Go"), this);
    GoBitBtn->setDefault(true);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    body()->addWidget(TitleLabel);
    body()->addWidget(MessageStaticText, 1);
    body()->addWidget(destination);
    body()->addWidget(VectorStaticText);
    body()->addLayout(ButtonRow(CancelBitBtn, GoBitBtn));
}

void TInviteFromForm::showInvitation(const QString &inviter, const QString &vector,
                                     const QString &message)
{
    m_inviter = inviter;
    m_vector = vector;
    m_message = message;
    TitleLabel->setText(QStringLiteral("%1 さんより招待状が届きました.").arg(inviter));
    MessageStaticText->setText(message);
    VectorStaticText->setText(vector);
    showAndRaise();
}

Invitations::Invitations(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

QList<StartWindowFactory> Invitations::windowsAtStart()
{
    return {
        {StartWindow::Invite,
         [this](QWidget *mainWindow) {
             m_inviteForm = new TInviteForm(InvitationPicture(mainWindow->devicePixelRatioF()),
                                            *m_with.guard, mainWindow);
             connect(m_inviteForm->SendInviteBitBtn, &QPushButton::clicked, this,
                     m_with.guard->slot([this] {
                         m_with.sender->SendCommand(Command::Invite(
                             m_inviteForm->InviteeQTag(), m_with.vectors->currentVectorPath(),
                             m_inviteForm->InviteMessageLabeledEdit->text()));
                         m_inviteForm->accept();
                     }));
             return m_inviteForm;
         }},
        {StartWindow::InviteFrom,
         [this](QWidget *mainWindow) {
             m_inviteFromForm = new TInviteFromForm(
                 InvitationPicture(mainWindow->devicePixelRatioF()), *m_with.guard, mainWindow);
             // Go leaves the dialog open; the engine's answer moves the window as usual.
             connect(m_inviteFromForm->GoBitBtn, &QPushButton::clicked, this,
                     m_with.guard->slot([this] {
                         m_with.sender->SendCommand(
                             Command::Vector(m_inviteFromForm->InviteVector()));
                     }));
             return m_inviteFromForm;
         }},
    };
}

void Invitations::registerHandlers(MessageDispatcher &dispatcher)
{
    dispatcher.registerHandler(MessageKind::Invite, [this](FieldReader r) { invite(r); });
}

void Invitations::inviteRoom(const QString &qtag)
{
    m_inviteForm->prepare(qtag);
    if (!m_inviteForm->isVisible())
        m_inviteForm->showAndRaise();
}

void Invitations::invite(FieldReader reader)
{
    const QString inviter = NextAnsiField(reader);
    const QString vector = NextAnsiField(reader);
    const QString message = NextAnsiField(reader);
    m_inviteFromForm->showInvitation(inviter, vector, message);
}
