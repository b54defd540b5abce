#pragma once

#include <QByteArray>

// The one way every part of the program sends a command to the engine. Small, so that a test can
// stand in for it.
class CommandSender {
public:
    virtual ~CommandSender() = default;
    virtual void SendCommand(const QByteArray &command) = 0;
};

// Asks the engine for its whole state again; the parts that keep lists of it learn that the
// answer is on its way.
class StateRequester {
public:
    virtual ~StateRequester() = default;
    virtual void RequestState() = 0;
};

// Whether the engine has accepted this front-end; owned by the engine link.
class EngineStatus {
public:
    virtual ~EngineStatus() = default;
    virtual bool EngineAttached() const = 0;
};
