#include "arena_dialogs.h"
#include "arena_status.h"
#include "subsystem_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct StatusRoom {
    StatusRoom() { fixture.plugIn(status); }

    TSetMyArenaStatusForm &dialog() { return status.statusForm(); }
    int statusIcon() const { return fixture.actions.imageIndex(ActionId::Status); }
    void choose(int mode, int players)
    {
        dialog().ModeComboBoxEx->setCurrentIndex(mode);
        dialog().PlayersComboBox->setCurrentIndex(players);
    }

    SubsystemFixture fixture;
    ArenaStatus status{{
        .sender = &fixture.sender,
        .engine = &fixture,
        .actions = &fixture.actions,
        .guard = &fixture.guard,
    }};
};

} // namespace

class TestArenaStatus : public QObject {
    Q_OBJECT

private slots:
    void createsAnArena_data();
    void createsAnArena();
    void showsThePadlockWhileAPasswordIsTyped();
    void setsTheStatusChosen_data();
    void setsTheStatusChosen();
    void insistsOnTheChoiceInAutomaticMode_data();
    void insistsOnTheChoiceInAutomaticMode();
    void followsTheEngineOtherwise_data();
    void followsTheEngineOtherwise();
    void ignoresAFieldThatIsNoNumber_data();
    void ignoresAFieldThatIsNoNumber();
};

void TestArenaStatus::createsAnArena_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("unlimited, fun, open") << 0 << "fun"
                                          << "" << QByteArray("ZOL_CLIENT_CREATE_VECTOR;0;fun;;");
    QTest::newRow("32 people, utf-8, locked")
        << 32 << QStringLiteral("遊ぼう") << "hunt"
        << QByteArray("ZOL_CLIENT_CREATE_VECTOR;32;\xe9\x81\x8a\xe3\x81\xbc\xe3\x81\x86;hunt;");
    QTest::newRow("nothing checked, one field each")
        << 4 << "a;b"
        << "p;w"
        << QByteArray("ZOL_CLIENT_CREATE_VECTOR;4;a\x02"
                      "b;p\x02w;");
}

void TestArenaStatus::createsAnArena()
{
    QFETCH(int, players);
    QFETCH(QString, description);
    QFETCH(QString, password);
    QFETCH(QByteArray, sent);

    StatusRoom room;
    TCreatePrivateArenaForm &dialog = room.status.createForm();
    QCOMPARE(dialog.MaximumPlayersComboBox->count(), 33);
    QCOMPARE(dialog.MaximumPlayersComboBox->currentText(), QStringLiteral("Unlimited"));
    QCOMPARE(dialog.MaximumPlayersComboBox->itemText(32), QStringLiteral("32 people"));
    room.fixture.actions.execute(ActionId::CreatePrivateArena);
    QVERIFY(dialog.isVisible());

    dialog.MaximumPlayersComboBox->setCurrentIndex(players);
    dialog.DescriptionEdit->setText(description);
    dialog.PasswordEdit->setText(password);
    dialog.BitBtn2->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{sent});
    QVERIFY(!dialog.isVisible());
    // Its contents stay for the next time.
    QCOMPARE(dialog.DescriptionEdit->text(), description);
}

void TestArenaStatus::showsThePadlockWhileAPasswordIsTyped()
{
    StatusRoom room;
    TCreatePrivateArenaForm &dialog = room.status.createForm();
    const QImage open = dialog.IconImage->pixmap().toImage();
    QCOMPARE(dialog.iconIndex(), 0);
    QTest::keyClick(dialog.PasswordEdit, Qt::Key_X);
    QCOMPARE(dialog.iconIndex(), 1);
    QVERIFY(dialog.IconImage->pixmap().toImage() != open);
    QTest::keyClick(dialog.PasswordEdit, Qt::Key_Backspace);
    QCOMPARE(dialog.iconIndex(), 0);
    QCOMPARE(dialog.IconImage->pixmap().toImage(), open);
}

void TestArenaStatus::setsTheStatusChosen_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("players");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("nothing chosen") << -1 << -1 << QByteArray("ZOL_CLIENT_ARENA_STATUS;0;0;");
    QTest::newRow("hosting, 4 people") << 1 << 3 << QByteArray("ZOL_CLIENT_ARENA_STATUS;2;4;");
    QTest::newRow("dedicated, just me") << 2 << 0 << QByteArray("ZOL_CLIENT_ARENA_STATUS;3;1;");
}

void TestArenaStatus::setsTheStatusChosen()
{
    QFETCH(int, mode);
    QFETCH(int, players);
    QFETCH(QByteArray, sent);

    StatusRoom room;
    QCOMPARE(room.dialog().PlayersComboBox->currentIndex(), -1);
    QCOMPARE(room.dialog().ModeComboBoxEx->currentIndex(), -1);
    QVERIFY(!room.dialog().AutoCheckBox->isChecked());
    room.fixture.actions.execute(ActionId::SetMyArenaStatus);
    room.choose(mode, players);
    room.dialog().BitBtn2->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{sent});
    QVERIFY(!room.dialog().isVisible());
}

void TestArenaStatus::insistsOnTheChoiceInAutomaticMode_data()
{
    QTest::addColumn<QByteArray>("reported");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<int>("icon");

    QTest::newRow("2;4 agrees") << QByteArray("2;4;") << QByteArrayList{} << 11;
    QTest::newRow("1;4 differs in status")
        << QByteArray("1;4;") << QByteArrayList{"ZOL_CLIENT_ARENA_STATUS;2;4;"} << 9;
    QTest::newRow("2;3 differs in players")
        << QByteArray("2;3;") << QByteArrayList{"ZOL_CLIENT_ARENA_STATUS;2;4;"} << 11;
}

void TestArenaStatus::insistsOnTheChoiceInAutomaticMode()
{
    QFETCH(QByteArray, reported);
    QFETCH(QByteArrayList, sent);
    QFETCH(int, icon);

    StatusRoom room;
    room.choose(1, 3); // "Yes, I'm hosting now.", "4 people"
    room.dialog().AutoCheckBox->setChecked(true);
    room.fixture.receive("ZOL_CLIENT_ARENA_STATUS;" + reported);
    QCOMPARE(room.fixture.sent(), sent);
    QCOMPARE(room.dialog().ModeComboBoxEx->currentIndex(), 1);
    QCOMPARE(room.statusIcon(), icon);
}

void TestArenaStatus::followsTheEngineOtherwise_data()
{
    QTest::addColumn<QByteArray>("reported");
    QTest::addColumn<bool>("attached");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("indicator");
    QTest::addColumn<int>("icon");

    QTest::newRow("3;2 attached") << QByteArray("3;2;") << true << 2 << 1 << 3 << 12;
    QTest::newRow("3;2 detached") << QByteArray("3;2;") << false << 2 << 1 << 3 << 16;
    QTest::newRow("status 1") << QByteArray("1;1;") << true << 0 << 0 << 0 << 9;
    QTest::newRow("outside the boxes") << QByteArray("9;0;") << true << -1 << -1 << 0 << 9;
    QTest::newRow("02 is a number, not the text 2")
        << QByteArray("02;8;") << true << 1 << 7 << 0 << 9;
    QTest::newRow("the lowest number") << QByteArray("-2147483648;1;") << true << -1 << 0 << 0 << 9;
}

void TestArenaStatus::followsTheEngineOtherwise()
{
    QFETCH(QByteArray, reported);
    QFETCH(bool, attached);
    QFETCH(int, mode);
    QFETCH(int, players);
    QFETCH(int, indicator);
    QFETCH(int, icon);

    StatusRoom room;
    room.fixture.engineAttached = attached;
    room.fixture.receive("ZOL_CLIENT_ARENA_STATUS;" + reported);
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
    QCOMPARE(room.dialog().ModeComboBoxEx->currentIndex(), mode);
    QCOMPARE(room.dialog().PlayersComboBox->currentIndex(), players);
    QCOMPARE(room.status.ArenaStatusIndicator(), indicator);
    QCOMPARE(room.statusIcon(), icon);
}

void TestArenaStatus::ignoresAFieldThatIsNoNumber_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QByteArray>("reported");

    QTest::newRow("status, automatic") << true << QByteArray("x;4;");
    QTest::newRow("players, automatic") << true << QByteArray("2;;");
    QTest::newRow("status, manual") << false << QByteArray("3;four;");
}

void TestArenaStatus::ignoresAFieldThatIsNoNumber()
{
    QFETCH(bool, automatic);
    QFETCH(QByteArray, reported);

    StatusRoom room;
    room.choose(0, 0);
    room.fixture.receive("ZOL_CLIENT_ARENA_STATUS;3;5;"); // indicator 3
    room.choose(0, 0);
    room.dialog().AutoCheckBox->setChecked(automatic);
    room.fixture.sent();

    room.fixture.receive("ZOL_CLIENT_ARENA_STATUS;" + reported);
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
    QCOMPARE(room.dialog().ModeComboBoxEx->currentIndex(), 0);
    QCOMPARE(room.dialog().PlayersComboBox->currentIndex(), 0);
    QCOMPARE(room.status.ArenaStatusIndicator(), 3);
}

QTEST_MAIN(TestArenaStatus)
#include "tst_arena_status.moc"
