#include "commands.h"
#include "engine_link.h"
#include "fake_engine.h"

#include <QTest>

namespace {

// Stands in for the parts of the window that react to the link: records what the link tells,
// in order, with how many commands had gone out by then.
class WindowStandIn {
public:
    WindowStandIn(EngineLink &link, FakeEngine &engine)
    {
        const auto record = [this, &engine](const char *step) {
            return [this, &engine, step] {
                steps.append(QStringLiteral("%1 after %2 sent")
                                 .arg(QLatin1String(step))
                                 .arg(engine.received().size()));
            };
        };
        QObject::connect(&link, &EngineLink::attached, record("attached"));
        QObject::connect(&link, &EngineLink::detached, record("detached"));
        QObject::connect(&link, &EngineLink::stateRequested, record("state requested"));
        QObject::connect(&link, &EngineLink::engineInUse, [this] { ++questions; });
        QObject::connect(&link, &EngineLink::engineImageChanged,
                         [this](int image) { engineImage = image; });
        // As the session does when it goes inactive on either.
        QObject::connect(&link, &EngineLink::attached, &link, &EngineLink::UpdateEngineIcon);
        QObject::connect(&link, &EngineLink::detached, &link, &EngineLink::UpdateEngineIcon);
    }

    QStringList steps;
    int engineImage = -1;
    int questions = 0;
};

} // namespace

class TestEngineLink : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void followsTheStateTable_data();
    void followsTheStateTable();
    void attachRunsItsStepsInOrder();
    void tellsEveryEngineInUse();
    void keepsHandlingWhileAQuestionIsOpen();
    void stepsTheActivityForEveryDatagram();
    void showsTheIdleEngineWhileDetached();

private:
    void receive(const QByteArray &datagram) { m_link->dispatcher().IdUDPServer1UDPRead(datagram); }
    void attach();

    std::unique_ptr<FakeEngine> m_engine;
    std::unique_ptr<EngineLink> m_link;
    std::unique_ptr<WindowStandIn> m_window;
};

void TestEngineLink::init()
{
    m_engine = std::make_unique<FakeEngine>();
    m_link = std::make_unique<EngineLink>(EngineAddress{m_engine->address(), m_engine->port()});
    m_window = std::make_unique<WindowStandIn>(*m_link, *m_engine);
}

void TestEngineLink::cleanup()
{
    m_window.reset();
    m_link.reset();
    m_engine.reset();
}

void TestEngineLink::attach()
{
    receive(Command::Attach());
    m_engine->settle();
    m_engine->clear();
    m_window->steps.clear();
}

void TestEngineLink::followsTheStateTable_data()
{
    QTest::addColumn<bool>("startAttached");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<bool>("endAttached");

    const QByteArray discover = Command::Discover();
    const QByteArray attach = Command::Attach();
    const QByteArrayList attachAnswer{Command::Caps(), Command::GetState()};

    QTest::newRow("first show") << false << "first show" << QByteArrayList{discover} << false;
    QTest::newRow("second show") << false << "second show" << QByteArrayList{discover} << false;
    QTest::newRow("search engine") << false << "search" << QByteArrayList{discover} << false;
    QTest::newRow("engine here, detached")
        << false << "ENGINE_HERE" << QByteArrayList{attach} << false;
    QTest::newRow("engine here, attached")
        << true << "ENGINE_HERE" << QByteArrayList{attach} << true;
    QTest::newRow("in use, yes") << false << "ENGINE_IN_USE yes"
                                 << QByteArrayList{Command::TakeOver()} << false;
    QTest::newRow("in use, no") << false << "ENGINE_IN_USE no" << QByteArrayList{} << false;
    QTest::newRow("attach, detached") << false << "ATTACH" << attachAnswer << true;
    QTest::newRow("attach, attached") << true << "ATTACH" << attachAnswer << true;
    QTest::newRow("detach, attached") << true << "DETACH" << QByteArrayList{} << false;
    QTest::newRow("detach, detached") << false << "DETACH" << QByteArrayList{} << false;
    QTest::newRow("close, attached")
        << true << "close" << QByteArrayList{Command::Detach()} << true;
    QTest::newRow("close, detached") << false << "close" << QByteArrayList{} << false;
}

void TestEngineLink::followsTheStateTable()
{
    QFETCH(bool, startAttached);
    QFETCH(QString, event);
    QFETCH(QByteArrayList, sent);
    QFETCH(bool, endAttached);

    if (startAttached)
        attach();

    if (event == u"first show") {
        m_link->mainWindowShown();
    } else if (event == u"second show") {
        m_link->mainWindowShown();
        m_link->mainWindowShown();
    } else if (event == u"search") {
        m_link->SearchEngine();
    } else if (event.startsWith(u"ENGINE_IN_USE")) {
        receive("ZOL_CLIENT_ENGINE_IN_USE;");
        QCOMPARE(m_window->questions, 1);
        if (event.endsWith(u"yes"))
            m_link->TakeOver();
    } else if (event == u"close") {
        m_link->mainWindowClosing();
    } else {
        receive("ZOL_CLIENT_" + event.toLatin1() + ";");
    }

    QCOMPARE(m_engine->settle(), sent);
    QCOMPARE(m_link->EngineAttached(), endAttached);
    if (event == u"DETACH")
        QCOMPARE(m_window->steps, QStringList{"detached after 0 sent"});
}

void TestEngineLink::attachRunsItsStepsInOrder()
{
    receive("ZOL_CLIENT_ATTACH");

    // Those who react to the attach (the status icon, the session) come before CAPS and
    // GETSTATE, those who react to the request for the state (the contact list) after them.
    QCOMPARE(m_window->steps,
             (QStringList{"attached after 0 sent", "state requested after 2 sent"}));
    QCOMPARE(m_engine->settle(), (QByteArrayList{Command::Caps(), Command::GetState()}));
}

void TestEngineLink::tellsEveryEngineInUse()
{
    receive("ZOL_CLIENT_ENGINE_IN_USE;");
    receive("ZOL_CLIENT_ENGINE_IN_USE;");
    QCOMPARE(m_window->questions, 2);
    QCOMPARE(m_engine->settle(), QByteArrayList{});
}

void TestEngineLink::keepsHandlingWhileAQuestionIsOpen()
{
    QByteArrayList handled;
    m_link->dispatcher().registerHandler(
        MessageKind::Status, [&](FieldReader reader) { handled.append(NextField(reader)); });
    const quint16 port = m_link->endpoint().localPort();

    m_engine->sendTo(port, "ZOL_CLIENT_STATUS;1;");
    m_engine->sendTo(port, "ZOL_CLIENT_ENGINE_IN_USE;");
    for (int i = 2; i <= 500; ++i)
        m_engine->sendTo(port, "ZOL_CLIENT_STATUS;" + QByteArray::number(i) + ";");

    QTRY_COMPARE(handled.size(), 500);
    QCOMPARE(m_window->questions, 1);
    for (int i = 0; i < handled.size(); ++i)
        QCOMPARE(handled.at(i), QByteArray::number(i + 1));
}

void TestEngineLink::stepsTheActivityForEveryDatagram()
{
    QCOMPARE(m_link->ActivityStep(), 0);
    receive("nonsense");
    QCOMPARE(m_link->ActivityStep(), 1);
    receive("ZOL_CLIENT_UNKNOWN;");
    QCOMPARE(m_link->ActivityStep(), 2);

    for (int i = 0; i < 6; ++i)
        receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(m_link->ActivityStep(), 8);

    // The ATTACH datagram itself steps the animation before it is handled.
    receive("ZOL_CLIENT_ATTACH;");
    QCOMPARE(m_link->ActivityStep(), 1);
    QCOMPARE(m_window->engineImage, 1);
    receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(m_window->engineImage, 2);
}

void TestEngineLink::showsTheIdleEngineWhileDetached()
{
    receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(m_window->engineImage, 0);
    attach();
    receive("ZOL_CLIENT_DETACH;");
    QCOMPARE(m_window->engineImage, 0);
    receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(m_window->engineImage, 0);
}

QTEST_GUILESS_MAIN(TestEngineLink)
#include "tst_engine_link.moc"
