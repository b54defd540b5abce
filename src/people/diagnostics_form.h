#pragma once

#include "secondary_window.h"
#include "traffic_graph.h"

#include <QSet>

#include <functional>

class QLabel;
class QPushButton;
class QTabBar;
class QTimer;
class QTreeWidget;

// What the engine reports of its network: texts, a scrolling traffic graph and the device ids on
// the user's side. The timer runs while the window shows.
class TDiagnosticsForm : public SecondaryWindow {
    Q_OBJECT

public:
    // requestMetrics runs every second while the window shows.
    TDiagnosticsForm(const TrafficHistory &history, std::function<void()> requestMetrics,
                     const ErrorGuard &guard, QWidget *owner);

    GraphTab graphTab() const;
    void redrawGraph();
    // Adds a row for a device id not listed yet; none is ever removed.
    void addDevice(const QString &device);
    QLabel *valueText(const char *name) const;

    QTabBar *GraphTabSet;
    QLabel *GraphImage;
    QTreeWidget *MacAddressListView;
    QPushButton *BitBtn1; // "Close"
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildGroups();
    QWidget *buildGraphSide();

    const TrafficHistory &m_history;
    QSet<QString> m_devices;
};
