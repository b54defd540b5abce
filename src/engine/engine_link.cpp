#include "engine_link.h"

#include "commands.h"

namespace {
constexpr int kActivityFrames = 8;
constexpr int kIdleEngineImage = 0;
} // namespace

EngineLink::EngineLink(const EngineAddress &engine, QObject *parent)
    : QObject(parent)
    , m_dispatcher([this] { AdvanceActivity(); })
    , m_endpoint(engine.host, engine.port,
                 [this](const QByteArray &datagram) { m_dispatcher.IdUDPServer1UDPRead(datagram); })
{
    registerHandlers();
}

void EngineLink::setCollaborators(const Collaborators &collaborators)
{
    m_with = collaborators;
}

void EngineLink::registerHandlers()
{
    m_dispatcher.registerHandler(MessageKind::EngineHere, [this](FieldReader) { engineHere(); });
    m_dispatcher.registerHandler(MessageKind::EngineInUse, [this](FieldReader) { engineInUse(); });
    m_dispatcher.registerHandler(MessageKind::Attach, [this](FieldReader) { attached(); });
    m_dispatcher.registerHandler(MessageKind::Detach, [this](FieldReader) { detached(); });
}

void EngineLink::SendCommand(const QByteArray &command)
{
    m_endpoint.send(command);
}

void EngineLink::mainWindowShown()
{
    if (!m_firstShow)
        return;
    SendCommand(Command::Discover());
    m_firstShow = false;
}

void EngineLink::mainWindowClosing()
{
    if (m_engineAttached)
        SendCommand(Command::Detach());
}

void EngineLink::SearchEngine()
{
    SendCommand(Command::Discover());
}

void EngineLink::AdvanceActivity()
{
    m_activityStep = m_activityStep >= kActivityFrames ? 1 : m_activityStep + 1;
    UpdateEngineIcon();
}

void EngineLink::UpdateEngineIcon()
{
    if (m_with.engineIcon)
        m_with.engineIcon->showEngineImage(m_engineAttached ? m_activityStep : kIdleEngineImage);
}

void EngineLink::engineHere()
{
    SendCommand(Command::Attach());
}

void EngineLink::engineInUse()
{
    if (!m_with.takeOverPrompt)
        return;
    m_with.takeOverPrompt->askTakeOver([this](bool takeOver) {
        if (takeOver)
            SendCommand(Command::TakeOver());
    });
}

void EngineLink::attached()
{
    m_engineAttached = true;
    if (m_with.statusIcon)
        m_with.statusIcon->UpdateStatusIcon();
    if (m_with.session)
        m_with.session->SetSessionActive(false);
    SendCommand(Command::Caps());
    SendCommand(Command::GetState());
    if (m_with.contactListReset)
        m_with.contactListReset->setContactListResetPending();
}

void EngineLink::detached()
{
    m_engineAttached = false;
    if (m_with.statusIcon)
        m_with.statusIcon->UpdateStatusIcon();
    if (m_with.session)
        m_with.session->SetSessionActive(false);
}
