#include "about.h"
#include "form_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void opensTheOperatorsPages_data();
    void opensTheOperatorsPages();
    void showsTheAboutWindow();
};

void TestAbout::opensTheOperatorsPages_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QUrl>("page");

    QTest::newRow("TeamQuorl") << int(ActionId::TeamQuorl) << kOperatorSite;
    QTest::newRow("ServerMetrics")
        << int(ActionId::ServerMetrics)
        << QUrl(kOperatorSite.toString() + QStringLiteral("?go=metrics"));
    QTest::newRow("ServerStatus") << int(ActionId::ServerStatus)
                                  << QUrl(kOperatorSite.toString() +
                                          QStringLiteral("?go=orbitals"));
}

void TestAbout::opensTheOperatorsPages()
{
    QFETCH(int, action);
    QFETCH(QUrl, page);

    FormFixture fixture; // detached, nobody logged in: the links work all the same
    fixture.trigger(ActionId(action));
    QCOMPARE(fixture.pages.opened, QList<QUrl>{page});
    QCOMPARE(fixture.prompts.errors, QStringList{});
}

void TestAbout::showsTheAboutWindow()
{
    FormFixture fixture;
    fixture.trigger(ActionId::About);
    TAboutForm &about = fixture.rooms().aboutAndLinks().aboutForm();
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(363, 255));
    QCOMPARE(about.Label5->text(), QStringLiteral("TovrelUI for Quorl Zol Ombrel VII"));
#ifdef NDEBUG
    QCOMPARE(about.BuildLabel->text(), QStringLiteral("Release build."));
#endif
    QCOMPARE(about.BuildLabel->geometry().right() + 1, 355);
    QCOMPARE(about.Image1->pixmap().deviceIndependentSize(), QSizeF(240, 136));
    about.BitBtn1->click();
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
