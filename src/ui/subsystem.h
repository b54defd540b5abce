#pragma once

#include <QList>

#include <functional>

class ActionTable;
class MessageDispatcher;
class QWidget;
struct SessionSnapshot;

// Where a window that lives as long as the main window stands in the order the program creates
// them at start. Each belongs to one subsystem; the composition creates them in this order.
enum class StartWindow {
    Login,
    ContactList,
    ZolOrbitalMesh,
    About,
    FailedToJoinArena,
    SetMyArenaStatus,
    CreatePrivateArena,
    Diagnostics,
    UserInfo,
    Invite,
    InviteFrom,
    AddContact,
    FindUserInfo,
};

struct StartWindowFactory {
    StartWindow place;
    // Creates the window, hidden, owned by the main window.
    std::function<QWidget *(QWidget *mainWindow)> create;
};

// A part of the program with a room of its own: the engine's messages it handles, the actions it
// gives meaning to, the windows it creates at start, and what the enabling rules read of its
// state. The composition root builds the subsystems and plugs each in through this interface.
class Subsystem {
public:
    virtual ~Subsystem() = default;

    virtual QList<StartWindowFactory> windowsAtStart() { return {}; }
    virtual void registerHandlers(MessageDispatcher &) {}
    virtual void bindActions(ActionTable &) {}
    // Fills in its part of what the enabling rules look at.
    virtual void describe(SessionSnapshot &) const {}
    // Whether a user is logged in changed (or was set again): grey or restore its own panes.
    virtual void sessionActiveChanged(bool) {}
};
