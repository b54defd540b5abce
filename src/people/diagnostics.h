#pragma once

#include "field_reader.h"
#include "subsystem.h"
#include "traffic_graph.h"

#include <QObject>

class CommandSender;
class EngineStatus;
class ErrorGuard;
class TDiagnosticsForm;

// The engine's network situation: the METRICS and LOCAL_DEVICE messages, the traffic history
// and the diagnostics window that shows them.
class Diagnostics : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        CommandSender *sender = nullptr;
        const EngineStatus *engine = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit Diagnostics(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void registerHandlers(MessageDispatcher &dispatcher) override;
    void bindActions(ActionTable &actions) override;

    const ::TrafficHistory &trafficHistory() const { return m_history; }
    TDiagnosticsForm &diagnosticsForm() const { return *m_form; }

    // The timer's tick: asks for the metrics while the engine is attached.
    void requestMetrics();

private:
    void metrics(FieldReader reader);
    void localDevice(FieldReader reader);

    Collaborators m_with;
    ::TrafficHistory m_history;
    TDiagnosticsForm *m_form = nullptr;
};
