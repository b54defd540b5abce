#include "action_table.h"
#include "form_fixture.h"
#include "image_lists.h"
#include "log_file.h"
#include "login_form.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

#include <cerrno>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void hasItsNamedPanes_data();
    void hasItsNamedPanes();
    void buildsMenusAndToolBarsInOrder_data();
    void buildsMenusAndToolBarsInOrder();
    void keepsTrailingSeparatorsDrawn();
    void showsOnlyHintsAsToolTips_data();
    void showsOnlyHintsAsToolTips();
    void drawsEveryImageDifferently();
    void createsItsWindowsInOrder();
    void staysAtLeastItsMinimumSize();
    void widensNoWindowForLongTexts_data();
    void widensNoWindowForLongTexts();
    void hidesAndRestoresTheUpperPart();
    void appliesTheEnablingRulesWhenIdle();
    void runsNoDisabledActionFromCode();
    void reportsAnErrorOfAUserAction();
    void getUserInfoDoesNothing();
    void showsTheSoundSwitchInItsPicture();
    void discoversOnFirstShowOnly();
    void detachesOnceWhenClosedWhileAttached();
    void answersASecondStart_data();
    void answersASecondStart();
};

void TestMainWindow::hasItsNamedPanes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");

    const QList<QPair<const char *, const char *>> panes = {
        {"ActionMainMenuBar", "QMenuBar"},
        {"BaseTopPanel", "QWidget"},
        {"Panel2", "QWidget"},
        {"ActionToolBar1", "QToolBar"},
        {"VectorEdit", "QLineEdit"},
        {"BaseClientPanel", "QSplitter"},
        {"UpperPanel", "QSplitter"},
        {"UpperLeftPanel", "QWidget"},
        {"VectorTreeView", "QTreeWidget"},
        {"UpperLeftSplitter", "QSplitterHandle"},
        {"UpperClientPanel", "QWidget"},
        {"Panel1", "QWidget"},
        {"VectorListViewPanel", "QFrame"},
        {"VectorListView", "QTreeView"},
        {"UpperTopSplitter", "QSplitterHandle"},
        {"UnderPanel", "QWidget"},
        {"UnderTopPanel", "QWidget"},
        {"UserListActionToolBar", "QToolBar"},
        {"ChatEdit", "QLineEdit"},
        {"ActionToolBar2", "QToolBar"},
        {"UnderLeftPanel", "QWidget"},
        {"UserListViewPanel", "QFrame"},
        {"UserListView", "QTreeView"},
        {"UnderLeftSplitter", "QSplitterHandle"},
        {"ClientPanel", "QWidget"},
        {"Panel3", "QWidget"},
        {"ChatLogMemo", "QPlainTextEdit"},
        {"ChatInputPanel", "QWidget"},
        {"ChatInputEdit", "QLineEdit"},
        {"SendChatInputSpeedButton", "QToolButton"},
        {"StatusBar", "QStatusBar"},
        {"PopupMenu1", "QMenu"},
    };
    for (const auto &[name, className] : panes)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
}

void TestMainWindow::hasItsNamedPanes()
{
    QFETCH(QString, name);
    QFETCH(QString, className);

    FormFixture fixture;
    QList<QWidget *> found = fixture.form().findChildren<QWidget *>(name);
    // The other windows have their own names; only the main window's count here.
    found.removeIf([&](QWidget *widget) {
        return widget->window() != &fixture.form() && widget->window() != widget;
    });
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first()->inherits(className.toLatin1()),
             found.first()->metaObject()->className());
}

void TestMainWindow::buildsMenusAndToolBarsInOrder_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("menu bar") << "ActionMainMenuBar"
                              << QStringList{"&File", "&Vector",   "&Chat", "&User",
                                             "&Tool", "&Bookmark", "&Help"};
    QTest::newRow("File") << "FileMenu"
                          << QStringList{"&Search Engine", "&Login", "-",
                                         "&Get user info", "-",      "TovrelUIの終了(&I)"};
    QTest::newRow("Vector") << "VectorMenu"
                            << QStringList{"&Set my Arena status", "&Create private Arena",
                                           "&Go Up Vector", "&Vector Owner Info", "上段の表示(&Z)"};
    QTest::newRow("Chat") << "ChatMenu"
                          << QStringList{"&Clear Contents",
                                         "&Toggle Timestamps",
                                         "T&oggle SaveLog",
                                         "-",
                                         "入出記録の切替(&Z)",
                                         "To&ggle Audio Notification",
                                         "-",
                                         "S&how Orbital Mesh",
                                         "&Setting chat font"};
    QTest::newRow("User") << "UserMenu" << QStringList{"&PrivateMessage",         "&User Info",
                                                       "&Ban This User",          "&Kick This User",
                                                       "B&reak Stream This User", "入退室の音"};
    QTest::newRow("Tool") << "ToolMenu"
                          << QStringList{"&Add Contactlist", "&Show DiagnosticsFrom", "&Refresh",
                                         "-"};
    QTest::newRow("Bookmark") << "BookmarkMenu" << QStringList{"ブックマークの更新", "-"};
    QTest::newRow("Help") << "HelpMenu"
                          << QStringList{"&TeamQuorl", "&ServerMetrics", "S&erverStatus", "-",
                                         "&About..."};
    QTest::newRow("top bar") << "ActionToolBar1" << QStringList{"QuorlZolIconAction",
                                                                "StatusAction",
                                                                "-",
                                                                "ShowContactListAction",
                                                                "ShowDiagnosticsFromAction",
                                                                "SetMyArenaStatusAction",
                                                                "-",
                                                                "CreatePrivateArenaAction",
                                                                "GoUpVectorAction"};
    QTest::newRow("user list bar") << "UserListActionToolBar"
                                   << QStringList{"UserInfoAction",
                                                  "ShowPrivateMessageWindowAction",
                                                  "-",
                                                  "BanThisUserAction",
                                                  "KickThisUserAction",
                                                  "BreakStreamAction",
                                                  "-",
                                                  "ToggleEnterExitAudioNotificationAction",
                                                  "RefreshAction"};
    QTest::newRow("chat bar") << "ActionToolBar2"
                              << QStringList{
                                     "ShowOrbitalMeshAction",     "-",
                                     "ToggleTimestampsAction",    "ClearContentsAction",
                                     "ToggleSaveLogAction",       "-",
                                     "ToggleVectorJoinLogAction", "ToggleAudioNotificationAction",
                                     "SettingFontAction",         "ShowUpperPanelAction",
                                     "ToggleChatInputLineAction"};
    QTest::newRow("sub-vector list menu") << "PopupMenu1" << QStringList{"&Vector Owner Info"};
}

void TestMainWindow::buildsMenusAndToolBarsInOrder()
{
    QFETCH(QString, container);
    QFETCH(QStringList, entries);

    FormFixture fixture;
    QWidget *widget = fixture.form().findChild<QWidget *>(container);
    QVERIFY(widget);
    const bool byName = qobject_cast<QToolBar *>(widget) != nullptr;
    QStringList actual;
    for (const QAction *action : widget->actions()) {
        if (action->isSeparator())
            actual.append(QStringLiteral("-"));
        else if (action->menu())
            actual.append(action->menu()->title());
        else
            actual.append(byName ? action->objectName() : action->text());
    }
    QCOMPARE(actual, entries);
}

void TestMainWindow::keepsTrailingSeparatorsDrawn()
{
    FormFixture fixture;
    for (const char *name : {"ToolMenu", "BookmarkMenu"}) {
        auto *menu = fixture.find<QMenu>(name);
        QVERIFY(menu);
        QAction *last = menu->actions().last();
        QVERIFY(last->isSeparator());
        menu->adjustSize();
        QVERIFY2(menu->actionGeometry(last).height() > 0, name);
    }
}

void TestMainWindow::showsOnlyHintsAsToolTips_data()
{
    QTest::addColumn<QString>("toolBar");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("a hint") << "UserListActionToolBar" << int(ActionId::Refresh)
                            << "部屋一覧とユーザー一覧などを再更新します.";
    QTest::newRow("no hint: not the caption")
        << "ActionToolBar2" << int(ActionId::ToggleChatInputLine) << "";
    QTest::newRow("no hint: not the name") << "ActionToolBar1" << int(ActionId::QuorlZolIcon) << "";
}

void TestMainWindow::showsOnlyHintsAsToolTips()
{
    QFETCH(QString, toolBar);
    QFETCH(int, action);
    QFETCH(QString, toolTip);

    FormFixture fixture;
    fixture.form().show();
    QWidget *button = fixture.form().findChild<QToolBar *>(toolBar)->widgetForAction(
        fixture.action(ActionId(action)));
    QVERIFY(button);
    QToolTip::hideText();
    QHelpEvent ask(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(button, &ask);
    if (toolTip.isEmpty())
        QVERIFY(!QToolTip::isVisible());
    else
        QTRY_COMPARE(QToolTip::text(), toolTip);
    QToolTip::hideText();
}

void TestMainWindow::drawsEveryImageDifferently()
{
    const QList<QIcon> images = ActionImageList();
    QCOMPARE(images.size(), kActionImageCount);
    QList<QImage> pictures;
    for (const QIcon &icon : images) {
        const QImage picture = icon.pixmap(16, 16).toImage();
        QVERIFY(!picture.isNull());
        pictures.append(picture);
    }
    // 20 is the status picture "not hosting" again, as the arena status action shows it.
    for (int i = 0; i < pictures.size(); ++i) {
        for (int j = i + 1; j < pictures.size(); ++j) {
            if (i == 9 && j == 20)
                continue;
            QVERIFY2(pictures[i] != pictures[j],
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        }
    }
    // Crisp at twice the size: drawn anew, not scaled up.
    QCOMPARE(images[0].pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
}

void TestMainWindow::createsItsWindowsInOrder()
{
    FormFixture fixture;
    const QStringList order{"TLoginForm",
                            "TContactListForm",
                            "TZolOrbitalMeshForm",
                            "TAboutForm",
                            "TFailedToJoinArenaForm",
                            "TSetMyArenaStatusForm",
                            "TCreatePrivateArenaForm",
                            "TDiagnosticsForm",
                            "TUserInfoForm",
                            "TInviteForm",
                            "TInviteFromForm",
                            "TAddContactForm",
                            "TFindUserInfoForm"};
    // As the subsystems handed them out, and as they stand among the main window's children.
    QStringList created;
    for (const QWidget *window : fixture.rooms().windowsAtStart()) {
        created.append(QString::fromLatin1(window->metaObject()->className()));
        QVERIFY(window->isWindow());
        QVERIFY(!window->isVisible());
        QCOMPARE(window->parentWidget(), &fixture.form());
    }
    QCOMPARE(created, order);
    QStringList children;
    for (QObject *child : fixture.form().children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->isWindow() && !qobject_cast<QMenu *>(widget))
            children.append(QString::fromLatin1(widget->metaObject()->className()));
    }
    QCOMPARE(children, order);
}

void TestMainWindow::staysAtLeastItsMinimumSize()
{
    FormFixture fixture;
    fixture.form().resize(500, 300);
    QCOMPARE(fixture.form().size(), QSize(600, 400));
    fixture.form().resize(800, 300);
    QCOMPARE(fixture.form().size(), QSize(800, 400));
}

void TestMainWindow::widensNoWindowForLongTexts_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("openDiagnostics");
    QTest::addColumn<int>("windowsShown");

    // As long as one datagram carries, with no place to break.
    const QByteArray text(60000, 'x');
    QTest::newRow("status") << "ZOL_CLIENT_STATUS;" + text + ";" << false << 1;
    QTest::newRow("PM from a long QTag") << "ZOL_CLIENT_PM;" + text + ";hi;" << false << 2;
    QTest::newRow("arena PM") << "ZOL_CLIENT_ARENA_PM;" + text + ";hi;" << false << 2;
    QTest::newRow("inviter") << "ZOL_CLIENT_INVITE;" + text + ";Arena;come;" << false << 2;
    QTest::newRow("invited to") << "ZOL_CLIENT_INVITE;bob;" + text + ";come;" << false << 2;
    QTest::newRow("invitation message")
        << "ZOL_CLIENT_INVITE;bob;Arena;" + text + ";" << false << 2;
    QTest::newRow("network figure, shown later")
        << "ZOL_CLIENT_METRICS;" + text +
               ";Yes;203.0.113.1;34523;7.2;Linux;Q;eth0;No;1;2;3;4;"
               "5;6;0;12;7;8;9;10;ssid;"
        << true << 2;
}

void TestMainWindow::widensNoWindowForLongTexts()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, openDiagnostics);
    QFETCH(int, windowsShown);

    FormFixture fixture;
    fixture.form().show();
    fixture.logIn();
    fixture.receive(datagram);
    if (openDiagnostics)
        fixture.trigger(ActionId::ShowDiagnosticsFrom);
    fixture.sent();

    const int screenWidth = fixture.form().screen()->availableSize().width();
    int shown = 0;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        ++shown;
        QVERIFY2(window->width() <= screenWidth, qPrintable(window->objectName()));
        QVERIFY2(window->minimumSizeHint().width() <= screenWidth,
                 qPrintable(window->objectName()));
    }
    QCOMPARE(shown, windowsShown);
}

void TestMainWindow::hidesAndRestoresTheUpperPart()
{
    FormFixture fixture;
    fixture.form().show();
    const QStringList upper{"BaseTopPanel", "UpperPanel", "UpperTopSplitter"};
    const auto shown = [&](const QString &name) {
        return fixture.form().findChild<QWidget *>(name)->isVisible();
    };

    fixture.trigger(ActionId::ShowUpperPanel);
    for (const QString &name : upper)
        QVERIFY2(!shown(name), qPrintable(name));
    QVERIFY(!fixture.action(ActionId::ShowUpperPanel)->isChecked());
    // Still reachable: the chat bar stays, and so does the Vector menu.
    QVERIFY(shown(QStringLiteral("ActionToolBar2")));
    QVERIFY(fixture.find<QMenu>("VectorMenu")
                ->actions()
                .contains(fixture.action(ActionId::ShowUpperPanel)));

    fixture.trigger(ActionId::ShowUpperPanel);
    for (const QString &name : upper)
        QVERIFY2(shown(name), qPrintable(name));
}

void TestMainWindow::appliesTheEnablingRulesWhenIdle()
{
    FormFixture fixture;
    QVERIFY(fixture.action(ActionId::SearchEngine)->isEnabled());
    QVERIFY(!fixture.action(ActionId::Login)->isEnabled());
    QVERIFY(!fixture.action(ActionId::Refresh)->isEnabled());

    fixture.receive("ZOL_CLIENT_ATTACH;");
    QVERIFY(!fixture.action(ActionId::Login)->isEnabled());
    // An event loop that runs out of work and waits: the application is idle.
    QEventLoop idle;
    QTimer::singleShot(50, &idle, &QEventLoop::quit);
    idle.exec();
    QVERIFY(fixture.action(ActionId::Login)->isEnabled());
    QVERIFY(!fixture.action(ActionId::SearchEngine)->isEnabled());
}

void TestMainWindow::runsNoDisabledActionFromCode()
{
    FormFixture fixture;
    fixture.trigger(ActionId::Login); // detached: Login is not enabled
    QVERIFY(!fixture.form().rooms().session().loginForm().isVisible());
    fixture.trigger(ActionId::Refresh);
    QCOMPARE(fixture.sent(), QByteArrayList{});
}

void TestMainWindow::reportsAnErrorOfAUserAction()
{
    FormFixture fixture;
    fixture.form().actions().setHandler(ActionId::GetUserInfo, [] {
        throw IoError(QStringLiteral("I/O error 13: cannot write"), EACCES);
    });
    fixture.trigger(ActionId::GetUserInfo);
    QCOMPARE(fixture.prompts.errors, QStringList{"I/O error 13: cannot write"});
}

void TestMainWindow::getUserInfoDoesNothing()
{
    FormFixture fixture;
    fixture.logIn();
    QVERIFY(fixture.action(ActionId::GetUserInfo)->isEnabled());
    fixture.trigger(ActionId::GetUserInfo);
    QCOMPARE(fixture.sent(), QByteArrayList{});
    QCOMPARE(fixture.prompts.errors, QStringList{});
}

void TestMainWindow::showsTheSoundSwitchInItsPicture()
{
    FormFixture fixture;
    for (const ActionId soundSwitch :
         {ActionId::ToggleAudioNotification, ActionId::ToggleEnterExitAudioNotification}) {
        QCOMPARE(fixture.form().actions().imageIndex(soundSwitch), 36);
        fixture.trigger(soundSwitch);
        QVERIFY(fixture.action(soundSwitch)->isChecked());
        QCOMPARE(fixture.form().actions().imageIndex(soundSwitch), 35);
        fixture.trigger(soundSwitch);
        QVERIFY(!fixture.action(soundSwitch)->isChecked());
        QCOMPARE(fixture.form().actions().imageIndex(soundSwitch), 36);
    }
}

void TestMainWindow::discoversOnFirstShowOnly()
{
    FormFixture fixture;
    fixture.form().show();
    fixture.form().hide();
    fixture.form().show();
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_DISCOVER;"});
}

void TestMainWindow::detachesOnceWhenClosedWhileAttached()
{
    FormFixture fixture;
    fixture.form().show();
    fixture.receive("ZOL_CLIENT_ATTACH;");
    fixture.sent();
    fixture.form().close();
    fixture.form().close();
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_DETACH;"});
}

void TestMainWindow::answersASecondStart_data()
{
    QTest::addColumn<bool>("attached");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("detached") << false << QByteArrayList{"ZOL_CLIENT_DISCOVER;"};
    QTest::newRow("attached") << true << QByteArrayList{};
}

void TestMainWindow::answersASecondStart()
{
    QFETCH(bool, attached);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    if (attached) {
        fixture.receive("ZOL_CLIENT_ATTACH;");
        fixture.sent();
    }
    fixture.form().secondInstanceActivated();
    QCOMPARE(fixture.sent(), sent);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
