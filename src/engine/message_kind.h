#pragma once

#include <QByteArrayView>

// The numbers are part of the protocol's contract and never change.
enum class MessageKind : int {
    Unknown = -1,
    AddContact = 1,
    AdminPrivileges = 2,
    AppSpecific = 3,
    ArenaPing = 5,
    ArenaPm = 6,
    ArenaStatus = 7,
    Attach = 8,
    AuthenticationFailed = 9,
    Avatar = 10,
    Chat = 11,
    Chat2 = 12,
    ChatMode = 13,
    ConnectedArena = 14,
    ConnectedMessenger = 15,
    ContactOffline = 16,
    ContactOnline = 17,
    ContactPing = 18,
    Detach = 19,
    DhcpFailure = 20,
    EngineHere = 21,
    EngineInUse = 22,
    Invite = 23,
    JoinsChat = 24,
    JoinsVector = 25,
    LeavesChat = 26,
    LeavesVector = 27,
    LocalDevice = 28,
    LoggedIn = 29,
    Metrics = 30,
    ModeratorPrivileges = 31,
    NotLoggedIn = 32,
    Pm = 33,
    RemoteArenaDevice = 34,
    RemoveContact = 35,
    RemoveSubVector = 36,
    SpecificCount = 37,
    Status = 38,
    SubVector = 39,
    SubVectorUpdate = 40,
    UserData = 41,
    UserProfile = 42,
    UserSubVector = 43,
    Vector = 44,
    VectorDisallowed = 45,
    Speex = 50,
    SpeexOff = 51,
    SpeexOn = 52,
    SpeexStart = 53,
    SpeexStop = 54,
    SpeexRing = 55,
    CodePage = 200,
    SessionKey = 201,
};

inline constexpr int kHighestMessageKind = 201;

// Every message name starts with this prefix, in both directions.
inline constexpr char kMessagePrefix[] = "ZOL_CLIENT_";

// The kind of a message name such as "ZOL_CLIENT_ATTACH"; Unknown for anything else.
MessageKind ClassifyMessage(QByteArrayView name);
