#include "vector_navigation.h"

#include "chat_line_sink.h"
#include "commands.h"
#include "failed_to_join_arena_form.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "percent_text.h"
#include "split_text.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_tree.h"
#include "wire_text.h"

#include <QAction>
#include <QLineEdit>
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
{}

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

QString VectorNavigation::currentVectorPath() const
{
    return m_with.vectorEdit->text();
}

void VectorNavigation::switchEnterExitSoundsOff()
{
    // Entering an arena brings a burst of joins that should not each ring.
    if (m_with.enterExitSound->isChecked())
        m_with.enterExitSound->trigger();
}

void VectorNavigation::enterPath(const QString &path)
{
    m_with.sender->SendCommand(Command::Vector(path));
}

void VectorNavigation::EnterVector(const QString &path)
{
    m_with.tree->EnsureVectorNode(path);
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
    const VectorRow *row = m_with.subVectors->selectedRow(m_with.subVectorSelection);
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
    m_with.sender->SendCommand(Command::GetState());
    if (m_with.contactListReset)
        m_with.contactListReset->setContactListResetPending();
}

void VectorNavigation::selectRootNode()
{
    m_with.tree->view()->setCurrentItem(m_with.tree->root());
}

void VectorNavigation::clearSubVectors()
{
    m_with.subVectors->clear();
}

void VectorNavigation::vector(FieldReader reader)
{
    const QString path = NextAnsiField(reader);
    const QString creationFlag = NextAnsiField(reader);

    switchEnterExitSoundsOff();
    m_with.vectorEdit->setText(path);
    m_with.vectorEdit->setCursorPosition(0); // a long path shows from its start
    m_arenaCreationAllowed = creationFlag == u"1";
    clearSubVectors();
    m_with.users->ClearUserRows(UserListModel::VectorPart);

    if (!path.isEmpty()) {
        m_with.sender->SendCommand(Command::GetVectors(path));
        if (QTreeWidgetItem *node = m_with.tree->FindVectorNode(path)) {
            m_selectingVectorNode = true;
            struct Reset {
                bool &flag;
                ~Reset() { flag = false; }
            } reset{m_selectingVectorNode};
            m_with.tree->view()->setCurrentItem(node);
        }
        m_with.sender->SendCommand(Command::ChatMode(path));
    } else {
        // Lets the tree's own change handling ask for the top level if this moves the selection.
        selectRootNode();
        m_with.sender->SendCommand(
            Command::ChatMode(QString::fromLatin1(Command::kGeneralChatRoom)));
    }
}

void VectorNavigation::vectorDisallowed(FieldReader reader)
{
    const QString path = NextAnsiField(reader);
    const QString reason = NextAnsiField(reader);
    if (reason == kPasswordRejected)
        m_with.failedToJoin->showRefused(path);
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

    m_with.tree->EnsureVectorNode(path);
    if (parentOf(path) != currentVectorPath())
        return;
    const QString name = nameOf(path);
    if (VectorRow *row = m_with.subVectors->findRow(name)) {
        row->image = VectorListModel::ReportedVector;
        row->users = users;
        row->capacity = capacity;
        row->subVectors = subVectors;
        m_with.subVectors->rowUpdated(row);
    } else {
        m_with.subVectors->addRow(
            {name, VectorListModel::ReportedVector, users, capacity, subVectors, QString()});
    }
}

void VectorNavigation::subVectorUpdate(FieldReader reader)
{
    const QString name = nameOf(NextAnsiField(reader));
    const QString users = NextAnsiField(reader);
    const QString subVectors = NextAnsiField(reader);

    if (VectorRow *row = m_with.subVectors->findRow(name)) {
        row->users = users;
        row->subVectors = subVectors;
        m_with.subVectors->rowUpdated(row);
    } else {
        m_with.subVectors->addRow({name, -1, users, QString(), subVectors, QString()});
    }
}

void VectorNavigation::removeSubVector(FieldReader reader)
{
    if (VectorRow *row = m_with.subVectors->findRow(nameOf(NextAnsiField(reader))))
        m_with.subVectors->deleteRow(row);
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

    if (VectorRow *row = m_with.subVectors->findRow(name)) {
        row->image = image;
        row->users = users;
        row->capacity = capacity;
        row->subVectors = subVectors;
        row->description = description;
        m_with.subVectors->rowUpdated(row);
    } else {
        m_with.subVectors->addRow({name, image, users, capacity, subVectors, description});
    }
}
