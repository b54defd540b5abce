#include "diagnostics_form.h"

#include "dialog_parts.h"
#include "people_images.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTimerIntervalMs = 1000;

QLabel *valueLabel(const char *name, QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    ShowsEngineText(label);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// One group: its picture at the left, its rows of label and value beside it.
QGridLayout *group(DiagnosticsGroup picture, const char *name, QWidget *parent, QVBoxLayout *column)
{
    auto *row = new QHBoxLayout;
    auto *image = new QLabel(parent);
    image->setAccessibleName(QString::fromLatin1(name));
    image->setPixmap(DiagnosticsGroupPicture(picture, parent->devicePixelRatioF()));
    image->setFixedSize(48, 48);
    row->addWidget(image, 0, Qt::AlignTop);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    // The values of all groups start at one column.
    grid->setColumnMinimumWidth(0, 112);
    grid->setColumnStretch(4, 1);
    row->addLayout(grid, 1);
    column->addLayout(row);
    return grid;
}

void addRow(QGridLayout *grid, const QString &caption, QLabel *value)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, value->parentWidget()), row, 0);
    grid->addWidget(value, row, 1, 1, 4);
}

// A traffic row: the left and right counters, right-aligned, with the unit behind them.
void addCounterRow(QGridLayout *grid, const QString &caption, const char *up, const char *down,
                   const QString &unit, QWidget *parent)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(valueLabel(up, parent, Qt::AlignRight), row, 1);
    grid->addWidget(new QLabel(QStringLiteral("/"), parent), row, 2);
    grid->addWidget(valueLabel(down, parent, Qt::AlignRight), row, 3);
    grid->addWidget(new QLabel(unit, parent), row, 4);
}

} // namespace

TDiagnosticsForm::TDiagnosticsForm(const TrafficHistory &history,
                                   std::function<void()> requestMetrics, const ErrorGuard &guard,
                                   QWidget *owner)
    : SecondaryWindow({.name = "DiagnosticsForm", .caption = QStringLiteral("Diagnostics")}, guard,
                      owner, Qt::MSWindowsFixedSizeDialogHint)
    , m_history(history)
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerIntervalMs);
    connect(Timer1, &QTimer::timeout, this, m_guard.slot(std::move(requestMetrics)));

    auto *sides = new QHBoxLayout;
    sides->addWidget(buildGroups(), 1);
    sides->addWidget(buildGraphSide());
    body()->addLayout(sides);
    setDesignedSize(QSize(488, 348));
}

QWidget *TDiagnosticsForm::buildGroups()
{
    auto *side = new QWidget(this);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    QGridLayout *server = group(DiagnosticsGroup::OrbitalServer, "Orbital server", side, column);
    server->addWidget(BoldLabel(QStringLiteral("Your orbital server is:"), side), 0, 0, 1, 5);
    QLabel *orbName = valueLabel("OrbNameStaticText", side);
    orbName->setWordWrap(true);
    orbName->setMinimumHeight(2 * orbName->fontMetrics().height());
    orbName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    server->addWidget(orbName, 1, 0, 1, 5);

    QGridLayout *address = group(DiagnosticsGroup::PublicAddress, "Public address", side, column);
    addRow(address, QStringLiteral("Public IP:"), valueLabel("MyIPStaticText", side));
    addRow(address, QStringLiteral("Public Port:"), valueLabel("MyPortStaticText", side));
    addRow(address, QStringLiteral("Network Reachable:"), valueLabel("ReachableStaticText", side));

    QGridLayout *card = group(DiagnosticsGroup::NetworkCard, "Network card", side, column);
    addRow(card, QStringLiteral("Network Card:"), valueLabel("AdapterStaticText", side));
    addRow(card, QStringLiteral("Locked:"), valueLabel("LockedStaticText", side));
    addRow(card, QStringLiteral("SSID:"), valueLabel("SSIDStaticText", side));

    QGridLayout *traffic = group(DiagnosticsGroup::Traffic, "Traffic", side, column);
    const QString bytes = QStringLiteral("Bytes/Sec.");
    const QString frames = QStringLiteral("Frames");
    addCounterRow(traffic, QStringLiteral("Engine:"), "EngineUpStaticText", "EngineDownStaticText",
                  bytes, side);
    addCounterRow(traffic, QStringLiteral("Chat:"), "ChatUpStaticText", "ChatDownStaticText", bytes,
                  side);
    addCounterRow(traffic, QStringLiteral("Orb:"), "OrbUpStaticText", "OrbDownStaticText", bytes,
                  side);
    addCounterRow(traffic, QStringLiteral("Broadcast:"), "BroadcastUpStaticText",
                  "BroadcastDownStaticText", frames, side);
    addCounterRow(traffic, QStringLiteral("Direct:"), "DirectUpStaticText", "DirectDownStaticText",
                  frames, side);
    const int cacheRow = traffic->rowCount();
    traffic->addWidget(new QLabel(QStringLiteral("MAC Cache:"), side), cacheRow, 0);
    traffic->addWidget(valueLabel("MacCacheStaticText", side, Qt::AlignRight), cacheRow, 1, 1, 3);
    traffic->addWidget(new QLabel(QStringLiteral("Entries"), side), cacheRow, 4);

    QGridLayout *engine = group(DiagnosticsGroup::Engine, "Engine", side, column);
    addRow(engine, QStringLiteral("Version:"), valueLabel("EngineVersionStaticText", side));
    addRow(engine, QStringLiteral("Platform:"), valueLabel("EnginePlatformStaticText", side));
    addRow(engine, QStringLiteral("Signed:"), valueLabel("EngineAuthorStaticText", side));
    column->addStretch();
    return side;
}

QWidget *TDiagnosticsForm::buildGraphSide()
{
    auto *side = new QWidget(this);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    GraphTabSet = new QTabBar(side);
    GraphTabSet->setObjectName(QStringLiteral("GraphTabSet"));
    for (const char *tab : {"Both", "Engine", "Packet"})
        GraphTabSet->addTab(QString::fromLatin1(tab));
    GraphTabSet->setCurrentIndex(int(GraphTab::Packet));
    GraphTabSet->setUsesScrollButtons(false); // all three tabs in sight
    GraphTabSet->setExpanding(true);
    GraphTabSet->setAccessibleName(QStringLiteral("Traffic shown"));
    connect(GraphTabSet, &QTabBar::currentChanged, this, m_guard.slot([this] { redrawGraph(); }));
    column->addWidget(GraphTabSet);

    GraphImage = new QLabel(side);
    GraphImage->setObjectName(QStringLiteral("GraphImage"));
    GraphImage->setFixedSize(kGraphWidth, kGraphHeight);
    GraphImage->setScaledContents(true); // drawn at its own pixels, shown at the screen's
    GraphImage->setAccessibleName(QStringLiteral("Traffic graph"));
    column->addWidget(GraphImage);

    MacAddressListView = new QTreeWidget(side);
    MacAddressListView->setObjectName(QStringLiteral("MacAddressListView"));
    MacAddressListView->setHeaderLabels({QStringLiteral("MAC Address")});
    MacAddressListView->setAccessibleName(QStringLiteral("MAC addresses"));
    MacAddressListView->header()->resizeSection(0, 150);
    MacAddressListView->setRootIsDecorated(false);
    MacAddressListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MacAddressListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    MacAddressListView->setUniformRowHeights(true);
    MacAddressListView->setFixedWidth(kGraphWidth);
    column->addWidget(MacAddressListView, 1);

    BitBtn1 = new QPushButton(QStringLiteral("Close"), side);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(BitBtn1, 0, Qt::AlignRight);
    return side;
}

QLabel *TDiagnosticsForm::valueText(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

GraphTab TDiagnosticsForm::graphTab() const
{
    return GraphTab(GraphTabSet->currentIndex());
}

void TDiagnosticsForm::redrawGraph()
{
    GraphImage->setPixmap(QPixmap::fromImage(DrawTrafficGraph(m_history, graphTab())));
}

void TDiagnosticsForm::addDevice(const QString &device)
{
    if (m_devices.contains(device))
        return;
    m_devices.insert(device);
    MacAddressListView->addTopLevelItem(new QTreeWidgetItem(QStringList{device}));
}

void TDiagnosticsForm::showEvent(QShowEvent *event)
{
    SecondaryWindow::showEvent(event);
    Timer1->start();
    redrawGraph();
}

void TDiagnosticsForm::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    SecondaryWindow::hideEvent(event);
}
