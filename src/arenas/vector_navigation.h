#pragma once

#include "field_reader.h"
#include "room_interfaces.h"
#include "subsystem.h"

#include <QObject>

#include <memory>

class ChatLineSink;
class CommandSender;
class ErrorGuard;
class QAction;
class QLineEdit;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class StateRequester;
class TFailedToJoinArenaForm;
class VectorListModel;
class VectorTree;

// Moving through the arena hierarchy: the tree, the sub-vector list, the path box. Every move
// only asks the engine; the view changes when the engine answers with the vector the user is
// now in.
class VectorNavigation : public QObject,
                         public Subsystem,
                         public VectorEntry,
                         public SubVectorSelection {
    Q_OBJECT

public:
    struct Collaborators {
        QTreeWidget *vectorTreeView = nullptr;
        QTreeView *vectorListView = nullptr;
        QLineEdit *vectorEdit = nullptr;
        CommandSender *sender = nullptr;
        StateRequester *stateRequester = nullptr;
        ChatLineSink *chat = nullptr;
        QAction *enterExitSound = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit VectorNavigation(const Collaborators &with, QObject *parent = nullptr);
    ~VectorNavigation() override;

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;
    void describe(SessionSnapshot &state) const override;
    void sessionActiveChanged(bool active) override;

    VectorTree &tree() const { return *m_tree; }
    VectorListModel &subVectors() const { return *m_subVectors; }
    TFailedToJoinArenaForm &failedToJoinForm() const { return *m_failedToJoin; }

    QString currentVectorPath() const override;
    std::optional<QString> selectedSubVectorCaption() const override;
    bool ArenaCreationAllowed() const { return m_arenaCreationAllowed; }
    bool SelectingVectorNode() const { return m_selectingVectorNode; }

    void EnterVector(const QString &path) override;
    void ReturnToTopLevel() override;

    void VectorTreeViewChange(QTreeWidgetItem *node);
    void VectorListViewDblClick();
    void GoUpVectorActionExecute();
    void RefreshActionExecute();

Q_SIGNALS:
    // The user is no longer in the arena they were in: its part of the user list goes.
    void arenaLeft();

private:
    void switchEnterExitSoundsOff();
    void enterPath(const QString &path);
    void selectRootNode();
    void vector(FieldReader reader);
    void vectorDisallowed(FieldReader reader);
    void subVector(FieldReader reader);
    void subVectorUpdate(FieldReader reader);
    void removeSubVector(FieldReader reader);
    void userSubVector(FieldReader reader);

    Collaborators m_with;
    std::unique_ptr<VectorTree> m_tree;
    VectorListModel *m_subVectors;
    TFailedToJoinArenaForm *m_failedToJoin = nullptr;
    QTreeWidgetItem *m_chosenNode = nullptr; // nodes live as long as the tree
    bool m_arenaCreationAllowed = false;
    bool m_selectingVectorNode = false;
};
