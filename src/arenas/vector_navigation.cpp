#include "vector_navigation.h"

#include "action_table.h"
#include "arena_images.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "enabling_rules.h"
#include "error_guard.h"
#include "failed_to_join_arena_form.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "pane_look.h"
#include "percent_text.h"
#include "split_text.h"
#include "vector_list_model.h"
#include "vector_tree.h"
#include "wire_text.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace {

const QString kPathSeparator = QStringLiteral("/");
const QString kPasswordRejected = QStringLiteral("The supplied password was rejected.");

QString nameOf(const QString &path)
{
    return SplitLast(path, kPathSeparator).second;
}

QString parentOf(const QString &path)
{
    return SplitLast(path, kPathSeparator).first;
}

} // namespace

VectorNavigation::VectorNavigation(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_tree(std::make_unique<VectorTree>(with.vectorTreeView, TreeViewImageList()))
    , m_subVectors(new VectorListModel(VecterListImageList(), this))
{
    m_with.vectorListView->setModel(m_subVectors);
    const ErrorGuard &guard = *m_with.guard;
    // A node chosen, not merely made current: focus alone must not move the user. Nodes added
    // beside the chosen one shift the selection without changing it.
    QTreeWidget *treeView = m_with.vectorTreeView;
    connect(treeView, &QTreeWidget::itemSelectionChanged, this, guard.slot([this, treeView] {
        const QList<QTreeWidgetItem *> selected = treeView->selectedItems();
        QTreeWidgetItem *node = selected.isEmpty() ? nullptr : selected.first();
        if (node == m_chosenNode)
            return;
        m_chosenNode = node;
        VectorTreeViewChange(node);
    }));
    connect(m_with.vectorListView, &QAbstractItemView::doubleClicked, this,
            guard.slot([this] { VectorListViewDblClick(); }));
    connect(m_with.vectorListView->header(), &QHeaderView::sectionClicked, m_subVectors,
            &VectorListModel::sortByColumn);
    ExpandWithDescendants(m_tree->root());
}

VectorNavigation::~VectorNavigation() = default;

QList<StartWindowFactory> VectorNavigation::windowsAtStart()
{
    return {{StartWindow::FailedToJoinArena, [this](QWidget *mainWindow) {
                 m_failedToJoin = new TFailedToJoinArenaForm(
                     *m_with.sender, FailedToJoinPicture(mainWindow->devicePixelRatioF()),
                     *m_with.guard, mainWindow);
                 return m_failedToJoin;
             }}};
}

void VectorNavigation::registerHandlers(MessageDispatcher &dispatcher)
{
    using enum MessageKind;
    dispatcher.registerHandler(Vector, [this](FieldReader r) { vector(r); });
    dispatcher.registerHandler(VectorDisallowed, [this](FieldReader r) { vectorDisallowed(r); });
    dispatcher.registerHandler(SubVector, [this](FieldReader r) { subVector(r); });
    dispatcher.registerHandler(SubVectorUpdate, [this](FieldReader r) { subVectorUpdate(r); });
    dispatcher.registerHandler(RemoveSubVector, [this](FieldReader r) { removeSubVector(r); });
    dispatcher.registerHandler(UserSubVector, [this](FieldReader r) { userSubVector(r); });
}

void VectorNavigation::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::Refresh, [this] { RefreshActionExecute(); });
    actions.setHandler(ActionId::GoUpVector, [this] { GoUpVectorActionExecute(); });
}

void VectorNavigation::describe(SessionSnapshot &state) const
{
    state.arenaCreationAllowed = m_arenaCreationAllowed;
    state.vectorRowSelected =
        m_subVectors->selectedRow(m_with.vectorListView->selectionModel()) != nullptr;
}

void VectorNavigation::sessionActiveChanged(bool active)
{
    m_with.vectorTreeView->setEnabled(active);
    ShowSessionLook({m_with.vectorTreeView, m_with.vectorEdit, m_with.vectorListView}, active);
}

std::optional<QString> VectorNavigation::selectedSubVectorCaption() const
{
    if (const VectorRow *row = m_subVectors->selectedRow(m_with.vectorListView->selectionModel()))
        return row->caption;
    return std::nullopt;
}

QString VectorNavigation::currentVectorPath() const
{
    return m_with.vectorEdit->text();
}

void VectorNavigation::switchEnterExitSoundsOff()
{
    // Entering an arena brings a burst of joins that should not each ring.
    m_with.enterExitSound->setChecked(false);
}

void VectorNavigation::enterPath(const QString &path)
{
    m_with.sender->SendCommand(Command::Vector(path));
}

void VectorNavigation::EnterVector(const QString &path)
{
    m_tree->EnsureVectorNode(path);
    enterPath(path);
}

void VectorNavigation::VectorTreeViewChange(QTreeWidgetItem *node)
{
    if (m_selectingVectorNode || !node)
        return;
    switchEnterExitSoundsOff();
    enterPath(VectorTree::VectorPathOf(node));
}

void VectorNavigation::VectorListViewDblClick()
{
    const VectorRow *row = m_subVectors->selectedRow(m_with.vectorListView->selectionModel());
    if (!row)
        return;
    switchEnterExitSoundsOff();
    enterPath(currentVectorPath() + kPathSeparator + row->caption);
}

void VectorNavigation::GoUpVectorActionExecute()
{
    switchEnterExitSoundsOff();
    enterPath(parentOf(currentVectorPath()));
}

void VectorNavigation::RefreshActionExecute()
{
    m_with.stateRequester->RequestState();
}

void VectorNavigation::selectRootNode()
{
    m_with.vectorTreeView->setCurrentItem(m_tree->root());
}

void VectorNavigation::ReturnToTopLevel()
{
    selectRootNode();
    m_subVectors->clear();
    Q_EMIT arenaLeft();
}

void VectorNavigation::vector(FieldReader reader)
{
    const QString path = NextAnsiField(reader);
    const QString creationFlag = NextAnsiField(reader);

    switchEnterExitSoundsOff();
    m_with.vectorEdit->setText(path);
    m_with.vectorEdit->setCursorPosition(0); // a long path shows from its start
    m_arenaCreationAllowed = creationFlag == u"1";
    m_subVectors->clear();
    Q_EMIT arenaLeft();

    if (!path.isEmpty()) {
        m_with.sender->SendCommand(Command::GetVectors(path));
        if (QTreeWidgetItem *node = m_tree->FindVectorNode(path)) {
            m_selectingVectorNode = true;
            struct Reset {
                bool &flag;
                ~Reset() { flag = false; }
            } reset{m_selectingVectorNode};
            m_with.vectorTreeView->setCurrentItem(node);
        }
        m_with.sender->SendCommand(Command::ChatMode(path));
    } else {
        // Lets the tree's own change handling ask for the top level if this moves the selection.
        selectRootNode();
        m_with.sender->SendCommand(Command::ChatMode(Command::kGeneralChatRoom));
    }
}

void VectorNavigation::vectorDisallowed(FieldReader reader)
{
    const QString path = NextAnsiField(reader);
    const QString reason = NextAnsiField(reader);
    if (reason == kPasswordRejected)
        m_failedToJoin->showRefused(path);
    else
        m_with.chat->AddChatLine(QStringLiteral("Vector disallowed. ") + reason);
}

void VectorNavigation::subVector(FieldReader reader)
{
    const QString path = NextAnsiField(reader);
    const QString users = NextAnsiField(reader);
    const QString subVectors = NextAnsiField(reader);
    NextField(reader); // read past, never shown
    const QString capacity = NextAnsiField(reader);

    m_tree->EnsureVectorNode(path);
    if (parentOf(path) != currentVectorPath())
        return;
    const QString name = nameOf(path);
    if (VectorRow *row = m_subVectors->findRow(name)) {
        row->image = VectorListModel::ReportedVector;
        row->users = users;
        row->capacity = capacity;
        row->subVectors = subVectors;
        m_subVectors->rowUpdated(row);
    } else {
        m_subVectors->addRow(
            {name, VectorListModel::ReportedVector, users, capacity, subVectors, QString()});
    }
}

void VectorNavigation::subVectorUpdate(FieldReader reader)
{
    const QString name = nameOf(NextAnsiField(reader));
    const QString users = NextAnsiField(reader);
    const QString subVectors = NextAnsiField(reader);

    if (VectorRow *row = m_subVectors->findRow(name)) {
        row->users = users;
        row->subVectors = subVectors;
        m_subVectors->rowUpdated(row);
    } else {
        m_subVectors->addRow({name, -1, users, QString(), subVectors, QString()});
    }
}

void VectorNavigation::removeSubVector(FieldReader reader)
{
    if (VectorRow *row = m_subVectors->findRow(nameOf(NextAnsiField(reader))))
        m_subVectors->deleteRow(row);
}

void VectorNavigation::userSubVector(FieldReader reader)
{
    const QString name = nameOf(NextAnsiField(reader));
    const QString users = NextAnsiField(reader);
    const QString subVectors = NextAnsiField(reader);
    const QString passwordFlag = NextAnsiField(reader);
    const QString capacity = NextAnsiField(reader);
    const QString description = DecodePercentText(NextUtf8Field(reader));
    const int image =
        passwordFlag == u"0" ? VectorListModel::OpenUserArena : VectorListModel::LockedUserArena;

    if (VectorRow *row = m_subVectors->findRow(name)) {
        row->image = image;
        row->users = users;
        row->capacity = capacity;
        row->subVectors = subVectors;
        row->description = description;
        m_subVectors->rowUpdated(row);
    } else {
        m_subVectors->addRow({name, image, users, capacity, subVectors, description});
    }
}
