#include "arena_status.h"

#include "action_table.h"
#include "arena_dialogs.h"
#include "arena_images.h"
#include "decimal.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "wire_text.h"

#include <QCheckBox>

namespace {
constexpr int kAttachedStatusImage = 9;
constexpr int kDetachedStatusImage = 13;
} // namespace

ArenaStatus::ArenaStatus(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

QList<StartWindowFactory> ArenaStatus::windowsAtStart()
{
    return {
        {StartWindow::SetMyArenaStatus,
         [this](QWidget *mainWindow) {
             m_statusForm = new TSetMyArenaStatusForm(
                 *m_with.sender, ArenaStatusPicture(mainWindow->devicePixelRatioF()),
                 ArenaStatusModeImages(), *m_with.guard, mainWindow);
             return m_statusForm;
         }},
        {StartWindow::CreatePrivateArena,
         [this](QWidget *mainWindow) {
             m_createForm = new TCreatePrivateArenaForm(
                 *m_with.sender, PrivateArenaIcons(mainWindow->devicePixelRatioF()), *m_with.guard,
                 mainWindow);
             return m_createForm;
         }},
    };
}

void ArenaStatus::registerHandlers(MessageDispatcher &dispatcher)
{
    dispatcher.registerHandler(MessageKind::ArenaStatus, [this](FieldReader r) { arenaStatus(r); });
}

void ArenaStatus::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::SetMyArenaStatus, [this] { m_statusForm->showAndRaise(); });
    actions.setHandler(ActionId::CreatePrivateArena, [this] { m_createForm->showAndRaise(); });
}

void ArenaStatus::UpdateStatusIcon()
{
    const int base = m_with.engine->EngineAttached() ? kAttachedStatusImage : kDetachedStatusImage;
    m_with.actions->setImageIndex(ActionId::Status, base + m_arenaStatusIndicator);
}

void ArenaStatus::arenaStatus(FieldReader reader)
{
    const QString statusText = NextAnsiField(reader);
    const QString playersText = NextAnsiField(reader);
    // Both are numbers, or nothing is sent or changed.
    const std::optional<int> status = ParseDecimal(statusText);
    const std::optional<int> players = ParseDecimal(playersText);
    if (!status || !players)
        throw MalformedField("an arena status field is not a number");

    if (m_statusForm->AutoCheckBox->isChecked()) {
        // The user's last choice is what the front-end insists on.
        if (*players != m_statusForm->chosenPlayers() || *status != m_statusForm->chosenStatus())
            m_statusForm->BitBtn2Click();
    } else {
        m_statusForm->showReported(*status, *players);
    }
    m_arenaStatusIndicator = statusText == u"2" ? 2 : statusText == u"3" ? 3 : 0;
    UpdateStatusIcon();
}
