// The main window against the substitute engine running as a program of its own.

#include "action_table.h"
#include "arena_dialogs.h"
#include "arena_status.h"
#include "arena_users.h"
#include "contact_list.h"
#include "contact_list_model.h"
#include "diagnostics.h"
#include "diagnostics_form.h"
#include "failed_to_join_arena_form.h"
#include "form_fixture.h"
#include "invitations.h"
#include "login_form.h"
#include "private_messages.h"
#include "profiles.h"
#include "program_runner.h"
#include "session.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_navigation.h"
#include "zol_orbital_mesh_form.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUdpSocket>

namespace {

const QString kMonsterHunter = QStringLiteral("Arena/PSP/Action/Monster Hunter Freedom");

quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.localPort();
}

QStringList captionsOf(const UserListModel &rows)
{
    QStringList captions;
    for (int i = 0; i < rows.rowCount(); ++i)
        captions.append(rows.rowAt(i)->caption);
    return captions;
}

} // namespace

// The window of the fixture, pointed at a substitute engine started for the test.
class EngineAndWindow {
public:
    explicit EngineAndWindow(const QStringList &engineArguments)
        : m_port(freePort())
        , m_engine(QStringLiteral(ZOL_ENGINE_SIM),
                   QStringList{QStringLiteral("--calm"), QStringLiteral("--port"),
                               QString::number(m_port)} +
                       engineArguments,
                   m_home)
    {}

    bool start()
    {
        if (!m_engine.start() || !m_engine.waitForOutput(QStringLiteral("listening")))
            return false;
        m_window = std::make_unique<FormFixture>(
            EngineAddress{QHostAddress(QHostAddress::LocalHost), m_port});
        m_window->form().show();
        return QTest::qWaitFor([&] { return m_window->form().link().EngineAttached(); }, 5000);
    }

    FormFixture &window() { return *m_window; }
    quint16 enginePort() const { return m_port; }
    TTovrelUIForm &form() { return m_window->form(); }

private:
    QTemporaryDir m_home;
    quint16 m_port;
    ProgramRunner m_engine;
    std::unique_ptr<FormFixture> m_window;
};

class TestAgainstEngine : public QObject {
    Q_OBJECT

private slots:
    void logsInThroughTheDialog();
    void refusesAWrongPassword();
    void entersAnArenaListsItsUsersAndChats();
    void entersAPasswordArenaOnTheSecondTry();
    void isTakenOverByAnotherFrontEnd();
    void createsAnArenaAndArrivesInIt();
    void showsTheEngineMetrics();
    void opensAProfileWithItsPicture();
    void listsTheContactsAndWhoIsOnline();
    void getsAnAnswerToAPrivateMessage();
    void followsAnInvitation();
};

void TestAgainstEngine::logsInThroughTheDialog()
{
    EngineAndWindow world({});
    QVERIFY(world.start());
    TLoginForm &login = world.form().rooms().session().loginForm();
    QTRY_VERIFY(login.isVisible());
    QVERIFY(!world.form().rooms().session().SessionActive());

    login.QTagEdit->setText(QStringLiteral("alice"));
    login.PasswordEdit->setText(QStringLiteral("wonderland"));
    login.BitBtn1->click();

    QTRY_VERIFY(world.form().rooms().session().SessionActive());
    QCOMPARE(world.form().rooms().arenaUsers().OwnQTag(), QStringLiteral("alice"));
    QTRY_COMPARE(world.form().rooms().session().StatusText(),
                 QStringLiteral("Logged in to Quorl as alice."));
    QTRY_VERIFY(world.window()
                    .logFileText(world.window().clock.time.date())
                    .contains(QStringLiteral("[12:05]Logged in to Quorl as alice.\r\n")));
    // The messenger connection takes the window to the top level and its chat room.
    QTRY_COMPARE(world.form().findChild<QLineEdit *>(QStringLiteral("ChatEdit"))->text(),
                 QStringLiteral("General Chat"));
}

void TestAgainstEngine::refusesAWrongPassword()
{
    EngineAndWindow world({});
    QVERIFY(world.start());
    TLoginForm &login = world.form().rooms().session().loginForm();
    QTRY_VERIFY(login.isVisible());
    login.QTagEdit->setText(QStringLiteral("alice"));
    login.PasswordEdit->setText(QStringLiteral("wrong"));
    login.BitBtn1->click();
    QTest::qWait(300);
    QVERIFY(!world.form().rooms().session().SessionActive());
    QVERIFY(!login.isVisible());
    // The user may try again.
    world.form().ActionManagerUpdate();
    QVERIFY(world.form().actions().action(ActionId::Login)->isEnabled());
}

void TestAgainstEngine::entersAnArenaListsItsUsersAndChats()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    QTRY_VERIFY(world.form().rooms().session().SessionActive());

    world.form().rooms().navigation().EnterVector(kMonsterHunter);
    QTRY_COMPARE(world.form().rooms().navigation().currentVectorPath(), kMonsterHunter);
    QTRY_VERIFY(
        captionsOf(world.form().rooms().arenaUsers().rows()).contains(QStringLiteral("akira")));
    const UserListModel &users = world.form().rooms().arenaUsers().rows();
    for (const char *qtag : {"akira", "mika", "kenji", "yuki", "hiro", "sakura"}) {
        const UserRow *row = users.FindUserRow(QString::fromLatin1(qtag));
        QVERIFY2(row, qtag);
        QTRY_VERIFY(row->inVector);
        QTRY_VERIFY(!row->ping.isEmpty()); // the ping follows the arrival
    }
    // Its user arenas in the sub-vector list, the room's description in the orbital mesh.
    QTRY_VERIFY(world.form().rooms().navigation().subVectors().findRow(QStringLiteral("mika")));
    QCOMPARE(world.form().rooms().navigation().subVectors().findRow(QStringLiteral("mika"))->image,
             int(VectorListModel::LockedUserArena));
    QTRY_COMPARE(world.form().rooms().chatRoom().orbitalMeshForm().VectorEdit->text(),
                 kMonsterHunter);

    auto *input = world.form().findChild<QLineEdit *>(QStringLiteral("ChatInputEdit"));
    QTest::keyClicks(input, QStringLiteral("hello; "));
    input->insert(QStringLiteral("\u3042"));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY(world.window().chatText().contains(QStringLiteral("]alice: hello; \u3042")));
}

void TestAgainstEngine::entersAPasswordArenaOnTheSecondTry()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    QTRY_VERIFY(world.form().rooms().session().SessionActive());

    const QString locked = kMonsterHunter + QStringLiteral("/mika");
    world.form().rooms().navigation().EnterVector(locked);
    TFailedToJoinArenaForm &dialog = world.form().rooms().navigation().failedToJoinForm();
    QTRY_VERIFY(dialog.isVisible());
    QCOMPARE(dialog.VectorStaticText->text(), locked);
    dialog.PasswordEdit->setText(QStringLiteral("hunt"));
    dialog.Button1->click();
    QTRY_COMPARE(world.form().rooms().navigation().currentVectorPath(), locked);
}

void TestAgainstEngine::isTakenOverByAnotherFrontEnd()
{
    EngineAndWindow world({});
    QVERIFY(world.start());

    // Another window asks; the engine is in use, the user there says yes.
    FormFixture other(EngineAddress{QHostAddress(QHostAddress::LocalHost), world.enginePort()});
    other.form().show();
    QTRY_COMPARE(other.prompts.openQuestions.size(), 1);
    QVERIFY(!other.form().link().EngineAttached());
    other.prompts.openQuestions.takeFirst()(true);

    QTRY_VERIFY(other.form().link().EngineAttached());
    QTRY_VERIFY(!world.form().link().EngineAttached());
    QCOMPARE(world.form().actions().imageIndex(ActionId::QuorlZolIcon), 0);
}

void TestAgainstEngine::createsAnArenaAndArrivesInIt()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    QTRY_VERIFY(world.form().rooms().session().SessionActive());
    world.form().rooms().navigation().EnterVector(kMonsterHunter);
    QTRY_VERIFY(world.form().rooms().navigation().ArenaCreationAllowed());

    world.window().trigger(ActionId::CreatePrivateArena);
    TCreatePrivateArenaForm &dialog = world.form().rooms().arenaStatus().createForm();
    QVERIFY(dialog.isVisible());
    dialog.MaximumPlayersComboBox->setCurrentIndex(4);
    dialog.DescriptionEdit->setText(QStringLiteral("みんなで狩り"));
    dialog.BitBtn2->click();

    const QString own = kMonsterHunter + QStringLiteral("/alice");
    QTRY_COMPARE(world.form().rooms().navigation().currentVectorPath(), own);
    QTRY_VERIFY(world.window().chatText().contains(QStringLiteral("Enter ") + own));
}

void TestAgainstEngine::showsTheEngineMetrics()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    TDiagnosticsForm &diagnostics = world.form().rooms().diagnostics().diagnosticsForm();
    QTRY_COMPARE(diagnostics.MacAddressListView->topLevelItemCount(), 3);

    world.window().trigger(ActionId::ShowDiagnosticsFrom);
    diagnostics.Timer1->setInterval(20);
    QTRY_VERIFY(world.form().rooms().diagnostics().trafficHistory().HistoryIndex() >= 2);
    QVERIFY(!diagnostics.valueText("OrbNameStaticText")->text().isEmpty());
    QVERIFY(!diagnostics.valueText("AdapterStaticText")->text().isEmpty());
}

void TestAgainstEngine::opensAProfileWithItsPicture()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    QTRY_VERIFY(world.form().rooms().session().SessionActive());
    Profiles &profiles = world.form().rooms().profiles();
    profiles.OpenProfile(QStringLiteral("akira"), true);
    TUserInfoForm &window = profiles.userInfoForm();
    QTRY_VERIFY(window.InfoStaticText->text().startsWith(u"Age: "));
    QVERIFY(window.InfoStaticText->text().contains(u"Location: "));
    QTRY_COMPARE(window.IconImage->pixmap().deviceIndependentSize(), QSizeF(64, 64));
    QVERIFY(QFile::exists(profiles.cacheFileOf(QStringLiteral("akira"))));
}

void TestAgainstEngine::listsTheContactsAndWhoIsOnline()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    ContactList &contacts = world.form().rooms().contactList();
    QTRY_COMPARE(contacts.rows().rowCount(), 5);
    QTRY_VERIFY(contacts.IsContactOnline(QStringLiteral("akira")));
    QVERIFY(!contacts.IsContactOnline(QStringLiteral("bob"))); // an account, not logged in
    QTRY_VERIFY(world.window().chatText().contains(QStringLiteral("]akira is Online.")));
    QVERIFY(contacts.contactListForm().isVisible());
    QCOMPARE(contacts.rows().findRow(QStringLiteral("akira"))->room,
             QStringLiteral("Monster Hunter Freedom"));
}

void TestAgainstEngine::getsAnAnswerToAPrivateMessage()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    const QStringList people = {QStringLiteral("akira"), QStringLiteral("mika"),
                                QStringLiteral("kenji")};
    ContactList &contacts = world.form().rooms().contactList();
    for (const QString &qtag : people)
        QTRY_VERIFY(contacts.IsContactOnline(qtag));
    // Some of the world's people answer; one of these three at least.
    PrivateMessages &messages = world.form().rooms().privateMessages();
    for (const QString &qtag : people) {
        TPrivateMessageForm *window = messages.openWindow(qtag);
        window->InputEdit->setText(QStringLiteral("hi there"));
        window->SendPMBitBtn->click();
        QCOMPARE(window->MessageMemo->toPlainText(), QStringLiteral("alice: hi there\n"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(
            people.cbegin(), people.cend(),
            [&](const QString &qtag) {
                return messages.FindPrivateMessageWindow(qtag)->MessageMemo->toPlainText().contains(
                    qtag + QStringLiteral(": "));
            }),
        5000);
}

void TestAgainstEngine::followsAnInvitation()
{
    EngineAndWindow world({QStringLiteral("--logged-in"), QStringLiteral("alice")});
    QVERIFY(world.start());
    QTRY_VERIFY(world.form().rooms().session().SessionActive());
    world.window().receive("ZOL_CLIENT_INVITE;akira;" + kMonsterHunter.toUtf8() + ";come;");
    TInviteFromForm &dialog = world.form().rooms().invitations().inviteFromForm();
    QVERIFY(dialog.isVisible());
    dialog.GoBitBtn->click();
    QTRY_COMPARE(world.form().rooms().navigation().currentVectorPath(), kMonsterHunter);
}

QTEST_MAIN(TestAgainstEngine)
#include "tst_against_engine.moc"
