#include "message_kind.h"

#include <QTest>

class TestClassify : public QObject {
    Q_OBJECT

private slots:
    void classifies_data();
    void classifies();
};

void TestClassify::classifies_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("kind");

    const QList<QPair<const char *, int>> known = {
        {"ADD_CONTACT", 1},
        {"ADMIN_PRIVILEGES", 2},
        {"APP_SPECIFIC", 3},
        {"ARENA_PING", 5},
        {"ARENA_PM", 6},
        {"ARENA_STATUS", 7},
        {"ATTACH", 8},
        {"AUTHENTICATION_FAILED", 9},
        {"AVATAR", 10},
        {"CHAT", 11},
        {"CHAT2", 12},
        {"CHATMODE", 13},
        {"CONNECTED_ARENA", 14},
        {"CONNECTED_MESSENGER", 15},
        {"CONTACT_OFFLINE", 16},
        {"CONTACT_ONLINE", 17},
        {"CONTACT_PING", 18},
        {"DETACH", 19},
        {"DHCP_FAILURE", 20},
        {"ENGINE_HERE", 21},
        {"ENGINE_IN_USE", 22},
        {"INVITE", 23},
        {"JOINS_CHAT", 24},
        {"JOINS_VECTOR", 25},
        {"LEAVES_CHAT", 26},
        {"LEAVES_VECTOR", 27},
        {"LOCAL_DEVICE", 28},
        {"LOGGED_IN", 29},
        {"METRICS", 30},
        {"MODERATOR_PRIVILEGES", 31},
        {"NOT_LOGGED_IN", 32},
        {"PM", 33},
        {"REMOTE_ARENA_DEVICE", 34},
        {"REMOVE_CONTACT", 35},
        {"REMOVE_SUB_VECTOR", 36},
        {"SPECIFIC_COUNT", 37},
        {"STATUS", 38},
        {"SUB_VECTOR", 39},
        {"SUB_VECTOR_UPDATE", 40},
        {"USER_DATA", 41},
        {"USER_PROFILE", 42},
        {"USER_SUB_VECTOR", 43},
        {"VECTOR", 44},
        {"VECTOR_DISALLOWED", 45},
        {"SPEEX", 50},
        {"SPEEX_OFF", 51},
        {"SPEEX_ON", 52},
        {"SPEEX_START", 53},
        {"SPEEX_STOP", 54},
        {"SPEEX_RING", 55},
        {"CODEPAGE", 200},
        {"SESSION_KEY", 201},
    };
    for (const auto &[name, kind] : known)
        QTest::newRow(name) << QByteArray("ZOL_CLIENT_") + name << kind;

    QTest::newRow("prefix alone") << QByteArray("ZOL_CLIENT_") << -1;
    QTest::newRow("lower case") << QByteArray("zol_client_attach") << -1;
    QTest::newRow("name in lower case") << QByteArray("ZOL_CLIENT_attach") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("no prefix") << QByteArray("ATTACH") << -1;
    QTest::newRow("unknown name") << QByteArray("ZOL_CLIENT_HELLO") << -1;
    QTest::newRow("known name with a tail") << QByteArray("ZOL_CLIENT_ATTACHED") << -1;
    QTest::newRow("shorter than a known name") << QByteArray("ZOL_CLIENT_CHA") << -1;
    QTest::newRow("blank behind the name") << QByteArray("ZOL_CLIENT_ATTACH ") << -1;
}

void TestClassify::classifies()
{
    QFETCH(QByteArray, name);
    QFETCH(int, kind);

    QCOMPARE(int(ClassifyMessage(name)), kind);
}

QTEST_APPLESS_MAIN(TestClassify)
#include "tst_classify.moc"
