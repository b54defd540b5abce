#include "tovrelui_form.h"

#include "action_table.h"
#include "arena_users.h"
#include "chat_log.h"
#include "chat_room.h"
#include "failed_to_join_arena_form.h"
#include "image_lists.h"
#include "log_file.h"
#include "login_form.h"
#include "memo_lines.h"
#include "menu_layout.h"
#include "prompts.h"
#include "session.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_navigation.h"
#include "vector_tree.h"
#include "zol_orbital_mesh_form.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 600;
constexpr int kMinimumHeight = 400;
constexpr int kStripHeight = 25;
constexpr int kLeftPaneWidth = 273;
constexpr int kUpperPanelHeight = 189;
constexpr int kSplitterWidth = 4;

// A splitter between two panes. The layout names the bar between them, which Qt creates as the
// handle before the second pane.
QSplitter *splitter(Qt::Orientation orientation, const char *name, QWidget *parent)
{
    auto *splitter = new QSplitter(orientation, parent);
    if (name)
        splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(kSplitterWidth);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

void nameBar(QSplitter *splitter, const char *name)
{
    splitter->handle(1)->setObjectName(QString::fromLatin1(name));
}

QWidget *panel(const char *name, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A white pane with a one-pixel border around a list.
QFrame *listPanel(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);
    return frame;
}

QBoxLayout *tight(QBoxLayout *layout)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QTreeView *reportView(const char *name, QAbstractItemModel *model, const QList<int> &widths,
                      QWidget *parent)
{
    auto *view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFrameShape(QFrame::NoFrame);
    view->setIconSize(QSize(16, 16));
    QHeaderView *header = view->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    for (int column = 0; column < widths.size(); ++column)
        header->resizeSection(column, widths[column]);
    return view;
}

} // namespace

TTovrelUIForm::TTovrelUIForm(const Services &services)
    : QMainWindow(nullptr)
    , m_link(services.engine)
{
    setObjectName(QStringLiteral("TovrelUIForm"));
    setWindowTitle(QStringLiteral("TovrelUI for Quorl Zol Ombrel VII"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(723, 488);
    setBackgroundRole(QPalette::Button);

    m_messageBoxes = std::make_unique<MessageBoxPrompts>(this);
    m_takeOverPrompt = services.takeOverPrompt ? services.takeOverPrompt : m_messageBoxes.get();
    m_errorReporter = services.errorReporter ? services.errorReporter : m_messageBoxes.get();

    m_actions = new ActionTable(ActionImageList(), this);
    buildLayout();
    buildMenus();
    composeSubsystems(services);
    wireActions();
    formCreate();
}

TTovrelUIForm::~TTovrelUIForm()
{
    // The link's handlers point into the subsystems; no datagram may reach them from here on.
    m_link.setCollaborators({});
}

void TTovrelUIForm::buildLayout()
{
    menuBar()->setObjectName(QStringLiteral("ActionMainMenuBar"));
    QFont menuFont = font();
    menuFont.setFamilies({QStringLiteral("MS UI Gothic"), font().family()});
    menuFont.setPointSize(9);
    menuBar()->setFont(menuFont);

    auto *central = panel("BaseClientPanelHolder", this);
    auto *layout = tight(new QVBoxLayout(central));
    layout->addWidget(buildTopBar());

    QSplitter *baseClient = splitter(Qt::Vertical, "BaseClientPanel", central);
    baseClient->addWidget(buildUpperPanel());
    baseClient->addWidget(buildUnderPanel());
    nameBar(baseClient, "UpperTopSplitter");
    baseClient->setStretchFactor(1, 1);
    baseClient->setSizes({kUpperPanelHeight, 488 - kUpperPanelHeight});
    m_upperTopSplitter = baseClient->handle(1);
    layout->addWidget(baseClient, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
}

QWidget *TTovrelUIForm::buildTopBar()
{
    m_baseTopPanel = panel("BaseTopPanel", nullptr);
    m_baseTopPanel->setFixedHeight(kStripHeight);
    auto *panel2 = panel("Panel2", m_baseTopPanel);
    tight(new QHBoxLayout(m_baseTopPanel))->addWidget(panel2);
    auto *row = tight(new QHBoxLayout(panel2));
    row->setContentsMargins(4, 0, 0, 0);
    QToolBar *toolBar = buildToolBar("ActionToolBar1", ActionToolBar1Layout(), panel2);
    toolBar->setFixedWidth(237 - 1);
    row->addWidget(toolBar);
    row->addSpacing(3);
    m_vectorEdit = new QLineEdit(panel2);
    m_vectorEdit->setObjectName(QStringLiteral("VectorEdit"));
    m_vectorEdit->setReadOnly(true);
    m_vectorEdit->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_vectorEdit, 1);
    return m_baseTopPanel;
}

QWidget *TTovrelUIForm::buildUpperPanel()
{
    QSplitter *upper = splitter(Qt::Horizontal, "UpperPanel", nullptr);
    m_upperPanel = upper;

    auto *left = panel("UpperLeftPanel", upper);
    m_vectorTreeView = new QTreeWidget(left);
    m_vectorTreeView->setObjectName(QStringLiteral("VectorTreeView"));
    m_vectorTreeView->setHeaderHidden(true);
    m_vectorTreeView->setIndentation(19);
    m_vectorTreeView->setRootIsDecorated(false);
    m_vectorTreeView->setFrameShape(QFrame::NoFrame);
    m_vectorTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_vectorTreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_vectorTreeView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_vectorTreeView->setIconSize(QSize(16, 16));
    tight(new QVBoxLayout(left))->addWidget(m_vectorTreeView);

    auto *client = panel("UpperClientPanel", upper);
    auto *panel1 = panel("Panel1", client);
    tight(new QVBoxLayout(client))->addWidget(panel1);
    QFrame *listFrame = listPanel("VectorListViewPanel", panel1);
    tight(new QVBoxLayout(panel1))->addWidget(listFrame);

    m_subVectors = new VectorListModel(VecterListImageList(), this);
    m_vectorListView =
        reportView("VectorListView", m_subVectors, {100, 40, 40, 35, 430}, listFrame);
    auto *frameLayout = tight(new QVBoxLayout(listFrame));
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(m_vectorListView);
    m_vectorListView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_vectorListMenu = new QMenu(this);
    m_vectorListMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_vectorListMenu->addAction(m_actions->action(ActionId::VectorOwnerInfo));
    connect(m_vectorListView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        m_vectorListMenu->popup(m_vectorListView->viewport()->mapToGlobal(at));
    });

    upper->addWidget(left);
    upper->addWidget(client);
    nameBar(upper, "UpperLeftSplitter");
    upper->setStretchFactor(1, 1);
    upper->setSizes({kLeftPaneWidth, 723 - kLeftPaneWidth});
    return upper;
}

QWidget *TTovrelUIForm::buildUnderPanel()
{
    auto *under = panel("UnderPanel", nullptr);
    auto *layout = tight(new QVBoxLayout(under));

    auto *strip = panel("UnderTopPanel", under);
    strip->setFixedHeight(kStripHeight);
    auto *stripRow = tight(new QHBoxLayout(strip));
    stripRow->setContentsMargins(4, 0, 0, 0);
    QToolBar *userTools =
        buildToolBar("UserListActionToolBar", UserListActionToolBarLayout(), strip);
    userTools->setFixedWidth(237 - 1);
    stripRow->addWidget(userTools);
    stripRow->addSpacing(3);
    m_chatEdit = new QLineEdit(strip);
    m_chatEdit->setObjectName(QStringLiteral("ChatEdit"));
    m_chatEdit->setReadOnly(true);
    m_chatEdit->setFocusPolicy(Qt::NoFocus);
    m_chatEdit->setMinimumWidth(60);
    stripRow->addWidget(m_chatEdit, 1);
    QToolBar *chatTools = buildToolBar("ActionToolBar2", ActionToolBar2Layout(), strip);
    chatTools->setFixedWidth(255);
    stripRow->addWidget(chatTools);
    layout->addWidget(strip);

    QSplitter *lower = splitter(Qt::Horizontal, nullptr, under);
    auto *left = panel("UnderLeftPanel", lower);
    QFrame *userFrame = listPanel("UserListViewPanel", left);
    tight(new QVBoxLayout(left))->addWidget(userFrame);
    m_users = new UserListModel(ClientStateImageList(), this);
    m_userListView = reportView("UserListView", m_users, {114, 44, 20, 20, 20, 30}, userFrame);
    auto *userFrameLayout = tight(new QVBoxLayout(userFrame));
    userFrameLayout->setContentsMargins(1, 1, 1, 1);
    userFrameLayout->addWidget(m_userListView);

    auto *client = panel("ClientPanel", lower);
    auto *panel3 = panel("Panel3", client);
    tight(new QVBoxLayout(client))->addWidget(panel3);
    auto *chatColumn = tight(new QVBoxLayout(panel3));
    m_chatLogMemo = new QPlainTextEdit(panel3);
    m_chatLogMemo->setObjectName(QStringLiteral("ChatLogMemo"));
    m_chatLogMemo->setReadOnly(true);
    m_chatLogMemo->setFrameShape(QFrame::NoFrame);
    m_chatLogMemo->setFocusPolicy(Qt::ClickFocus);
    m_chatLogMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_chatLogMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_chatLogMemo->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    chatColumn->addWidget(m_chatLogMemo, 1);

    m_chatInputPanel = panel("ChatInputPanel", panel3);
    m_chatInputPanel->setFixedHeight(34);
    auto *inputRow = new QHBoxLayout(m_chatInputPanel);
    inputRow->setContentsMargins(0, 2, 0, 3);
    inputRow->setSpacing(0);
    m_chatInputEdit = new QLineEdit(m_chatInputPanel);
    m_chatInputEdit->setObjectName(QStringLiteral("ChatInputEdit"));
    m_chatInputEdit->setFont(ChatLog::defaultFont());
    m_chatInputEdit->setFixedHeight(29);
    inputRow->addWidget(m_chatInputEdit, 1);
    m_sendButton = new QToolButton(m_chatInputPanel);
    m_sendButton->setObjectName(QStringLiteral("SendChatInputSpeedButton"));
    m_sendButton->setFixedSize(29, 29);
    m_sendButton->setIcon(m_actions->images().value(25));
    m_sendButton->setAutoRaise(true);
    m_sendButton->setEnabled(false);
    inputRow->addWidget(m_sendButton);
    chatColumn->addWidget(m_chatInputPanel);

    lower->addWidget(left);
    lower->addWidget(client);
    nameBar(lower, "UnderLeftSplitter");
    lower->setStretchFactor(1, 1);
    lower->setSizes({kLeftPaneWidth, 723 - kLeftPaneWidth});
    layout->addWidget(lower, 1);
    return under;
}

QToolBar *TTovrelUIForm::buildToolBar(const char *name,
                                      const QList<std::optional<ActionId>> &entries,
                                      QWidget *parent)
{
    auto *toolBar = new QToolBar(parent);
    toolBar->setObjectName(QString::fromLatin1(name));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setContentsMargins(0, 0, 0, 0);
    for (const std::optional<ActionId> &entry : entries) {
        if (entry)
            toolBar->addAction(m_actions->action(*entry));
        else
            toolBar->addSeparator();
    }
    return toolBar;
}

void TTovrelUIForm::buildMenus()
{
    for (const MenuLayout &layout : MainMenuLayout()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(layout.title));
        menu->setToolTipsVisible(true);
        QString name = QString::fromUtf8(layout.title).remove(u'&');
        menu->setObjectName(name + QStringLiteral("Menu"));
        for (const LayoutEntry &entry : layout.entries) {
            if (entry)
                menu->addAction(m_actions->action(*entry));
            else
                menu->addSeparator();
        }
    }
}

void TTovrelUIForm::composeSubsystems(const Services &services)
{
    QAction *timestamps = m_actions->action(ActionId::ToggleTimestamps);
    QAction *saveLog = m_actions->action(ActionId::ToggleSaveLog);
    QAction *chatSound = m_actions->action(ActionId::ToggleAudioNotification);
    QAction *enterExitSound = m_actions->action(ActionId::ToggleEnterExitAudioNotification);
    QAction *joinLog = m_actions->action(ActionId::ToggleVectorJoinLog);

    m_logFile = std::make_unique<LogFile>(services.appDataFolder, *services.clock);
    m_chatLog = std::make_unique<ChatLog>(m_chatLogMemo, ChatLogSwitches{timestamps, saveLog},
                                          *m_logFile, *services.clock);

    // The windows that live as long as the main window, in the order they are created.
    const qreal ratio = devicePixelRatioF();
    m_loginForm = new TLoginForm(m_link, LoginPicture(ratio), this);
    m_orbitalMeshForm = new TZolOrbitalMeshForm(this);
    m_failedToJoinForm = new TFailedToJoinArenaForm(m_link, FailedToJoinPicture(ratio), this);
    // They open at the top left of the screen, where they do not cover the chat.
    const QPoint topLeft = screen()->availableGeometry().topLeft();
    for (QWidget *window :
         {static_cast<QWidget *>(m_loginForm), static_cast<QWidget *>(m_orbitalMeshForm),
          static_cast<QWidget *>(m_failedToJoinForm)})
        window->move(topLeft);

    m_vectorTree = std::make_unique<VectorTree>(m_vectorTreeView, TreeViewImageList());
    m_navigation = std::make_unique<VectorNavigation>(VectorNavigation::Collaborators{
        m_vectorTree.get(), m_subVectors, m_vectorListView->selectionModel(), m_vectorEdit, m_users,
        &m_link, m_chatLog.get(), enterExitSound, m_failedToJoinForm, nullptr});

    m_session = std::make_unique<Session>(
        Session::Collaborators{&m_link,
                               m_actions,
                               m_loginForm,
                               statusBar(),
                               m_chatLog.get(),
                               m_navigation.get(),
                               m_users,
                               [this] { m_chatRoom->updateSendButton(); },
                               m_vectorTreeView,
                               {m_vectorTreeView, m_vectorEdit, m_vectorListView, m_userListView,
                                m_chatLogMemo, m_chatInputEdit}});

    m_arenaUsers = std::make_unique<ArenaUsers>(ArenaUsers::Collaborators{
        m_users, m_userListView->selectionModel(), m_chatLog.get(), services.sounds,
        m_session.get(), &m_link, [this] { return m_navigation->currentVectorPath(); }, joinLog,
        enterExitSound});

    m_chatRoom = std::make_unique<ChatRoom>(
        ChatRoom::Widgets{m_chatEdit, m_chatInputEdit, m_sendButton, m_chatInputPanel,
                          m_chatLogMemo},
        ChatRoom::Collaborators{m_chatLog.get(), services.sounds, m_users, m_arenaUsers.get(),
                                &m_link, m_orbitalMeshForm,
                                [this] { return m_session->SessionActive(); }, chatSound,
                                enterExitSound, joinLog});

    m_link.setCollaborators({m_session.get(), m_session.get(), this, m_takeOverPrompt, nullptr});
    MessageDispatcher &dispatcher = m_link.dispatcher();
    m_session->registerHandlers(dispatcher);
    m_navigation->registerHandlers(dispatcher);
    m_arenaUsers->registerHandlers(dispatcher);
    m_chatRoom->registerHandlers(dispatcher);

    connect(m_vectorTreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) {
                guarded([&] { m_navigation->VectorTreeViewChange(current); });
            });
    connect(m_vectorListView, &QAbstractItemView::doubleClicked, this,
            [this] { guarded([&] { m_navigation->VectorListViewDblClick(); }); });
    connect(m_vectorListView->header(), &QHeaderView::sectionClicked, m_subVectors,
            &VectorListModel::sortByColumn);
    connect(m_userListView->header(), &QHeaderView::sectionClicked, m_users,
            &UserListModel::sortByColumn);
}

void TTovrelUIForm::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const std::exception &error) {
        m_errorReporter->reportError(QString::fromStdString(error.what()));
    } catch (...) {
        m_errorReporter->reportError(QStringLiteral("An unexpected error occurred."));
    }
}

void TTovrelUIForm::wireActions()
{
    using enum ActionId;
    ActionTable &actions = *m_actions;
    actions.setEnablingRules([this] { ActionManagerUpdate(); });
    actions.setErrorGuard([this](const std::function<void()> &work) { guarded(work); });

    actions.setHandler(SearchEngine, [this] { m_link.SearchEngine(); });
    actions.setHandler(Login, [this] { m_session->LoginActionExecute(); });
    actions.setHandler(QuorlZolIcon, [this] { m_session->QuorlZolIconActionExecute(); });
    actions.setHandler(Status, [this] { m_session->StatusActionExecute(); });
    actions.setHandler(ExitForm, [this] { close(); });
    actions.setHandler(ShowUpperPanel, [this] { ShowUpperPanelActionExecute(); });

    actions.setHandler(Refresh, [this] { m_navigation->RefreshActionExecute(); });
    actions.setHandler(GoUpVector, [this] { m_navigation->GoUpVectorActionExecute(); });

    actions.setHandler(KickThisUser, [this] { m_arenaUsers->KickThisUserActionExecute(); });
    actions.setHandler(BanThisUser, [this] { m_arenaUsers->BanThisUserActionExecute(); });
    actions.setHandler(BreakStream, [this] { m_arenaUsers->BreakStreamActionExecute(); });

    actions.setHandler(ClearContents, [this] { m_chatLog->clearContents(); });
    actions.setHandler(SettingFont, [this] { m_chatLog->chooseFont(this); });
    for (const ActionId soundSwitch : {ToggleAudioNotification, ToggleEnterExitAudioNotification}) {
        actions.setHandler(soundSwitch, [this, soundSwitch] {
            m_actions->setImageIndex(soundSwitch,
                                     SoundSwitchImage(m_actions->action(soundSwitch)->isChecked()));
        });
    }
    actions.setHandler(ShowOrbitalMesh, [this] { m_chatRoom->ShowOrbitalMeshActionExecute(); });
    actions.setHandler(ToggleChatInputLine, [this] {
        m_chatRoom->showInputLine(m_actions->action(ToggleChatInputLine)->isChecked());
    });
}

void TTovrelUIForm::formCreate()
{
    m_session->SetSessionActive(false);
    ExpandWithDescendants(m_vectorTree->root());
    m_chatLog->clearContents();
    // The hints of menus and tool buttons reach the status bar through event(); see there.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TTovrelUIForm::ActionManagerUpdate);
    ActionManagerUpdate();
}

SessionSnapshot TTovrelUIForm::snapshot() const
{
    const UserRow *user = m_users->selectedRow(m_userListView->selectionModel());
    return {
        m_link.EngineAttached(),
        m_session->SessionActive(),
        user != nullptr,
        user && user->inVector,
        m_arenaUsers->IsModerator(m_arenaUsers->OwnQTag()),
        m_navigation->ArenaCreationAllowed(),
        m_subVectors->selectedRow(m_vectorListView->selectionModel()) != nullptr,
    };
}

void TTovrelUIForm::ActionManagerUpdate()
{
    for (const ActionEnabling &rule : EnablingRules(snapshot()))
        m_actions->action(rule.action)->setEnabled(rule.enabled);
}

void TTovrelUIForm::ShowUpperPanelActionExecute()
{
    const bool shown = m_actions->action(ActionId::ShowUpperPanel)->isChecked();
    m_upperTopSplitter->setVisible(shown);
    m_upperPanel->setVisible(shown);
    m_baseTopPanel->setVisible(shown);
    ScrollToCaret(m_chatLogMemo);
}

void TTovrelUIForm::secondInstanceActivated()
{
    if (!m_link.EngineAttached())
        m_actions->execute(ActionId::SearchEngine);
}

void TTovrelUIForm::showEngineImage(int imageIndex)
{
    m_actions->setImageIndex(ActionId::QuorlZolIcon, imageIndex);
}

void TTovrelUIForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_link.mainWindowShown();
}

void TTovrelUIForm::closeEvent(QCloseEvent *event)
{
    // A second request to close (a signal arriving twice) must not detach twice.
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    m_link.mainWindowClosing();
    event->accept();
    Q_EMIT closed();
}

bool TTovrelUIForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        m_session->ApplicationOnHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}
