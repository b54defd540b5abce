#include "engine_link.h"

#include "commands.h"

namespace {
constexpr int kActivityFrames = 8;
constexpr int kIdleEngineImage = 0;
} // namespace

EngineLink::EngineLink(const EngineAddress &engine, UdpEndpoint::ReceiveBatch receiveBatch,
                       QObject *parent)
    : QObject(parent)
    , m_dispatcher([this] { AdvanceActivity(); })
    , m_endpoint(
          engine.host, engine.port,
          [this](const QByteArray &datagram) { m_dispatcher.IdUDPServer1UDPRead(datagram); },
          std::move(receiveBatch))
{
    registerHandlers();
}

void EngineLink::registerHandlers()
{
    m_dispatcher.registerHandler(MessageKind::EngineHere, [this](FieldReader) { engineHere(); });
    m_dispatcher.registerHandler(MessageKind::EngineInUse,
                                 [this](FieldReader) { Q_EMIT engineInUse(); });
    m_dispatcher.registerHandler(MessageKind::Attach, [this](FieldReader) { attach(); });
    m_dispatcher.registerHandler(MessageKind::Detach, [this](FieldReader) { detach(); });
}

void EngineLink::SendCommand(const QByteArray &command)
{
    m_endpoint.send(command);
}

void EngineLink::RequestState()
{
    SendCommand(Command::GetState());
    Q_EMIT stateRequested();
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

void EngineLink::TakeOver()
{
    SendCommand(Command::TakeOver());
}

void EngineLink::AdvanceActivity()
{
    m_activityStep = m_activityStep >= kActivityFrames ? 1 : m_activityStep + 1;
    UpdateEngineIcon();
}

int EngineLink::engineImage() const
{
    return m_engineAttached ? m_activityStep : kIdleEngineImage;
}

void EngineLink::UpdateEngineIcon()
{
    Q_EMIT engineImageChanged(engineImage());
}

void EngineLink::engineHere()
{
    SendCommand(Command::Attach());
}

void EngineLink::attach()
{
    m_engineAttached = true;
    Q_EMIT attached();
    SendCommand(Command::Caps());
    RequestState();
}

void EngineLink::detach()
{
    m_engineAttached = false;
    Q_EMIT detached();
}
