#include "form_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

namespace {

// What a screen reader says a control is.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

bool isControl(QWidget *widget)
{
    if (qobject_cast<QHeaderView *>(widget))
        return false; // part of its list, whose columns have their captions
    if (auto *label = qobject_cast<QLabel *>(widget))
        return !label->pixmap().isNull(); // a picture says nothing by itself
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTabBar *>(widget);
}

QString describe(QWidget *widget)
{
    QStringList path;
    for (QWidget *w = widget; w; w = w->parentWidget())
        path.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
    return path.join(u'/');
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void namesEveryControl();
    void namesThePanes_data();
    void namesThePanes();
};

void TestAccessibility::namesEveryControl()
{
    FormFixture fixture;
    fixture.form().show();
    QList<QWidget *> windows{&fixture.form()};
    windows += fixture.rooms().windowsAtStart();
    QStringList nameless;
    for (QWidget *window : windows) {
        window->show();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            // Parts of another window (a menu, a dialog) are walked with it.
            if (widget->window() != window || !widget->isVisibleTo(window) || !isControl(widget))
                continue;
            if (accessibleName(widget).trimmed().isEmpty())
                nameless.append(describe(widget));
        }
    }
    if (!nameless.isEmpty())
        qWarning().noquote() << nameless.join(u'\n');
    QCOMPARE(nameless, QStringList{});
}

void TestAccessibility::namesThePanes_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("name");

    QTest::newRow("path") << "VectorEdit"
                          << "Arena path";
    QTest::newRow("tree") << "VectorTreeView"
                          << "Arenas";
    QTest::newRow("sub-vectors") << "VectorListView"
                                 << "Arenas in this arena";
    QTest::newRow("users") << "UserListView"
                           << "Users";
    QTest::newRow("room") << "ChatEdit"
                          << "Chat room";
    QTest::newRow("chat") << "ChatLogMemo"
                          << "Chat";
    QTest::newRow("input") << "ChatInputEdit"
                           << "Chat message";
    QTest::newRow("send") << "SendChatInputSpeedButton"
                          << "Send";
}

void TestAccessibility::namesThePanes()
{
    QFETCH(QString, pane);
    QFETCH(QString, name);

    FormFixture fixture;
    QWidget *widget = fixture.form().findChild<QWidget *>(pane);
    QVERIFY(widget);
    QCOMPARE(accessibleName(widget), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
