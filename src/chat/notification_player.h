#pragma once

#include "notification_sounds.h"

#include <memory>

struct ca_context;

// Plays the notification sounds through the desktop's sound theme. Fire and forget: a missing
// sound, theme or device is silence, never an error and never a wait.
class CanberraSounds final : public NotificationSounds {
public:
    CanberraSounds();
    ~CanberraSounds() override;

    void PlayNotificationSound(const QString &alias) override;

private:
    bool ensureContext();

    ca_context *m_context = nullptr;
    bool m_unavailable = false;
};

// The sound theme's event ids for an alias, best first.
QStringList SoundEventIds(const QString &alias);
