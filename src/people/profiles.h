#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "secondary_window.h"
#include "subsystem.h"

#include <QImage>
#include <QObject>

class AvatarDownload;
class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;

// A QTag as a file name: the ten characters a file name cannot hold, and "~" itself, become
// "~" and a letter, so different QTags always give different names.
QString SanitiseFileName(const QString &qtag);
// The avatar cache below the data folder; empty where there is no data folder.
QString AvatarCacheFolder(const QString &appDataFolder);
// Whether a downloaded response is an avatar to keep: its Content-Type is exactly image/jpeg.
bool IsAvatarResponse(const QByteArray &contentType);
// The picture of a response body; null where it is no JPEG.
QImage DecodeAvatar(const QByteArray &body);

// A user's profile: the texts the engine reports and the avatar picture.
class TUserInfoForm : public SecondaryWindow {
    Q_OBJECT

public:
    TUserInfoForm(const QPixmap &defaultPicture, const ErrorGuard &guard, QWidget *owner);

    void showPicture(const QPixmap &picture);
    void showDefaultPicture();

    QLabel *QTagLabel;
    QLabel *IconImage;
    QLabel *DefaultIconImage;
    QLabel *InfoStaticText;
    QPushButton *BitBtn3; // "Refrash"
    QPushButton *BitBtn1; // "Add To Contacts"
    QPushButton *BitBtn2; // "Close"
};

// Asks for a QTag whose profile to show.
class TFindUserInfoForm : public SecondaryWindow {
    Q_OBJECT

public:
    TFindUserInfoForm(const QPixmap &picture, const ErrorGuard &guard, QWidget *owner);

    QLineEdit *QTagEdit;
    QPushButton *CloseBitBtn;
    QPushButton *AddContactBitBtn; // "ShowUserinfo"
};

// Profiles and avatars: opening a profile, the engine's USER_PROFILE and AVATAR, the picture's
// download and its cache on disk.
class Profiles : public QObject, public Subsystem, public ProfileOpener {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        const ArenaUserSelection *users = nullptr;
        const SubVectorSelection *subVectors = nullptr;
        QString appDataFolder;
        const ErrorGuard *guard = nullptr;
    };

    explicit Profiles(const Collaborators &with, QObject *parent = nullptr);
    ~Profiles() override;

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;

    void PrepareProfile(const QString &qtag);
    void OpenProfile(const QString &qtag, bool lookInCache) override;
    QString ProfileQTag() const { return m_profileQTag; }
    bool PictureShown() const { return m_pictureShown; }
    QString cacheFileOf(const QString &qtag) const;

    TUserInfoForm &userInfoForm() const { return *m_form; }
    TFindUserInfoForm &findUserForm() const { return *m_findForm; }
    AvatarDownload &download() const { return *m_download; }

    void UserInfoActionExecute();
    void VectorOwnerInfoActionExecute();

private:
    void showProfile(const QString &qtag, bool lookInCache);
    void userProfile(FieldReader reader);
    void avatar(FieldReader reader);
    void downloaded(const QString &qtag, const QByteArray &contentType, const QByteArray &body);

    Collaborators m_with;
    AvatarDownload *m_download;
    TUserInfoForm *m_form = nullptr;
    TFindUserInfoForm *m_findForm = nullptr;
    QString m_profileQTag;
    bool m_pictureShown = false;
};
