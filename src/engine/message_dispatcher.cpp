#include "message_dispatcher.h"

#include <stdexcept>
#include <string>

MessageDispatcher::MessageDispatcher(std::function<void()> onEveryDatagram)
    : m_onEveryDatagram(std::move(onEveryDatagram))
{}

void MessageDispatcher::registerHandler(MessageKind kind, Handler handler)
{
    const int index = int(kind);
    if (index <= 0 || index > kHighestMessageKind || !handler)
        throw std::logic_error("invalid handler registration for message kind " +
                               std::to_string(index));
    if (m_handlers[size_t(index)])
        throw std::logic_error("second handler registered for message kind " +
                               std::to_string(index));
    m_handlers[size_t(index)] = std::move(handler);
}

void MessageDispatcher::IdUDPServer1UDPRead(const QByteArray &datagram)
{
    if (m_onEveryDatagram)
        m_onEveryDatagram();
    FieldReader reader{datagram, 0};
    const MessageKind kind = ClassifyMessage(NextField(reader));
    const int index = int(kind);
    if (index <= 0)
        return;
    const Handler &handler = m_handlers[size_t(index)];
    if (!handler)
        return;
    bool ranToEnd = true;
    try {
        handler(reader);
    } catch (...) {
        // A malformed message is the engine's problem, not the user's: drop it and go on.
        ranToEnd = false;
    }
    if (m_observer)
        m_observer(kind, ranToEnd);
}

bool MessageDispatcher::hasHandler(MessageKind kind) const
{
    const int index = int(kind);
    return index > 0 && index <= kHighestMessageKind && m_handlers[size_t(index)];
}
