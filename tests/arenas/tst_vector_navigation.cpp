#include "action_table.h"
#include "failed_to_join_arena_form.h"
#include "form_fixture.h"
#include "user_list_model.h"
#include "vector_list_model.h"
#include "vector_navigation.h"
#include "vector_tree.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

class TestVectorNavigation : public QObject {
    Q_OBJECT

private slots:
    void entersWhatTheEngineReports_data();
    void entersWhatTheEngineReports();
    void asksForVectorsByTreeListAndGoUp_data();
    void asksForVectorsByTreeListAndGoUp();
    void switchesTheEnterExitSoundsOffWhenMoving_data();
    void switchesTheEnterExitSoundsOffWhenMoving();
    void listsSubVectors_data();
    void listsSubVectors();
    void sortsByAColumnClicked();
    void retriesARefusedPassword();
    void reportsOtherRefusalsInTheChat();
    void refreshesTheWholeState();
    void focusAloneMovesNobody();

private:
    static QStringList rowsOf(const VectorListModel &model);
};

QStringList TestVectorNavigation::rowsOf(const VectorListModel &model)
{
    QStringList rows;
    for (int i = 0; i < model.rowCount(); ++i) {
        const VectorRow *row = model.rowAt(i);
        rows.append(QStringList{row->caption, QString::number(row->image), row->users,
                                row->capacity, row->subVectors, row->description}
                        .join(u'|'));
    }
    return rows;
}

void TestVectorNavigation::entersWhatTheEngineReports_data()
{
    QTest::addColumn<QByteArray>("vector");
    QTest::addColumn<QString>("selectedBefore");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("selectedAfter");
    QTest::addColumn<bool>("creationAllowed");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("top level, another node selected")
        << QByteArray("ZOL_CLIENT_VECTOR;;0;") << "Arena"
        << ""
        << "" << false
        << QByteArrayList{"ZOL_CLIENT_VECTOR;;;", "ZOL_CLIENT_CHATMODE;General Chat;"};
    QTest::newRow("top level, root already selected")
        << QByteArray("ZOL_CLIENT_VECTOR;;0;") << ""
        << ""
        << "" << false << QByteArrayList{"ZOL_CLIENT_CHATMODE;General Chat;"};
    QTest::newRow("known node is selected without an enter command")
        << QByteArray("ZOL_CLIENT_VECTOR;Arena/PSP;1;") << ""
        << "Arena/PSP"
        << "Arena/PSP" << true
        << QByteArrayList{"ZOL_CLIENT_GET_VECTORS;Arena/PSP;", "ZOL_CLIENT_CHATMODE;Arena/PSP;"};
    QTest::newRow("unknown node leaves the selection")
        << QByteArray("ZOL_CLIENT_VECTOR;Arena/Nowhere;0;") << "Arena"
        << "Arena/Nowhere"
        << "Arena" << false
        << QByteArrayList{"ZOL_CLIENT_GET_VECTORS;Arena/Nowhere;",
                          "ZOL_CLIENT_CHATMODE;Arena/Nowhere;"};
    QTest::newRow("missing creation flag")
        << QByteArray("ZOL_CLIENT_VECTOR;Arena") << ""
        << "Arena"
        << "Arena" << false
        << QByteArrayList{"ZOL_CLIENT_GET_VECTORS;Arena;", "ZOL_CLIENT_CHATMODE;Arena;"};
}

void TestVectorNavigation::entersWhatTheEngineReports()
{
    QFETCH(QByteArray, vector);
    QFETCH(QString, selectedBefore);
    QFETCH(QString, edit);
    QFETCH(QString, selectedAfter);
    QFETCH(bool, creationAllowed);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    fixture.logIn();
    VectorTree &tree = fixture.form().rooms().navigation().tree();
    tree.EnsureVectorNode(QStringLiteral("Arena/PSP"));
    QTreeWidget *view = tree.view();
    view->setCurrentItem(selectedBefore.isEmpty() ? tree.root()
                                                  : tree.FindVectorNode(selectedBefore));
    fixture.receive("ZOL_CLIENT_VECTOR;Arena;1;");
    fixture.receive("ZOL_CLIENT_SUB_VECTOR;Arena/PSP;3;0;x;8;");
    fixture.receive("ZOL_CLIENT_JOINS_VECTOR;bob;");
    view->setCurrentItem(selectedBefore.isEmpty() ? tree.root()
                                                  : tree.FindVectorNode(selectedBefore));
    fixture.sent();

    fixture.receive(vector);

    QCOMPARE(fixture.find<QLineEdit>("VectorEdit")->text(), edit);
    QCOMPARE(VectorTree::VectorPathOf(view->currentItem()), selectedAfter);
    QCOMPARE(fixture.form().rooms().navigation().ArenaCreationAllowed(), creationAllowed);
    QCOMPARE(fixture.form().rooms().navigation().subVectors().rowCount(), 0);
    QCOMPARE(fixture.form().rooms().arenaUsers().rows().rowCount(), 0);
    QVERIFY(!fixture.form().rooms().navigation().SelectingVectorNode());
    QCOMPARE(fixture.sent(), sent);
}

void TestVectorNavigation::asksForVectorsByTreeListAndGoUp_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArrayList>("sent");

    QTest::newRow("go up from the first level")
        << "Arena"
        << "go up" << QByteArrayList{"ZOL_CLIENT_VECTOR;;;"};
    QTest::newRow("go up from deep down")
        << "Arena/PSP/Action"
        << "go up" << QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/PSP;;"};
    QTest::newRow("double-click a sub-vector")
        << "Arena/PSP"
        << "double-click" << QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/PSP/Action;;"};
    QTest::newRow("double-click at the top level")
        << ""
        << "double-click" << QByteArrayList{"ZOL_CLIENT_VECTOR;/Action;;"};
    QTest::newRow("double-click without a selected row")
        << "Arena/PSP"
        << "double-click nothing" << QByteArrayList{};
    QTest::newRow("select a tree node")
        << "Arena"
        << "tree" << QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/PSP/Action;;"};
    QTest::newRow("bookmark road") << "Arena"
                                   << "enter" << QByteArrayList{"ZOL_CLIENT_VECTOR;A/B;;"};
}

void TestVectorNavigation::asksForVectorsByTreeListAndGoUp()
{
    QFETCH(QString, current);
    QFETCH(QString, how);
    QFETCH(QByteArrayList, sent);

    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR;" + current.toLatin1() + ";0;");
    const QString prefix = current.isEmpty() ? QString() : current + u'/';
    fixture.receive("ZOL_CLIENT_SUB_VECTOR;" + (prefix + QStringLiteral("Action")).toLatin1() +
                    ";2;0;x;4;");
    fixture.sent();
    auto *list = fixture.find<QTreeView>("VectorListView");
    VectorNavigation &navigation = fixture.form().rooms().navigation();

    if (how == u"go up") {
        fixture.trigger(ActionId::GoUpVector);
    } else if (how.startsWith(u"double-click")) {
        if (how == u"double-click")
            list->setCurrentIndex(fixture.form().rooms().navigation().subVectors().index(0, 0));
        navigation.VectorListViewDblClick();
    } else if (how == u"tree") {
        fixture.form().rooms().navigation().tree().view()->setCurrentItem(
            fixture.form().rooms().navigation().tree().EnsureVectorNode(
                QStringLiteral("Arena/PSP/Action")));
    } else {
        navigation.EnterVector(QStringLiteral("A/B"));
        QVERIFY(fixture.form().rooms().navigation().tree().FindVectorNode(QStringLiteral("A/B")));
    }
    QCOMPARE(fixture.sent(), sent);
}

void TestVectorNavigation::switchesTheEnterExitSoundsOffWhenMoving_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stillOn");

    QTest::newRow("engine reports a vector") << "VECTOR" << false;
    QTest::newRow("tree selection") << "tree" << false;
    QTest::newRow("go up") << "go up" << false;
    QTest::newRow("bookmark road keeps them") << "enter" << true;
}

void TestVectorNavigation::switchesTheEnterExitSoundsOffWhenMoving()
{
    QFETCH(QString, how);
    QFETCH(bool, stillOn);

    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR;Arena;0;");
    fixture.trigger(ActionId::ToggleEnterExitAudioNotification);
    QVERIFY(fixture.action(ActionId::ToggleEnterExitAudioNotification)->isChecked());
    // The switch is turned off, not chosen: no user action runs inside a message handler.
    QSignalSpy chosen(fixture.action(ActionId::ToggleEnterExitAudioNotification),
                      &QAction::triggered);

    if (how == u"VECTOR")
        fixture.receive("ZOL_CLIENT_VECTOR;Arena/PSP;0;");
    else if (how == u"tree")
        fixture.form().rooms().navigation().tree().view()->setCurrentItem(
            fixture.form().rooms().navigation().tree().root());
    else if (how == u"go up")
        fixture.trigger(ActionId::GoUpVector);
    else
        fixture.form().rooms().navigation().EnterVector(QStringLiteral("Arena/PSP"));

    QCOMPARE(fixture.action(ActionId::ToggleEnterExitAudioNotification)->isChecked(), stillOn);
    QCOMPARE(fixture.form().actions().imageIndex(ActionId::ToggleEnterExitAudioNotification),
             stillOn ? 35 : 36);
    QCOMPARE(chosen.count(), 0);
}

void TestVectorNavigation::focusAloneMovesNobody()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR;Arena/Mine;0;"); // made by a user: no node in the tree
    fixture.sent();
    auto *tree = fixture.find<QTreeWidget>("VectorTreeView");
    QVERIFY(tree->selectedItems().isEmpty());

    QFocusEvent tabbedInto(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(tree, &tabbedInto);
    QVERIFY(tree->currentItem()); // the view made a node current for the keyboard
    QCOMPARE(fixture.sent(), QByteArrayList{});

    // Choosing a node still moves the user.
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(fixture.sent().size(), 1);
}

void TestVectorNavigation::listsSubVectors_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("treeNode");

    QTest::newRow("inside the current vector")
        << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR;Arena/PSP/Action;12;3;ignored;16;"}
        << QStringList{"Action|0|12|16|3|"} << true;
    QTest::newRow("outside: only the tree node")
        << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR;Arena/Other/Action;1;0;x;2;"} << QStringList{}
        << true;
    QTest::newRow("the same twice: one row, updated")
        << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR;Arena/PSP/Action;1;0;x;2;",
                          "ZOL_CLIENT_SUB_VECTOR;Arena/PSP/Action;5;1;x;8;"}
        << QStringList{"Action|0|5|8|1|"} << true;
    QTest::newRow("user arena, open, with its description")
        << QByteArrayList{"ZOL_CLIENT_USER_SUB_VECTOR;Arena/PSP/bob;2;0;0;4;fun%20%E3%81%82;"}
        << QStringList{"bob|1|2|4|0|fun \u3042"} << false;
    QTest::newRow("user arena with a password")
        << QByteArrayList{"ZOL_CLIENT_USER_SUB_VECTOR;Arena/PSP/bob;2;0;1;4;x;"}
        << QStringList{"bob|2|2|4|0|x"} << false;
    QTest::newRow("sub-vector after user arena: image 0, description stays")
        << QByteArrayList{"ZOL_CLIENT_USER_SUB_VECTOR;Arena/PSP/bob;2;0;1;4;mine;",
                          "ZOL_CLIENT_SUB_VECTOR;Arena/PSP/bob;3;0;x;6;"}
        << QStringList{"bob|0|3|6|0|mine"} << true;
    QTest::newRow("update of an unknown row adds it without image")
        << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR_UPDATE;Anywhere/Action;7;2;"}
        << QStringList{"Action|-1|7||2|"} << false;
    QTest::newRow("update keeps capacity and description")
        << QByteArrayList{"ZOL_CLIENT_USER_SUB_VECTOR;Arena/PSP/bob;2;0;0;4;d;",
                          "ZOL_CLIENT_SUB_VECTOR_UPDATE;Arena/PSP/bob;9;1;"}
        << QStringList{"bob|1|9|4|1|d"} << false;
    QTest::newRow("removed row") << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR;Arena/PSP/A;1;0;x;2;",
                                                   "ZOL_CLIENT_SUB_VECTOR;Arena/PSP/B;1;0;x;2;",
                                                   "ZOL_CLIENT_REMOVE_SUB_VECTOR;Arena/PSP/A;",
                                                   "ZOL_CLIENT_REMOVE_SUB_VECTOR;Arena/PSP/none;"}
                                 << QStringList{"B|0|1|2|0|"} << false;
    QTest::newRow("captions count letter case")
        << QByteArrayList{"ZOL_CLIENT_SUB_VECTOR;Arena/PSP/a;1;0;x;2;",
                          "ZOL_CLIENT_SUB_VECTOR;Arena/PSP/A;1;0;x;2;"}
        << QStringList{"a|0|1|2|0|", "A|0|1|2|0|"} << false;
}

void TestVectorNavigation::listsSubVectors()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QStringList, rows);
    QFETCH(bool, treeNode);

    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR;Arena/PSP;0;");
    for (const QByteArray &message : messages)
        fixture.receive(message);
    QCOMPARE(rowsOf(fixture.form().rooms().navigation().subVectors()), rows);
    if (treeNode) {
        FieldReader reader{messages.first(), 0};
        NextField(reader);
        QVERIFY(fixture.form().rooms().navigation().tree().FindVectorNode(
            QString::fromUtf8(NextField(reader))));
    }
}

void TestVectorNavigation::sortsByAColumnClicked()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR;Arena;0;");
    for (const char *row : {"c;10", "a;9", "b;100"})
        fixture.receive("ZOL_CLIENT_SUB_VECTOR;Arena/" + QByteArray(row) + ";0;x;0;");
    auto *list = fixture.find<QTreeView>("VectorListView");
    list->setCurrentIndex(fixture.form().rooms().navigation().subVectors().index(0, 0)); // "c"
    const auto captions = [&] {
        QStringList names;
        for (const QString &row : rowsOf(fixture.form().rooms().navigation().subVectors()))
            names.append(row.section(u'|', 0, 0));
        return names;
    };

    emit list->header()->sectionClicked(1); // 人数, as numbers
    QCOMPARE(captions(), (QStringList{"a", "c", "b"}));
    emit list->header()->sectionClicked(1);
    QCOMPARE(captions(), (QStringList{"a", "c", "b"}));
    emit list->header()->sectionClicked(0);
    QCOMPARE(captions(), (QStringList{"a", "b", "c"}));
    // The selection moves with its row.
    QCOMPARE(fixture.form().rooms().navigation().subVectors().rowAt(list->currentIndex())->caption,
             QStringLiteral("c"));
}

void TestVectorNavigation::retriesARefusedPassword()
{
    FormFixture fixture;
    fixture.logIn();
    TFailedToJoinArenaForm &dialog = fixture.form().rooms().navigation().failedToJoinForm();
    fixture.receive("ZOL_CLIENT_VECTOR_DISALLOWED;Arena/x;The supplied password was rejected.;");
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.VectorStaticText->text(), QStringLiteral("Arena/x"));
    QCOMPARE(dialog.PasswordEdit->echoMode(), QLineEdit::Password);

    QTest::keyClicks(dialog.PasswordEdit, QStringLiteral("secret"));
    QTest::keyClick(dialog.PasswordEdit, Qt::Key_Return);
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_VECTOR;Arena/x;secret;"});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.chatText(), QString());

    // The password stays for the next time; Close sends nothing.
    fixture.receive("ZOL_CLIENT_VECTOR_DISALLOWED;Arena/y;The supplied password was rejected.;");
    QCOMPARE(dialog.PasswordEdit->text(), QStringLiteral("secret"));
    dialog.BitBtn1->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.sent(), QByteArrayList{});
}

void TestVectorNavigation::reportsOtherRefusalsInTheChat()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.receive("ZOL_CLIENT_VECTOR_DISALLOWED;Arena/x;The arena is full.;");
    QVERIFY(!fixture.form().rooms().navigation().failedToJoinForm().isVisible());
    QCOMPARE(fixture.chatText(), QStringLiteral("[12:05]Vector disallowed. The arena is full."));
}

void TestVectorNavigation::refreshesTheWholeState()
{
    FormFixture fixture;
    fixture.logIn();
    fixture.trigger(ActionId::Refresh);
    QCOMPARE(fixture.sent(), QByteArrayList{"ZOL_CLIENT_GETSTATE;"});
}

QTEST_MAIN(TestVectorNavigation)
#include "tst_vector_navigation.moc"
