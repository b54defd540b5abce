#pragma once

#include "engine_link.h"
#include "error_guard.h"

#include <QMainWindow>

#include <memory>

class ActionTable;
class Clock;
class Composition;
class MessageBoxPrompts;
class NotificationSounds;
class PageOpener;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QTreeView;
class TakeOverPrompt;
class YesNoPrompt;
struct MainPanes;
struct SessionSnapshot;

// The main window: it lays out the panes, menus and tool bars, lets the composition root build
// the subsystems into them, and forwards the window's events.
class TTovrelUIForm : public QMainWindow {
    Q_OBJECT

public:
    struct Services {
        EngineAddress engine;
        const Clock *clock = nullptr;
        NotificationSounds *sounds = nullptr;
        // Left empty, the window asks and reports with message boxes.
        TakeOverPrompt *takeOverPrompt = nullptr;
        YesNoPrompt *yesNoPrompt = nullptr;
        ErrorReporter *errorReporter = nullptr;
        // Left empty, pages open in the desktop's browser.
        PageOpener *pages = nullptr;
        QString appDataFolder;
        QStringList bookmarkFolders; // where Bookmarks.txt is looked for, in order
    };

    explicit TTovrelUIForm(const Services &services);
    ~TTovrelUIForm() override;

    EngineLink &link() { return m_link; }
    ActionTable &actions() { return *m_actions; }
    // The subsystems, for tests and for the program's start.
    Composition &rooms() { return *m_rooms; }

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
    MainPanes buildLayout();
    QWidget *buildTopBar(MainPanes &panes);
    QWidget *buildUpperPanel(MainPanes &panes);
    QWidget *buildUnderPanel(MainPanes &panes);
    void buildMenus();
    void setColumnWidths(const MainPanes &panes);
    void nameForScreenReaders(const MainPanes &panes);
    void bindShellActions();
    void ShowUpperPanelActionExecute();

    EngineLink m_link;
    bool m_closing = false;
    std::unique_ptr<MessageBoxPrompts> m_messageBoxes;
    std::unique_ptr<ErrorGuard> m_guard;
    std::unique_ptr<PageOpener> m_desktopPages;
    ActionTable *m_actions = nullptr;

    // The parts the upper-part switch shows and hides, and the pane it scrolls.
    QWidget *m_baseTopPanel = nullptr;
    QWidget *m_upperPanel = nullptr;
    QWidget *m_upperTopSplitter = nullptr;
    QPlainTextEdit *m_chatLogMemo = nullptr;

    std::unique_ptr<Composition> m_rooms;
};
