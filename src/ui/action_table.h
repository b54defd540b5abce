#pragma once

#include <QIcon>
#include <QList>
#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QAction;

enum class ActionId {
    SearchEngine,
    Login,
    GetUserInfo,
    ExitForm,
    Refresh,
    ShowDiagnosticsFrom,
    SetMyArenaStatus,
    CreatePrivateArena,
    GoUpVector,
    VectorOwnerInfo,
    ShowUpperPanel,
    ClearContents,
    ToggleTimestamps,
    ToggleSaveLog,
    ToggleAudioNotification,
    SettingFont,
    ShowOrbitalMesh,
    ToggleVectorJoinLog,
    ToggleChatInputLine,
    ShowPrivateMessageWindow,
    UserInfo,
    BanThisUser,
    KickThisUser,
    BreakStream,
    ToggleEnterExitAudioNotification,
    AddContactlist,
    ShowContactList,
    RefreshBookmarks,
    TeamQuorl,
    ServerMetrics,
    ServerStatus,
    About,
    QuorlZolIcon,
    Status,
};
inline constexpr int kActionCount = int(ActionId::Status) + 1;

// One entry of a menu or tool bar: an action, or a separator where there is none.
using LayoutEntry = std::optional<ActionId>;

struct ActionDefinition {
    ActionId id;
    const char *name; // objectName, as the rest of the program and the tests know the action
    const char *category;
    const char *menuText; // the caption, with the access key it has in its menu
    const char *hint;
    int image; // -1: none
    bool checkable;
    bool checked;
};

// The main window's actions, built from one table. An action runs only while enabled: the
// enabling rules are applied before it runs, and a disabled one does nothing, also from code.
class ActionTable : public QObject {
    Q_OBJECT

public:
    using ErrorGuard = std::function<void(const std::function<void()> &)>;

    ActionTable(QList<QIcon> images, QObject *owner);

    QAction *action(ActionId id) const { return m_actions[size_t(id)]; }

    // Runs every time the action is chosen, after the enabling rules were applied.
    void setHandler(ActionId id, std::function<void()> handler);
    void setEnablingRules(std::function<void()> applyRules)
    {
        m_applyRules = std::move(applyRules);
    }
    // How errors escaping a handler reach the user.
    void setErrorGuard(ErrorGuard guard) { m_guard = std::move(guard); }

    // As if the user chose it: nothing happens while it is disabled.
    void execute(ActionId id);

    // A switch whose picture tells its state; it follows every change of the checked state,
    // whether the user or the program made it.
    void showCheckedStateAs(ActionId id, int checkedImage, int uncheckedImage);

    int imageIndex(ActionId id) const { return m_imageIndex[size_t(id)]; }
    // The picture follows at the next turn of the event loop, so that an animation driven by
    // every datagram of a burst costs one repaint, not one per datagram.
    void setImageIndex(ActionId id, int index);
    const QList<QIcon> &images() const { return m_images; }

private:
    void run(ActionId id);
    void applyPendingImages();

    QList<QIcon> m_images;
    std::array<QAction *, kActionCount> m_actions{};
    std::array<int, kActionCount> m_imageIndex{};
    std::array<int, kActionCount> m_shownImage{};
    std::array<std::function<void()>, kActionCount> m_handlers;
    std::function<void()> m_applyRules;
    ErrorGuard m_guard;
    bool m_imagesPending = false;
};
