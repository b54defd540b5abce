#include "login_form.h"

#include "commands.h"
#include "link_interfaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QColor kLavender(240, 240, 255);
constexpr int kEditWidth = 225;
} // namespace

TLoginForm::TLoginForm(CommandSender &sender, const QPixmap &picture, const ErrorGuard &guard,
                       QWidget *owner)
    : SecondaryWindow({.name = "LoginForm",
                       .caption = QStringLiteral("Login"),
                       .background = kLavender,
                       .picture = picture,
                       .pictureSize = 46},
                      guard, owner, Qt::MSWindowsFixedSizeDialogHint)
    , m_sender(sender)
{
    auto *title = new QLabel(QStringLiteral("Enter your details.."), this);
    title->setObjectName(QStringLiteral("StaticText1"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto *qtagLabel = new QLabel(QStringLiteral("QTag(Username)"), this);
    qtagLabel->setObjectName(QStringLiteral("QTagLabel"));
    QTagEdit = new QLineEdit(this);
    QTagEdit->setObjectName(QStringLiteral("QTagEdit"));
    QTagEdit->setFixedWidth(kEditWidth);
    qtagLabel->setBuddy(QTagEdit);

    auto *passwordLabel = new QLabel(QStringLiteral("Password:"), this);
    passwordLabel->setObjectName(QStringLiteral("PasswordLabel"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setFixedWidth(kEditWidth);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    passwordLabel->setBuddy(PasswordEdit);

    BitBtn1 = new QPushButton(QStringLiteral("Sign in"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumSize(75, 25);

    for (QWidget *widget : {static_cast<QWidget *>(title), static_cast<QWidget *>(qtagLabel),
                            static_cast<QWidget *>(QTagEdit), static_cast<QWidget *>(passwordLabel),
                            static_cast<QWidget *>(PasswordEdit)})
        body()->addWidget(widget);
    body()->addWidget(BitBtn1, 0, Qt::AlignRight);
    setDesignedSize(QSize(289, 157));

    onClicked(BitBtn1, [this] { BitBtn1Click(); });
}

void TLoginForm::showCredentials(const QString &qtag, const QString &password)
{
    QTagEdit->setText(qtag);
    PasswordEdit->setText(password);
    showAndRaise();
}

void TLoginForm::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    QTagEdit->setFocus();
}

void TLoginForm::BitBtn1Click()
{
    // The engine decides; nothing is checked here, not even for empty boxes.
    m_sender.SendCommand(Command::Login(QTagEdit->text(), PasswordEdit->text()));
    accept();
}
