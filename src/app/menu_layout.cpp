#include "menu_layout.h"

namespace {
using enum ActionId;
constexpr LayoutEntry kSeparator = std::nullopt;
} // namespace

QList<MenuLayout> MainMenuLayout()
{
    return {
        {"&File", {SearchEngine, Login, kSeparator, GetUserInfo, kSeparator, ExitForm}},
        {"&Vector",
         {SetMyArenaStatus, CreatePrivateArena, GoUpVector, VectorOwnerInfo, ShowUpperPanel}},
        {"&Chat",
         {ClearContents, ToggleTimestamps, ToggleSaveLog, kSeparator, ToggleVectorJoinLog,
          ToggleAudioNotification, kSeparator, ShowOrbitalMesh, SettingFont}},
        {"&User",
         {ShowPrivateMessageWindow, UserInfo, BanThisUser, KickThisUser, BreakStream,
          ToggleEnterExitAudioNotification}},
        {"&Tool", {AddContactlist, ShowDiagnosticsFrom, Refresh, kSeparator}},
        // The bookmark entries follow the separator; they are read from the bookmarks file.
        {"&Bookmark", {RefreshBookmarks, kSeparator}},
        {"&Help", {TeamQuorl, ServerMetrics, ServerStatus, kSeparator, About}},
    };
}

QList<LayoutEntry> ActionToolBar1Layout()
{
    return {QuorlZolIcon,     Status,     kSeparator,         ShowContactList, ShowDiagnosticsFrom,
            SetMyArenaStatus, kSeparator, CreatePrivateArena, GoUpVector};
}

QList<LayoutEntry> UserListActionToolBarLayout()
{
    return {UserInfo,     ShowPrivateMessageWindow,
            kSeparator,   BanThisUser,
            KickThisUser, BreakStream,
            kSeparator,   ToggleEnterExitAudioNotification,
            Refresh};
}

QList<LayoutEntry> ActionToolBar2Layout()
{
    return {ShowOrbitalMesh, kSeparator,     ToggleTimestamps,    ClearContents,
            ToggleSaveLog,   kSeparator,     ToggleVectorJoinLog, ToggleAudioNotification,
            SettingFont,     ShowUpperPanel, ToggleChatInputLine};
}
