#include "message_kind.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct NamedKind {
    std::string_view name;
    MessageKind kind;
};

using enum MessageKind;

// Sorted by name so that a lookup is a binary search.
constexpr auto kKinds = [] {
    std::array<NamedKind, 52> kinds{{
        {"ADD_CONTACT", AddContact},
        {"ADMIN_PRIVILEGES", AdminPrivileges},
        {"APP_SPECIFIC", AppSpecific},
        {"ARENA_PING", ArenaPing},
        {"ARENA_PM", ArenaPm},
        {"ARENA_STATUS", ArenaStatus},
        {"ATTACH", Attach},
        {"AUTHENTICATION_FAILED", AuthenticationFailed},
        {"AVATAR", Avatar},
        {"CHAT", Chat},
        {"CHAT2", Chat2},
        {"CHATMODE", ChatMode},
        {"CONNECTED_ARENA", ConnectedArena},
        {"CONNECTED_MESSENGER", ConnectedMessenger},
        {"CONTACT_OFFLINE", ContactOffline},
        {"CONTACT_ONLINE", ContactOnline},
        {"CONTACT_PING", ContactPing},
        {"DETACH", Detach},
        {"DHCP_FAILURE", DhcpFailure},
        {"ENGINE_HERE", EngineHere},
        {"ENGINE_IN_USE", EngineInUse},
        {"INVITE", Invite},
        {"JOINS_CHAT", JoinsChat},
        {"JOINS_VECTOR", JoinsVector},
        {"LEAVES_CHAT", LeavesChat},
        {"LEAVES_VECTOR", LeavesVector},
        {"LOCAL_DEVICE", LocalDevice},
        {"LOGGED_IN", LoggedIn},
        {"METRICS", Metrics},
        {"MODERATOR_PRIVILEGES", ModeratorPrivileges},
        {"NOT_LOGGED_IN", NotLoggedIn},
        {"PM", Pm},
        {"REMOTE_ARENA_DEVICE", RemoteArenaDevice},
        {"REMOVE_CONTACT", RemoveContact},
        {"REMOVE_SUB_VECTOR", RemoveSubVector},
        {"SPECIFIC_COUNT", SpecificCount},
        {"STATUS", Status},
        {"SUB_VECTOR", SubVector},
        {"SUB_VECTOR_UPDATE", SubVectorUpdate},
        {"USER_DATA", UserData},
        {"USER_PROFILE", UserProfile},
        {"USER_SUB_VECTOR", UserSubVector},
        {"VECTOR", Vector},
        {"VECTOR_DISALLOWED", VectorDisallowed},
        {"SPEEX", Speex},
        {"SPEEX_OFF", SpeexOff},
        {"SPEEX_ON", SpeexOn},
        {"SPEEX_START", SpeexStart},
        {"SPEEX_STOP", SpeexStop},
        {"SPEEX_RING", SpeexRing},
        {"CODEPAGE", CodePage},
        {"SESSION_KEY", SessionKey},
    }};
    std::sort(kinds.begin(), kinds.end(),
              [](const NamedKind &a, const NamedKind &b) { return a.name < b.name; });
    return kinds;
}();

} // namespace

MessageKind ClassifyMessage(QByteArrayView name)
{
    const QByteArrayView prefix(kMessagePrefix);
    if (!name.startsWith(prefix))
        return Unknown;
    const QByteArrayView rest = name.sliced(prefix.size());
    const std::string_view key(rest.data(), size_t(rest.size()));
    const auto found = std::lower_bound(
        kKinds.begin(), kKinds.end(), key,
        [](const NamedKind &entry, std::string_view wanted) { return entry.name < wanted; });
    if (found == kKinds.end() || found->name != key)
        return Unknown;
    return found->kind;
}
