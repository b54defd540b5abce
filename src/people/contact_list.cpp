#include "contact_list.h"

#include "action_table.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "contact_list_model.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "people_images.h"
#include "split_text.h"
#include "tool_bars.h"
#include "wire_text.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

struct ContactActionDefinition {
    const char *name;
    const char *caption;
    const char *hint;
};

// In the order of ContactAction and of the tool bar.
constexpr ContactActionDefinition kContactActions[kContactActionCount] = {
    {"AddToContactListAction", "Add To ContactList", "新たにコンタクトリストに追加します."},
    {"DeleteContactListAction", "Delete Contact List", "コンタクトリストから削除します."},
    {"UserInfoAction", "User Info", "User Info"},
    {"SendPMAction", "Send PM", "Send PM"},
    {"GoToVectorAction", "GoToVector", "Go to Vector"},
    {"InviteRoomAction", "Invite Room", ""},
    {"RefreshAction", "Refrash", ""},
};

} // namespace

bool ContactActionEnabled(ContactAction action, const ContactListState &state)
{
    switch (action) {
    case ContactAction::AddToContactList:
    case ContactAction::Refresh:
        return state.attached;
    case ContactAction::DeleteContactList:
    case ContactAction::UserInfo:
    case ContactAction::SendPM:
        return state.attached && state.selected;
    case ContactAction::GoToVector:
    case ContactAction::InviteRoom:
        return state.attached && state.selected && state.online;
    }
    return false;
}

QString DeleteContactQuestion(const QString &qtag)
{
    return QStringLiteral("Delete ") + qtag +
           QStringLiteral("?..\r\n\r\nAre you sure you want to remove ") + qtag +
           QStringLiteral(
               " from your contact list?\r\nIf you choose to remove this contact, you will "
               "appear offline on their contact list, even if you are online.");
}

TContactListForm::TContactListForm(ContactListModel &rows, const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "ContactListForm", .caption = QStringLiteral("Contac List")}, guard,
                      owner)
{
    resize(481, 265);
    const QList<QIcon> images = ContactActionImages();
    for (int i = 0; i < kContactActionCount; ++i) {
        const ContactActionDefinition &definition = kContactActions[i];
        auto *action = new QAction(images.value(i), QString::fromUtf8(definition.caption), this);
        action->setObjectName(QString::fromLatin1(definition.name));
        action->setStatusTip(QString::fromUtf8(definition.hint));
        m_actions[size_t(i)] = action;
    }
    using enum ContactAction;
    QToolBar *toolBar = BuildToolBar("ActionToolBar1",
                                     {action(AddToContactList), action(DeleteContactList), nullptr,
                                      action(UserInfo), action(SendPM), action(GoToVector),
                                      action(InviteRoom), nullptr, action(Refresh)},
                                     this);

    ContactListView = new QTreeView(this);
    ContactListView->setObjectName(QStringLiteral("ContactListView"));
    ContactListView->setAccessibleName(QStringLiteral("Contacts"));
    ContactListView->setModel(&rows);
    ContactListView->setRootIsDecorated(false);
    ContactListView->setItemsExpandable(false);
    ContactListView->setUniformRowHeights(true);
    ContactListView->setAllColumnsShowFocus(true);
    ContactListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ContactListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ContactListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ContactListView->header()->setSectionsClickable(false); // the list keeps its order
    ContactListView->header()->setStretchLastSection(false);
    const int widths[] = {100, 50, 100, 160, 40};
    for (int column = 0; column < 5; ++column)
        ContactListView->header()->resizeSection(column, widths[column]);

    AutoShowCheckBox = new QCheckBox(QStringLiteral("自動で表示させない"), this);
    AutoShowCheckBox->setObjectName(QStringLiteral("AutoShowCheckBox"));
    BitBtn1 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    body()->addWidget(toolBar);
    body()->addWidget(ContactListView, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(AutoShowCheckBox);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    body()->addLayout(bottom);
}

void TContactListForm::autoShow()
{
    if (!AutoShowCheckBox->isChecked() && !isVisible())
        showAndRaise();
}

TAddContactForm::TAddContactForm(CommandSender &sender, const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "AddContactForm",
                       .caption = QStringLiteral("Add a Contact.."),
                       .picture = AddContactPicture(owner ? owner->devicePixelRatioF() : 1.0)},
                      guard, owner, Qt::MSWindowsFixedSizeDialogHint)
    , m_sender(sender)
{
    auto *title = new QLabel(QStringLiteral("Add a Contact.."), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *prompt = new QLabel(QStringLiteral("Enter the QTag of your new contact."), this);
    auto *remember = new QLabel(QStringLiteral("Remember that you will not see your new contact's "
                                               "status unless they also add you to their own "
                                               "contact list."),
                                this);
    remember->setWordWrap(true);
    QTagEdit = new QLineEdit(this);
    QTagEdit->setObjectName(QStringLiteral("QTagEdit"));
    prompt->setBuddy(QTagEdit);
    CloseBitBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBitBtn->setObjectName(QStringLiteral("CloseBitBtn"));
    AddContactBitBtn = new QPushButton(QStringLiteral("Add Contact"), this);
    AddContactBitBtn->setObjectName(QStringLiteral("AddContactBitBtn"));
    AddContactBitBtn->setDefault(true);

    body()->addWidget(title);
    body()->addWidget(prompt);
    body()->addWidget(QTagEdit);
    body()->addWidget(remember);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CloseBitBtn);
    buttons->addWidget(AddContactBitBtn);
    body()->addLayout(buttons);
    setDesignedSize(QSize(254, 166));

    connect(CloseBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    onClicked(AddContactBitBtn, [this] { AddContactBitBtnClick(); });
}

void TAddContactForm::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    QTagEdit->setFocus();
}

void TAddContactForm::AddContactBitBtnClick()
{
    if (QTagEdit->text().isEmpty())
        return;
    m_sender.SendCommand(Command::AddContact(QTagEdit->text()));
    QTagEdit->clear();
    accept();
}

ContactList::ContactList(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_rows(new ContactListModel(ContactListImageList(), this))
{
    using enum ContactAction;
    m_handlers[size_t(AddToContactList)] = [this](const QString &) { m_addForm->showAndRaise(); };
    m_handlers[size_t(DeleteContactList)] = [this](const QString &qtag) {
        m_with.prompt->askYesNo(DeleteContactQuestion(qtag), [this, qtag](bool yes) {
            if (yes)
                m_with.sender->SendCommand(Command::RemoveContact(qtag));
        });
    };
    m_handlers[size_t(UserInfo)] = [this](const QString &qtag) {
        m_with.profiles->OpenProfile(qtag, true);
    };
    m_handlers[size_t(GoToVector)] = [this](const QString &) {
        m_with.sender->SendCommand(Command::Vector(selectedRow()->path));
    };
    // Asks for the same state as the main window's Refresh, but keeps the rows.
    m_handlers[size_t(Refresh)] = [this](const QString &) {
        m_with.sender->SendCommand(Command::GetState());
    };
}

QList<StartWindowFactory> ContactList::windowsAtStart()
{
    return {
        {StartWindow::ContactList,
         [this](QWidget *mainWindow) {
             m_form = new TContactListForm(*m_rows, *m_with.guard, mainWindow);
             for (int i = 0; i < kContactActionCount; ++i) {
                 connect(m_form->action(ContactAction(i)), &QAction::triggered, this,
                         [this, i] { execute(ContactAction(i)); });
             }
             if (QAbstractEventDispatcher *events = QAbstractEventDispatcher::instance())
                 connect(events, &QAbstractEventDispatcher::aboutToBlock, this,
                         &ContactList::ActionManager1Update);
             return m_form;
         }},
        {StartWindow::AddContact,
         [this](QWidget *mainWindow) {
             m_addForm = new TAddContactForm(*m_with.sender, *m_with.guard, mainWindow);
             return m_addForm;
         }},
    };
}

void ContactList::registerHandlers(MessageDispatcher &dispatcher)
{
    using enum MessageKind;
    dispatcher.registerHandler(AddContact, [this](FieldReader r) { addContact(r); });
    dispatcher.registerHandler(ContactOnline, [this](FieldReader r) { contactOnline(r, true); });
    dispatcher.registerHandler(ContactOffline, [this](FieldReader r) { contactOnline(r, false); });
    dispatcher.registerHandler(ContactPing, [this](FieldReader r) { contactPing(r); });
    dispatcher.registerHandler(RemoveContact, [this](FieldReader r) { removeContact(r); });
}

void ContactList::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::ShowContactList, [this] { m_form->showAndRaise(); });
    actions.setHandler(ActionId::AddContactlist, [this] { m_addForm->showAndRaise(); });
}

void ContactList::setHandler(ContactAction id, std::function<void(const QString &)> handler)
{
    m_handlers[size_t(id)] = std::move(handler);
}

bool ContactList::IsContactOnline(const QString &qtag) const
{
    const ContactRow *row = m_rows->findRow(qtag);
    return row && row->image > 0;
}

ContactRow *ContactList::selectedRow() const
{
    return m_rows->selectedRow(m_form->ContactListView->selectionModel());
}

ContactListState ContactList::state() const
{
    const ContactRow *row = selectedRow();
    return {m_with.engine->EngineAttached(), row != nullptr, row && row->image != 0};
}

void ContactList::ActionManager1Update()
{
    const ContactListState now = state();
    for (int i = 0; i < kContactActionCount; ++i)
        m_form->action(ContactAction(i))->setEnabled(ContactActionEnabled(ContactAction(i), now));
}

void ContactList::execute(ContactAction id)
{
    ActionManager1Update();
    const auto &handler = m_handlers[size_t(id)];
    if (!m_form->action(id)->isEnabled() || !handler)
        return;
    const ContactRow *row = selectedRow();
    const QString qtag = row ? row->caption : QString();
    m_with.guard->run([&] { handler(qtag); });
}

void ContactList::addContact(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    if (m_resetPending) {
        m_resetPending = false;
        m_rows->clear();
    }
    if (!m_rows->findRow(qtag))
        m_rows->addRow(qtag);
    m_form->autoShow();
}

void ContactList::goOnline(ContactRow *row)
{
    row->image = ContactListModel::Online;
    m_rows->rowUpdated(row);
    m_with.chat->AddChatLine(row->caption + QStringLiteral(" is Online."));
    m_form->autoShow();
}

void ContactList::contactOnline(FieldReader reader, bool online)
{
    ContactRow *row = m_rows->findRow(NextAnsiField(reader));
    if (!row)
        return;
    if (online) {
        goOnline(row);
        return;
    }
    row->image = ContactListModel::Offline;
    m_rows->rowUpdated(row);
    m_with.chat->AddChatLine(row->caption + QStringLiteral(" is Offline."));
    m_form->autoShow();
}

void ContactList::contactPing(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString path = NextAnsiField(reader);
    const QString ping = NextAnsiField(reader);
    const QString fourth = NextAnsiField(reader);
    ContactRow *row = m_rows->findRow(qtag);
    if (!row)
        return;
    const SplitText levels = SplitLast(path, QStringLiteral("/"));
    row->ping = ping;
    row->room = levels.second;
    row->vector = levels.first;
    row->fourth = fourth;
    row->path = path;
    if (row->image == ContactListModel::Offline)
        goOnline(row);
    else
        m_rows->rowUpdated(row);
}

void ContactList::removeContact(FieldReader reader)
{
    ContactRow *row = m_rows->findRow(NextAnsiField(reader));
    if (!row)
        return;
    m_rows->deleteRow(row);
    m_form->autoShow();
}
