#include "arena_users.h"
#include "subsystem_fixture.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_navigation.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

// The two arena subsystems on their own, with recording stand-ins around them.
struct ArenaRooms {
    ArenaRooms()
    {
        fixture.plugIn(navigation);
        fixture.plugIn(users);
        QObject::connect(&navigation, &VectorNavigation::arenaLeft, &users,
                         [this] { users.ClearUserRows(UserListModel::VectorPart); });
    }

    SubsystemFixture fixture;
    QTreeWidget tree;
    QTreeView subVectorList;
    QLineEdit path;
    QTreeView userList;
    VectorNavigation navigation{{
        .vectorTreeView = &tree,
        .vectorListView = &subVectorList,
        .vectorEdit = &path,
        .sender = &fixture.sender,
        .stateRequester = &fixture.sender,
        .chat = &fixture.chat,
        .enterExitSound = fixture.actions.action(ActionId::ToggleEnterExitAudioNotification),
        .guard = &fixture.guard,
    }};
    ArenaUsers users{{
        .userListView = &userList,
        .chat = &fixture.chat,
        .sounds = &fixture.sounds,
        .session = &fixture,
        .sender = &fixture.sender,
        .vectors = &navigation,
        .joinLog = fixture.actions.action(ActionId::ToggleVectorJoinLog),
        .enterExitSound = fixture.actions.action(ActionId::ToggleEnterExitAudioNotification),
    }};
};

} // namespace

class TestWireValues : public QObject {
    Q_OBJECT

private slots:
    void sendsReceivedValuesBackByteForByte_data();
    void sendsReceivedValuesBackByteForByte();
    void keepsQTagsThatDifferInOneByteApart();
};

void TestWireValues::sendsReceivedValuesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("ascii") << QByteArray("bob");
    QTest::newRow("hiragana") << QByteArray("\x82\xa0\x82\xa2");
    QTest::newRow("latin-1 e acute") << QByteArray("Jos\xe9");
    QTest::newRow("lead byte at the end") << QByteArray("abc\x82");
    QTest::newRow("unmapped bytes") << QByteArray("\x80x\xa0y\xfd\xfe\xff");
    QTest::newRow("invalid pair") << QByteArray("\x81\x20z");
    QTest::newRow("escaped separator") << QByteArray("victim\x02x");
}

void TestWireValues::sendsReceivedValuesBackByteForByte()
{
    QFETCH(QByteArray, value);

    ArenaRooms rooms;
    rooms.fixture.receive("ZOL_CLIENT_USER_DATA;me;");
    rooms.fixture.receive("ZOL_CLIENT_MODERATOR_PRIVILEGES;0;me;");
    rooms.fixture.receive("ZOL_CLIENT_VECTOR;Arena;0;");
    rooms.fixture.receive("ZOL_CLIENT_JOINS_VECTOR;" + value + ";");
    rooms.fixture.receive("ZOL_CLIENT_SUB_VECTOR;Arena/" + value + ";1;0;x;4;");
    rooms.fixture.sent();

    // A QTag goes back in the moderator's kick.
    rooms.userList.setCurrentIndex(rooms.users.rows().index(0, 0));
    rooms.fixture.actions.execute(ActionId::KickThisUser);
    QCOMPARE(rooms.fixture.sent(), QByteArrayList{"ZOL_CLIENT_ARENA_KICK;" + value + ";"});

    // A path goes back when the user enters the arena: all of it in the path's field.
    rooms.subVectorList.setCurrentIndex(rooms.navigation.subVectors().index(0, 0));
    rooms.navigation.VectorListViewDblClick();
    QCOMPARE(rooms.fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/" + value + ";;"});
}

void TestWireValues::keepsQTagsThatDifferInOneByteApart()
{
    ArenaRooms rooms;
    rooms.fixture.receive("ZOL_CLIENT_JOINS_VECTOR;Jos\xe9;");
    rooms.fixture.receive("ZOL_CLIENT_JOINS_VECTOR;Jos\xe8;");
    QCOMPARE(rooms.users.rows().rowCount(), 2);

    rooms.fixture.receive("ZOL_CLIENT_LEAVES_VECTOR;Jos\xe9;");
    QCOMPARE(rooms.users.rows().rowCount(), 1);
    rooms.userList.setCurrentIndex(rooms.users.rows().index(0, 0));
    rooms.fixture.sent();
    rooms.fixture.actions.execute(ActionId::BanThisUser);
    QCOMPARE(rooms.fixture.sent(), QByteArrayList{"ZOL_CLIENT_ARENA_BAN;Jos\xe8;"});
}

QTEST_MAIN(TestWireValues)
#include "tst_wire_values.moc"
