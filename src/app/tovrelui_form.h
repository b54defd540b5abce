#pragma once

#include "enabling_rules.h"
#include "engine_link.h"

#include <QMainWindow>

#include <memory>

class ActionTable;
class ArenaUsers;
class ChatLog;
class ChatRoom;
class Clock;
class ErrorReporter;
class LogFile;
class MessageBoxPrompts;
class NotificationSounds;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
class Session;
class TFailedToJoinArenaForm;
class TLoginForm;
class TZolOrbitalMeshForm;
class UserListModel;
class VectorListModel;
class VectorNavigation;
class VectorTree;

// The main window: it builds the panes, menus and tool bars, composes the subsystems that own
// the engine's messages, and forwards window events to them.
class TTovrelUIForm : public QMainWindow, private EngineIconView {
    Q_OBJECT

public:
    struct Services {
        EngineAddress engine;
        const Clock *clock = nullptr;
        NotificationSounds *sounds = nullptr;
        // Left empty, the window asks and reports with message boxes.
        TakeOverPrompt *takeOverPrompt = nullptr;
        ErrorReporter *errorReporter = nullptr;
        QString appDataFolder;
    };

    explicit TTovrelUIForm(const Services &services);
    ~TTovrelUIForm() override;

    EngineLink &link() { return m_link; }
    ActionTable &actions() { return *m_actions; }
    Session &session() { return *m_session; }
    ChatLog &chatLog() { return *m_chatLog; }
    VectorNavigation &navigation() { return *m_navigation; }
    VectorTree &vectorTree() { return *m_vectorTree; }
    VectorListModel &subVectors() { return *m_subVectors; }
    UserListModel &users() { return *m_users; }
    ArenaUsers &arenaUsers() { return *m_arenaUsers; }
    ChatRoom &chatRoom() { return *m_chatRoom; }
    TLoginForm &loginForm() { return *m_loginForm; }
    TZolOrbitalMeshForm &orbitalMeshForm() { return *m_orbitalMeshForm; }
    TFailedToJoinArenaForm &failedToJoinForm() { return *m_failedToJoinForm; }

    // A second start of the program asked this one to come forward.
    void secondInstanceActivated();

    SessionSnapshot snapshot() const;
    void ActionManagerUpdate();

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildLayout();
    QWidget *buildTopBar();
    QWidget *buildUpperPanel();
    QWidget *buildUnderPanel();
    void buildMenus();
    QToolBar *buildToolBar(const char *name, const QList<std::optional<ActionId>> &entries,
                           QWidget *parent);
    void composeSubsystems(const Services &services);
    void wireActions();
    void formCreate();
    void ShowUpperPanelActionExecute();
    void showEngineImage(int imageIndex) override;
    void guarded(const std::function<void()> &work);

    EngineLink m_link;
    bool m_closing = false;
    std::unique_ptr<MessageBoxPrompts> m_messageBoxes;
    TakeOverPrompt *m_takeOverPrompt = nullptr;
    ErrorReporter *m_errorReporter = nullptr;
    ActionTable *m_actions = nullptr;

    // Panes, by their names.
    QWidget *m_baseTopPanel = nullptr;
    QLineEdit *m_vectorEdit = nullptr;
    QWidget *m_upperPanel = nullptr;
    QWidget *m_upperTopSplitter = nullptr;
    QTreeWidget *m_vectorTreeView = nullptr;
    QTreeView *m_vectorListView = nullptr;
    QTreeView *m_userListView = nullptr;
    QLineEdit *m_chatEdit = nullptr;
    QPlainTextEdit *m_chatLogMemo = nullptr;
    QWidget *m_chatInputPanel = nullptr;
    QLineEdit *m_chatInputEdit = nullptr;
    QToolButton *m_sendButton = nullptr;
    QMenu *m_vectorListMenu = nullptr;

    // Subsystems and the windows created at start, in that order.
    std::unique_ptr<LogFile> m_logFile;
    std::unique_ptr<ChatLog> m_chatLog;
    TLoginForm *m_loginForm = nullptr;
    TZolOrbitalMeshForm *m_orbitalMeshForm = nullptr;
    TFailedToJoinArenaForm *m_failedToJoinForm = nullptr;
    std::unique_ptr<VectorTree> m_vectorTree;
    VectorListModel *m_subVectors = nullptr;
    UserListModel *m_users = nullptr;
    std::unique_ptr<VectorNavigation> m_navigation;
    std::unique_ptr<ArenaUsers> m_arenaUsers;
    std::unique_ptr<ChatRoom> m_chatRoom;
    std::unique_ptr<Session> m_session;
};
