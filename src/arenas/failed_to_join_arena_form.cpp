#include "failed_to_join_arena_form.h"

#include "commands.h"
#include "link_interfaces.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Light red, so that a refusal does not look like an ordinary question.
const QColor kBackground(255, 200, 200);
} // namespace

TFailedToJoinArenaForm::TFailedToJoinArenaForm(CommandSender &sender, const QPixmap &picture,
                                               QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , m_sender(sender)
{
    setObjectName(QStringLiteral("FailedToJoinArenaForm"));
    setWindowTitle(QStringLiteral("Failed to Join Arena.."));
    QPalette look = palette();
    look.setColor(QPalette::Window, kBackground);
    setPalette(look);
    setAutoFillBackground(true);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    image->setFixedSize(48, 48);

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

    auto *layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(VectorStaticText, 1, 1);
    layout->addWidget(passwordLabel, 2, 1);
    layout->addWidget(PasswordEdit, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons, 4, 0, 1, 2);

    connect(Button1, &QPushButton::clicked, this, &TFailedToJoinArenaForm::Button1Click);
    // Esc closes as "Close" does; closing only hides the dialog.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TFailedToJoinArenaForm::showRefused(const QString &path)
{
    VectorStaticText->setText(path);
    show();
    raise();
    activateWindow();
}

void TFailedToJoinArenaForm::Button1Click()
{
    m_sender.SendCommand(Command::Vector(VectorStaticText->text(), PasswordEdit->text()));
    accept();
}
