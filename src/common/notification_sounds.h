#pragma once

#include <QString>

// Plays one of the program's notification sounds by its alias ("SystemNotification",
// "SystemQuestion", "DeviceConnect", "DeviceDisconnect"). Returns at once, never fails.
class NotificationSounds {
public:
    virtual ~NotificationSounds() = default;
    virtual void PlayNotificationSound(const QString &alias) = 0;
};

namespace SoundAlias {
inline const QString kSystemNotification = QStringLiteral("SystemNotification");
inline const QString kSystemQuestion = QStringLiteral("SystemQuestion");
inline const QString kDeviceConnect = QStringLiteral("DeviceConnect");
inline const QString kDeviceDisconnect = QStringLiteral("DeviceDisconnect");
} // namespace SoundAlias
