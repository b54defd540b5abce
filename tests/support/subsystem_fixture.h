#pragma once

#include "action_table.h"
#include "error_guard.h"
#include "message_dispatcher.h"
#include "recorders.h"
#include "room_interfaces.h"
#include "subsystem.h"

#include <QWidget>

// What a subsystem needs around it for a table of datagrams in and commands, rows or chat
// lines out, without building the whole window: a dispatcher, a recording sender, a recording
// chat log, a fixed clock, sounds, a session switch, the actions and an owner for its windows.
class SubsystemFixture : public SessionControl, public EngineStatus {
public:
    SubsystemFixture();

    // Plugs a subsystem in as the composition does.
    template <typename Room>
    Room &plugIn(Room &room)
    {
        room.registerHandlers(dispatcher);
        room.bindActions(actions);
        for (const StartWindowFactory &factory : room.windowsAtStart())
            factory.create(&owner);
        return room;
    }

    void receive(const QByteArray &datagram) { dispatcher.IdUDPServer1UDPRead(datagram); }
    // What was sent since the last call, once the event loop has run dry.
    QByteArrayList sent();

    bool SessionActive() const override { return sessionActive; }
    void SetSessionActive(bool active) override { sessionActive = active; }
    bool EngineAttached() const override { return engineAttached; }

    QWidget owner;
    MessageDispatcher dispatcher;
    RecordingSender sender;
    RecordingChat chat;
    RecordingSounds sounds;
    RecordingErrors errors;
    ErrorGuard guard{errors};
    FixedClock clock;
    ActionTable actions;
    bool sessionActive = true;
    bool engineAttached = true;
};
