#include "failed_to_join_arena_form.h"

#include "commands.h"
#include "link_interfaces.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Light red, so that a refusal does not look like an ordinary question.
const QColor kBackground(255, 200, 200);
} // namespace

TFailedToJoinArenaForm::TFailedToJoinArenaForm(CommandSender &sender, const QPixmap &picture,
                                               const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "FailedToJoinArenaForm",
                       .caption = QStringLiteral("Failed to Join Arena.."),
                       .background = kBackground,
                       .picture = picture},
                      guard, owner)
    , m_sender(sender)
{
    auto *title = new QLabel(QStringLiteral("アリーナに入れませんでした。"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    VectorStaticText = new QLabel(this);
    VectorStaticText->setObjectName(QStringLiteral("VectorStaticText"));
    VectorStaticText->setFixedSize(265, 49);
    VectorStaticText->setWordWrap(true);
    VectorStaticText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VectorStaticText->setTextFormat(Qt::PlainText);

    auto *passwordLabel = new QLabel(QStringLiteral("Password:"), this);
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    passwordLabel->setBuddy(PasswordEdit);

    Button1 = new QPushButton(QStringLiteral("パスワードを入力してもう一度試す"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    body()->addWidget(title);
    body()->addWidget(VectorStaticText);
    body()->addWidget(passwordLabel);
    body()->addWidget(PasswordEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(BitBtn1);
    body()->addLayout(buttons);

    onClicked(Button1, [this] { Button1Click(); });
    // Esc closes as "Close" does; closing only hides the dialog.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TFailedToJoinArenaForm::showRefused(const QString &path)
{
    VectorStaticText->setText(path);
    showAndRaise();
}

void TFailedToJoinArenaForm::Button1Click()
{
    m_sender.SendCommand(Command::Vector(VectorStaticText->text(), PasswordEdit->text()));
    accept();
}
