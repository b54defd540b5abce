#pragma once

#include "field_reader.h"
#include "subsystem.h"

#include <QObject>

class ActionTable;
class CommandSender;
class EngineStatus;
class ErrorGuard;
class TCreatePrivateArenaForm;
class TSetMyArenaStatusForm;

// The user's own arena: the dialog that creates a private arena, the dialog that tells whether
// the user hosts, the engine's ARENA_STATUS report of it, and the status icon that shows it.
class ArenaStatus : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        const EngineStatus *engine = nullptr;
        ActionTable *actions = nullptr; // the status icon's picture
        const ErrorGuard *guard = nullptr;
    };

    explicit ArenaStatus(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;

    // 0, or the user's own hosting status 2 or 3, as the engine last reported it.
    int ArenaStatusIndicator() const { return m_arenaStatusIndicator; }
    // The status icon: 9 + the indicator while the engine is attached, 13 + it while not.
    void UpdateStatusIcon();

    TSetMyArenaStatusForm &statusForm() const { return *m_statusForm; }
    TCreatePrivateArenaForm &createForm() const { return *m_createForm; }

private:
    void arenaStatus(FieldReader reader);

    Collaborators m_with;
    int m_arenaStatusIndicator = 0;
    TSetMyArenaStatusForm *m_statusForm = nullptr;
    TCreatePrivateArenaForm *m_createForm = nullptr;
};
