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
// front-end finds the engine, is attached, takes it over and lets it go. It knows none of the
// parts of the window: it tells what happened, and the parts that care react.
class EngineLink : public QObject,
                   public CommandSender,
                   public StateRequester,
                   public EngineStatus {
    Q_OBJECT

public:
    // receiveBatch: left empty, the socket is read as usual (see UdpEndpoint).
    explicit EngineLink(const EngineAddress &engine, UdpEndpoint::ReceiveBatch receiveBatch = {},
                        QObject *parent = nullptr);

    MessageDispatcher &dispatcher() { return m_dispatcher; }
    const UdpEndpoint &endpoint() const { return m_endpoint; }

    void SendCommand(const QByteArray &command) override;
    // Sends GETSTATE, then tells stateRequested.
    void RequestState() override;

    bool EngineAttached() const override { return m_engineAttached; }
    int ActivityStep() const { return m_activityStep; }
    bool FirstShow() const { return m_firstShow; }
    // The picture the engine icon shows now: the activity step while attached, else idle.
    int engineImage() const;

    // Window events of the handshake.
    void mainWindowShown();
    void mainWindowClosing();
    void SearchEngine();
    // The user's answer to engineInUse.
    void TakeOver();

    void AdvanceActivity();
    void UpdateEngineIcon();

Q_SIGNALS:
    // EngineAttached has just become true; CAPS and GETSTATE follow once every receiver is done.
    void attached();
    void detached();
    // Another front-end holds the engine: the user is to be asked whether to take it over.
    void engineInUse();
    // GETSTATE went out: the engine reports its whole state again, the contacts among it.
    void stateRequested();
    void engineImageChanged(int imageIndex);

private:
    void registerHandlers();
    void engineHere();
    void attach();
    void detach();

    bool m_engineAttached = false;
    int m_activityStep = 0;
    bool m_firstShow = true;
    MessageDispatcher m_dispatcher;
    UdpEndpoint m_endpoint;
};
