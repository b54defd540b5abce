#include "bookmarks.h"
#include "subsystem_fixture.h"

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records where the user is taken, as the vector navigation would.
class RecordingVectors final : public VectorEntry {
public:
    QString currentVectorPath() const override { return {}; }
    void EnterVector(const QString &path) override { entered.append(path); }
    void ReturnToTopLevel() override {}
    QStringList entered;
};

struct BookmarkRoom {
    explicit BookmarkRoom(const QByteArray &file)
    {
        if (!file.isNull()) {
            QFile bookmarks(folder.filePath(QStringLiteral("Bookmarks.txt")));
            bookmarks.open(QIODevice::WriteOnly);
            bookmarks.write(file);
        }
        menu.addAction(fixture.actions.action(ActionId::RefreshBookmarks));
        menu.addSeparator();
        fixture.plugIn(bookmarks);
        bookmarks.RefreshBookmarks();
    }

    // The menu as captions, "-" for a separator.
    QStringList items() const
    {
        QStringList captions;
        for (const QAction *action : menu.actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }
    QAction *item(int index) const { return menu.actions().at(index); }

    SubsystemFixture fixture;
    QTemporaryDir folder;
    QMenu menu;
    RecordingVectors vectors;
    Bookmarks bookmarks{{
        .bookmarkMenu = &menu,
        .vectors = &vectors,
        .folders = {QString(), folder.path()},
        .guard = &fixture.guard,
    }};
};

const QString kRefresh = QStringLiteral("ブックマークの更新");

} // namespace

class TestBookmarks : public QObject {
    Q_OBJECT

private slots:
    void buildsTheMenuFromTheFile_data();
    void buildsTheMenuFromTheFile();
    void entersTheChosenPath_data();
    void entersTheChosenPath();
    void rebuildsFromScratchOnRefresh();
    void capsAHugeFile();
};

void TestBookmarks::buildsTheMenuFromTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("the example") << QByteArray("# mine\r\nPSP Action\tArena/PSP/Action\r\n-\r\n"
                                               "Arena/Test\r\n")
                                 << QStringList{kRefresh, "-", "PSP Action", "-", "Arena/Test"};
    QTest::newRow("no file") << QByteArray() << QStringList{kRefresh, "-"};
    QTest::newRow("an empty line is an entry, a last line break is not")
        << QByteArray("a\n\nb\n") << QStringList{kRefresh, "-", "a", "", "b"};
    QTest::newRow("utf-8") << QByteArray("\xe6\x97\xa5\xe6\x9c\xac\tArena/JP\n")
                           << QStringList{kRefresh, "-", QStringLiteral("日本")};
    QTest::newRow("code page 932 where not utf-8")
        << QByteArray("\x93\xfa\x96\x7b\tArena/JP\n")
        << QStringList{kRefresh, "-", QStringLiteral("日本")};
    QTest::newRow("binary junk does not hang")
        << QByteArray("\x00\xff\x01\n#\x80\n", 7)
        << QStringList{kRefresh, "-", QString(QChar(0xDC00)) + QChar(0xDCFF) + QChar(1)};
}

void TestBookmarks::buildsTheMenuFromTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, items);

    BookmarkRoom room(file);
    QCOMPARE(room.items(), items);
}

void TestBookmarks::entersTheChosenPath_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("path");

    QTest::newRow("caption and path")
        << QByteArray("PSP Action\tArena/PSP/Action") << "Arena/PSP/Action";
    QTest::newRow("no TAB: the whole line") << QByteArray("Arena/Test") << "Arena/Test";
    QTest::newRow("two TABs: the rest is the path") << QByteArray("A\tx\ty") << "x\ty";
    QTest::newRow("an empty line: the empty path") << QByteArray("") << "";
}

void TestBookmarks::entersTheChosenPath()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, path);

    BookmarkRoom room("# first\n" + line + "\n");
    room.fixture.sessionActive = false; // bookmarks work in any state
    room.item(2)->trigger();
    QCOMPARE(room.vectors.entered, QStringList{path});
}

void TestBookmarks::rebuildsFromScratchOnRefresh()
{
    BookmarkRoom room("a\tA\n-\nb\tB\n");
    room.fixture.actions.execute(ActionId::RefreshBookmarks);
    room.fixture.actions.execute(ActionId::RefreshBookmarks);
    QCOMPARE(room.items(), (QStringList{kRefresh, "-", "a", "-", "b"}));
    QCOMPARE(room.bookmarks.BookmarkEntries().size(), 3);
    QCOMPARE(room.bookmarks.BookmarkActions().size(), size_t(2));

    QFile::remove(room.folder.filePath(QStringLiteral("Bookmarks.txt")));
    room.fixture.actions.execute(ActionId::RefreshBookmarks);
    QCOMPARE(room.items(), (QStringList{kRefresh, "-"}));
}

void TestBookmarks::capsAHugeFile()
{
    QByteArray file;
    for (int i = 0; i < 5000; ++i)
        file += "entry " + QByteArray::number(i) + "\tArena/" + QByteArray::number(i) + "\n";
    BookmarkRoom room(file);
    QCOMPARE(room.bookmarks.BookmarkEntries().size(), kMaxBookmarkEntries);
    QCOMPARE(room.items().last(), QStringLiteral("entry 999"));

    const QStringList fromHugeLine = ParseBookmarkEntries(QByteArray(8 * 1024 * 1024, 'x'));
    QCOMPARE(fromHugeLine.size(), 1);
    QCOMPARE(fromHugeLine.first().size(), kMaxBookmarkFileBytes);
}

QTEST_MAIN(TestBookmarks)
#include "tst_bookmarks.moc"
