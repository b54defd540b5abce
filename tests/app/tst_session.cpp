#include "action_table.h"
#include "form_fixture.h"
#include "login_form.h"
#include "session.h"
#include "user_list_model.h"
#include "vector_list_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void greysThePanesWithoutASession_data();
    void greysThePanesWithoutASession();
    void enablesSendOnlyInASessionWithInput_data();
    void enablesSendOnlyInASessionWithInput();
    void followsTheSessionMessages_data();
    void followsTheSessionMessages();
    void offersTheEngineCredentials_data();
    void offersTheEngineCredentials();
    void showsTheStatusTextAndHints();
    void returnsToTheTopLevelForTheMessenger_data();
    void returnsToTheTopLevelForTheMessenger();
    void engineIconActsByState_data();
    void engineIconActsByState();
    void statusIconShowsTheLinkState();
    void statusIconDoesNothingWhileDetached();
    void signsInWithWhateverWasTyped();
    void asksAtMostTwiceAtOnceWhetherToTakeOver();
};

void TestSession::greysThePanesWithoutASession_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("logged in") << true;
    QTest::newRow("not logged in") << false;
}

void TestSession::greysThePanesWithoutASession()
{
    QFETCH(bool, active);

    FormFixture fixture;
    fixture.form().rooms().session().SetSessionActive(active);

    const QColor expected =
        QApplication::palette().color(active ? QPalette::Base : QPalette::Button);
    for (const char *pane : {"VectorTreeView", "VectorEdit", "VectorListView", "UserListView",
                             "ChatLogMemo", "ChatInputEdit"})
        QCOMPARE(fixture.find<QWidget>(pane)->palette().color(QPalette::Base), expected);
    QCOMPARE(fixture.find<QWidget>("VectorTreeView")->isEnabled(), active);
    QVERIFY(fixture.find<QWidget>("UserListView")->isEnabled());
    QCOMPARE(fixture.form().rooms().session().SessionActive(), active);
}

void TestSession::enablesSendOnlyInASessionWithInput_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("session, empty input") << true << "" << false;
    QTest::newRow("session, input") << true << "x" << true;
    QTest::newRow("no session, input") << false << "x" << false;
}

void TestSession::enablesSendOnlyInASessionWithInput()
{
    QFETCH(bool, active);
    QFETCH(QString, input);
    QFETCH(bool, enabled);

    FormFixture fixture;
    fixture.find<QLineEdit>("ChatInputEdit")->setText(input);
    fixture.form().rooms().session().SetSessionActive(active);
    QCOMPARE(fixture.find<QAbstractButton>("SendChatInputSpeedButton")->isEnabled(), enabled);
}

void TestSession::followsTheSessionMessages_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<bool>("active");

    QTest::newRow("logged in") << QByteArrayList{"ZOL_CLIENT_LOGGED_IN;"} << true;
    QTest::newRow("user data") << QByteArrayList{"ZOL_CLIENT_USER_DATA;me;"} << true;
    QTest::newRow("not logged in after logged in")
        << QByteArrayList{"ZOL_CLIENT_LOGGED_IN;", "ZOL_CLIENT_NOT_LOGGED_IN;;;"} << false;
    QTest::newRow("detach ends it")
        << QByteArrayList{"ZOL_CLIENT_LOGGED_IN;", "ZOL_CLIENT_DETACH;"} << false;
    QTest::newRow("attach ends it")
        << QByteArrayList{"ZOL_CLIENT_LOGGED_IN;", "ZOL_CLIENT_ATTACH;"} << false;
    QTest::newRow("connected arena, code page, session key change nothing")
        << QByteArrayList{"ZOL_CLIENT_LOGGED_IN;", "ZOL_CLIENT_CONNECTED_ARENA;",
                          "ZOL_CLIENT_CODEPAGE;932;", "ZOL_CLIENT_SESSION_KEY;abc;"}
        << true;
    QTest::newRow("authentication failed changes nothing")
        << QByteArrayList{"ZOL_CLIENT_AUTHENTICATION_FAILED;"} << false;
}

void TestSession::followsTheSessionMessages()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(bool, active);

    FormFixture fixture;
    for (const QByteArray &message : messages)
        fixture.receive(message);
    QCOMPARE(fixture.form().rooms().session().SessionActive(), active);
}

void TestSession::offersTheEngineCredentials_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("qtag");
    QTest::addColumn<QString>("password");

    QTest::newRow("both") << QByteArray("ZOL_CLIENT_NOT_LOGGED_IN;alice;secret;") << "alice"
                          << "secret";
    QTest::newRow("two empty fields") << QByteArray("ZOL_CLIENT_NOT_LOGGED_IN;;;") << ""
                                      << "";
    QTest::newRow("no password field") << QByteArray("ZOL_CLIENT_NOT_LOGGED_IN;alice;") << "alice"
                                       << "";
    QTest::newRow("no fields at all") << QByteArray("ZOL_CLIENT_NOT_LOGGED_IN") << ""
                                      << "";
}

void TestSession::offersTheEngineCredentials()
{
    QFETCH(QByteArray, message);
    QFETCH(QString, qtag);
    QFETCH(QString, password);

    FormFixture fixture;
    TLoginForm &login = fixture.form().rooms().session().loginForm();
    login.PasswordEdit->setText(QStringLiteral("typed before"));
    fixture.receive("ZOL_CLIENT_ATTACH;");
    fixture.receive(message);

    QVERIFY(login.isVisible());
    QCOMPARE(login.QTagEdit->text(), qtag);
    QCOMPARE(login.PasswordEdit->text(), password);

    // A second report while the dialog is up keeps it up with the new texts.
    fixture.receive("ZOL_CLIENT_NOT_LOGGED_IN;bob;pw;");
    QVERIFY(login.isVisible());
    QCOMPARE(login.QTagEdit->text(), QStringLiteral("bob"));
}

void TestSession::showsTheStatusTextAndHints()
{
    FormFixture fixture;
    Session &session = fixture.form().rooms().session();
    fixture.receive("ZOL_CLIENT_STATUS;\xe6\x8e\xa5\xe7\xb6\x9a\xe4\xb8\xad;"); // 接続中, UTF-8

    QCOMPARE(session.StatusText(), QStringLiteral("接続中"));
    QCOMPARE(session.statusBarText(), QStringLiteral("接続中"));
    QCOMPARE(fixture.chatText(), QStringLiteral("[12:05]接続中"));

    // Pointing at a tool bar button shows its hint; moving away shows the status again.
    QWidget *button = fixture.find<QToolBar>("UserListActionToolBar")
                          ->widgetForAction(fixture.action(ActionId::Refresh));
    QStatusTipEvent pointAt(fixture.action(ActionId::Refresh)->statusTip());
    QCoreApplication::sendEvent(button, &pointAt);
    QCOMPARE(session.statusBarText(), QStringLiteral("部屋一覧とユーザー一覧などを再更新します."));
    QStatusTipEvent moveAway{QString()};
    QCoreApplication::sendEvent(button, &moveAway);
    QCOMPARE(session.statusBarText(), QStringLiteral("接続中"));

    // A text of several lines keeps the status bar one line high; the chat shows every line.
    fixture.form().show();
    auto *statusBar = fixture.find<QStatusBar>("StatusBar");
    fixture.receive("ZOL_CLIENT_STATUS;one;");
    DrainEventLoop();
    const int height = statusBar->height();
    fixture.receive("ZOL_CLIENT_STATUS;one\r\ntwo\nthree;");
    QCOMPARE(session.StatusText(), QStringLiteral("one\r\ntwo\nthree"));
    QCOMPARE(session.statusBarText(), QStringLiteral("one two three"));
    DrainEventLoop();
    QCOMPARE(statusBar->height(), height);
    QVERIFY(fixture.chatText().endsWith(u"[12:05]one\ntwo\nthree"));
}

void TestSession::returnsToTheTopLevelForTheMessenger_data()
{
    QTest::addColumn<bool>("rootSelected");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("root not selected")
        << false << QByteArrayList{"ZOL_CLIENT_VECTOR;;;", "ZOL_CLIENT_CHATMODE;General Chat;"};
    QTest::newRow("root already selected")
        << true << QByteArrayList{"ZOL_CLIENT_CHATMODE;General Chat;"};
}

void TestSession::returnsToTheTopLevelForTheMessenger()
{
    QFETCH(bool, rootSelected);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    fixture.logIn();
    auto *tree = fixture.find<QTreeWidget>("VectorTreeView");
    tree->setCurrentItem(rootSelected ? tree->topLevelItem(0) : tree->topLevelItem(0)->child(0));
    fixture.receive("ZOL_CLIENT_VECTOR;Arena;0;");
    fixture.receive("ZOL_CLIENT_SUB_VECTOR;Arena/PSP;1;0;x;8;");
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;only-in-arena;");
    fixture.receive("ZOL_CLIENT_JOINS_CHAT;Arena;chatting;");
    if (rootSelected)
        tree->setCurrentItem(tree->topLevelItem(0));
    fixture.sent();

    fixture.receive("ZOL_CLIENT_CONNECTED_MESSENGER;");

    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QCOMPARE(fixture.form().rooms().navigation().subVectors().rowCount(), 0);
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowCount(), 1);
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowAt(0)->caption,
             QStringLiteral("chatting"));
    QCOMPARE(fixture.sent(), sent);
}

void TestSession::engineIconActsByState_data()
{
    QTest::addColumn<QByteArrayList>("state");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<bool>("loginShown");

    QTest::newRow("detached") << QByteArrayList{} << QByteArrayList{"ZOL_CLIENT_DISCOVER;"}
                              << false;
    QTest::newRow("attached, not logged in")
        << QByteArrayList{"ZOL_CLIENT_ATTACH;"} << QByteArrayList{} << true;
    QTest::newRow("logged in") << QByteArrayList{"ZOL_CLIENT_ATTACH;", "ZOL_CLIENT_LOGGED_IN;"}
                               << QByteArrayList{} << false;
}

void TestSession::engineIconActsByState()
{
    QFETCH(QByteArrayList, state);
    QFETCH(QByteArrayList, sent);
    QFETCH(bool, loginShown);

    FormFixture fixture;
    for (const QByteArray &message : state)
        fixture.receive(message);
    fixture.sent();
    fixture.trigger(ActionId::QuorlZolIcon);
    QCOMPARE(fixture.sent(), sent);
    QCOMPARE(fixture.form().rooms().session().loginForm().isVisible(), loginShown);
}

void TestSession::statusIconShowsTheLinkState()
{
    FormFixture fixture;
    ActionTable &actions = fixture.form().actions();
    QCOMPARE(actions.imageIndex(ActionId::Status), 13);
    QCOMPARE(actions.imageIndex(ActionId::QuorlZolIcon), 0);

    fixture.receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(actions.imageIndex(ActionId::QuorlZolIcon), 0);

    fixture.receive("ZOL_CLIENT_ATTACH;");
    QCOMPARE(actions.imageIndex(ActionId::Status), 9);
    QCOMPARE(actions.imageIndex(ActionId::QuorlZolIcon), 2);
    fixture.receive("ZOL_CLIENT_STATUS;x;");
    QCOMPARE(actions.imageIndex(ActionId::QuorlZolIcon), 3);

    fixture.receive("ZOL_CLIENT_DETACH;");
    QCOMPARE(actions.imageIndex(ActionId::Status), 13);
    QCOMPARE(actions.imageIndex(ActionId::QuorlZolIcon), 0);
}

void TestSession::statusIconDoesNothingWhileDetached()
{
    FormFixture fixture;
    QWidget *dialog = fixture.form().findChild<QWidget *>(QStringLiteral("SetMyArenaStatusForm"));
    for (int i = 0; i < 3; ++i)
        fixture.trigger(ActionId::Status);
    QCOMPARE(fixture.sent(), QByteArrayList{});
    QCOMPARE(fixture.prompts.errors, QStringList{});
    QVERIFY(!dialog->isVisible());
    // Attached and logged in, it opens the arena status dialog.
    fixture.logIn();
    fixture.trigger(ActionId::Status);
    QVERIFY(dialog->isVisible());
}

void TestSession::signsInWithWhateverWasTyped()
{
    FormFixture fixture;
    fixture.receive("ZOL_CLIENT_ATTACH;");
    fixture.sent();
    fixture.trigger(ActionId::Login);
    TLoginForm &login = fixture.form().rooms().session().loginForm();
    QVERIFY(login.isVisible());
    QCOMPARE(login.focusWidget(), login.QTagEdit);
    QCOMPARE(login.PasswordEdit->echoMode(), QLineEdit::Password);
    QVERIFY(login.BitBtn1->isDefault());

    // Enter in a box presses "Sign in"; empty boxes are sent all the same.
    QTest::keyClick(login.PasswordEdit, Qt::Key_Return);
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_LOGIN;;;"});
    QVERIFY(!login.isVisible());
    QVERIFY(!fixture.form().rooms().session().SessionActive());

    fixture.trigger(ActionId::Login);
    QTest::keyClicks(login.QTagEdit, QStringLiteral("alice"));
    QTest::keyClicks(login.PasswordEdit, QStringLiteral("won;der"));
    login.BitBtn1->click();
    // A ';' typed into a box stays inside its field.
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_LOGIN;alice;won\x02"
                                            "der;"});
}

void TestSession::asksAtMostTwiceAtOnceWhetherToTakeOver()
{
    FormFixture fixture;
    for (int i = 0; i < 50; ++i)
        fixture.receive("ZOL_CLIENT_ENGINE_IN_USE;");
    QCOMPARE(fixture.prompts.openQuestions.size(), 2);
    // Answered, one may be asked again.
    fixture.prompts.openQuestions.takeFirst()(false);
    fixture.receive("ZOL_CLIENT_ENGINE_IN_USE;");
    QCOMPARE(fixture.prompts.openQuestions.size(), 2);
    fixture.prompts.openQuestions.takeLast()(true);
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_TAKEOVER;"});
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
