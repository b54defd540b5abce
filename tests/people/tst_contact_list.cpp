#include "contact_list.h"
#include "contact_list_model.h"
#include "subsystem_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

class RecordingProfiles final : public ProfileOpener {
public:
    void OpenProfile(const QString &qtag, bool lookInCache) override
    {
        opened.append(qtag + (lookInCache ? QStringLiteral(" cached") : QString()));
    }
    QStringList opened;
};

struct ContactRoom {
    ContactRoom() { fixture.plugIn(contacts); }

    TContactListForm &window() { return contacts.contactListForm(); }
    // Each row as QTag|image|ping|room|vector|fourth|path.
    QStringList rows() const
    {
        QStringList rows;
        for (int i = 0; i < contacts.rows().rowCount(); ++i) {
            const ContactRow *row = contacts.rows().rowAt(i);
            rows.append(QStringList{row->caption, QString::number(row->image), row->ping, row->room,
                                    row->vector, row->fourth, row->path}
                            .join(u'|'));
        }
        return rows;
    }
    void select(int row)
    {
        window().ContactListView->setCurrentIndex(contacts.rows().index(row, 0));
    }

    SubsystemFixture fixture;
    RecordingProfiles profiles;
    RecordingYesNo prompt;
    ContactList contacts{{
        .sender = &fixture.sender,
        .engine = &fixture,
        .chat = &fixture.chat,
        .profiles = &profiles,
        .prompt = &prompt,
        .guard = &fixture.guard,
    }};
};

} // namespace

class TestContactList : public QObject {
    Q_OBJECT

private slots:
    void followsTheEngine_data();
    void followsTheEngine();
    void startsAfreshAfterAStateRequest();
    void showsItselfUnlessAsked_data();
    void showsItselfUnlessAsked();
    void actsOnTheSelectedContact();
    void asksBeforeDeleting();
    void addsWhatWasTyped();
    void answersWhoIsOnline();
};

void TestContactList::followsTheEngine_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("chat");

    QTest::newRow("added once") << QByteArrayList{"ADD_CONTACT;bob;", "ADD_CONTACT;bob;"}
                                << QStringList{"bob|0|||||"} << QStringList{};
    QTest::newRow("online twice: two notices")
        << QByteArrayList{"ADD_CONTACT;bob;", "CONTACT_ONLINE;bob;", "CONTACT_ONLINE;bob;"}
        << QStringList{"bob|1|||||"} << QStringList{"bob is Online.", "bob is Online."};
    QTest::newRow("offline") << QByteArrayList{"ADD_CONTACT;bob;", "CONTACT_ONLINE;bob;",
                                               "CONTACT_OFFLINE;bob;"}
                             << QStringList{"bob|0|||||"}
                             << QStringList{"bob is Online.", "bob is Offline."};
    QTest::newRow("a ping brings an offline contact online, once")
        << QByteArrayList{"ADD_CONTACT;bob;", "CONTACT_PING;bob;Arena/PSP/Action;120;x;",
                          "CONTACT_PING;bob;Arena/PSP;80;y;"}
        << QStringList{"bob|1|80|PSP|Arena|y|Arena/PSP"} << QStringList{"bob is Online."};
    QTest::newRow("one level: room only")
        << QByteArrayList{"ADD_CONTACT;bob;", "CONTACT_PING;bob;Arena;5;;"}
        << QStringList{"bob|1|5|Arena|||Arena"} << QStringList{"bob is Online."};
    QTest::newRow("unknown contacts are ignored")
        << QByteArrayList{"CONTACT_ONLINE;eve;", "CONTACT_PING;eve;A;1;;", "REMOVE_CONTACT;eve;"}
        << QStringList{} << QStringList{};
    QTest::newRow("removed") << QByteArrayList{"ADD_CONTACT;bob;", "ADD_CONTACT;amy;",
                                               "REMOVE_CONTACT;bob;"}
                             << QStringList{"amy|0|||||"} << QStringList{};
    QTest::newRow("letter case counts")
        << QByteArrayList{"ADD_CONTACT;bob;", "ADD_CONTACT;Bob;", "CONTACT_ONLINE;BOB;"}
        << QStringList{"bob|0|||||", "Bob|0|||||"} << QStringList{};
}

void TestContactList::followsTheEngine()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, chat);

    ContactRoom room;
    for (const QByteArray &message : messages)
        room.fixture.receive("ZOL_CLIENT_" + message);
    QCOMPARE(room.rows(), rows);
    QCOMPARE(room.fixture.chat.lines, chat);
    QCOMPARE(room.fixture.sounds.played, QStringList{}); // no sound of its own
}

void TestContactList::startsAfreshAfterAStateRequest()
{
    ContactRoom room;
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;old;");
    room.contacts.setContactListResetPending();
    QCOMPARE(room.rows(), QStringList{"old|0|||||"}); // until the engine reports a contact
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;new;");
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;newer;");
    QCOMPARE(room.rows(), (QStringList{"new|0|||||", "newer|0|||||"}));
    QVERIFY(!room.contacts.ContactListResetPending());

    // The window's own Refrash asks for the same state but keeps the rows.
    room.contacts.execute(ContactAction::Refresh);
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_GETSTATE;"});
    QVERIFY(!room.contacts.ContactListResetPending());
}

void TestContactList::showsItselfUnlessAsked_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("shown");

    QTest::newRow("added") << QByteArray("ADD_CONTACT;amy;") << true;
    QTest::newRow("listed again") << QByteArray("ADD_CONTACT;bob;") << true;
    QTest::newRow("online") << QByteArray("CONTACT_ONLINE;bob;") << true;
    QTest::newRow("ping while online") << QByteArray("CONTACT_PING;bob;A;1;;") << false;
    QTest::newRow("removed") << QByteArray("REMOVE_CONTACT;bob;") << true;
    QTest::newRow("unknown") << QByteArray("CONTACT_OFFLINE;eve;") << false;
}

void TestContactList::showsItselfUnlessAsked()
{
    QFETCH(QByteArray, message);
    QFETCH(bool, shown);

    for (const bool doNotShow : {false, true}) {
        ContactRoom room;
        room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;bob;");
        room.fixture.receive("ZOL_CLIENT_CONTACT_ONLINE;bob;");
        room.window().hide();
        room.window().AutoShowCheckBox->setChecked(doNotShow);
        room.fixture.receive("ZOL_CLIENT_" + message);
        QCOMPARE(room.window().isVisible(), shown && !doNotShow);
    }
}

void TestContactList::actsOnTheSelectedContact()
{
    ContactRoom room;
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;bob;");
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;amy;");
    room.fixture.receive("ZOL_CLIENT_CONTACT_ONLINE;amy;");
    using enum ContactAction;

    room.contacts.execute(UserInfo); // nothing selected: nothing happens
    QCOMPARE(room.profiles.opened, QStringList{});
    room.select(0);
    room.contacts.ActionManager1Update();
    QVERIFY(room.window().action(UserInfo)->isEnabled());
    QVERIFY(!room.window().action(GoToVector)->isEnabled()); // bob is offline
    room.contacts.execute(UserInfo);
    QCOMPARE(room.profiles.opened, QStringList{"bob cached"});

    room.select(1);
    room.contacts.execute(GoToVector); // online, but no ping yet: the empty path
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;;;"});
    room.fixture.receive("ZOL_CLIENT_CONTACT_PING;amy;Arena/PSP/mika;40;;");
    room.contacts.execute(GoToVector);
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/PSP/mika;;"});

    room.fixture.engineAttached = false;
    room.contacts.ActionManager1Update();
    for (int i = 0; i < kContactActionCount; ++i)
        QVERIFY(!room.window().action(ContactAction(i))->isEnabled());
    room.contacts.execute(Refresh);
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
}

void TestContactList::asksBeforeDeleting()
{
    ContactRoom room;
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;bob;");
    room.select(0);
    room.contacts.execute(ContactAction::DeleteContactList);
    QCOMPARE(
        room.prompt.questions,
        QStringList{"Delete bob?..\r\n\r\nAre you sure you want to remove bob from your contact "
                    "list?\r\nIf you choose to remove this contact, you will appear offline "
                    "on their contact list, even if you are online."});
    room.prompt.answers.takeFirst()(false);
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
    room.contacts.execute(ContactAction::DeleteContactList);
    room.prompt.answers.takeFirst()(true);
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_REMOVE_CONTACT;bob;"});
    QCOMPARE(room.rows().size(), 1); // until the engine says so
}

void TestContactList::addsWhatWasTyped()
{
    ContactRoom room;
    room.fixture.actions.execute(ActionId::AddContactlist);
    TAddContactForm &dialog = room.contacts.addContactForm();
    QVERIFY(dialog.isVisible());
    dialog.AddContactBitBtn->click(); // empty: nothing, and the dialog stays
    QVERIFY(dialog.isVisible());
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
    dialog.QTagEdit->setText(QStringLiteral("new;friend"));
    dialog.AddContactBitBtn->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_ADD_CONTACT;new\x02"
                                                 "friend;"});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.QTagEdit->text(), QString());
}

void TestContactList::answersWhoIsOnline()
{
    ContactRoom room;
    room.fixture.receive("ZOL_CLIENT_ADD_CONTACT;bob;");
    QVERIFY(!room.contacts.IsContactOnline(QStringLiteral("bob")));
    room.fixture.receive("ZOL_CLIENT_CONTACT_ONLINE;bob;");
    QVERIFY(room.contacts.IsContactOnline(QStringLiteral("bob")));
    QVERIFY(!room.contacts.IsContactOnline(QStringLiteral("Bob")));
    QVERIFY(!room.contacts.IsContactOnline(QStringLiteral("eve")));
}

QTEST_MAIN(TestContactList)
#include "tst_contact_list.moc"
