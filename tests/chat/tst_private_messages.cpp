#include "invitations.h"
#include "log_file.h"
#include "private_messages.h"
#include "subsystem_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Peers final : public ArenaPresence, public ArenaUserSelection, public ContactDirectory {
public:
    bool IsInCurrentVector(const QString &qtag) const override { return inArena.contains(qtag); }
    QString OwnQTag() const override { return QStringLiteral("me"); }
    std::optional<QString> selectedUserQTag() const override { return selected; }
    bool IsContactOnline(const QString &qtag) const override { return online.contains(qtag); }

    QStringList inArena;
    QStringList online;
    std::optional<QString> selected;
};

class Place final : public VectorEntry {
public:
    QString currentVectorPath() const override { return path; }
    void EnterVector(const QString &) override {}
    void ReturnToTopLevel() override {}
    QString path = QStringLiteral("A/B");
};

struct MessageRoom {
    MessageRoom()
    {
        fixture.actions.action(ActionId::ToggleAudioNotification)->setCheckable(true);
        fixture.plugIn(messages);
        fixture.plugIn(invitations);
    }

    QString logText() const
    {
        QFile file(logFile.pathFor(fixture.clock.time.date()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    TPrivateMessageForm *window(const QString &qtag)
    {
        return messages.FindPrivateMessageWindow(qtag);
    }
    QString pane(const QString &qtag) { return window(qtag)->MessageMemo->toPlainText(); }
    void send(const QString &peer, const QString &text, bool htmlUnicode = false)
    {
        TPrivateMessageForm *conversation = messages.openWindow(peer);
        conversation->ConvertHTMLUnicodeCheckBox->setChecked(htmlUnicode);
        conversation->InputEdit->setText(text);
        conversation->SendPMBitBtn->click();
    }

    SubsystemFixture fixture;
    QTemporaryDir folder;
    LogFile logFile{folder.path(), fixture.clock};
    Peers peers;
    Place place;
    PrivateMessages messages{{
        .sender = &fixture.sender,
        .logFile = &logFile,
        .sounds = &fixture.sounds,
        .chatSound = fixture.actions.action(ActionId::ToggleAudioNotification),
        .arena = &peers,
        .users = &peers,
        .contacts = &peers,
        .owner = &fixture.owner,
        .guard = &fixture.guard,
    }};
    Invitations invitations{{
        .sender = &fixture.sender,
        .vectors = &place,
        .guard = &fixture.guard,
    }};
};

} // namespace

class TestPrivateMessages : public QObject {
    Q_OBJECT

private slots:
    void keepsOneWindowPerPeer();
    void forgetsAnEmptyConversationOnClose();
    void routesWhatTheUserWrites_data();
    void routesWhatTheUserWrites();
    void writesHtmlUnicode_data();
    void writesHtmlUnicode();
    void keepsTheInputWhenTheLogFails();
    void opensTheSelectedUsersWindow();
    void preparesAnInvitation();
    void showsTheLastInvitationAndGoes();
};

void TestPrivateMessages::keepsOneWindowPerPeer()
{
    MessageRoom room;
    room.fixture.actions.action(ActionId::ToggleAudioNotification)->setChecked(true);
    room.fixture.receive("ZOL_CLIENT_PM;bob;hi;");
    room.fixture.receive("ZOL_CLIENT_ARENA_PM;bob;\xe3\x81\x82;");
    room.fixture.receive("ZOL_CLIENT_PM;Bob;yo;");
    QCOMPARE(room.messages.PrivateMessageWindows().size(), 2);
    QCOMPARE(room.pane(QStringLiteral("bob")), QStringLiteral("bob: hi\nbob: \u3042"));
    QCOMPARE(room.pane(QStringLiteral("Bob")), QStringLiteral("Bob: yo"));
    QVERIFY(room.window(QStringLiteral("bob"))->isVisible());
    QCOMPARE(room.window(QStringLiteral("bob"))->QTagLabel->text(), QStringLiteral("bob"));
    QCOMPARE(room.fixture.sounds.played, QStringList(3, QStringLiteral("SystemQuestion")));
    // Logged whatever the save switch says (it is not even asked).
    QCOMPARE(room.logText(), QStringLiteral("[12:05]bob (PM): hi\r\n[12:05]bob (APM): \u3042\r\n"
                                            "[12:05]Bob (PM): yo\r\n"));
    QCOMPARE(room.fixture.chat.lines, QStringList{}); // nothing in the main chat
}

void TestPrivateMessages::forgetsAnEmptyConversationOnClose()
{
    MessageRoom room;
    QPointer<TPrivateMessageForm> empty = room.messages.openWindow(QStringLiteral("amy"));
    empty->BitBtn1->click();
    QVERIFY(!room.window(QStringLiteral("amy")));
    QVERIFY(empty); // destroyed only after the click was handled
    DrainEventLoop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!empty);
    TPrivateMessageForm *fresh = room.messages.openWindow(QStringLiteral("amy"));
    QCOMPARE(fresh->MessageMemo->toPlainText(), QString());

    room.fixture.receive("ZOL_CLIENT_PM;amy;hello;");
    fresh->BitBtn1->click();
    QVERIFY(!fresh->isVisible());
    room.fixture.receive("ZOL_CLIENT_PM;amy;again;");
    QCOMPARE(room.window(QStringLiteral("amy")), fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(room.pane(QStringLiteral("amy")), QStringLiteral("amy: hello\namy: again"));
}

void TestPrivateMessages::routesWhatTheUserWrites_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("log");

    QTest::newRow("in the arena") << "arena"
                                  << "hi" << QByteArrayList{"ZOL_CLIENT_ARENA_PM;x;hi;"}
                                  << "me: hi\n"
                                  << "[12:05]me (APM To x):hi\r\n";
    QTest::newRow("an online contact, escaped") << "contact"
                                                << "a;b"
                                                << QByteArrayList{"ZOL_CLIENT_PM;x;a\x02"
                                                                  "b;"}
                                                << "me: a;b\n"
                                                << "[12:05]me (PM To x):a;b\r\n";
    QTest::newRow("nowhere") << ""
                             << "lost" << QByteArrayList{} << "me (Can'tSend): lost\n"
                             << "[12:05]me (Can'tSend To x):lost\r\n";
    QTest::newRow("utf-8") << "arena" << QStringLiteral("\u3042")
                           << QByteArrayList{"ZOL_CLIENT_ARENA_PM;x;\xe3\x81\x82;"}
                           << QStringLiteral("me: \u3042\n")
                           << QStringLiteral("[12:05]me (APM To x):\u3042\r\n");
}

void TestPrivateMessages::routesWhatTheUserWrites()
{
    QFETCH(QString, where);
    QFETCH(QString, text);
    QFETCH(QByteArrayList, sent);
    QFETCH(QString, pane);
    QFETCH(QString, log);

    MessageRoom room;
    if (where == u"arena")
        room.peers.inArena = {QStringLiteral("x")};
    if (where == u"contact")
        room.peers.online = {QStringLiteral("x")};
    room.send(QStringLiteral("x"), text);
    QCOMPARE(room.fixture.sent(), sent);
    QCOMPARE(room.pane(QStringLiteral("x")), pane);
    QCOMPARE(room.logText(), log);
    QCOMPARE(room.window(QStringLiteral("x"))->InputEdit->text(), QString());
    QVERIFY(!room.window(QStringLiteral("x"))->SendPMBitBtn->isEnabled());

    // The next incoming line follows without an empty line between.
    room.fixture.receive("ZOL_CLIENT_PM;x;back;");
    QCOMPARE(room.pane(QStringLiteral("x")), pane + QStringLiteral("x: back"));
}

void TestPrivateMessages::writesHtmlUnicode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("Hi") << "Hi" << QByteArray("&#72&#105");
    QTest::newRow("a blank and e acute") << QStringLiteral(" \u00e9") << QByteArray("&#32&#233");
    QTest::newRow("outside the basic plane: two code units")
        << QStringLiteral("\U0001F600") << QByteArray("&#55357&#56832");
}

void TestPrivateMessages::writesHtmlUnicode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, body);

    MessageRoom room;
    room.peers.inArena = {QStringLiteral("x")};
    room.send(QStringLiteral("x"), text, true);
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_ARENA_PM;x;" + body + ";"});
    QCOMPARE(room.pane(QStringLiteral("x")), QStringLiteral("me: ") + text + u'\n');
}

void TestPrivateMessages::keepsTheInputWhenTheLogFails()
{
    MessageRoom room;
    // The day's log is a folder: every write fails.
    QVERIFY(QDir().mkpath(room.logFile.pathFor(room.fixture.clock.time.date())));
    room.peers.online = {QStringLiteral("x")};
    room.send(QStringLiteral("x"), QStringLiteral("kept"));
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_PM;x;kept;"});
    QCOMPARE(room.pane(QStringLiteral("x")), QStringLiteral("me: kept\n"));
    QCOMPARE(room.fixture.errors.errors.size(), 1);
    QCOMPARE(room.window(QStringLiteral("x"))->InputEdit->text(), QStringLiteral("kept"));
}

void TestPrivateMessages::opensTheSelectedUsersWindow()
{
    MessageRoom room;
    room.fixture.actions.execute(ActionId::ShowPrivateMessageWindow);
    QVERIFY(room.messages.PrivateMessageWindows().isEmpty());
    room.peers.selected = QStringLiteral("zoe");
    room.fixture.actions.execute(ActionId::ShowPrivateMessageWindow);
    QVERIFY(room.window(QStringLiteral("zoe"))->isVisible());
}

void TestPrivateMessages::preparesAnInvitation()
{
    MessageRoom room;
    room.invitations.inviteRoom(QStringLiteral("x"));
    TInviteForm &dialog = room.invitations.inviteForm();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.CaptionLabel->text(), QStringLiteral("Invite x.."));
    QCOMPARE(dialog.DiscriptionStaticText->text(),
             QStringLiteral("Are you sure you want to invite x to play in this Arena?\r\nIf x is "
                            "using a dashboard UI, your invite will be delivered  once x finishes "
                            "playing.\r\nIf x already has a UI open, the invite will be delivered "
                            "immediately."));
    dialog.InviteMessageLabeledEdit->setText(QStringLiteral("come; \u3042"));
    room.invitations.inviteRoom(QStringLiteral("y")); // retargeted in place, message kept
    QCOMPARE(dialog.CaptionLabel->text(), QStringLiteral("Invite y.."));
    QCOMPARE(dialog.InviteMessageLabeledEdit->text(), QStringLiteral("come; \u3042"));
    dialog.SendInviteBitBtn->click();
    // The message in the wire's code page, not UTF-8; every field escaped.
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_INVITE;y;A/B;come\x02 \x82\xa0;"});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.InviteMessageLabeledEdit->text(), QStringLiteral("come; \u3042"));
}

void TestPrivateMessages::showsTheLastInvitationAndGoes()
{
    MessageRoom room;
    room.fixture.receive("ZOL_CLIENT_INVITE;u;V/W;m;");
    room.fixture.receive("ZOL_CLIENT_INVITE;kenji;Arena/PSP;\x82\xa0;");
    TInviteFromForm &dialog = room.invitations.inviteFromForm();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.TitleLabel->text(), QStringLiteral("kenji さんより招待状が届きました."));
    QCOMPARE(dialog.MessageStaticText->text(), QStringLiteral("\u3042"));
    QCOMPARE(dialog.VectorStaticText->text(), QStringLiteral("Arena/PSP"));
    dialog.GoBitBtn->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/PSP;;"});
    QVERIFY(dialog.isVisible()); // Go leaves it open
    QCOMPARE(room.fixture.sounds.played, QStringList{});

    room.fixture.receive("ZOL_CLIENT_INVITE;z;");
    dialog.GoBitBtn->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;;;"});
}

QTEST_MAIN(TestPrivateMessages)
#include "tst_private_messages.moc"
