#include "diagnostics.h"

#include "action_table.h"
#include "commands.h"
#include "decimal.h"
#include "diagnostics_form.h"
#include "link_interfaces.h"
#include "message_dispatcher.h"
#include "wire_text.h"

#include <QLabel>

#include <array>

namespace {

constexpr int kMetricsFields = 22;

// Where each field of METRICS is shown, by its number (1 to 22); field 16 is not shown.
constexpr std::array<const char *, kMetricsFields + 1> kShownIn = {
    nullptr,
    "OrbNameStaticText",
    "ReachableStaticText",
    "MyIPStaticText",
    "MyPortStaticText",
    "EngineVersionStaticText",
    "EnginePlatformStaticText",
    "EngineAuthorStaticText",
    "AdapterStaticText",
    "LockedStaticText",
    "EngineUpStaticText",
    "EngineDownStaticText",
    "ChatUpStaticText",
    "ChatDownStaticText",
    "OrbUpStaticText",
    "OrbDownStaticText",
    nullptr,
    "MacCacheStaticText",
    "BroadcastDownStaticText",
    "BroadcastUpStaticText",
    "DirectDownStaticText",
    "DirectUpStaticText",
    "SSIDStaticText",
};

// The counter fields in series order: for broadcast and direct the right column comes first in
// the message.
constexpr std::array<int, kTrafficSeriesCount> kSeriesFields = {10, 11, 12, 13, 14,
                                                                15, 19, 18, 21, 20};
constexpr int kTextsBeforeSample[] = {1, 3, 4, 2, 8, 9, 10, 12, 14, 11, 13, 15};
constexpr int kTextsAfterSample[] = {19, 18, 21, 20, 22, 17, 5, 6, 7};

} // namespace

Diagnostics::Diagnostics(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

QList<StartWindowFactory> Diagnostics::windowsAtStart()
{
    return {{StartWindow::Diagnostics, [this](QWidget *mainWindow) {
                 m_form = new TDiagnosticsForm(
                     m_history, [this] { requestMetrics(); }, *m_with.guard, mainWindow);
                 return m_form;
             }}};
}

void Diagnostics::registerHandlers(MessageDispatcher &dispatcher)
{
    dispatcher.registerHandler(MessageKind::Metrics, [this](FieldReader r) { metrics(r); });
    dispatcher.registerHandler(MessageKind::LocalDevice, [this](FieldReader r) { localDevice(r); });
}

void Diagnostics::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::ShowDiagnosticsFrom, [this] { m_form->showAndRaise(); });
}

void Diagnostics::requestMetrics()
{
    if (m_with.engine->EngineAttached())
        m_with.sender->SendCommand(Command::GetMetrics());
}

void Diagnostics::metrics(FieldReader reader)
{
    std::array<QString, kMetricsFields + 1> fields;
    for (int field = 1; field <= kMetricsFields; ++field)
        fields[field] = NextAnsiField(reader);
    const auto show = [&](int field) {
        m_form->valueText(kShownIn[field])->setText(fields[field]);
    };

    for (const int field : kTextsBeforeSample)
        show(field);
    TrafficHistory::Sample sample{};
    for (int series = 0; series < kTrafficSeriesCount; ++series) {
        const std::optional<int> value = ParseDecimal(fields[kSeriesFields[series]]);
        if (!value)
            throw MalformedField("a traffic counter is not a number");
        sample[series] = *value;
    }
    m_history.AddMetricsSample(sample);
    m_form->redrawGraph();
    for (const int field : kTextsAfterSample)
        show(field);
}

void Diagnostics::localDevice(FieldReader reader)
{
    m_form->addDevice(NextAnsiField(reader));
}
