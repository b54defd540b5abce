#include "wire_text.h"

#include <QTest>

class TestWireText : public QObject {
    Q_OBJECT

private slots:
    void convertsAnsi_data();
    void convertsAnsi();
    void encodesUnmappableAsQuestionMark_data();
    void encodesUnmappableAsQuestionMark();
    void decodesUtf8Strictly_data();
    void decodesUtf8Strictly();
    void givesAnyAnsiBytesBack_data();
    void givesAnyAnsiBytesBack();
};

void TestWireText::convertsAnsi_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("Arena/PSP") << QStringLiteral("Arena/PSP");
    QTest::newRow("hiragana") << QByteArray("\x82\xa0") << QStringLiteral("\u3042");
    QTest::newRow("japanese caption")
        << QByteArray("\x83\x8d\x83\x4f\x83\x43\x83\x93") << QStringLiteral("ログイン");
    QTest::newRow("trail byte in the ascii range") << QByteArray("\x81\x5f"
                                                                 "a")
                                                   << QStringLiteral("\uff3c"
                                                                     "a");
    QTest::newRow("half-width katakana") << QByteArray("\xb1") << QStringLiteral("\uff71");
    QTest::newRow("control codes stay themselves")
        << QByteArray("\x1a\x1c\x7f\x82\xa0\x1a") << QStringLiteral("\x1a\x1c\x7f\u3042\x1a");
}

void TestWireText::convertsAnsi()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(DecodeAnsi(bytes), text);
    QCOMPARE(EncodeAnsi(text), bytes);
}

void TestWireText::encodesUnmappableAsQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("euro sign") << QStringLiteral("5\u20ac") << QByteArray("5?");
    QTest::newRow("emoji is one character") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("among mappable ones")
        << QStringLiteral("\u3042\u20ac\u3042") << QByteArray("\x82\xa0?\x82\xa0");
    QTest::newRow("a real NUL is left out")
        << QString(QStringLiteral("a") + QChar(0) + u'b') << QByteArray("ab");
}

void TestWireText::encodesUnmappableAsQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(EncodeAnsi(text), bytes);
}

void TestWireText::decodesUtf8Strictly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("hello") << QStringLiteral("hello");
    QTest::newRow("hiragana") << QByteArray("\xe3\x81\x82") << QStringLiteral("\u3042");
    QTest::newRow("emoji") << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("invalid byte") << QByteArray("ok\xff") << QString();
    QTest::newRow("cut-off sequence") << QByteArray("ok\xe3\x81") << QString();
    QTest::newRow("code page 932 is not utf-8") << QByteArray("\x82\xa0") << QString();
    QTest::newRow("overlong form") << QByteArray("\xc0\xaf") << QString();
}

void TestWireText::decodesUtf8Strictly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(DecodeUtf8(bytes), text);
    if (!text.isEmpty())
        QCOMPARE(EncodeUtf8(text), bytes);
}

void TestWireText::givesAnyAnsiBytesBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("characters"); // how many the text holds

    QTest::newRow("byte 0x80") << QByteArray("a\x80") << 2;
    QTest::newRow("byte 0xa0") << QByteArray("\xa0z") << 2;
    QTest::newRow("bytes 0xfd to 0xff") << QByteArray("\xfd\xfe\xff") << 3;
    QTest::newRow("lead byte at the end") << QByteArray("Jos\x82") << 4;
    QTest::newRow("latin-1 e acute") << QByteArray("Jos\xe9") << 4;
    QTest::newRow("invalid pair") << QByteArray("\x81\x20x") << 3;
    QTest::newRow("lead byte before a control code") << QByteArray("\x82\x1a") << 2;
    QTest::newRow("duplicate of an extension row") << QByteArray("\xed\x40") << 2;
    QTest::newRow("a NUL byte") << QByteArray("a\0b", 3) << 3;
    QTest::newRow("mixed with good characters") << QByteArray("\x82\xa0\x80\x82\xa0") << 3;
}

void TestWireText::givesAnyAnsiBytesBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, characters);

    const QString text = DecodeAnsi(bytes);
    QCOMPARE(text.size(), characters);
    QCOMPARE(EncodeAnsi(text), bytes);
    // No byte is lost or merged into another: a neighbour that differs in one byte stays apart.
    QByteArray neighbour = bytes;
    neighbour[neighbour.size() - 1] = char(neighbour.back() ^ 1);
    QVERIFY(DecodeAnsi(neighbour) != text);
}

QTEST_APPLESS_MAIN(TestWireText)
#include "tst_wire_text.moc"
