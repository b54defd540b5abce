#include "action_table.h"
#include "arena_users.h"
#include "chat_log.h"
#include "form_fixture.h"
#include "user_list_model.h"

#include <QAction>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

class TestUserList : public QObject {
    Q_OBJECT

private slots:
    void keepsRowsWhileInArenaOrChat_data();
    void keepsRowsWhileInArenaOrChat();
    void clearsPartsOfTheList_data();
    void clearsPartsOfTheList();
    void announcesNewcomersAndLeavers_data();
    void announcesNewcomersAndLeavers();
    void splitsPrivilegeLists_data();
    void splitsPrivilegeLists();
    void comparesPrivilegesExactly();
    void findsRowsInListOrder();
    void keepsTheRowOfAStatusThatIsNoNumber();
    void moderatesTheSelectedUser_data();
    void moderatesTheSelectedUser();
    void keepsTheSelectionWhenTheArenaChanges();

private:
    static QStringList rowsOf(const UserListModel &model);
};

// A row as text: QTag|role|ping|status|status image|players|devices|caps|marks|device list.
QStringList TestUserList::rowsOf(const UserListModel &model)
{
    QStringList rows;
    for (int i = 0; i < model.rowCount(); ++i) {
        const UserRow *row = model.rowAt(i);
        const QString marks = QString(row->inVector ? QStringLiteral("V") : QString()) +
                              (row->inChat ? QStringLiteral("C") : QString());
        rows.append(QStringList{row->caption, QString::number(row->roleImage), row->ping,
                                row->status, QString::number(row->statusImage), row->players,
                                row->deviceCount, row->caps, marks, row->deviceList}
                        .join(u'|'));
    }
    return rows;
}

void TestUserList::keepsRowsWhileInArenaOrChat_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("joins the arena")
        << QByteArrayList{"JOINS_VECTOR;bob;"} << QStringList{"bob|-1|||-1||||V|"};
    QTest::newRow("joins the chat of a listed user: mark only, case ignored")
        << QByteArrayList{"JOINS_VECTOR;Bob;", "JOINS_CHAT;r;bob;"}
        << QStringList{"Bob|0|||-1||||VC|"};
    QTest::newRow("joins the arena of a chat user")
        << QByteArrayList{"JOINS_CHAT;r;bob;", "JOINS_VECTOR;bob;"}
        << QStringList{"bob|0|||-1||||VC|"};
    QTest::newRow("leaves the arena, still in the chat")
        << QByteArrayList{"JOINS_VECTOR;bob;", "JOINS_CHAT;r;bob;", "LEAVES_VECTOR;bob;"}
        << QStringList{"bob|0|||-1||||C|"};
    QTest::newRow("leaves both") << QByteArrayList{"JOINS_VECTOR;bob;", "JOINS_CHAT;r;bob;",
                                                   "LEAVES_VECTOR;bob;", "LEAVES_CHAT;r;bob;"}
                                 << QStringList{};
    QTest::newRow("leaving unknown users changes nothing")
        << QByteArrayList{"LEAVES_VECTOR;nobody;", "LEAVES_CHAT;r;nobody;"} << QStringList{};
    QTest::newRow("ping fills the row")
        << QByteArrayList{"JOINS_VECTOR;bob;", "ARENA_PING;bob;120;2;4;03;"}
        << QStringList{"bob|-1|120|2|5|4||03|V|"};
    QTest::newRow("ping of an unknown user adds an unmarked row")
        << QByteArrayList{"ARENA_PING;bob;80;7;1;01;"} << QStringList{"bob|-1|80|7|10|1||01||"};
    QTest::newRow("the same device twice counts once")
        << QByteArrayList{"REMOTE_ARENA_DEVICE;bob;aa;", "REMOTE_ARENA_DEVICE;bob;aa;"}
        << QStringList{"bob|-1|||-1||1|||aa;"};
    QTest::newRow("a second device")
        << QByteArrayList{"JOINS_VECTOR;bob;", "REMOTE_ARENA_DEVICE;bob;aa;",
                          "REMOTE_ARENA_DEVICE;bob;bb;"}
        << QStringList{"bob|-1|||-1||2||V|aa;bb;"};
    QTest::newRow("devices count letter case")
        << QByteArrayList{"JOINS_VECTOR;Bob;", "REMOTE_ARENA_DEVICE;bob;aa;"}
        << QStringList{"Bob|-1|||-1||||V|", "bob|-1|||-1||1|||aa;"};
    QTest::newRow("rows of pings stay until a leave")
        << QByteArrayList{"ARENA_PING;bob;80;1;1;01;", "LEAVES_VECTOR;bob;"} << QStringList{};
    QTest::newRow("role from the privilege lists")
        << QByteArrayList{"MODERATOR_PRIVILEGES;x;mod/;", "ADMIN_PRIVILEGES;adm/mod;",
                          "JOINS_CHAT;r;mod;", "JOINS_CHAT;r;adm;", "JOINS_CHAT;r;plain;"}
        << QStringList{"mod|1|||-1||||C|", "adm|2|||-1||||C|", "plain|0|||-1||||C|"};
}

void TestUserList::keepsRowsWhileInArenaOrChat()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QStringList, rows);

    FormFixture fixture;
    fixture.logIn();
    for (const QByteArray &message : messages)
        fixture.receive("ZOL_CLIENT_" + message);
    QCOMPARE(rowsOf(fixture.form().rooms().arenaUsers().rows()), rows);
}

void TestUserList::clearsPartsOfTheList_data()
{
    QTest::addColumn<QByteArray>("move");
    QTest::addColumn<QStringList>("rows");

    // a: in chat and arena, b: arena only, c: neither (from a ping), d: chat only
    QTest::newRow("new vector drops the arena part")
        << QByteArray("VECTOR;Arena/X;0;") << QStringList{"a|1|||-1||1|03|C|id;", "d|0|||-1||||C|"};
    QTest::newRow("new chat room drops the chat part")
        << QByteArray("CHATMODE;room;")
        << QStringList{"a|-1|10|2|5|1|1|03|V|id;", "b|-1|||-1||||V|"};
    QTest::newRow("messenger connection drops the arena part")
        << QByteArray("CONNECTED_MESSENGER;")
        << QStringList{"a|1|||-1||1|03|C|id;", "d|0|||-1||||C|"};
}

void TestUserList::clearsPartsOfTheList()
{
    QFETCH(QByteArray, move);
    QFETCH(QStringList, rows);

    FormFixture fixture;
    fixture.logIn();
    for (const char *message : {"MODERATOR_PRIVILEGES;0;a;", "JOINS_VECTOR;a;", "JOINS_CHAT;r;a;",
                                "ARENA_PING;a;10;2;1;03;", "REMOTE_ARENA_DEVICE;a;id;",
                                "JOINS_VECTOR;b;", "ARENA_PING;c;5;1;1;01;", "JOINS_CHAT;r;d;"})
        fixture.receive(QByteArray("ZOL_CLIENT_") + message);
    fixture.sounds.played.clear();
    const QString chatBefore = fixture.chatText();

    fixture.receive("ZOL_CLIENT_" + move);

    QCOMPARE(rowsOf(fixture.form().rooms().arenaUsers().rows()), rows);
    QCOMPARE(fixture.sounds.played, QStringList{});
    if (!move.startsWith("CHATMODE"))
        QCOMPARE(fixture.chatText(), chatBefore);
}

void TestUserList::announcesNewcomersAndLeavers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("joinLog");
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QString>("chat");
    QTest::addColumn<QStringList>("played");

    const QString none;
    QTest::newRow("quiet by default")
        << "Arena/PSP" << false << false
        << QByteArrayList{"JOINS_VECTOR;bob;", "LEAVES_VECTOR;bob;"} << none << QStringList{};
    QTest::newRow("notices on") << "Arena/PSP" << true << false
                                << QByteArrayList{"JOINS_VECTOR;bob;", "LEAVES_VECTOR;bob;"}
                                << "[12:05]Enter bob.\n[12:05]Exit bob." << QStringList{};
    QTest::newRow("sounds on, notices off")
        << "Arena/PSP" << false << true << QByteArrayList{"JOINS_CHAT;r;bob;", "LEAVES_CHAT;r;bob;"}
        << none << QStringList{"DeviceConnect", "DeviceDisconnect"};
    QTest::newRow("own room, even with notices off")
        << "Arena/PSP/me" << false << false << QByteArrayList{"JOINS_VECTOR;bob;"}
        << "[12:05]Enter bob at your room." << QStringList{};
    QTest::newRow("own room from the chat side")
        << "A/B/me" << true << true << QByteArrayList{"JOINS_CHAT;r;x;"}
        << "[12:05]Enter x at your room." << QStringList{"DeviceConnect"};
    QTest::newRow("a room whose name only ends like the QTag")
        << "A/B/mine" << false << false << QByteArrayList{"JOINS_CHAT;r;x;"} << none
        << QStringList{};
    QTest::newRow("someone already listed comes in silently")
        << "Arena/PSP" << true << true
        << QByteArrayList{"ARENA_PING;bob;1;1;1;1;", "JOINS_VECTOR;bob;", "JOINS_CHAT;r;bob;"}
        << none << QStringList{};
    QTest::newRow("leaving one side of two is silent")
        << "Arena/PSP" << true << true
        << QByteArrayList{"ARENA_PING;bob;1;1;1;1;", "JOINS_VECTOR;bob;", "JOINS_CHAT;r;bob;",
                          "LEAVES_CHAT;r;bob;"}
        << none << QStringList{};
}

void TestUserList::announcesNewcomersAndLeavers()
{
    QFETCH(QString, path);
    QFETCH(bool, joinLog);
    QFETCH(bool, sounds);
    QFETCH(QByteArrayList, messages);
    QFETCH(QString, chat);
    QFETCH(QStringList, played);

    FormFixture fixture;
    fixture.logIn(QStringLiteral("me"));
    fixture.receive("ZOL_CLIENT_VECTOR;" + path.toLatin1() + ";0;");
    fixture.form().rooms().chatLog().clearContents();
    if (joinLog)
        fixture.trigger(ActionId::ToggleVectorJoinLog);
    if (sounds)
        fixture.trigger(ActionId::ToggleEnterExitAudioNotification);
    for (const QByteArray &message : messages)
        fixture.receive("ZOL_CLIENT_" + message);
    QCOMPARE(fixture.chatText(), chat);
    QCOMPARE(fixture.sounds.played, played);
}

void TestUserList::splitsPrivilegeLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("trailing slash adds nothing") << "a/b/" << QStringList{"a", "b"};
    QTest::newRow("leading empty entry kept") << "/a" << QStringList{"", "a"};
    QTest::newRow("empty entry in the middle kept") << "a//b" << QStringList{"a", "", "b"};
    QTest::newRow("slash alone") << "/" << QStringList{""};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("one entry") << "a" << QStringList{"a"};
}

void TestUserList::splitsPrivilegeLists()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);

    FormFixture fixture;
    fixture.receive("ZOL_CLIENT_MODERATOR_PRIVILEGES;ignored;" + text.toLatin1() + ";");
    fixture.receive("ZOL_CLIENT_ADMIN_PRIVILEGES;" + text.toLatin1() + ";");
    QCOMPARE(fixture.form().rooms().arenaUsers().ModeratorList(), entries);
    QCOMPARE(fixture.form().rooms().arenaUsers().AdministratorList(), entries);
}

void TestUserList::comparesPrivilegesExactly()
{
    FormFixture fixture;
    ArenaUsers &users = fixture.form().rooms().arenaUsers();
    fixture.receive("ZOL_CLIENT_ADMIN_PRIVILEGES;a/b;");
    QVERIFY(users.IsAdministrator(QStringLiteral("a")));
    QVERIFY(!users.IsAdministrator(QStringLiteral("A")));
    QVERIFY(!users.IsModerator(QStringLiteral("a")));
    // A new list replaces the old one whole.
    fixture.receive("ZOL_CLIENT_ADMIN_PRIVILEGES;c;");
    QVERIFY(!users.IsAdministrator(QStringLiteral("a")));
    QCOMPARE(users.RoleImageOf(QStringLiteral("c")), 2);
}

void TestUserList::findsRowsInListOrder()
{
    FormFixture fixture;
    fixture.logIn();
    UserListModel &rows = fixture.form().rooms().arenaUsers().rows();
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;zed;");
    fixture.receive("ZOL_CLIENT_REMOTE_ARENA_DEVICE;Zed;d1;");
    QCOMPARE(rows.FindUserRow(QStringLiteral("ZED"))->caption, QStringLiteral("zed"));

    // Sorting changes which row comes first.
    emit fixture.find<QTreeView>("UserListView")->header()->sectionClicked(4); // Client, numbers
    QCOMPARE(rows.rowAt(0)->caption, QStringLiteral("zed"));
    fixture.receive("ZOL_CLIENT_REMOTE_ARENA_DEVICE;zed;d2;");
    fixture.receive("ZOL_CLIENT_REMOTE_ARENA_DEVICE;zed;d3;");
    emit fixture.find<QTreeView>("UserListView")->header()->sectionClicked(4);
    QCOMPARE(rows.rowAt(0)->caption, QStringLiteral("Zed"));
    QCOMPARE(rows.FindUserRow(QStringLiteral("zed"))->caption, QStringLiteral("Zed"));

    // The arena test looks at the last exact match.
    QVERIFY(fixture.form().rooms().arenaUsers().IsInCurrentVector(QStringLiteral("zed")));
    QVERIFY(!fixture.form().rooms().arenaUsers().IsInCurrentVector(QStringLiteral("Zed")));
    QVERIFY(!fixture.form().rooms().arenaUsers().IsInCurrentVector(QStringLiteral("nobody")));
}

void TestUserList::keepsTheRowOfAStatusThatIsNoNumber()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_ARENA_PING;bob;10;2;1;03;");
    fixture.receive("ZOL_CLIENT_ARENA_PING;bob;20;hosting;3;04;");
    fixture.receive("ZOL_CLIENT_ARENA_PING;new;30;x;1;01;");
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;after;");
    QCOMPARE(rowsOf(fixture.form().rooms().arenaUsers().rows()),
             (QStringList{"bob|-1|20|hosting|5|3||04||", "new|-1|30|x|-1|1||01||",
                          "after|-1|||-1||||V|"}));
}

void TestUserList::moderatesTheSelectedUser_data()
{
    QTest::addColumn<ActionId>("action");
    QTest::addColumn<bool>("moderator");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("kick") << ActionId::KickThisUser << true << true
                          << QByteArrayList{"ZOL_CLIENT_ARENA_KICK;bob;"};
    QTest::newRow("ban") << ActionId::BanThisUser << true << true
                         << QByteArrayList{"ZOL_CLIENT_ARENA_BAN;bob;"};
    QTest::newRow("kick with nobody selected")
        << ActionId::KickThisUser << true << false << QByteArrayList{};
    QTest::newRow("kick without being a moderator")
        << ActionId::KickThisUser << false << true << QByteArrayList{};
    QTest::newRow("break stream needs no privilege")
        << ActionId::BreakStream << false << true
        << QByteArrayList{"ZOL_CLIENT_ARENA_BREAK_STREAM;bob;"};
}

void TestUserList::moderatesTheSelectedUser()
{
    QFETCH(ActionId, action);
    QFETCH(bool, moderator);
    QFETCH(bool, select);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    fixture.logIn(QStringLiteral("me"));
    fixture.receive(moderator ? "ZOL_CLIENT_MODERATOR_PRIVILEGES;0;me;"
                              : "ZOL_CLIENT_MODERATOR_PRIVILEGES;0;Me;");
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;bob;");
    if (select)
        fixture.find<QTreeView>("UserListView")
            ->setCurrentIndex(fixture.form().rooms().arenaUsers().rows().index(0, 0));
    fixture.sent();
    fixture.trigger(action);
    QCOMPARE(fixture.sent(), sent);
}

void TestUserList::keepsTheSelectionWhenTheArenaChanges()
{
    FormFixture fixture;
    fixture.logIn();
    for (const char *message : {"JOINS_VECTOR;gone;", "JOINS_CHAT;r;stays;", "JOINS_VECTOR;stays;"})
        fixture.receive(QByteArray("ZOL_CLIENT_") + message);
    auto *view = fixture.find<QTreeView>("UserListView");
    view->setCurrentIndex(fixture.form().rooms().arenaUsers().rows().index(1, 0));
    fixture.receive("ZOL_CLIENT_VECTOR;Arena/Other;0;");
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowCount(), 1);
    QCOMPARE(
        fixture.form().rooms().arenaUsers().rows().selectedRow(view->selectionModel())->caption,
        QStringLiteral("stays"));
}

QTEST_MAIN(TestUserList)
#include "tst_user_list.moc"
