#include "avatar_download.h"
#include "http_stub.h"
#include "profiles.h"
#include "subsystem_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Selections final : public ArenaUserSelection, public SubVectorSelection {
public:
    std::optional<QString> selectedUserQTag() const override { return user; }
    std::optional<QString> selectedSubVectorCaption() const override { return subVector; }
    std::optional<QString> user;
    std::optional<QString> subVector;
};

QByteArray userProfile(const QByteArray &qtag)
{
    return "ZOL_CLIENT_USER_PROFILE;" + qtag +
           ";27;\xe5\x85\x89;\xe6\x9d\xb1\xe4\xba\xac;xb;ps;gc;MHF, PSO;";
}

struct ProfileRoom {
    explicit ProfileRoom(const QString &dataFolder = QStringLiteral("unset"))
        : profiles({
              .sender = &fixture.sender,
              .users = &selections,
              .subVectors = &selections,
              .appDataFolder = dataFolder == u"unset" ? folder.path() : dataFolder,
              .guard = &fixture.guard,
          })
    {
        fixture.plugIn(profiles);
    }

    TUserInfoForm &window() { return profiles.userInfoForm(); }
    QString cacheFile(const QString &qtag) const { return profiles.cacheFileOf(qtag); }
    void cache(const QString &qtag, const QByteArray &bytes)
    {
        QDir().mkpath(AvatarCacheFolder(folder.path()));
        QFile file(cacheFile(qtag));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QImage shownPicture() { return window().IconImage->pixmap().toImage(); }

    SubsystemFixture fixture;
    QTemporaryDir folder;
    Selections selections;
    Profiles profiles;
    HttpStub server;
};

} // namespace

class TestProfiles : public QObject {
    Q_OBJECT

private slots:
    void sanitisesFileNames_data();
    void sanitisesFileNames();
    void showsTheProfileOfTheWindowsQTagOnly_data();
    void showsTheProfileOfTheWindowsQTagOnly();
    void asksForThePictureOnlyWithoutACachedOne();
    void downloadsAgainForTheVectorOwner();
    void cachesAndShowsAJpeg();
    void refusesOtherContentTypes_data();
    void refusesOtherContentTypes();
    void fetchesOnlyWebAddresses_data();
    void fetchesOnlyWebAddresses();
    void cutsOffAStallingServer();
    void refusesAnOversizedBody_data();
    void refusesAnOversizedBody();
    void dropsAPictureForAQTagTheWindowLeft();
    void writesNothingWithoutADataFolder();
    void reportsACachedFileThatIsNoPicture();
    void findsAUserByTheTypedQTag();
};

void TestProfiles::sanitisesFileNames_data()
{
    QTest::addColumn<QString>("qtag");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << "bob"
                           << "bob";
    QTest::newRow("a slash") << "a/b"
                             << "a~cb";
    QTest::newRow("a tilde") << "x~y"
                             << "x~ay";
    QTest::newRow("all ten") << "~\\/:*?\"<>|"
                             << "~a~b~c~d~e~f~g~h~i~j";
    QTest::newRow("japanese kept") << "ソ表"
                                   << "ソ表";
}

void TestProfiles::sanitisesFileNames()
{
    QFETCH(QString, qtag);
    QFETCH(QString, name);

    QCOMPARE(SanitiseFileName(qtag), name);
}

void TestProfiles::showsTheProfileOfTheWindowsQTagOnly_data()
{
    QTest::addColumn<QByteArray>("qtag");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("shown");

    QTest::newRow("its own") << QByteArray("bob") << false << true;
    QTest::newRow("another") << QByteArray("amy") << false << false;
    QTest::newRow("letter case") << QByteArray("Bob") << false << false;
    QTest::newRow("window hidden") << QByteArray("bob") << true << false;
}

void TestProfiles::showsTheProfileOfTheWindowsQTagOnly()
{
    QFETCH(QByteArray, qtag);
    QFETCH(bool, hidden);
    QFETCH(bool, shown);

    ProfileRoom room;
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_GET_PROFILE;bob;"});
    QCOMPARE(room.window().InfoStaticText->text(),
             QStringLiteral("Retreiving user info from orbital mesh.."));
    if (hidden)
        room.window().hide();
    room.fixture.receive(userProfile(qtag));
    if (shown) {
        QCOMPARE(room.window().InfoStaticText->text(),
                 QStringLiteral("Age: 27\r\nBandwidth: 光\r\nLocation: 東京\r\nXBox: xb\r\nPS2: "
                                "ps\r\nGCN: gc\r\nGames: MHF, PSO"));
        QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_AVATAR;bob;"});
    } else {
        QVERIFY(room.window().InfoStaticText->text().startsWith(u"Retreiving"));
        QCOMPARE(room.fixture.sent(), QByteArrayList{});
    }
}

void TestProfiles::asksForThePictureOnlyWithoutACachedOne()
{
    ProfileRoom room;
    const QByteArray jpeg = TestJpeg(30);
    room.cache(QStringLiteral("a/b"), jpeg);
    room.selections.user = QStringLiteral("a/b");
    room.fixture.actions.execute(ActionId::UserInfo);
    QVERIFY(room.profiles.PictureShown());
    QCOMPARE(room.shownPicture().size(), QSize(30, 30));
    room.fixture.receive(userProfile("a/b"));
    room.window().BitBtn3->click(); // Refrash
    room.fixture.receive(userProfile("a/b"));
    QCOMPARE(room.fixture.sent(),
             (QByteArrayList{"ZOL_CLIENT_GET_PROFILE;a/b;", "ZOL_CLIENT_GET_PROFILE;a/b;"}));
}

void TestProfiles::downloadsAgainForTheVectorOwner()
{
    ProfileRoom room;
    room.cache(QStringLiteral("mika"), TestJpeg(30));
    room.selections.subVector = QStringLiteral("mika");
    room.fixture.actions.execute(ActionId::VectorOwnerInfo);
    QVERIFY(!room.profiles.PictureShown());
    room.fixture.receive(userProfile("mika"));
    QCOMPARE(room.fixture.sent(),
             (QByteArrayList{"ZOL_CLIENT_GET_PROFILE;mika;", "ZOL_CLIENT_AVATAR;mika;"}));

    room.server.respondWith({.body = TestJpeg(40)});
    room.fixture.receive("ZOL_CLIENT_AVATAR;mika;" + room.server.url().toEncoded() + ";");
    QTRY_COMPARE(room.shownPicture().size(), QSize(40, 40));
    QCOMPARE(QImage(room.cacheFile(QStringLiteral("mika"))).size(), QSize(40, 40)); // replaced
}

void TestProfiles::cachesAndShowsAJpeg()
{
    ProfileRoom room;
    const QByteArray jpeg = TestJpeg(36);
    room.server.respondWith({.body = jpeg});
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + room.server.url().toEncoded() + ";");
    QTRY_COMPARE(room.shownPicture().size(), QSize(36, 36));
    QFile cached(room.cacheFile(QStringLiteral("bob")));
    QVERIFY(cached.open(QIODevice::ReadOnly));
    QCOMPARE(cached.readAll(), jpeg);
    const QByteArray request = room.server.requests.value(0);
    QVERIFY(request.startsWith("GET /avatar.jpg HTTP/1.1\r\n"));
    QVERIFY(request.contains("\r\nAccept: text/html, */*\r\n"));
    QVERIFY(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
}

void TestProfiles::refusesOtherContentTypes_data()
{
    QTest::addColumn<QByteArray>("contentType");

    QTest::newRow("with a character set") << QByteArray("image/jpeg; charset=binary");
    QTest::newRow("in capitals") << QByteArray("IMAGE/JPEG");
    QTest::newRow("a png") << QByteArray("image/png");
    QTest::newRow("none") << QByteArray();
}

void TestProfiles::refusesOtherContentTypes()
{
    QFETCH(QByteArray, contentType);

    ProfileRoom room;
    room.server.respondWith({.contentType = contentType, .body = TestJpeg(36)});
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    const QImage before = room.shownPicture();
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + room.server.url().toEncoded() + ";");
    QTRY_VERIFY(!room.profiles.download().isRunning());
    QCOMPARE(room.shownPicture(), before);
    QVERIFY(!QFile::exists(room.cacheFile(QStringLiteral("bob"))));
}

void TestProfiles::fetchesOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("address");

    QTest::newRow("file") << "file:///etc/hostname";
    QTest::newRow("data") << "data:image/jpeg;base64,AAAA";
    QTest::newRow("qrc") << "qrc:/avatar.jpg";
    QTest::newRow("ftp") << "ftp://127.0.0.1/avatar.jpg";
    QTest::newRow("no scheme") << "/etc/hostname";
}

void TestProfiles::fetchesOnlyWebAddresses()
{
    QFETCH(QString, address);

    ProfileRoom room;
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + address.toUtf8() + ";");
    QVERIFY(!room.profiles.download().isRunning());
    QTest::qWait(50);
    QVERIFY(!QFile::exists(room.cacheFile(QStringLiteral("bob"))));

    // Nor is a web address allowed to redirect there.
    room.server.respondWith({.status = 302, .location = address.toUtf8()});
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + room.server.url().toEncoded() + ";");
    QTRY_VERIFY(!room.profiles.download().isRunning());
    QVERIFY(!QFile::exists(room.cacheFile(QStringLiteral("bob"))));
}

void TestProfiles::cutsOffAStallingServer()
{
    HttpStub server;
    server.respondWith({.body = TestJpeg(64), .trickle = true});
    int completions = 0;
    AvatarDownload download(
        [&](const QString &, const QByteArray &, const QByteArray &) { ++completions; },
        {.deadlineMs = 400});
    QElapsedTimer timer;
    timer.start();
    QVERIFY(download.start(QStringLiteral("bob"), server.url()));
    // The window goes on meanwhile: this loop is its event loop.
    QTRY_VERIFY_WITH_TIMEOUT(!download.isRunning(), 5000);
    QVERIFY(timer.elapsed() >= 400);
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(completions, 0);
}

void TestProfiles::refusesAnOversizedBody_data()
{
    QTest::addColumn<bool>("announced");

    QTest::newRow("by its Content-Length") << true;
    QTest::newRow("by counting") << false;
}

void TestProfiles::refusesAnOversizedBody()
{
    QFETCH(bool, announced);

    HttpStub server;
    server.respondWith({.body = QByteArray(300 * 1024, 'x'), .lieAboutLength = !announced});
    int completions = 0;
    AvatarDownload download(
        [&](const QString &, const QByteArray &, const QByteArray &) { ++completions; },
        {.maxBodyBytes = 100 * 1024});
    QVERIFY(download.start(QStringLiteral("bob"), server.url()));
    QTRY_VERIFY(!download.isRunning());
    QTest::qWait(50);
    QCOMPARE(completions, 0);
}

void TestProfiles::dropsAPictureForAQTagTheWindowLeft()
{
    ProfileRoom room;
    room.server.respondWith({.body = TestJpeg(36), .trickle = true});
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + room.server.url().toEncoded() + ";");
    QVERIFY(room.profiles.download().isRunning());
    room.profiles.OpenProfile(QStringLiteral("amy"), true);
    QVERIFY(!room.profiles.download().isRunning());
    QTest::qWait(300);
    QVERIFY(!QFile::exists(room.cacheFile(QStringLiteral("amy"))));
    QVERIFY(!QFile::exists(room.cacheFile(QStringLiteral("bob"))));
    QCOMPARE(room.window().QTagLabel->text(), QStringLiteral("amy"));
}

void TestProfiles::writesNothingWithoutADataFolder()
{
    ProfileRoom room{QString()};
    room.server.respondWith({.body = TestJpeg(36)});
    room.profiles.OpenProfile(QStringLiteral("bob"), true);
    room.fixture.receive("ZOL_CLIENT_AVATAR;bob;" + room.server.url().toEncoded() + ";");
    QTRY_COMPARE(room.shownPicture().size(), QSize(36, 36)); // shown all the same
    QVERIFY(!QDir(QStringLiteral("/AvaterCashe")).exists());
    QCOMPARE(room.fixture.errors.errors, QStringList{});
}

void TestProfiles::reportsACachedFileThatIsNoPicture()
{
    ProfileRoom room;
    room.cache(QStringLiteral("bob"), "not a picture");
    room.selections.user = QStringLiteral("bob");
    room.fixture.actions.execute(ActionId::UserInfo);
    QCOMPARE(room.fixture.errors.errors.size(), 1);
    QVERIFY(room.fixture.errors.errors.first().contains(room.cacheFile(QStringLiteral("bob"))));
    QVERIFY(!room.window().isVisible());
    QCOMPARE(room.fixture.sent(), QByteArrayList{});
    QVERIFY(QFile::exists(room.cacheFile(QStringLiteral("bob")))); // the user's file stays
}

void TestProfiles::findsAUserByTheTypedQTag()
{
    ProfileRoom room;
    room.fixture.actions.execute(ActionId::UserInfo); // no row selected
    TFindUserInfoForm &dialog = room.profiles.findUserForm();
    QVERIFY(dialog.isVisible());
    dialog.AddContactBitBtn->click();
    QCOMPARE(room.fixture.sent(), QByteArrayList{"ZOL_CLIENT_GET_PROFILE;;"});
    QVERIFY(!dialog.isVisible());
    dialog.QTagEdit->setText(QStringLiteral("bo"));
    dialog.AddContactBitBtn->click();
    room.fixture.receive(userProfile("bob")); // not what was typed: not shown
    QVERIFY(room.window().InfoStaticText->text().startsWith(u"Retreiving"));
    QCOMPARE(dialog.QTagEdit->text(), QStringLiteral("bo"));
}

QTEST_MAIN(TestProfiles)
#include "tst_profiles.moc"
