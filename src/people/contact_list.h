#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "secondary_window.h"
#include "subsystem.h"

#include <QObject>

#include <array>
#include <functional>

class ChatLineSink;
class CommandSender;
class ContactListModel;
class EngineStatus;
class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeView;

// The contact list window's own actions, in the order of its tool bar.
enum class ContactAction {
    AddToContactList,
    DeleteContactList,
    UserInfo,
    SendPM,
    GoToVector,
    InviteRoom,
    Refresh,
};
inline constexpr int kContactActionCount = int(ContactAction::Refresh) + 1;

// When each of the contact list's actions may run.
struct ContactListState {
    bool attached = false;
    bool selected = false;
    bool online = false;
};
bool ContactActionEnabled(ContactAction action, const ContactListState &state);

// The text of the question before a contact is removed.
QString DeleteContactQuestion(const QString &qtag);

// The user's contacts as the engine keeps them, with their online state and where they are.
class TContactListForm : public SecondaryWindow {
    Q_OBJECT

public:
    TContactListForm(ContactListModel &rows, const ErrorGuard &guard, QWidget *owner);

    QAction *action(ContactAction id) const { return m_actions[size_t(id)]; }
    // Brings the window up unless the user asked it not to or it shows already.
    void autoShow();

    QTreeView *ContactListView;
    QCheckBox *AutoShowCheckBox;
    QPushButton *BitBtn1; // "Close"

private:
    std::array<QAction *, kContactActionCount> m_actions{};
};

// Asks for the QTag of a new contact.
class TAddContactForm : public SecondaryWindow {
    Q_OBJECT

public:
    TAddContactForm(CommandSender &sender, const ErrorGuard &guard, QWidget *owner);

    QLineEdit *QTagEdit;
    QPushButton *CloseBitBtn;
    QPushButton *AddContactBitBtn;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void AddContactBitBtnClick();

    CommandSender &m_sender;
};

// The contact list: the engine's five contact messages, the two windows, their actions, and
// who is online for the private messages.
class ContactList : public QObject, public Subsystem, public ContactDirectory {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        const EngineStatus *engine = nullptr;
        ChatLineSink *chat = nullptr;
        ProfileOpener *profiles = nullptr;
        YesNoPrompt *prompt = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit ContactList(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;

    bool IsContactOnline(const QString &qtag) const override;
    bool ContactListResetPending() const { return m_resetPending; }
    // The engine reports its whole state again: the next contact starts the list afresh.
    void setContactListResetPending() { m_resetPending = true; }

    ContactListModel &rows() const { return *m_rows; }
    TContactListForm &contactListForm() const { return *m_form; }
    TAddContactForm &addContactForm() const { return *m_addForm; }

    // The contact list window's actions; runs only while enabled.
    void execute(ContactAction id);
    void ActionManager1Update();
    // What SendPM and InviteRoom do; set by the subsystems that give them meaning.
    void setHandler(ContactAction id, std::function<void(const QString &qtag)> handler);

private:
    void addContact(FieldReader reader);
    void contactOnline(FieldReader reader, bool online);
    void contactPing(FieldReader reader);
    void removeContact(FieldReader reader);
    void goOnline(struct ContactRow *row);
    ContactListState state() const;
    struct ContactRow *selectedRow() const;

    Collaborators m_with;
    ContactListModel *m_rows;
    TContactListForm *m_form = nullptr;
    TAddContactForm *m_addForm = nullptr;
    bool m_resetPending = false;
    std::array<std::function<void(const QString &)>, kContactActionCount> m_handlers;
};
