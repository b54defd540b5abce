#include "profiles.h"

#include "action_table.h"
#include "avatar_download.h"
#include "commands.h"
#include "dialog_parts.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "people_images.h"
#include "wire_text.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

const QString kWaiting = QStringLiteral("Retreiving user info from orbital mesh..");
// The characters escaped in a cache file name, in the order of their letters a to j.
const QString kEscaped = QStringLiteral("~\\/:*?\"<>|");

} // namespace

QString SanitiseFileName(const QString &qtag)
{
    QString name;
    name.reserve(qtag.size());
    for (const QChar c : qtag) {
        const qsizetype place = kEscaped.indexOf(c);
        if (place < 0) {
            name += c;
        } else {
            name += u'~';
            name += QChar(char16_t(u'a' + place));
        }
    }
    return name;
}

QString AvatarCacheFolder(const QString &appDataFolder)
{
    return appDataFolder.isEmpty() ? QString() : appDataFolder + QStringLiteral("/AvaterCashe");
}

bool IsAvatarResponse(const QByteArray &contentType)
{
    // Exactly this type: a character set, capitals or another picture type do not count.
    return contentType == "image/jpeg";
}

QImage DecodeAvatar(const QByteArray &body)
{
    return QImage::fromData(body, "JPEG");
}

TUserInfoForm::TUserInfoForm(const QPixmap &defaultPicture, const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "UserInfoForm", .caption = QStringLiteral("UserInfo")}, guard, owner)
{
    resize(297, 197);
    QTagLabel = BoldLabel(QString(), this);
    QTagLabel->setObjectName(QStringLiteral("QTagLabel"));
    ShowsEngineText(QTagLabel);
    IconImage = new QLabel(this);
    IconImage->setObjectName(QStringLiteral("IconImage"));
    IconImage->setAccessibleName(QStringLiteral("Avatar"));
    DefaultIconImage = new QLabel(this);
    DefaultIconImage->setObjectName(QStringLiteral("DefaultIconImage"));
    DefaultIconImage->setPixmap(defaultPicture);
    DefaultIconImage->hide();
    InfoStaticText = new QLabel(this);
    InfoStaticText->setObjectName(QStringLiteral("InfoStaticText"));
    ShowsEngineText(InfoStaticText);
    InfoStaticText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    InfoStaticText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BitBtn3 = NamedButton("BitBtn3", QStringLiteral("Refrash"), this);
    BitBtn1 = NamedButton("BitBtn1", QStringLiteral("Add To Contacts"), this);
    BitBtn2 = NamedButton("BitBtn2", QStringLiteral("Close"), this);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    body()->addWidget(QTagLabel);
    auto *middle = new QHBoxLayout;
    middle->addWidget(IconImage, 0, Qt::AlignTop);
    middle->addWidget(InfoStaticText, 1);
    body()->addLayout(middle, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn3);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    body()->addLayout(buttons);
    showDefaultPicture();
}

void TUserInfoForm::showPicture(const QPixmap &picture)
{
    IconImage->setPixmap(picture);
    IconImage->setFixedSize(picture.deviceIndependentSize().toSize());
}

void TUserInfoForm::showDefaultPicture()
{
    showPicture(DefaultIconImage->pixmap());
}

TFindUserInfoForm::TFindUserInfoForm(const QPixmap &picture, const ErrorGuard &guard,
                                     QWidget *owner)
    : SecondaryWindow({.name = "FindUserInfoForm",
                       .caption = QStringLiteral("FindUserInfo"),
                       .picture = picture},
                      guard, owner, Qt::MSWindowsFixedSizeDialogHint)
{
    auto *prompt = new QLabel(QStringLiteral("表示させたいQTagを入力してください。"), this);
    auto *hint =
        new QLabel(QStringLiteral("入力されたQTagが不完全な場合は入力されたQTagが合致するも"
                                  "のが単一となったとき表示されます。"),
                   this);
    hint->setWordWrap(true);
    QTagEdit = new QLineEdit(this);
    QTagEdit->setObjectName(QStringLiteral("QTagEdit"));
    prompt->setBuddy(QTagEdit);
    CloseBitBtn = NamedButton("CloseBitBtn", QStringLiteral("Close"), this);
    AddContactBitBtn = NamedButton("AddContactBitBtn", QStringLiteral("ShowUserinfo"), this);
    AddContactBitBtn->setDefault(true);
    connect(CloseBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    body()->addWidget(BoldLabel(QStringLiteral("ユーザー情報の表示"), this));
    body()->addWidget(prompt);
    body()->addWidget(hint);
    body()->addWidget(QTagEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseBitBtn);
    buttons->addWidget(AddContactBitBtn);
    body()->addLayout(buttons);
    setDesignedSize(QSize(254, 165));
}

Profiles::Profiles(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_download(new AvatarDownload(
          [this](const QString &qtag, const QByteArray &contentType, const QByteArray &body) {
              downloaded(qtag, contentType, body);
          },
          AvatarDownload::Limits{}, this))
{}

Profiles::~Profiles() = default;

QList<StartWindowFactory> Profiles::windowsAtStart()
{
    return {
        {StartWindow::UserInfo,
         [this](QWidget *mainWindow) {
             m_form = new TUserInfoForm(DefaultProfilePicture(mainWindow->devicePixelRatioF()),
                                        *m_with.guard, mainWindow);
             connect(m_form->BitBtn3, &QPushButton::clicked, this, m_with.guard->slot([this] {
                 m_with.sender->SendCommand(Command::GetProfile(m_profileQTag));
             }));
             connect(m_form->BitBtn1, &QPushButton::clicked, this, m_with.guard->slot([this] {
                 m_with.sender->SendCommand(Command::AddContact(m_profileQTag));
             }));
             return m_form;
         }},
        {StartWindow::FindUserInfo,
         [this](QWidget *mainWindow) {
             m_findForm = new TFindUserInfoForm(FindUserPicture(mainWindow->devicePixelRatioF()),
                                                *m_with.guard, mainWindow);
             connect(m_findForm->AddContactBitBtn, &QPushButton::clicked, this,
                     m_with.guard->slot([this] {
                         OpenProfile(m_findForm->QTagEdit->text(), true);
                         m_findForm->accept();
                     }));
             return m_findForm;
         }},
    };
}

void Profiles::registerHandlers(MessageDispatcher &dispatcher)
{
    dispatcher.registerHandler(MessageKind::UserProfile, [this](FieldReader r) { userProfile(r); });
    dispatcher.registerHandler(MessageKind::Avatar, [this](FieldReader r) { avatar(r); });
}

void Profiles::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::UserInfo, [this] { UserInfoActionExecute(); });
    actions.setHandler(ActionId::VectorOwnerInfo, [this] { VectorOwnerInfoActionExecute(); });
}

QString Profiles::cacheFileOf(const QString &qtag) const
{
    const QString folder = AvatarCacheFolder(m_with.appDataFolder);
    return folder.isEmpty() ? QString()
                            : folder + u'/' + SanitiseFileName(qtag) + QStringLiteral(".jpg");
}

void Profiles::PrepareProfile(const QString &qtag)
{
    m_download->abort(); // a picture asked for another QTag must not land here
    m_profileQTag = qtag;
    m_form->QTagLabel->setText(qtag);
    m_form->showDefaultPicture();
    m_pictureShown = false;
    m_form->InfoStaticText->setText(kWaiting);
}

void Profiles::OpenProfile(const QString &qtag, bool lookInCache)
{
    PrepareProfile(qtag);
    showProfile(qtag, lookInCache);
}

void Profiles::showProfile(const QString &qtag, bool lookInCache)
{
    const QString cached = cacheFileOf(qtag);
    if (lookInCache && !cached.isEmpty() && QFile::exists(cached)) {
        QImageReader reader(cached, "jpeg");
        const QImage picture = reader.read();
        // The user's own file stays where it is; the box tells which one it is.
        if (picture.isNull())
            throw std::runtime_error(QStringLiteral("The picture %1 cannot be read: %2")
                                         .arg(cached, reader.errorString())
                                         .toStdString());
        m_form->showPicture(QPixmap::fromImage(picture));
        m_pictureShown = true;
    }
    m_form->showAndRaise();
    m_with.sender->SendCommand(Command::GetProfile(qtag));
}

void Profiles::UserInfoActionExecute()
{
    const std::optional<QString> qtag = m_with.users->selectedUserQTag();
    if (!qtag) {
        m_findForm->showAndRaise();
        return;
    }
    PrepareProfile(*qtag);
    showProfile(*qtag, true);
}

void Profiles::VectorOwnerInfoActionExecute()
{
    if (const std::optional<QString> owner = m_with.subVectors->selectedSubVectorCaption())
        OpenProfile(*owner, false);
}

void Profiles::userProfile(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString age = NextAnsiField(reader);
    const QString bandwidth = NextUtf8Field(reader);
    const QString location = NextUtf8Field(reader);
    const QString xbox = NextAnsiField(reader);
    const QString ps2 = NextAnsiField(reader);
    const QString gcn = NextAnsiField(reader);
    const QString games = NextAnsiField(reader);
    if (!m_form->isVisible() || qtag != m_profileQTag)
        return;
    m_form->InfoStaticText->setText(
        QStringList{QStringLiteral("Age: ") + age, QStringLiteral("Bandwidth: ") + bandwidth,
                    QStringLiteral("Location: ") + location, QStringLiteral("XBox: ") + xbox,
                    QStringLiteral("PS2: ") + ps2, QStringLiteral("GCN: ") + gcn,
                    QStringLiteral("Games: ") + games}
            .join(QStringLiteral("\r\n")));
    if (!m_pictureShown)
        m_with.sender->SendCommand(Command::Avatar(qtag));
}

void Profiles::avatar(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString address = NextAnsiField(reader);
    if (!m_form->isVisible() || qtag != m_profileQTag)
        return;
    m_download->start(qtag, QUrl(address));
}

void Profiles::downloaded(const QString &qtag, const QByteArray &contentType,
                          const QByteArray &body)
{
    if (!IsAvatarResponse(contentType))
        return;
    const QString path = cacheFileOf(qtag);
    // Whole or not at all: a crash or a full disk never leaves half a picture behind. Without
    // a data folder nothing is written, never at the root of the file system.
    if (!path.isEmpty() && QDir().mkpath(AvatarCacheFolder(m_with.appDataFolder))) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size())
            file.commit();
    }
    // Drawn only while the window still shows the QTag it was asked for.
    if (qtag != m_profileQTag || !m_form->isVisible())
        return;
    const QImage picture = DecodeAvatar(body);
    if (!picture.isNull())
        m_form->showPicture(QPixmap::fromImage(picture));
}
