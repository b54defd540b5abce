#include "login_form.h"

#include "commands.h"
#include "link_interfaces.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor kLavender(240, 240, 255);
constexpr int kEditWidth = 225;
} // namespace

TLoginForm::TLoginForm(CommandSender &sender, const QPixmap &picture, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
    , m_sender(sender)
{
    setObjectName(QStringLiteral("LoginForm"));
    setWindowTitle(QStringLiteral("Login"));
    QPalette look = palette();
    look.setColor(QPalette::Window, kLavender);
    setPalette(look);
    setAutoFillBackground(true);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    image->setFixedSize(46, 46);

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

    auto *layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(qtagLabel, 1, 1);
    layout->addWidget(QTagEdit, 2, 1);
    layout->addWidget(passwordLabel, 3, 1);
    layout->addWidget(PasswordEdit, 4, 1);
    layout->addWidget(BitBtn1, 5, 1, Qt::AlignRight);
    // Not resizable: its designed size, or more where the fonts need it.
    setFixedSize(sizeHint().expandedTo(QSize(289, 157)));

    connect(BitBtn1, &QPushButton::clicked, this, &TLoginForm::BitBtn1Click);
}

void TLoginForm::showModeless()
{
    show();
    raise();
    activateWindow();
}

void TLoginForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTagEdit->setFocus();
}

void TLoginForm::BitBtn1Click()
{
    // The engine decides; nothing is checked here, not even for empty boxes.
    m_sender.SendCommand(Command::Login(QTagEdit->text(), PasswordEdit->text()));
    accept();
}
