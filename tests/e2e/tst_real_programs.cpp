// The real programs: tovrelui beside zol-engine-sim, both on the engine's fixed port.

#include "commands.h"
#include "fake_engine.h"
#include "program_runner.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include <csignal>

class TestRealPrograms : public QObject {
    Q_OBJECT

private slots:
    void init();
    void attachesAndRefusesASecondFrontEnd();
    void detachesOnceWhenTerminated();
    void secondStartOnlyBringsTheFirstForward_data();
    void secondStartOnlyBringsTheFirstForward();
    void startsNormallyAfterAKilledInstance();

private:
    ProgramRunner frontEnd() { return ProgramRunner(QStringLiteral(TOVRELUI), {}, *m_home); }
    std::unique_ptr<ProgramRunner> startEngine(const QStringList &arguments);
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestRealPrograms::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    const QString runtime = m_home->filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::unique_ptr<ProgramRunner> TestRealPrograms::startEngine(const QStringList &arguments)
{
    auto engine = std::make_unique<ProgramRunner>(
        QStringLiteral(ZOL_ENGINE_SIM),
        QStringList{QStringLiteral("--verbose"), QStringLiteral("--calm")} + arguments, *m_home);
    if (!engine->start() || !engine->waitForOutput(QStringLiteral("listening")))
        return nullptr;
    return engine;
}

void TestRealPrograms::attachesAndRefusesASecondFrontEnd()
{
    auto engine = startEngine({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(engine);
    ProgramRunner tovrelui = frontEnd();
    QVERIFY(tovrelui.start());
    QVERIFY(engine->waitForOutput(QStringLiteral("ZOL_CLIENT_CAPS;03;")));
    QVERIFY(engine->waitForOutput(QStringLiteral("ZOL_CLIENT_GETSTATE;")));

    // Another front-end asking now is told the engine is in use.
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress(QHostAddress::LocalHost), 0));
    other.writeDatagram(Command::Attach(), QHostAddress(QHostAddress::LocalHost), 34522);
    QVERIFY(other.waitForReadyRead(5000));
    QCOMPARE(other.receiveDatagram().data(), QByteArray("ZOL_CLIENT_ENGINE_IN_USE;"));

    // The engine's status line lands in the day's chat log.
    const QString log = m_home->filePath(QStringLiteral("data/TovrelUI/Logs/") +
                                         QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                                         QStringLiteral(".log"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 5000);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("]Connected to Quorl as alice.\r\n"));
}

void TestRealPrograms::detachesOnceWhenTerminated()
{
    auto engine = startEngine({});
    QVERIFY(engine);
    ProgramRunner tovrelui = frontEnd();
    QVERIFY(tovrelui.start());
    QVERIFY(engine->waitForOutput(QStringLiteral("ZOL_CLIENT_GETSTATE;")));

    tovrelui.signal(SIGTERM);
    tovrelui.signal(SIGTERM);
    QVERIFY(tovrelui.waitForExit());
    QCOMPARE(tovrelui.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tovrelui.exitCode(), 0);
    QVERIFY(engine->waitForOutput(QStringLiteral("ZOL_CLIENT_DETACH;")));
    QTest::qWait(200);
    QCOMPARE(engine->countOutputLines(QStringLiteral("ZOL_CLIENT_DETACH;")), 1);
}

void TestRealPrograms::secondStartOnlyBringsTheFirstForward_data()
{
    QTest::addColumn<bool>("attached");
    QTest::newRow("first detached: it searches again") << false;
    QTest::newRow("first attached: nothing is sent") << true;
}

void TestRealPrograms::secondStartOnlyBringsTheFirstForward()
{
    QFETCH(bool, attached);

    // A silent engine leaves the first copy detached; the substitute engine attaches it.
    std::unique_ptr<FakeEngine> silent;
    std::unique_ptr<ProgramRunner> engine;
    if (attached) {
        engine = startEngine({});
        QVERIFY(engine);
    } else {
        silent = std::make_unique<FakeEngine>(34522);
        QVERIFY(silent->port() == 34522);
    }
    ProgramRunner first = frontEnd();
    QVERIFY(first.start());
    if (attached)
        QVERIFY(engine->waitForOutput(QStringLiteral("ZOL_CLIENT_GETSTATE;")));
    else
        QVERIFY(silent->waitForReceived(1));
    const int heardBefore =
        attached ? int(engine->outputLines().size()) : int(silent->received().size());

    ProgramRunner second = frontEnd();
    QVERIFY(second.start());
    QVERIFY(second.waitForExit());
    QCOMPARE(second.exitCode(), 0);

    if (attached) {
        QTest::qWait(300);
        QCOMPARE(engine->outputLines().size(), heardBefore);
    } else {
        QVERIFY(silent->waitForReceived(heardBefore + 1));
        QCOMPARE(silent->received().last(), QByteArray("ZOL_CLIENT_DISCOVER;"));
        QCOMPARE(silent->received().size(), heardBefore + 1);
    }
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    first.signal(SIGTERM);
    QVERIFY(first.waitForExit());
}

void TestRealPrograms::startsNormallyAfterAKilledInstance()
{
    FakeEngine silent(34522);
    QCOMPARE(silent.port(), quint16(34522));
    {
        ProgramRunner killed = frontEnd();
        QVERIFY(killed.start());
        QVERIFY(silent.waitForReceived(1));
        killed.signal(SIGKILL);
        QVERIFY(killed.waitForExit());
    }
    silent.clear();

    ProgramRunner next = frontEnd();
    QVERIFY(next.start());
    QVERIFY(silent.waitForReceived(1));
    QCOMPARE(silent.received(), QByteArrayList{"ZOL_CLIENT_DISCOVER;"});
    QTest::qWait(200);
    QVERIFY(!next.waitForExit(std::chrono::milliseconds(100)));

    // And it is the one copy again: a further start hands over to it.
    ProgramRunner another = frontEnd();
    QVERIFY(another.start());
    QVERIFY(another.waitForExit());
    QVERIFY(silent.waitForReceived(2));
    next.signal(SIGTERM);
    QVERIFY(next.waitForExit());
}

QTEST_GUILESS_MAIN(TestRealPrograms)
#include "tst_real_programs.moc"
