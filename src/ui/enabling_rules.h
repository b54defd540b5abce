#pragma once

#include "action_table.h"

#include <array>

// What the enabling rules look at, taken from the session and the two lists.
struct SessionSnapshot {
    bool attached = false;
    bool loggedIn = false;
    bool userRowSelected = false;
    bool selectedUserInVector = false;
    bool ownQTagIsModerator = false;
    bool arenaCreationAllowed = false;
    bool vectorRowSelected = false;
};

struct ActionEnabling {
    ActionId action;
    bool enabled;
};

// Every action the rules govern, with whether it is enabled; actions not listed keep their state.
std::array<ActionEnabling, 13> EnablingRules(const SessionSnapshot &state);
