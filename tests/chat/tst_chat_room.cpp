#include "action_table.h"
#include "chat_log.h"
#include "chat_room.h"
#include "form_fixture.h"
#include "user_list_model.h"
#include "zol_orbital_mesh_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

class TestChatRoom : public QObject {
    Q_OBJECT

private slots:
    void showsChatLinesWithTheirSound_data();
    void showsChatLinesWithTheirSound();
    void routesRoomDescriptions_data();
    void routesRoomDescriptions();
    void showsTheMeshOnlyWhenAllowed_data();
    void showsTheMeshOnlyWhenAllowed();
    void entersAChatRoom();
    void stopsAtAFailedLogWrite();
    void sendsTheInputLine_data();
    void sendsTheInputLine();
    void hidesTheInputLineKeepingTheNewestLine();
};

void TestChatRoom::showsChatLinesWithTheirSound_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("chat");
    QTest::addColumn<QStringList>("played");

    QTest::newRow("chat line, utf-8") << QByteArray("ZOL_CLIENT_CHAT;r;bob;\xe3\x81\x82 hi;")
                                      << false << "[12:05]bob: \u3042 hi" << QStringList{};
    QTest::newRow("with the sound on") << QByteArray("ZOL_CLIENT_CHAT;r;bob;hi;") << true
                                       << "[12:05]bob: hi" << QStringList{"SystemNotification"};
    QTest::newRow("chat2 is a chat line too")
        << QByteArray("ZOL_CLIENT_CHAT2;r;bob;hi;x;1;") << true << "[12:05]bob: hi"
        << QStringList{"SystemNotification"};
    QTest::newRow("separator escape in the text") << QByteArray("ZOL_CLIENT_CHAT;r;bob;a\x02"
                                                                "b;")
                                                  << false << "[12:05]bob: a;b" << QStringList{};
    QTest::newRow("invalid utf-8 reads as empty")
        << QByteArray("ZOL_CLIENT_CHAT;r;bob;\xff;") << false << "[12:05]bob: " << QStringList{};
    QTest::newRow("without its text field")
        << QByteArray("ZOL_CLIENT_CHAT;r;bob") << false << "[12:05]bob: " << QStringList{};
    QTest::newRow("the mesh's name in another letter case is a person")
        << QByteArray("ZOL_CLIENT_CHAT;r;Zol orbital mesh;hi;") << true
        << "[12:05]Zol orbital mesh: hi" << QStringList{"SystemNotification"};
}

void TestChatRoom::showsChatLinesWithTheirSound()
{
    QFETCH(QByteArray, message);
    QFETCH(bool, soundOn);
    QFETCH(QString, chat);
    QFETCH(QStringList, played);

    FormFixture fixture;
    fixture.logIn();
    if (soundOn)
        fixture.trigger(ActionId::ToggleAudioNotification);
    fixture.receive(message);
    QCOMPARE(fixture.chatText(), chat);
    QCOMPARE(fixture.sounds.played, played);
    QCOMPARE(fixture.logFileText(fixture.clock.time.date()), chat + QStringLiteral("\r\n"));
}

void TestChatRoom::routesRoomDescriptions_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("description");

    QTest::newRow("chat replaces, with its line breaks")
        << QByteArrayList{"CHAT;r1;Zol Orbital Mesh;old;", "CHAT;r2;Zol Orbital Mesh;a\rb\nc;"}
        << "r2"
        << "a\nb\nc";
    QTest::newRow("chat2 with mode 1 replaces, others add lines")
        << QByteArrayList{"CHAT2;r;Zol Orbital Mesh;first;x;1;",
                          "CHAT2;r;Zol Orbital Mesh;second;x;0;",
                          "CHAT2;r;Zol Orbital Mesh;third;x;"}
        << "r"
        << "first\nsecond\nthird";
    QTest::newRow("chat2 with mode 1 after lines starts over")
        << QByteArrayList{"CHAT2;r;Zol Orbital Mesh;a;x;0;", "CHAT2;r;Zol Orbital Mesh;b;x;1;"}
        << "r"
        << "b";
}

void TestChatRoom::routesRoomDescriptions()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QString, room);
    QFETCH(QString, description);

    FormFixture fixture;
    fixture.logIn();
    fixture.trigger(ActionId::ToggleAudioNotification);
    for (const QByteArray &message : messages)
        fixture.receive("ZOL_CLIENT_" + message);
    TZolOrbitalMeshForm &mesh = fixture.form().rooms().chatRoom().orbitalMeshForm();
    QCOMPARE(mesh.VectorEdit->text(), room);
    QCOMPARE(mesh.MesseageMemo->toPlainText(), description);
    // Nothing of it in the chat pane, the log or the speakers.
    QCOMPARE(fixture.chatText(), QString());
    QCOMPARE(fixture.logFileText(fixture.clock.time.date()), QString());
    QCOMPARE(fixture.sounds.played, QStringList{});
}

void TestChatRoom::showsTheMeshOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("doNotShow");
    QTest::newRow("shows itself") << false;
    QTest::newRow("stays hidden when asked to") << true;
}

void TestChatRoom::showsTheMeshOnlyWhenAllowed()
{
    QFETCH(bool, doNotShow);

    FormFixture fixture;
    fixture.logIn();
    TZolOrbitalMeshForm &mesh = fixture.form().rooms().chatRoom().orbitalMeshForm();
    mesh.AutoShowCheckBox->setChecked(doNotShow);
    fixture.receive("ZOL_CLIENT_CHAT;r;Zol Orbital Mesh;about the room;");
    QCOMPARE(mesh.isVisible(), !doNotShow);
    QCOMPARE(mesh.MesseageMemo->toPlainText(), QStringLiteral("about the room"));

    fixture.trigger(ActionId::ShowOrbitalMesh);
    QVERIFY(mesh.isVisible());
    QTest::keyClick(&mesh, Qt::Key_Escape);
    QVERIFY(!mesh.isVisible());
}

void TestChatRoom::entersAChatRoom()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.trigger(ActionId::ToggleEnterExitAudioNotification);
    for (const char *message :
         {"JOINS_CHAT;old;chat-only;", "JOINS_VECTOR;both;", "JOINS_CHAT;old;both;"})
        fixture.receive(QByteArray("ZOL_CLIENT_") + message);
    fixture.form().rooms().chatLog().clearContents();
    fixture.sounds.played.clear();

    fixture.receive("ZOL_CLIENT_CHATMODE;Arena/PSP;");

    QVERIFY(!fixture.action(ActionId::ToggleEnterExitAudioNotification)->isChecked());
    QCOMPARE(fixture.form().actions().imageIndex(ActionId::ToggleEnterExitAudioNotification), 36);
    QCOMPARE(fixture.find<QLineEdit>("ChatEdit")->text(), QStringLiteral("Arena/PSP"));
    QCOMPARE(fixture.chatText(), QStringLiteral("[12:05]Enter Arena/PSP."));
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowCount(), 1);
    const UserRow *left = fixture.form().rooms().arenaUsers().rows().rowAt(0);
    QCOMPARE(left->caption, QStringLiteral("both"));
    QVERIFY(!left->inChat);
    QCOMPARE(left->roleImage, -1);
    QCOMPARE(fixture.sounds.played, QStringList{});
}

void TestChatRoom::stopsAtAFailedLogWrite()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.trigger(ActionId::ToggleAudioNotification);
    // The day's log cannot be written: a folder stands where the file should be.
    QVERIFY(QDir().mkpath(fixture.dataFolder() + QStringLiteral("/Logs/20240131.log")));

    fixture.receive("ZOL_CLIENT_CHAT;r;bob;lost in the log;");
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;next;");

    QCOMPARE(fixture.chatText(), QStringLiteral("[12:05]bob: lost in the log"));
    QCOMPARE(fixture.sounds.played, QStringList{});  // the handling ended at the failure
    QCOMPARE(fixture.prompts.errors, QStringList{}); // silently
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowCount(),
             1); // and the next message was handled
}

void TestChatRoom::sendsTheInputLine_data()
{
    QTest::addColumn<bool>("session");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("a line") << true << "hello" << QByteArrayList{"ZOL_CLIENT_CHAT;hello;"};
    QTest::newRow("separator and byte 2 swap places") << true
                                                      << "a;b\x02"
                                                         "c"
                                                      << QByteArrayList{"ZOL_CLIENT_CHAT;a\x02"
                                                                        "b;c;"};
    QTest::newRow("utf-8") << true << "\u3042" << QByteArrayList{"ZOL_CLIENT_CHAT;\xe3\x81\x82;"};
    QTest::newRow("empty input") << true << "" << QByteArrayList{};
    QTest::newRow("no session") << false << "hello" << QByteArrayList{};
}

void TestChatRoom::sendsTheInputLine()
{
    QFETCH(bool, session);
    QFETCH(QString, input);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    if (session)
        fixture.logIn();
    auto *edit = fixture.find<QLineEdit>("ChatInputEdit");
    auto *send = fixture.find<QAbstractButton>("SendChatInputSpeedButton");
    edit->setText(input);
    QCOMPARE(send->isEnabled(), session && !input.isEmpty());

    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(fixture.sent(), sent);
    QCOMPARE(edit->text(), sent.isEmpty() ? input : QString());
    if (!sent.isEmpty())
        QVERIFY(!send->isEnabled()); // the emptied box disables it
    // The line shows only when the engine sends it back.
    QCOMPARE(fixture.chatText(), QString());
}

void TestChatRoom::hidesTheInputLineKeepingTheNewestLine()
{
    FormFixture fixture;
    fixture.form().resize(700, 480);
    fixture.form().show();
    fixture.logIn();
    for (int i = 0; i < 200; ++i)
        fixture.receive("ZOL_CLIENT_CHAT;r;bob;line " + QByteArray::number(i) + ";");
    auto *pane = fixture.find<QPlainTextEdit>("ChatLogMemo");

    fixture.trigger(ActionId::ToggleChatInputLine);
    QVERIFY(!fixture.find<QWidget>("ChatInputPanel")->isVisible());
    QTRY_VERIFY(pane->cursorRect().bottom() <= pane->viewport()->height());
    QCOMPARE(pane->textCursor().position(), pane->document()->characterCount() - 1);
    fixture.trigger(ActionId::ToggleChatInputLine);
    QVERIFY(fixture.find<QWidget>("ChatInputPanel")->isVisible());
}

QTEST_MAIN(TestChatRoom)
#include "tst_chat_room.moc"
