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

QTEST_APPLESS_MAIN(TestWireText)
#include "tst_wire_text.moc"
