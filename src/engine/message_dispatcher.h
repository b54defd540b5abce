#pragma once

#include "field_reader.h"
#include "message_kind.h"

#include <QByteArray>

#include <array>
#include <functional>

// Classifies each received datagram and calls the one handler registered for its kind.
class MessageDispatcher {
public:
    // Gets the datagram's bytes with the position just after the message name.
    using Handler = std::function<void(FieldReader)>;

    // onEveryDatagram runs first for every datagram, known or not.
    explicit MessageDispatcher(std::function<void()> onEveryDatagram = {});

    // Registering a kind twice is a programming error and throws std::logic_error.
    void registerHandler(MessageKind kind, Handler handler);

    // Handles one datagram. A handler that throws ends only this datagram's handling.
    void IdUDPServer1UDPRead(const QByteArray &datagram);

    bool hasHandler(MessageKind kind) const;
    // Told after each handler ran, and whether it ran to its end (false when it threw): lets the
    // fuzz target show that its inputs reach every handler.
    using HandlerObserver = std::function<void(MessageKind kind, bool ranToEnd)>;
    void setHandlerObserver(HandlerObserver observer) { m_observer = std::move(observer); }

private:
    std::function<void()> m_onEveryDatagram;
    HandlerObserver m_observer;
    std::array<Handler, kHighestMessageKind + 1> m_handlers;
};
