#include "action_table.h"

#include <QAction>
#include <QTimer>

namespace {

using enum ActionId;

// Each action with its caption as its menu shows it (the access key marked by "&").
constexpr std::array<ActionDefinition, kActionCount> kDefinitions{{
    {SearchEngine, "SearchEngineAction", "Sytem", "&Search Engine", "稼働中のZolEngineを探します.",
     0, false, false},
    {Login, "LoginAction", "Sytem", "&Login", "ログイン", 17, false, false},
    {GetUserInfo, "GetUserInfoAction", "Sytem", "&Get user info", "", 26, false, false},
    {ExitForm, "ExitFormAction", "Sytem", "TovrelUIの終了(&I)", "このアプリケーションを終了します.",
     -1, false, false},
    {Refresh, "RefreshAction", "Sytem", "&Refresh", "部屋一覧とユーザー一覧などを再更新します.", 39,
     false, false},
    {ShowDiagnosticsFrom, "ShowDiagnosticsFromAction", "Sytem", "&Show DiagnosticsFrom",
     "診断ウィンドウの表示", 19, false, false},
    {SetMyArenaStatus, "SetMyArenaStatusAction", "Vector", "&Set my Arena status",
     "アリーナステータス", 20, false, false},
    {CreatePrivateArena, "CreatePrivateArenaAction", "Vector", "&Create private Arena",
     "部屋の作成", 21, false, false},
    {GoUpVector, "GoUpVectorAction", "Vector", "&Go Up Vector", "上のアリーナへ", 22, false, false},
    {VectorOwnerInfo, "VectorOwnerInfoAction", "Vector", "&Vector Owner Info",
     "部屋作成者のプロフィールを表示します.", 26, false, false},
    {ShowUpperPanel, "ShowUpperPanelAction", "Vector", "上段の表示(&Z)", "上段の表示切替", 40, true,
     true},
    {ClearContents, "ClearContentsAction", "Chat", "&Clear Contents", "チャットの内容をクリア", 33,
     false, false},
    {ToggleTimestamps, "ToggleTimestampsAction", "Chat", "&Toggle Timestamps",
     "タイムスタンプの表示", 32, true, true},
    {ToggleSaveLog, "ToggleSaveLogAction", "Chat", "T&oggle SaveLog", "チャットログを保存します",
     34, true, true},
    {ToggleAudioNotification, "ToggleAudioNotificationAction", "Chat", "To&ggle Audio Notification",
     "人がチャットに入ったときに音を鳴らします.", 36, true, false},
    {SettingFont, "SettingFontAction", "Chat", "&Setting chat font", "チャットのフォント設定", 37,
     false, false},
    {ShowOrbitalMesh, "ShowOrbitalMeshAction", "Chat", "S&how Orbital Mesh",
     "部屋説明を表示します.", 31, false, false},
    {ToggleVectorJoinLog, "ToggleVectorJoinLogAction", "Chat", "入出記録の切替(&Z)",
     "入出足跡をチャットに表示します.", 42, true, false},
    {ToggleChatInputLine, "ToggleChatInputLineAction", "Chat", "ToggleChatInputLineAction", "", 40,
     true, true},
    {ShowPrivateMessageWindow, "ShowPrivateMessageWindowAction", "User", "&PrivateMessage",
     "プライベートメッセージ", 25, false, false},
    {UserInfo, "UserInfoAction", "User", "&User Info", "ユーザー詳細", 26, false, false},
    {BanThisUser, "BanThisUserAction", "User", "&Ban This User",
     "この部屋から追放します（外からこの部屋に入れなくなります）", 28, false, false},
    {KickThisUser, "KickThisUserAction", "User", "&Kick This User", "この部屋から追い出します", 29,
     false, false},
    {BreakStream, "BreakStreamAction", "User", "B&reak Stream This User", "Break Stream", 27, false,
     false},
    {ToggleEnterExitAudioNotification, "ToggleEnterExitAudioNotificationAction", "User",
     "入退室の音", "出たり入ったりするときの音のON/OFF切替", 36, true, false},
    {AddContactlist, "AddContactlistAction", "ContactList", "&Add Contactlist",
     "コンタクトリストへ追加", 23, false, false},
    {ShowContactList, "ShowContactListAction", "", "Contact List", "コンタクトリストの表示", 18,
     false, false},
    {RefreshBookmarks, "RefreshBookmarksAction", "Bookmark", "ブックマークの更新", "", 43, false,
     false},
    {TeamQuorl, "TeamQuorlAction", "URLBookmark", "&TeamQuorl", "", -1, false, false},
    {ServerMetrics, "ServerMetricsAction", "URLBookmark", "&ServerMetrics", "", -1, false, false},
    {ServerStatus, "ServerStatusAction", "URLBookmark", "S&erverStatus", "", -1, false, false},
    {About, "AboutAction", "", "&About...", "このアプリケーションについて.", 41, false, false},
    {QuorlZolIcon, "QuorlZolIconAction", "", "QuorlZolIcon", "", 0, false, false},
    {Status, "StatusAction", "", "Status", "", 13, false, false},
}};

} // namespace

ActionTable::ActionTable(QList<QIcon> images, QObject *owner)
    : QObject(owner)
    , m_images(std::move(images))
{
    for (const ActionDefinition &definition : kDefinitions) {
        const size_t slot = size_t(definition.id);
        Q_ASSERT(!m_actions[slot]);
        auto *action = new QAction(QString::fromUtf8(definition.menuText), owner);
        action->setObjectName(QString::fromUtf8(definition.name));
        const QString hint = QString::fromUtf8(definition.hint);
        action->setStatusTip(hint);
        if (!hint.isEmpty())
            action->setToolTip(hint);
        action->setCheckable(definition.checkable);
        action->setChecked(definition.checked);
        action->setProperty("category", QString::fromUtf8(definition.category));
        m_imageIndex[slot] = definition.image;
        m_shownImage[slot] = definition.image;
        if (definition.image >= 0 && definition.image < m_images.size())
            action->setIcon(m_images.at(definition.image));
        connect(action, &QAction::triggered, this, [this, id = definition.id] { run(id); });
        m_actions[slot] = action;
    }
}

void ActionTable::setHandler(ActionId id, std::function<void()> handler)
{
    m_handlers[size_t(id)] = std::move(handler);
}

void ActionTable::execute(ActionId id)
{
    if (m_applyRules)
        m_applyRules();
    QAction *chosen = action(id);
    if (chosen->isEnabled())
        chosen->trigger();
}

void ActionTable::run(ActionId id)
{
    if (m_applyRules)
        m_applyRules();
    const std::function<void()> &handler = m_handlers[size_t(id)];
    if (!action(id)->isEnabled() || !handler)
        return;
    if (m_guard)
        m_guard(handler);
    else
        handler();
}

void ActionTable::showCheckedStateAs(ActionId id, int checkedImage, int uncheckedImage)
{
    QAction *toggle = action(id);
    const auto show = [this, id, checkedImage, uncheckedImage](bool checked) {
        setImageIndex(id, checked ? checkedImage : uncheckedImage);
    };
    connect(toggle, &QAction::toggled, this, show);
    show(toggle->isChecked());
}

void ActionTable::setImageIndex(ActionId id, int index)
{
    m_imageIndex[size_t(id)] = index;
    if (index == m_shownImage[size_t(id)] || m_imagesPending)
        return;
    m_imagesPending = true;
    QTimer::singleShot(0, this, &ActionTable::applyPendingImages);
}

void ActionTable::applyPendingImages()
{
    m_imagesPending = false;
    for (int slot = 0; slot < kActionCount; ++slot) {
        const int index = m_imageIndex[size_t(slot)];
        if (index == m_shownImage[size_t(slot)])
            continue;
        m_shownImage[size_t(slot)] = index;
        m_actions[size_t(slot)]->setIcon(index >= 0 && index < m_images.size() ? m_images.at(index)
                                                                               : QIcon());
    }
}
