#include "diagnostics.h"
#include "diagnostics_form.h"
#include "subsystem_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A METRICS message whose field n holds "f<n>", with the given counter fields.
QByteArray metrics(const QMap<int, QByteArray> &counters)
{
    QByteArray datagram = "ZOL_CLIENT_METRICS;";
    for (int field = 1; field <= 22; ++field)
        datagram += counters.value(field, "f" + QByteArray::number(field)) + ';';
    return datagram;
}

const QMap<int, QByteArray> kCounters = {{10, "10"}, {11, "11"}, {12, "12"}, {13, "13"},
                                         {14, "14"}, {15, "15"}, {18, "18"}, {19, "19"},
                                         {20, "20"}, {21, "21"}};

struct DiagnosticsRoom {
    DiagnosticsRoom() { fixture.plugIn(diagnostics); }

    TDiagnosticsForm &form() { return diagnostics.diagnosticsForm(); }
    QString text(const char *name) { return form().valueText(name)->text(); }

    SubsystemFixture fixture;
    Diagnostics diagnostics{{
        .sender = &fixture.sender,
        .engine = &fixture,
        .guard = &fixture.guard,
    }};
};

} // namespace

class TestDiagnostics : public QObject {
    Q_OBJECT

private slots:
    void showsEveryFieldInItsPlace_data();
    void showsEveryFieldInItsPlace();
    void takesTheCountersIntoTheirSeries();
    void stopsAtACounterThatIsNoNumber();
    void asksOnlyWhileShownAndAttached();
    void listsEachDeviceOnce();
    void startsOnThePacketTab();
};

void TestDiagnostics::showsEveryFieldInItsPlace_data()
{
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char *, const char *>> places = {
        {"OrbNameStaticText", "f1"},       {"ReachableStaticText", "f2"},
        {"MyIPStaticText", "f3"},          {"MyPortStaticText", "f4"},
        {"EngineVersionStaticText", "f5"}, {"EnginePlatformStaticText", "f6"},
        {"EngineAuthorStaticText", "f7"},  {"AdapterStaticText", "f8"},
        {"LockedStaticText", "f9"},        {"EngineUpStaticText", "10"},
        {"EngineDownStaticText", "11"},    {"ChatUpStaticText", "12"},
        {"ChatDownStaticText", "13"},      {"OrbUpStaticText", "14"},
        {"OrbDownStaticText", "15"},       {"MacCacheStaticText", "f17"},
        {"BroadcastDownStaticText", "18"}, {"BroadcastUpStaticText", "19"},
        {"DirectDownStaticText", "20"},    {"DirectUpStaticText", "21"},
        {"SSIDStaticText", "f22"},
    };
    for (const auto &[component, text] : places)
        QTest::newRow(component) << QString::fromLatin1(component) << QString::fromLatin1(text);
}

void TestDiagnostics::showsEveryFieldInItsPlace()
{
    QFETCH(QString, component);
    QFETCH(QString, text);

    DiagnosticsRoom room;
    room.fixture.receive(metrics(kCounters));
    QCOMPARE(room.text(component.toLatin1().constData()), text);
    QVERIFY(!room.form().isVisible()); // updated whether or not it shows
}

void TestDiagnostics::takesTheCountersIntoTheirSeries()
{
    DiagnosticsRoom room;
    room.fixture.receive(metrics(kCounters));
    const TrafficHistory &history = room.diagnostics.trafficHistory();
    QCOMPARE(history.HistoryIndex(), 1);
    // Broadcast and direct come right column first: field 19 is series 6, field 18 series 7.
    const QList<qint32> expected = {10, 11, 12, 13, 14, 15, 19, 18, 21, 20};
    for (int series = 0; series < kTrafficSeriesCount; ++series)
        QCOMPARE(history.valueAt(series, 0), expected[series]);
}

void TestDiagnostics::stopsAtACounterThatIsNoNumber()
{
    DiagnosticsRoom room;
    room.fixture.receive(metrics(kCounters));
    QMap<int, QByteArray> broken = kCounters;
    broken[1] = "new orb";
    broken[22] = "new ssid";
    broken[21] = "";
    room.fixture.receive(metrics(broken));

    QCOMPARE(room.text("OrbNameStaticText"), QStringLiteral("new orb")); // set before the sample
    QCOMPARE(room.text("SSIDStaticText"), QStringLiteral("f22"));        // kept: after it
    QCOMPARE(room.text("DirectUpStaticText"), QStringLiteral("21"));
    QCOMPARE(room.diagnostics.trafficHistory().HistoryIndex(), 1);
}

void TestDiagnostics::asksOnlyWhileShownAndAttached()
{
    DiagnosticsRoom room;
    TDiagnosticsForm &form = room.form();
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 1000);

    room.fixture.actions.execute(ActionId::ShowDiagnosticsFrom);
    QVERIFY(form.isVisible());
    QVERIFY(form.Timer1->isActive());
    QVERIFY(!form.GraphImage->pixmap().isNull());    // drawn at once
    QCOMPARE(room.fixture.sent(), QByteArrayList{}); // the first request one interval later

    form.Timer1->setInterval(5); // a second is long for a test
    QTRY_VERIFY(!room.fixture.sender.sent.isEmpty());
    for (const QByteArray &command : room.fixture.sent())
        QCOMPARE(command, QByteArray("ZOL_CLIENT_GET_METRICS;"));
    room.fixture.engineAttached = false;
    QTest::qWait(30);
    QCOMPARE(room.fixture.sent(), QByteArrayList{});

    form.BitBtn1->click();
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Timer1->isActive());
}

void TestDiagnostics::listsEachDeviceOnce()
{
    DiagnosticsRoom room;
    for (const QByteArray device : {"00:1a:2b", "00:1A:2B", "00:1a:2b", "00:1a:2b:3c"})
        room.fixture.receive("ZOL_CLIENT_LOCAL_DEVICE;" + device + ";");
    QTreeWidget *list = room.form().MacAddressListView;
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.append(list->topLevelItem(i)->text(0));
    QCOMPARE(rows, (QStringList{"00:1a:2b", "00:1A:2B", "00:1a:2b:3c"}));
    QVERIFY(!room.form().isVisible());
}

void TestDiagnostics::startsOnThePacketTab()
{
    DiagnosticsRoom room;
    QTabBar *tabs = room.form().GraphTabSet;
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Both"));
    QCOMPARE(room.form().graphTab(), GraphTab::Packet);
    // A large engine value shows only once the tab shows the engine's curves.
    room.fixture.receive(metrics({{10, "100000"},
                                  {11, "0"},
                                  {12, "0"},
                                  {13, "0"},
                                  {14, "0"},
                                  {15, "0"},
                                  {18, "0"},
                                  {19, "0"},
                                  {20, "0"},
                                  {21, "0"}}));
    const QImage packet = room.form().GraphImage->pixmap().toImage();
    tabs->setCurrentIndex(int(GraphTab::Engine));
    const QImage engine = room.form().GraphImage->pixmap().toImage();
    QCOMPARE(packet, DrawTrafficGraph(room.diagnostics.trafficHistory(), GraphTab::Packet)
                         .convertToFormat(packet.format()));
    QVERIFY(engine != packet);
}

QTEST_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
