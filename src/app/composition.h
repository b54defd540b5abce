#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class ActionTable;
class AboutAndLinks;
class ArenaStatus;
class ArenaUsers;
class Bookmarks;
class ChatLog;
class ChatRoom;
class ContactList;
class Diagnostics;
class Invitations;
class PrivateMessages;
class Clock;
class EngineLink;
class ErrorGuard;
class LogFile;
class NotificationSounds;
class PageOpener;
class Profiles;
class QMenu;
class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;
class QStatusBar;
class QTreeView;
class QTreeWidget;
class QWidget;
class Session;
class Subsystem;
class TakeOverPrompt;
class YesNoPrompt;
class VectorNavigation;
struct SessionSnapshot;

// The panes of the main window that subsystems fill, by their names.
struct MainPanes {
    QLineEdit *vectorEdit = nullptr;
    QTreeWidget *vectorTreeView = nullptr;
    QTreeView *vectorListView = nullptr;
    QTreeView *userListView = nullptr;
    QLineEdit *chatEdit = nullptr;
    QPlainTextEdit *chatLogMemo = nullptr;
    QWidget *chatInputPanel = nullptr;
    QLineEdit *chatInputEdit = nullptr;
    QAbstractButton *sendButton = nullptr;
    QStatusBar *statusBar = nullptr;
    QMenu *bookmarkMenu = nullptr;
};

// What the program hands in from outside: time, sounds, questions, errors, the data folder.
struct CompositionServices {
    const Clock *clock = nullptr;
    NotificationSounds *sounds = nullptr;
    TakeOverPrompt *takeOverPrompt = nullptr;
    PageOpener *pages = nullptr;
    YesNoPrompt *yesNoPrompt = nullptr;
    const ErrorGuard *guard = nullptr;
    QString appDataFolder;
    QStringList bookmarkFolders; // where Bookmarks.txt is looked for, in order
};

// The composition root: builds the subsystems in order, hands each the narrow interfaces it
// needs of the others, plugs them into the dispatcher and the actions, and creates the windows
// that live as long as the main window in the order the program creates them.
class Composition {
public:
    Composition(const MainPanes &panes, EngineLink &link, ActionTable &actions,
                const CompositionServices &services, QWidget *mainWindow);
    ~Composition();

    const QList<Subsystem *> &subsystems() const { return m_subsystems; }
    // The windows created at start, in the order they were created.
    const QList<QWidget *> &windowsAtStart() const { return m_windows; }
    // What the enabling rules look at now.
    SessionSnapshot snapshot() const;

    Session &session() const { return *m_session; }
    ChatLog &chatLog() const { return *m_chatLog; }
    VectorNavigation &navigation() const { return *m_navigation; }
    ArenaUsers &arenaUsers() const { return *m_arenaUsers; }
    ChatRoom &chatRoom() const { return *m_chatRoom; }
    Diagnostics &diagnostics() const { return *m_diagnostics; }
    ArenaStatus &arenaStatus() const { return *m_arenaStatus; }
    Bookmarks &bookmarks() const { return *m_bookmarks; }
    AboutAndLinks &aboutAndLinks() const { return *m_aboutAndLinks; }
    Profiles &profiles() const { return *m_profiles; }
    ContactList &contactList() const { return *m_contactList; }
    PrivateMessages &privateMessages() const { return *m_privateMessages; }
    Invitations &invitations() const { return *m_invitations; }

private:
    void createWindowsAtStart(QWidget *mainWindow);

    EngineLink &m_link;
    std::unique_ptr<LogFile> m_logFile;
    std::unique_ptr<ChatLog> m_chatLog;
    std::unique_ptr<VectorNavigation> m_navigation;
    std::unique_ptr<ArenaStatus> m_arenaStatus;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<ArenaUsers> m_arenaUsers;
    std::unique_ptr<ChatRoom> m_chatRoom;
    std::unique_ptr<Diagnostics> m_diagnostics;
    std::unique_ptr<Bookmarks> m_bookmarks;
    std::unique_ptr<AboutAndLinks> m_aboutAndLinks;
    std::unique_ptr<Profiles> m_profiles;
    std::unique_ptr<ContactList> m_contactList;
    std::unique_ptr<PrivateMessages> m_privateMessages;
    std::unique_ptr<Invitations> m_invitations;
    QList<Subsystem *> m_subsystems;
    QList<QWidget *> m_windows;
};
