#pragma once

#include "field_reader.h"

#include <QObject>

class ChatLineSink;
class CommandSender;
class ContactListReset;
class MessageDispatcher;
class QAction;
class QItemSelectionModel;
class QLineEdit;
class QTreeWidgetItem;
class TFailedToJoinArenaForm;
class UserListModel;
class VectorListModel;
class VectorTree;

// Moving through the arena hierarchy. Every move only asks the engine; the view changes when
// the engine answers with the vector the user is now in.
class VectorNavigation : public QObject {
    Q_OBJECT

public:
    struct Collaborators {
        VectorTree *tree = nullptr;
        VectorListModel *subVectors = nullptr;
        QItemSelectionModel *subVectorSelection = nullptr;
        QLineEdit *vectorEdit = nullptr;
        UserListModel *users = nullptr;
        CommandSender *sender = nullptr;
        ChatLineSink *chat = nullptr;
        QAction *enterExitSound = nullptr;
        TFailedToJoinArenaForm *failedToJoin = nullptr;
        ContactListReset *contactListReset = nullptr;
    };

    explicit VectorNavigation(const Collaborators &with, QObject *parent = nullptr);

    void registerHandlers(MessageDispatcher &dispatcher);

    QString currentVectorPath() const;
    bool ArenaCreationAllowed() const { return m_arenaCreationAllowed; }
    bool SelectingVectorNode() const { return m_selectingVectorNode; }

    // Adds the path's nodes to the tree and asks to enter it; the sounds stay as they are.
    void EnterVector(const QString &path);

    void VectorTreeViewChange(QTreeWidgetItem *node);
    void VectorListViewDblClick();
    void GoUpVectorActionExecute();
    void RefreshActionExecute();

    // Back to the top level, as when the engine reports the messenger connection.
    void selectRootNode();
    void clearSubVectors();

private:
    void switchEnterExitSoundsOff();
    void enterPath(const QString &path);
    void vector(FieldReader reader);
    void vectorDisallowed(FieldReader reader);
    void subVector(FieldReader reader);
    void subVectorUpdate(FieldReader reader);
    void removeSubVector(FieldReader reader);
    void userSubVector(FieldReader reader);

    Collaborators m_with;
    bool m_arenaCreationAllowed = false;
    bool m_selectingVectorNode = false;
};
