#pragma once

#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "udp_endpoint.h"

#include <QHostAddress>
#include <QObject>

// The engine listens for the front-end here.
inline constexpr quint16 kEnginePort = 34522;

struct EngineAddress {
    QHostAddress host = QHostAddress(QHostAddress::LocalHost);
    quint16 port = kEnginePort;
};

// The link to the engine: sending, receiving and dispatching, and the handshake by which the
// front-end finds the engine, is attached, takes it over and lets it go.
class EngineLink : public QObject, public CommandSender {
    Q_OBJECT

public:
    struct Collaborators {
        SessionControl *session = nullptr;
        StatusIconControl *statusIcon = nullptr;
        EngineIconView *engineIcon = nullptr;
        TakeOverPrompt *takeOverPrompt = nullptr;
        ContactListReset *contactListReset = nullptr;
    };

    explicit EngineLink(const EngineAddress &engine, QObject *parent = nullptr);

    void setCollaborators(const Collaborators &collaborators);

    MessageDispatcher &dispatcher() { return m_dispatcher; }
    const UdpEndpoint &endpoint() const { return m_endpoint; }

    void SendCommand(const QByteArray &command) override;

    bool EngineAttached() const { return m_engineAttached; }
    int ActivityStep() const { return m_activityStep; }
    bool FirstShow() const { return m_firstShow; }

    // Window events of the handshake.
    void mainWindowShown();
    void mainWindowClosing();
    void SearchEngine();

    void AdvanceActivity();
    void UpdateEngineIcon();

private:
    void registerHandlers();
    void engineHere();
    void engineInUse();
    void attached();
    void detached();

    bool m_engineAttached = false;
    int m_activityStep = 0;
    bool m_firstShow = true;
    Collaborators m_with;
    MessageDispatcher m_dispatcher;
    UdpEndpoint m_endpoint;
};
