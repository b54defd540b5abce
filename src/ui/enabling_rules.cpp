#include "enabling_rules.h"

std::array<ActionEnabling, 13> EnablingRules(const SessionSnapshot &state)
{
    using enum ActionId;
    const bool inSession = state.attached && state.loggedIn;
    const bool onUser = inSession && state.userRowSelected;
    return {{
        {SearchEngine, !state.attached},
        {Login, state.attached && !state.loggedIn},
        {UserInfo, inSession},
        {SetMyArenaStatus, inSession},
        {GoUpVector, inSession},
        {Refresh, inSession},
        {AddContactlist, inSession},
        {ShowPrivateMessageWindow, onUser},
        {BanThisUser, onUser && state.ownQTagIsModerator},
        {KickThisUser, onUser && state.ownQTagIsModerator},
        {BreakStream, inSession && state.selectedUserInVector},
        {CreatePrivateArena, inSession && state.arenaCreationAllowed},
        {VectorOwnerInfo, inSession && state.vectorRowSelected},
    }};
}
