#include "commands.h"

#include <QTest>

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void buildsCommand_data();
    void buildsCommand();
};

void TestCommands::buildsCommand_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("bytes");

    const QString aSemicolonB = QStringLiteral("a;b");
    const QString hiragana = QStringLiteral("\u3042");

    QTest::newRow("discover") << Command::Discover() << QByteArray("ZOL_CLIENT_DISCOVER;");
    QTest::newRow("attach") << Command::Attach() << QByteArray("ZOL_CLIENT_ATTACH;");
    QTest::newRow("takeover") << Command::TakeOver() << QByteArray("ZOL_CLIENT_TAKEOVER;");
    QTest::newRow("detach") << Command::Detach() << QByteArray("ZOL_CLIENT_DETACH;");
    QTest::newRow("caps") << Command::Caps() << QByteArray("ZOL_CLIENT_CAPS;03;");
    QTest::newRow("getstate") << Command::GetState() << QByteArray("ZOL_CLIENT_GETSTATE;");
    QTest::newRow("get metrics") << Command::GetMetrics() << QByteArray("ZOL_CLIENT_GET_METRICS;");
    QTest::newRow("login") << Command::Login(QStringLiteral("me"), QStringLiteral("pw"))
                           << QByteArray("ZOL_CLIENT_LOGIN;me;pw;");
    QTest::newRow("login empty") << Command::Login({}, {}) << QByteArray("ZOL_CLIENT_LOGIN;;;");
    // A value is always one field: a ';' typed into a password cannot end it.
    QTest::newRow("login password with a semicolon")
        << Command::Login(QStringLiteral("me"), aSemicolonB)
        << QByteArray("ZOL_CLIENT_LOGIN;me;a\x02"
                      "b;");
    QTest::newRow("kick a qtag that holds the byte 2")
        << Command::ArenaKick(QStringLiteral("victim;x"))
        << QByteArray("ZOL_CLIENT_ARENA_KICK;victim\x02x;");
    QTest::newRow("vector path and password with semicolons")
        << Command::Vector(QStringLiteral("Arena/a;b"), QStringLiteral("p;w"))
        << QByteArray("ZOL_CLIENT_VECTOR;Arena/a\x02"
                      "b;p\x02w;");
    QTest::newRow("create vector password with a semicolon")
        << Command::CreateVector(4, aSemicolonB, aSemicolonB)
        << QByteArray("ZOL_CLIENT_CREATE_VECTOR;4;a\x02"
                      "b;a\x02"
                      "b;");
    QTest::newRow("chatmode") << Command::ChatMode(QStringLiteral("General Chat"))
                              << QByteArray("ZOL_CLIENT_CHATMODE;General Chat;");
    QTest::newRow("get vectors") << Command::GetVectors(QStringLiteral("Arena/PSP"))
                                 << QByteArray("ZOL_CLIENT_GET_VECTORS;Arena/PSP;");
    QTest::newRow("vector without password") << Command::Vector(QStringLiteral("Arena/PSP"))
                                             << QByteArray("ZOL_CLIENT_VECTOR;Arena/PSP;;");
    QTest::newRow("vector top level") << Command::Vector({}) << QByteArray("ZOL_CLIENT_VECTOR;;;");
    QTest::newRow("vector with password")
        << Command::Vector(QStringLiteral("Arena/x"), QStringLiteral("secret"))
        << QByteArray("ZOL_CLIENT_VECTOR;Arena/x;secret;");
    QTest::newRow("vector path in code page 932")
        << Command::Vector(hiragana) << QByteArray("ZOL_CLIENT_VECTOR;\x82\xa0;;");
    QTest::newRow("create vector") << Command::CreateVector(0, QStringLiteral("fun"), {})
                                   << QByteArray("ZOL_CLIENT_CREATE_VECTOR;0;fun;;");
    QTest::newRow("create vector with utf-8 description")
        << Command::CreateVector(4, hiragana, QStringLiteral("pw"))
        << QByteArray("ZOL_CLIENT_CREATE_VECTOR;4;\xe3\x81\x82;pw;");
    QTest::newRow("arena status") << Command::ArenaStatus(2, 4)
                                  << QByteArray("ZOL_CLIENT_ARENA_STATUS;2;4;");
    QTest::newRow("kick") << Command::ArenaKick(QStringLiteral("bob"))
                          << QByteArray("ZOL_CLIENT_ARENA_KICK;bob;");
    QTest::newRow("ban") << Command::ArenaBan(QStringLiteral("bob"))
                         << QByteArray("ZOL_CLIENT_ARENA_BAN;bob;");
    QTest::newRow("break stream") << Command::ArenaBreakStream(QStringLiteral("bob"))
                                  << QByteArray("ZOL_CLIENT_ARENA_BREAK_STREAM;bob;");
    QTest::newRow("chat escaped") << Command::Chat(aSemicolonB)
                                  << QByteArray("ZOL_CLIENT_CHAT;a\x02"
                                                "b;");
    QTest::newRow("chat byte 2 becomes a semicolon") << Command::Chat(QStringLiteral("a\x02"
                                                                                     "b"))
                                                     << QByteArray("ZOL_CLIENT_CHAT;a;b;");
    QTest::newRow("chat in utf-8")
        << Command::Chat(hiragana) << QByteArray("ZOL_CLIENT_CHAT;\xe3\x81\x82;");
    QTest::newRow("pm both escaped") << Command::Pm(QStringLiteral("x;y"), aSemicolonB)
                                     << QByteArray("ZOL_CLIENT_PM;x\x02y;a\x02"
                                                   "b;");
    QTest::newRow("pm html unicode body")
        << Command::Pm(QStringLiteral("bob"), QStringLiteral("&#72&#105"))
        << QByteArray("ZOL_CLIENT_PM;bob;&#72&#105;");
    QTest::newRow("arena pm in utf-8") << Command::ArenaPm(QStringLiteral("bob"), hiragana)
                                       << QByteArray("ZOL_CLIENT_ARENA_PM;bob;\xe3\x81\x82;");
    QTest::newRow("invite all escaped, in code page 932")
        << Command::Invite(QStringLiteral("x"), QStringLiteral("A/B"), QStringLiteral("hi;\u3042"))
        << QByteArray("ZOL_CLIENT_INVITE;x;A/B;hi\x02\x82\xa0;");
    QTest::newRow("add contact") << Command::AddContact(QStringLiteral("bob"))
                                 << QByteArray("ZOL_CLIENT_ADD_CONTACT;bob;");
    QTest::newRow("remove contact") << Command::RemoveContact(QStringLiteral("bob"))
                                    << QByteArray("ZOL_CLIENT_REMOVE_CONTACT;bob;");
    QTest::newRow("get profile") << Command::GetProfile(QStringLiteral("bob"))
                                 << QByteArray("ZOL_CLIENT_GET_PROFILE;bob;");
    QTest::newRow("avatar") << Command::Avatar(QStringLiteral("bob"))
                            << QByteArray("ZOL_CLIENT_AVATAR;bob;");
    QTest::newRow("unmappable character as question mark")
        << Command::ChatMode(QStringLiteral("caf\u00e9\u20ac"))
        << QByteArray("ZOL_CLIENT_CHATMODE;caf??;");
}

void TestCommands::buildsCommand()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, bytes);

    QCOMPARE(command, bytes);
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
