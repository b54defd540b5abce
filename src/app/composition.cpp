#include "composition.h"

#include "about.h"
#include "action_table.h"
#include "arena_status.h"
#include "arena_users.h"
#include "bookmarks.h"
#include "chat_log.h"
#include "chat_room.h"
#include "contact_list.h"
#include "diagnostics.h"
#include "enabling_rules.h"
#include "engine_link.h"
#include "invitations.h"
#include "log_file.h"
#include "private_messages.h"
#include "profiles.h"
#include "session.h"
#include "subsystem.h"
#include "user_list_model.h"
#include "vector_navigation.h"

#include <algorithm>

Composition::Composition(const MainPanes &panes, EngineLink &link, ActionTable &actions,
                         const CompositionServices &services, QWidget *mainWindow)
    : m_link(link)
{
    using enum ActionId;
    QAction *enterExitSound = actions.action(ToggleEnterExitAudioNotification);

    m_logFile = std::make_unique<LogFile>(services.appDataFolder, *services.clock);
    m_chatLog = std::make_unique<ChatLog>(ChatLog::Collaborators{
        .chatLogMemo = panes.chatLogMemo,
        .timestamps = actions.action(ToggleTimestamps),
        .saveLog = actions.action(ToggleSaveLog),
        .logFile = m_logFile.get(),
        .clock = services.clock,
        .guard = services.guard,
    });
    m_navigation = std::make_unique<VectorNavigation>(VectorNavigation::Collaborators{
        .vectorTreeView = panes.vectorTreeView,
        .vectorListView = panes.vectorListView,
        .vectorEdit = panes.vectorEdit,
        .sender = &link,
        .stateRequester = &link,
        .chat = m_chatLog.get(),
        .enterExitSound = enterExitSound,
        .guard = services.guard,
    });
    // The status icon follows the link before the session reacts to it.
    m_arenaStatus = std::make_unique<ArenaStatus>(ArenaStatus::Collaborators{
        .sender = &link,
        .engine = &link,
        .actions = &actions,
        .guard = services.guard,
    });
    for (auto change : {&EngineLink::attached, &EngineLink::detached})
        QObject::connect(&link, change, m_arenaStatus.get(), &ArenaStatus::UpdateStatusIcon);
    m_session = std::make_unique<Session>(Session::Collaborators{
        .link = &link,
        .actions = &actions,
        .statusBar = panes.statusBar,
        .chat = m_chatLog.get(),
        .vectors = m_navigation.get(),
        .takeOverPrompt = services.takeOverPrompt,
        .guard = services.guard,
    });
    m_arenaUsers = std::make_unique<ArenaUsers>(ArenaUsers::Collaborators{
        .userListView = panes.userListView,
        .chat = m_chatLog.get(),
        .sounds = services.sounds,
        .session = m_session.get(),
        .sender = &link,
        .vectors = m_navigation.get(),
        .joinLog = actions.action(ToggleVectorJoinLog),
        .enterExitSound = enterExitSound,
    });
    m_chatRoom = std::make_unique<ChatRoom>(ChatRoom::Collaborators{
        .chatEdit = panes.chatEdit,
        .chatInputEdit = panes.chatInputEdit,
        .sendButton = panes.sendButton,
        .chatInputPanel = panes.chatInputPanel,
        .chatLogMemo = panes.chatLogMemo,
        .chat = m_chatLog.get(),
        .sounds = services.sounds,
        .arenaUsers = m_arenaUsers.get(),
        .sender = &link,
        .session = m_session.get(),
        .chatSound = actions.action(ToggleAudioNotification),
        .enterExitSound = enterExitSound,
        .guard = services.guard,
    });
    m_diagnostics = std::make_unique<Diagnostics>(Diagnostics::Collaborators{
        .sender = &link,
        .engine = &link,
        .guard = services.guard,
    });
    m_bookmarks = std::make_unique<Bookmarks>(Bookmarks::Collaborators{
        .bookmarkMenu = panes.bookmarkMenu,
        .vectors = m_navigation.get(),
        .folders = services.bookmarkFolders,
        .guard = services.guard,
    });
    m_aboutAndLinks = std::make_unique<AboutAndLinks>(AboutAndLinks::Collaborators{
        .pages = services.pages,
        .guard = services.guard,
    });
    m_profiles = std::make_unique<Profiles>(Profiles::Collaborators{
        .sender = &link,
        .users = m_arenaUsers.get(),
        .subVectors = m_navigation.get(),
        .appDataFolder = services.appDataFolder,
        .guard = services.guard,
    });
    m_contactList = std::make_unique<ContactList>(ContactList::Collaborators{
        .sender = &link,
        .engine = &link,
        .chat = m_chatLog.get(),
        .profiles = m_profiles.get(),
        .prompt = services.yesNoPrompt,
        .guard = services.guard,
    });
    // Whenever the engine is asked for its whole state, the contacts start afresh.
    QObject::connect(&link, &EngineLink::stateRequested, m_contactList.get(),
                     [contacts = m_contactList.get()] { contacts->setContactListResetPending(); });
    m_privateMessages = std::make_unique<PrivateMessages>(PrivateMessages::Collaborators{
        .sender = &link,
        .logFile = m_logFile.get(),
        .sounds = services.sounds,
        .chatSound = actions.action(ToggleAudioNotification),
        .arena = m_arenaUsers.get(),
        .users = m_arenaUsers.get(),
        .contacts = m_contactList.get(),
        .owner = mainWindow,
        .guard = services.guard,
    });
    m_invitations = std::make_unique<Invitations>(Invitations::Collaborators{
        .sender = &link,
        .vectors = m_navigation.get(),
        .guard = services.guard,
    });
    m_contactList->setHandler(
        ContactAction::SendPM,
        [pms = m_privateMessages.get()](const QString &qtag) { pms->openWindow(qtag); });
    m_contactList->setHandler(ContactAction::InviteRoom,
                              [invitations = m_invitations.get()](const QString &qtag) {
                                  invitations->inviteRoom(qtag);
                              });
    m_subsystems = {m_session.get(),     m_chatLog.get(),     m_navigation.get(),
                    m_arenaStatus.get(), m_arenaUsers.get(),  m_chatRoom.get(),
                    m_diagnostics.get(), m_bookmarks.get(),   m_aboutAndLinks.get(),
                    m_profiles.get(),    m_contactList.get(), m_privateMessages.get(),
                    m_invitations.get()};

    QObject::connect(
        m_navigation.get(), &VectorNavigation::arenaLeft, m_arenaUsers.get(),
        [users = m_arenaUsers.get()] { users->ClearUserRows(UserListModel::VectorPart); });
    QObject::connect(m_session.get(), &Session::activeChanged, m_session.get(),
                     [this](bool active) {
                         for (Subsystem *subsystem : std::as_const(m_subsystems))
                             subsystem->sessionActiveChanged(active);
                     });
    for (Subsystem *subsystem : std::as_const(m_subsystems)) {
        subsystem->registerHandlers(link.dispatcher());
        subsystem->bindActions(actions);
    }
    createWindowsAtStart(mainWindow);
    m_session->SetSessionActive(false);
    m_bookmarks->RefreshBookmarks(); // the last step of the window's creation
}

Composition::~Composition() = default;

void Composition::createWindowsAtStart(QWidget *mainWindow)
{
    QList<StartWindowFactory> factories;
    for (Subsystem *subsystem : std::as_const(m_subsystems))
        factories += subsystem->windowsAtStart();
    std::stable_sort(
        factories.begin(), factories.end(),
        [](const StartWindowFactory &a, const StartWindowFactory &b) { return a.place < b.place; });
    for (const StartWindowFactory &factory : std::as_const(factories))
        m_windows.append(factory.create(mainWindow));
}

SessionSnapshot Composition::snapshot() const
{
    SessionSnapshot state;
    state.attached = m_link.EngineAttached();
    for (const Subsystem *subsystem : m_subsystems)
        subsystem->describe(state);
    return state;
}
