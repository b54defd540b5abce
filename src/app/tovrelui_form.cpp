#include "tovrelui_form.h"

#include "action_table.h"
#include "chat_log.h"
#include "composition.h"
#include "enabling_rules.h"
#include "image_lists.h"
#include "memo_lines.h"
#include "menu_layout.h"
#include "page_opener.h"
#include "prompts.h"
#include "session.h"
#include "tool_bars.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

class DesktopPages final : public PageOpener {
public:
    // Whether a browser came up is not the program's concern.
    void openPage(const QUrl &address) override { QDesktopServices::openUrl(address); }
};

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

QTreeView *reportView(const char *name, QWidget *parent)
{
    auto *view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
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
    return view;
}

void setWidths(QTreeView *view, const QList<int> &widths)
{
    for (int column = 0; column < widths.size(); ++column)
        view->header()->resizeSection(column, widths[column]);
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
    m_guard = std::make_unique<ErrorGuard>(services.errorReporter ? *services.errorReporter
                                                                  : *m_messageBoxes);
    m_actions = new ActionTable(ActionImageList(), this);
    connect(&m_link, &EngineLink::engineImageChanged, m_actions, [actions = m_actions](int image) {
        actions->setImageIndex(ActionId::QuorlZolIcon, image);
    });

    MainPanes panes = buildLayout();
    buildMenus();
    panes.bookmarkMenu = findChild<QMenu *>(QStringLiteral("BookmarkMenu"));
    bindShellActions();
    m_desktopPages = std::make_unique<DesktopPages>();
    const CompositionServices roomServices{
        .clock = services.clock,
        .sounds = services.sounds,
        .takeOverPrompt = services.takeOverPrompt ? services.takeOverPrompt : m_messageBoxes.get(),
        .pages = services.pages ? services.pages : m_desktopPages.get(),
        .yesNoPrompt = services.yesNoPrompt ? services.yesNoPrompt : m_messageBoxes.get(),
        .guard = m_guard.get(),
        .appDataFolder = services.appDataFolder,
        .bookmarkFolders = services.bookmarkFolders,
    };
    m_rooms = std::make_unique<Composition>(panes, m_link, *m_actions, roomServices, this);
    setColumnWidths(panes);
    nameForScreenReaders(panes);

    // The hints of menus and tool buttons reach the status bar through event(); see there.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TTovrelUIForm::ActionManagerUpdate);
    ActionManagerUpdate();
}

TTovrelUIForm::~TTovrelUIForm()
{
    // The subsystems go before the link: no datagram may reach their handlers from here on.
    m_link.disconnect(this);
    m_rooms.reset();
}

MainPanes TTovrelUIForm::buildLayout()
{
    MainPanes panes;
    menuBar()->setObjectName(QStringLiteral("ActionMainMenuBar"));
    QFont menuFont = font();
    menuFont.setFamilies({QStringLiteral("MS UI Gothic"), font().family()});
    menuFont.setPointSize(9);
    menuBar()->setFont(menuFont);

    auto *central = panel("BaseClientPanelHolder", this);
    auto *layout = tight(new QVBoxLayout(central));
    layout->addWidget(buildTopBar(panes));

    QSplitter *baseClient = splitter(Qt::Vertical, "BaseClientPanel", central);
    baseClient->addWidget(buildUpperPanel(panes));
    baseClient->addWidget(buildUnderPanel(panes));
    nameBar(baseClient, "UpperTopSplitter");
    baseClient->setStretchFactor(1, 1);
    baseClient->setSizes({kUpperPanelHeight, 488 - kUpperPanelHeight});
    m_upperTopSplitter = baseClient->handle(1);
    layout->addWidget(baseClient, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
    panes.statusBar = statusBar();
    return panes;
}

QWidget *TTovrelUIForm::buildTopBar(MainPanes &panes)
{
    m_baseTopPanel = panel("BaseTopPanel", nullptr);
    m_baseTopPanel->setFixedHeight(kStripHeight);
    auto *panel2 = panel("Panel2", m_baseTopPanel);
    tight(new QHBoxLayout(m_baseTopPanel))->addWidget(panel2);
    auto *row = tight(new QHBoxLayout(panel2));
    row->setContentsMargins(4, 0, 0, 0);
    QToolBar *toolBar = BuildToolBar("ActionToolBar1", ActionToolBar1Layout(), *m_actions, panel2);
    toolBar->setFixedWidth(237 - 1);
    row->addWidget(toolBar);
    row->addSpacing(3);
    panes.vectorEdit = new QLineEdit(panel2);
    panes.vectorEdit->setObjectName(QStringLiteral("VectorEdit"));
    panes.vectorEdit->setReadOnly(true);
    panes.vectorEdit->setFocusPolicy(Qt::NoFocus);
    row->addWidget(panes.vectorEdit, 1);
    return m_baseTopPanel;
}

QWidget *TTovrelUIForm::buildUpperPanel(MainPanes &panes)
{
    QSplitter *upper = splitter(Qt::Horizontal, "UpperPanel", nullptr);
    m_upperPanel = upper;

    auto *left = panel("UpperLeftPanel", upper);
    panes.vectorTreeView = new QTreeWidget(left);
    panes.vectorTreeView->setObjectName(QStringLiteral("VectorTreeView"));
    panes.vectorTreeView->setHeaderHidden(true);
    panes.vectorTreeView->setIndentation(19);
    // Every node is one line high: the view lays out thousands of them without measuring each.
    panes.vectorTreeView->setUniformRowHeights(true);
    panes.vectorTreeView->setRootIsDecorated(false);
    panes.vectorTreeView->setFrameShape(QFrame::NoFrame);
    panes.vectorTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    panes.vectorTreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    panes.vectorTreeView->setSelectionBehavior(QAbstractItemView::SelectRows);
    panes.vectorTreeView->setIconSize(QSize(16, 16));
    tight(new QVBoxLayout(left))->addWidget(panes.vectorTreeView);

    auto *client = panel("UpperClientPanel", upper);
    auto *panel1 = panel("Panel1", client);
    tight(new QVBoxLayout(client))->addWidget(panel1);
    QFrame *listFrame = listPanel("VectorListViewPanel", panel1);
    tight(new QVBoxLayout(panel1))->addWidget(listFrame);

    QTreeView *vectorListView = reportView("VectorListView", listFrame);
    panes.vectorListView = vectorListView;
    auto *frameLayout = tight(new QVBoxLayout(listFrame));
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(panes.vectorListView);
    panes.vectorListView->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    popupMenu->addAction(m_actions->action(ActionId::VectorOwnerInfo));
    connect(vectorListView, &QWidget::customContextMenuRequested, this,
            [vectorListView, popupMenu](const QPoint &at) {
                popupMenu->popup(vectorListView->viewport()->mapToGlobal(at));
            });

    upper->addWidget(left);
    upper->addWidget(client);
    nameBar(upper, "UpperLeftSplitter");
    upper->setStretchFactor(1, 1);
    upper->setSizes({kLeftPaneWidth, 723 - kLeftPaneWidth});
    return upper;
}

QWidget *TTovrelUIForm::buildUnderPanel(MainPanes &panes)
{
    auto *under = panel("UnderPanel", nullptr);
    auto *layout = tight(new QVBoxLayout(under));

    auto *strip = panel("UnderTopPanel", under);
    strip->setFixedHeight(kStripHeight);
    auto *stripRow = tight(new QHBoxLayout(strip));
    stripRow->setContentsMargins(4, 0, 0, 0);
    QToolBar *userTools =
        BuildToolBar("UserListActionToolBar", UserListActionToolBarLayout(), *m_actions, strip);
    userTools->setFixedWidth(237 - 1);
    stripRow->addWidget(userTools);
    stripRow->addSpacing(3);
    panes.chatEdit = new QLineEdit(strip);
    panes.chatEdit->setObjectName(QStringLiteral("ChatEdit"));
    panes.chatEdit->setReadOnly(true);
    panes.chatEdit->setFocusPolicy(Qt::NoFocus);
    panes.chatEdit->setMinimumWidth(60);
    stripRow->addWidget(panes.chatEdit, 1);
    QToolBar *chatTools = BuildToolBar("ActionToolBar2", ActionToolBar2Layout(), *m_actions, strip);
    chatTools->setFixedWidth(255);
    stripRow->addWidget(chatTools);
    layout->addWidget(strip);

    QSplitter *lower = splitter(Qt::Horizontal, nullptr, under);
    auto *left = panel("UnderLeftPanel", lower);
    QFrame *userFrame = listPanel("UserListViewPanel", left);
    tight(new QVBoxLayout(left))->addWidget(userFrame);
    panes.userListView = reportView("UserListView", userFrame);
    auto *userFrameLayout = tight(new QVBoxLayout(userFrame));
    userFrameLayout->setContentsMargins(1, 1, 1, 1);
    userFrameLayout->addWidget(panes.userListView);

    auto *client = panel("ClientPanel", lower);
    auto *panel3 = panel("Panel3", client);
    tight(new QVBoxLayout(client))->addWidget(panel3);
    auto *chatColumn = tight(new QVBoxLayout(panel3));
    auto *chatLogMemo = new QPlainTextEdit(panel3);
    m_chatLogMemo = chatLogMemo;
    panes.chatLogMemo = chatLogMemo;
    chatLogMemo->setObjectName(QStringLiteral("ChatLogMemo"));
    chatLogMemo->setReadOnly(true);
    chatLogMemo->setFrameShape(QFrame::NoFrame);
    chatLogMemo->setFocusPolicy(Qt::ClickFocus);
    chatLogMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    chatLogMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    chatLogMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    chatColumn->addWidget(chatLogMemo, 1);

    panes.chatInputPanel = panel("ChatInputPanel", panel3);
    panes.chatInputPanel->setFixedHeight(34);
    auto *inputRow = new QHBoxLayout(panes.chatInputPanel);
    inputRow->setContentsMargins(0, 2, 0, 3);
    inputRow->setSpacing(0);
    panes.chatInputEdit = new QLineEdit(panes.chatInputPanel);
    panes.chatInputEdit->setObjectName(QStringLiteral("ChatInputEdit"));
    panes.chatInputEdit->setFont(ChatLog::defaultFont());
    panes.chatInputEdit->setFixedHeight(29);
    inputRow->addWidget(panes.chatInputEdit, 1);
    auto *sendButton = new QToolButton(panes.chatInputPanel);
    panes.sendButton = sendButton;
    sendButton->setObjectName(QStringLiteral("SendChatInputSpeedButton"));
    sendButton->setFixedSize(29, 29);
    sendButton->setIcon(m_actions->images().value(25));
    sendButton->setAutoRaise(true);
    sendButton->setEnabled(false);
    inputRow->addWidget(sendButton);
    chatColumn->addWidget(panes.chatInputPanel);

    lower->addWidget(left);
    lower->addWidget(client);
    nameBar(lower, "UnderLeftSplitter");
    lower->setStretchFactor(1, 1);
    lower->setSizes({kLeftPaneWidth, 723 - kLeftPaneWidth});
    layout->addWidget(lower, 1);
    return under;
}

void TTovrelUIForm::buildMenus()
{
    for (const MenuLayout &layout : MainMenuLayout()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(layout.title));
        QString name = QString::fromUtf8(layout.title).remove(u'&');
        menu->setObjectName(name + QStringLiteral("Menu"));
        FillMenu(menu, layout.entries, *m_actions);
    }
}

void TTovrelUIForm::setColumnWidths(const MainPanes &panes)
{
    setWidths(panes.vectorListView, {100, 40, 40, 35, 430});
    setWidths(panes.userListView, {114, 44, 20, 20, 20, 30});
}

void TTovrelUIForm::nameForScreenReaders(const MainPanes &panes)
{
    const std::pair<QWidget *, const char *> names[] = {
        {panes.vectorEdit, "Arena path"},
        {panes.vectorTreeView, "Arenas"},
        {panes.vectorListView, "Arenas in this arena"},
        {panes.userListView, "Users"},
        {panes.chatEdit, "Chat room"},
        {panes.chatLogMemo, "Chat"},
        {panes.chatInputEdit, "Chat message"},
        {panes.sendButton, "Send"},
    };
    for (const auto &[pane, name] : names)
        pane->setAccessibleName(QString::fromLatin1(name));
}

void TTovrelUIForm::bindShellActions()
{
    using enum ActionId;
    ActionTable &actions = *m_actions;
    actions.setEnablingRules([this] { ActionManagerUpdate(); });
    actions.setErrorGuard([this](const std::function<void()> &work) { m_guard->run(work); });
    actions.setHandler(SearchEngine, [this] { m_link.SearchEngine(); });
    actions.setHandler(ExitForm, [this] { close(); });
    actions.setHandler(ShowUpperPanel, [this] { ShowUpperPanelActionExecute(); });
}

SessionSnapshot TTovrelUIForm::snapshot() const
{
    return m_rooms->snapshot();
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
        m_rooms->session().ApplicationOnHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}
