#include "message_dispatcher.h"

#include <QTest>

class TestDispatcher : public QObject {
    Q_OBJECT

private slots:
    void secondRegistrationIsAnError();
    void callsTheHandlerOfTheKind_data();
    void callsTheHandlerOfTheKind();
    void failingHandlerEndsOnlyItsDatagram();
};

void TestDispatcher::secondRegistrationIsAnError()
{
    MessageDispatcher dispatcher;
    dispatcher.registerHandler(MessageKind::Chat, [](FieldReader) {});
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             dispatcher.registerHandler(MessageKind::Chat, [](FieldReader) {}));
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             dispatcher.registerHandler(MessageKind::Unknown, [](FieldReader) {}));
}

void TestDispatcher::callsTheHandlerOfTheKind_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QByteArrayList>("handled");

    QTest::newRow("arguments after the name")
        << QByteArray("ZOL_CLIENT_CHAT;room;bob;hi") << QByteArrayList{"room", "bob", "hi"};
    QTest::newRow("name without separator")
        << QByteArray("ZOL_CLIENT_CHAT") << QByteArrayList{"", "", ""};
    QTest::newRow("known kind without handler")
        << QByteArray("ZOL_CLIENT_SPEEX;x;") << QByteArrayList{};
    QTest::newRow("unknown name") << QByteArray("ZOL_CLIENT_NOPE;x;") << QByteArrayList{};
    QTest::newRow("no prefix") << QByteArray("CHAT;room;") << QByteArrayList{};
    QTest::newRow("empty datagram") << QByteArray() << QByteArrayList{};
}

void TestDispatcher::callsTheHandlerOfTheKind()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QByteArrayList, handled);

    int activity = 0;
    QByteArrayList fields;
    MessageDispatcher dispatcher([&] { ++activity; });
    dispatcher.registerHandler(MessageKind::Chat, [&](FieldReader reader) {
        for (int i = 0; i < 3; ++i)
            fields.append(NextField(reader));
    });

    dispatcher.IdUDPServer1UDPRead(datagram);

    QCOMPARE(activity, 1);
    QCOMPARE(fields, handled);
}

void TestDispatcher::failingHandlerEndsOnlyItsDatagram()
{
    QStringList steps;
    MessageDispatcher dispatcher;
    dispatcher.setHandlerObserver([&](MessageKind kind, bool ranToEnd) {
        steps.append(QStringLiteral("observed %1 %2").arg(int(kind)).arg(ranToEnd));
    });
    dispatcher.registerHandler(MessageKind::Status, [&](FieldReader reader) {
        const QByteArray text = NextField(reader);
        steps.append(QStringLiteral("begin ") + QString::fromLatin1(text));
        if (text == "bad")
            throw MalformedField("not a status");
        steps.append(QStringLiteral("end ") + QString::fromLatin1(text));
    });

    dispatcher.IdUDPServer1UDPRead("ZOL_CLIENT_STATUS;bad;");
    dispatcher.IdUDPServer1UDPRead("ZOL_CLIENT_STATUS;good;");

    dispatcher.IdUDPServer1UDPRead("ZOL_CLIENT_CHAT;room;");

    QCOMPARE(steps, (QStringList{"begin bad", "observed 38 0", "begin good", "end good",
                                 "observed 38 1"}));
}

QTEST_APPLESS_MAIN(TestDispatcher)
#include "tst_dispatcher.moc"
