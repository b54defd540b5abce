#include "arena_dialogs.h"

#include "commands.h"
#include "dialog_parts.h"
#include "link_interfaces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TCreatePrivateArenaForm::TCreatePrivateArenaForm(CommandSender &sender, QList<QPixmap> icons,
                                                 const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "CreatePrivateArenaForm",
                       .caption = QStringLiteral("Create a Private Arena.."),
                       .background = kArenaDialogYellow},
                      guard, owner, Qt::MSWindowsFixedSizeDialogHint)
    , m_sender(sender)
    , m_icons(std::move(icons))
{
    IconImage = new QLabel(this);
    IconImage->setObjectName(QStringLiteral("IconImage"));
    IconImage->setFixedSize(48, 48);
    IconImage->setPixmap(m_icons.value(0));
    IconImage->setAccessibleName(QStringLiteral("Arena icon"));

    MaximumPlayersComboBox = new QComboBox(this);
    MaximumPlayersComboBox->setObjectName(QStringLiteral("MaximumPlayersComboBox"));
    MaximumPlayersComboBox->addItem(QStringLiteral("Unlimited"));
    for (int people = 1; people <= 32; ++people)
        MaximumPlayersComboBox->addItem(QStringLiteral("%1 people").arg(people));
    MaximumPlayersComboBox->setCurrentIndex(0);
    MaximumPlayersComboBox->setAccessibleName(QStringLiteral("Maximum Players"));
    DescriptionEdit = new QLineEdit(this);
    DescriptionEdit->setObjectName(QStringLiteral("DescriptionEdit"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    BitBtn1 = NamedButton("BitBtn1", QStringLiteral("Cancel"), this);
    BitBtn2 = NamedButton("BitBtn2", QStringLiteral("Create"), this);
    BitBtn2->setDefault(true);

    auto *header = new QHBoxLayout;
    header->addWidget(IconImage, 0, Qt::AlignTop);
    auto *titles = new QVBoxLayout;
    titles->addWidget(BoldLabel(QStringLiteral("Create a Private Arena.."), this));
    auto *hint = new QLabel(
        QStringLiteral("Select your arena options, then press the green button to create."), this);
    hint->setWordWrap(true);
    titles->addWidget(hint);
    header->addLayout(titles, 1);
    body()->addLayout(header);
    for (auto [caption, field] :
         {std::pair{QStringLiteral("Maximum Players"),
                    static_cast<QWidget *>(MaximumPlayersComboBox)},
          std::pair{QStringLiteral("Description"), static_cast<QWidget *>(DescriptionEdit)},
          std::pair{QStringLiteral("Password(optional)"), static_cast<QWidget *>(PasswordEdit)}}) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        body()->addWidget(label);
        body()->addWidget(field);
    }
    body()->addLayout(ButtonRow(BitBtn1, BitBtn2));
    setDesignedSize(QSize(390, 205));

    connect(PasswordEdit, &QLineEdit::textChanged, this,
            m_guard.slot([this] { PasswordEditChange(); }));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    onClicked(BitBtn2, [this] { BitBtn2Click(); });
}

void TCreatePrivateArenaForm::PasswordEditChange()
{
    m_iconIndex = PasswordEdit->text().isEmpty() ? 0 : 1;
    IconImage->setPixmap(m_icons.value(m_iconIndex));
}

void TCreatePrivateArenaForm::BitBtn2Click()
{
    m_sender.SendCommand(Command::CreateVector(MaximumPlayersComboBox->currentIndex(),
                                               DescriptionEdit->text(), PasswordEdit->text()));
    accept();
}

TSetMyArenaStatusForm::TSetMyArenaStatusForm(CommandSender &sender, const QPixmap &picture,
                                             QList<QIcon> images, const ErrorGuard &guard,
                                             QWidget *owner)
    : SecondaryWindow({.name = "SetMyArenaStatusForm",
                       .caption = QStringLiteral("Set my Arena Status.."),
                       .background = kArenaDialogYellow,
                       .picture = picture,
                       .pictureSize = 46},
                      guard, owner, Qt::MSWindowsFixedSizeDialogHint)
    , m_sender(sender)
{
    PlayersComboBox = new QComboBox(this);
    PlayersComboBox->setObjectName(QStringLiteral("PlayersComboBox"));
    PlayersComboBox->addItem(QStringLiteral("Just me"));
    for (int people = 2; people <= 8; ++people)
        PlayersComboBox->addItem(QStringLiteral("%1 people").arg(people));
    PlayersComboBox->setCurrentIndex(-1);

    ModeComboBoxEx = new QComboBox(this);
    ModeComboBoxEx->setObjectName(QStringLiteral("ModeComboBoxEx"));
    const QStringList modes = {QStringLiteral("No, I'm trying to join."),
                               QStringLiteral("Yes, I'm hosting now."),
                               QStringLiteral("Yes, I'm a dedicated host.")};
    for (qsizetype i = 0; i < modes.size(); ++i)
        ModeComboBoxEx->addItem(images.value(i), modes[i]);
    ModeComboBoxEx->setCurrentIndex(-1);

    AutoCheckBox = new QCheckBox(QStringLiteral("自動設定"), this);
    AutoCheckBox->setObjectName(QStringLiteral("AutoCheckBox"));
    BitBtn1 = NamedButton("BitBtn1", QStringLiteral("Close"), this);
    BitBtn2 = NamedButton("BitBtn2", QStringLiteral("Set Status"), this);
    BitBtn2->setDefault(true);

    body()->addWidget(BoldLabel(QStringLiteral("Set my Arena Status.."), this));
    auto *hint = new QLabel(
        QStringLiteral("Make other users aware of your status while in Arena mode."), this);
    hint->setWordWrap(true);
    body()->addWidget(hint);
    for (auto [caption, box] :
         {std::pair{QStringLiteral("How many players are here?"), PlayersComboBox},
          std::pair{QStringLiteral("Am I hosting?"), ModeComboBoxEx}}) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        box->setAccessibleName(caption);
        body()->addWidget(label);
        body()->addWidget(box);
    }
    body()->addWidget(AutoCheckBox);
    body()->addLayout(ButtonRow(BitBtn1, BitBtn2));
    setDesignedSize(QSize(269, 169));

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    onClicked(BitBtn2, [this] { BitBtn2Click(); });
}

int TSetMyArenaStatusForm::chosenStatus() const
{
    return ModeComboBoxEx->currentIndex() + 1;
}

int TSetMyArenaStatusForm::chosenPlayers() const
{
    return PlayersComboBox->currentIndex() + 1;
}

void TSetMyArenaStatusForm::showReported(int status, int players)
{
    const auto select = [](QComboBox *box, qint64 index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? int(index) : -1);
    };
    select(PlayersComboBox, qint64(players) - 1);
    select(ModeComboBoxEx, qint64(status) - 1);
}

void TSetMyArenaStatusForm::BitBtn2Click()
{
    m_sender.SendCommand(Command::ArenaStatus(chosenStatus(), chosenPlayers()));
    accept();
}
