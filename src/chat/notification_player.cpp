#include "notification_player.h"

#include <QStringList>

#include <canberra.h>

namespace {
// One id for all our sounds, so that a new sound cuts off one still playing.
constexpr uint32_t kPlaybackId = 1;
} // namespace

QStringList SoundEventIds(const QString &alias)
{
    if (alias == SoundAlias::kSystemNotification)
        return {QStringLiteral("message-new-instant")};
    if (alias == SoundAlias::kSystemQuestion)
        return {QStringLiteral("dialog-question"), QStringLiteral("window-question")};
    if (alias == SoundAlias::kDeviceConnect)
        return {QStringLiteral("device-added")};
    if (alias == SoundAlias::kDeviceDisconnect)
        return {QStringLiteral("device-removed")};
    return {};
}

CanberraSounds::CanberraSounds() = default;

CanberraSounds::~CanberraSounds()
{
    if (m_context)
        ca_context_destroy(m_context);
}

bool CanberraSounds::ensureContext()
{
    if (m_context)
        return true;
    if (m_unavailable)
        return false;
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = true;
        return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "TovrelUI", CA_PROP_APPLICATION_ID,
                            "tovrelui", nullptr);
    return true;
}

void CanberraSounds::PlayNotificationSound(const QString &alias)
{
    const QStringList ids = SoundEventIds(alias);
    if (ids.isEmpty() || !ensureContext())
        return;
    ca_context_cancel(m_context, kPlaybackId);
    for (const QString &id : ids) {
        const QByteArray eventId = id.toUtf8();
        if (ca_context_play(m_context, kPlaybackId, CA_PROP_EVENT_ID, eventId.constData(),
                            nullptr) == CA_SUCCESS)
            return;
    }
}
