#include "chat_font_dialog.h"
#include "chat_log.h"
#include "log_file.h"
#include "memo_lines.h"
#include "recorders.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

// A chat pane with its two switches and a log file in a folder of its own.
struct ChatPane {
    explicit ChatPane(const QString &folder)
        : logFile(folder, clock)
        , log({.chatLogMemo = &pane,
               .timestamps = &timestamps,
               .saveLog = &saveLog,
               .logFile = &logFile,
               .clock = &clock,
               .guard = &guard})
    {
        for (QAction *action : {&timestamps, &saveLog}) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }

    QString paneText()
    {
        DrainEventLoop();
        return pane.toPlainText();
    }

    QString logText(const QDate &date) const
    {
        QFile file(logFile.pathFor(date));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    FixedClock clock;
    RecordingErrors errors;
    ErrorGuard guard{errors};
    QPlainTextEdit pane;
    QAction timestamps;
    QAction saveLog;
    LogFile logFile;
    ChatLog log;
};

} // namespace

class TestChatLog : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }
    void addsLinesWithoutEmptyOnes_data();
    void addsLinesWithoutEmptyOnes();
    void stampsThePaneAsSwitched_data();
    void stampsThePaneAsSwitched();
    void writesTheLogOnlyWhileSaving();
    void startsANewFileAtMidnight();
    void logsEachLineOfAMultiLineText();
    void clearsThePaneButNotTheLog();
    void reportsAFailedWrite_data();
    void reportsAFailedWrite();
    void takesTheFontAndColourChosenInOneDialog();
    void showsABurstOfLinesInOneEdit();

private:
    std::unique_ptr<QTemporaryDir> m_folder; // a fresh one for every test
};

void TestChatLog::addsLinesWithoutEmptyOnes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("after");

    QTest::newRow("two lines into an empty pane") << "" << QStringList{"a", "b"} << "a\nb";
    QTest::newRow("after a line break put there another way") << "x\n"
                                                              << QStringList{"a"} << "x\na";
    QTest::newRow("a text with CR LF is two lines")
        << "" << QStringList{"a\r\nb", "c"} << "a\nb\nc";
    QTest::newRow("lone CR and LF break lines too") << "" << QStringList{"a\rb\nc"} << "a\nb\nc";
    QTest::newRow("a trailing line break leaves no empty line")
        << "" << QStringList{"a\r\n", "b"} << "a\nb";
    QTest::newRow("an empty text adds nothing") << "x" << QStringList{"", "y"} << "x\ny";
}

void TestChatLog::addsLinesWithoutEmptyOnes()
{
    QFETCH(QString, before);
    QFETCH(QStringList, lines);
    QFETCH(QString, after);

    QPlainTextEdit pane;
    pane.setPlainText(before);
    for (const QString &line : lines)
        AppendMemoLine(&pane, line);
    QCOMPARE(pane.toPlainText(), after);
    QVERIFY(!pane.toPlainText().endsWith(u'\n'));
}

void TestChatLog::stampsThePaneAsSwitched_data()
{
    QTest::addColumn<bool>("timestamps");
    QTest::addColumn<QString>("pane");

    QTest::newRow("time stamps on") << true << "[21:07]a\n[21:07]b";
    QTest::newRow("time stamps off") << false << "a\nb";
}

void TestChatLog::stampsThePaneAsSwitched()
{
    QFETCH(bool, timestamps);
    QFETCH(QString, pane);

    ChatPane chat(m_folder->path());
    chat.clock.time.setTime(QTime(21, 7));
    chat.timestamps.setChecked(timestamps);
    chat.log.AddChatLine(QStringLiteral("a"));
    chat.log.AddChatLine(QStringLiteral("b"));

    QCOMPARE(chat.paneText(), pane);
    // The log always has its own time stamp.
    QCOMPARE(chat.logText(chat.clock.time.date()), QStringLiteral("[21:07]a\r\n[21:07]b\r\n"));
}

void TestChatLog::writesTheLogOnlyWhileSaving()
{
    ChatPane chat(m_folder->path());
    chat.saveLog.setChecked(false);
    chat.log.AddChatLine(QStringLiteral("not saved"));
    QVERIFY(!QFile::exists(chat.logFile.pathFor(chat.clock.time.date())));
    chat.saveLog.setChecked(true);
    chat.log.AddChatLine(QStringLiteral("saved"));
    QCOMPARE(chat.logText(chat.clock.time.date()), QStringLiteral("[12:05]saved\r\n"));
}

void TestChatLog::startsANewFileAtMidnight()
{
    ChatPane chat(m_folder->path());
    chat.clock.time = QDateTime(QDate(2024, 1, 31), QTime(23, 59));
    chat.log.AddChatLine(QStringLiteral("late"));
    chat.clock.time = QDateTime(QDate(2024, 2, 1), QTime(0, 0));
    chat.log.AddChatLine(QStringLiteral("early"));

    QVERIFY(chat.logFile.pathFor(QDate(2024, 1, 31)).endsWith(u"/Logs/20240131.log"));
    QCOMPARE(chat.logText(QDate(2024, 1, 31)), QStringLiteral("[23:59]late\r\n"));
    QCOMPARE(chat.logText(QDate(2024, 2, 1)), QStringLiteral("[00:00]early\r\n"));
}

void TestChatLog::logsEachLineOfAMultiLineText()
{
    ChatPane chat(m_folder->path());
    chat.log.AddChatLine(QStringLiteral("a\r\nb"));
    chat.log.AddChatLine(QStringLiteral("c\nd"));
    QCOMPARE(chat.paneText(), QStringLiteral("[12:05]a\nb\n[12:05]c\nd"));
    // In the log each line begins with the stamp, and the lines after the first are indented:
    // a text cannot forge a message of its own there.
    QCOMPARE(chat.logText(chat.clock.time.date()),
             QStringLiteral("[12:05]a\r\n[12:05]\tb\r\n[12:05]c\r\n[12:05]\td\r\n"));
    chat.log.AddChatLine(QStringLiteral("hi\r\n[13:07]alice: give me your password"));
    QVERIFY(chat.logText(chat.clock.time.date())
                .endsWith(u"[12:05]hi\r\n[12:05]\t[13:07]alice: give me your password\r\n"));
}

void TestChatLog::clearsThePaneButNotTheLog()
{
    ChatPane chat(m_folder->path());
    chat.log.AddChatLine(QStringLiteral("before"));
    chat.log.clearContents();
    chat.log.AddChatLine(QStringLiteral("x"));
    QCOMPARE(chat.paneText(), QStringLiteral("[12:05]x"));
    QCOMPARE(chat.logText(chat.clock.time.date()), QStringLiteral("[12:05]before\r\n[12:05]x\r\n"));
}

void TestChatLog::reportsAFailedWrite_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<int>("code");

    QTest::newRow("the data folder is a file") << "file" << int(ENOTDIR);
    QTest::newRow("the day's log is a folder") << "folder" << int(EISDIR);
    QTest::newRow("no data folder") << "none" << int(ENOENT);
}

void TestChatLog::reportsAFailedWrite()
{
    QFETCH(QString, obstacle);
    QFETCH(int, code);

    QString folder = m_folder->filePath(QStringLiteral("data"));
    if (obstacle == u"file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (obstacle == u"none") {
        folder.clear();
    }
    ChatPane chat(folder);
    if (obstacle == u"folder")
        QVERIFY(QDir().mkpath(chat.logFile.pathFor(chat.clock.time.date())));

    try {
        chat.log.AddChatLine(QStringLiteral("lost"));
        QFAIL("the write did not fail");
    } catch (const IoError &error) {
        QCOMPARE(error.systemErrorCode(), code);
        QVERIFY2(QString::fromStdString(error.what()).contains(QString::number(code)),
                 error.what());
    }
    // The pane has the line all the same: it is written first.
    QCOMPARE(chat.paneText(), QStringLiteral("[12:05]lost"));
}

void TestChatLog::takesTheFontAndColourChosenInOneDialog()
{
    ChatPane chat(m_folder->path());
    QWidget window;
    QCOMPARE(chat.pane.font().pixelSize(), 16);
    chat.log.chooseFont(&window);
    auto *dialog = window.findChild<ChatFontDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible()); // open, and nothing waits for it

    const QColor colour(200, 30, 60);
    dialog->setCurrentColour(colour);
    const QFont chosen = dialog->currentFont();
    dialog->accept();

    QCOMPARE(chat.pane.font().family(), chosen.family());
    QCOMPARE(chat.pane.palette().color(QPalette::Text), colour);
    QCOMPARE(ChatLog::defaultFont().pixelSize(), 16);
}

void TestChatLog::showsABurstOfLinesInOneEdit()
{
    ChatPane chat(m_folder->path());
    chat.saveLog.setChecked(false);
    int edits = 0;
    connect(chat.pane.document(), &QTextDocument::contentsChange, this, [&] { ++edits; });

    for (int i = 0; i < 1000; ++i)
        chat.log.AddChatLine(QString::number(i));

    const QStringList lines = chat.paneText().split(u'\n');
    QCOMPARE(lines.size(), 1000);
    QCOMPARE(lines.last(), QStringLiteral("[12:05]999"));
    QCOMPARE(edits, 1);
}

QTEST_MAIN(TestChatLog)
#include "tst_chat_log.moc"
