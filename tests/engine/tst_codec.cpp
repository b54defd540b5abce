#include "field_reader.h"
#include "split_text.h"

#include <QTest>

class TestCodec : public QObject {
    Q_OBJECT

private slots:
    void readsFields_data();
    void readsFields();
    void swapsSeparatorBothWays_data();
    void swapsSeparatorBothWays();
    void splitsText_data();
    void splitsText();
};

void TestCodec::readsFields_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QByteArrayList>("fields");

    QTest::newRow("empty field in the middle")
        << QByteArray("name;a;;c;") << QByteArrayList{"name", "a", "", "c", "", "", ""};
    QTest::newRow("last field without its separator")
        << QByteArray("name;a;b") << QByteArrayList{"name", "a", "b", "", ""};
    QTest::newRow("name alone, no separator")
        << QByteArray("ZOL_CLIENT_ATTACH") << QByteArrayList{"ZOL_CLIENT_ATTACH", ""};
    QTest::newRow("empty datagram") << QByteArray() << QByteArrayList{"", "", ""};
    QTest::newRow("separators only") << QByteArray(";;") << QByteArrayList{"", "", "", ""};
    QTest::newRow("byte 2 reads as a separator") << QByteArray("name;a\x02"
                                                               "b;")
                                                 << QByteArrayList{"name", "a;b", ""};
    QTest::newRow("bytes kept as they are")
        << QByteArray("name;\x82\xa0\xff\x01;") << QByteArrayList{"name", "\x82\xa0\xff\x01", ""};
}

void TestCodec::readsFields()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QByteArrayList, fields);

    FieldReader reader{datagram, 0};
    QByteArrayList read;
    for (qsizetype i = 0; i < fields.size(); ++i)
        read.append(NextField(reader));
    QCOMPARE(read, fields);
}

void TestCodec::swapsSeparatorBothWays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("swapped");

    QTest::newRow("semicolon out") << QStringLiteral("a;b")
                                   << QStringLiteral("a\x02"
                                                     "b");
    QTest::newRow("byte 2 in") << QStringLiteral("a\x02"
                                                 "b")
                               << QStringLiteral("a;b");
    QTest::newRow("both at once") << QStringLiteral(";\x02;") << QStringLiteral("\x02;\x02");
    QTest::newRow("nothing to swap") << QStringLiteral("plain") << QStringLiteral("plain");
    QTest::newRow("empty") << QString() << QString();
}

void TestCodec::swapsSeparatorBothWays()
{
    QFETCH(QString, text);
    QFETCH(QString, swapped);

    QCOMPARE(SwapFieldSeparator(text), swapped);
    QCOMPARE(SwapFieldSeparator(SwapFieldSeparator(text)), text);
    QCOMPARE(SwapFieldSeparator(text.toLatin1()), swapped.toLatin1());
}

void TestCodec::splitsText_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("last of a path") << "last"
                                    << "a/b/c"
                                    << "/"
                                    << "a/b"
                                    << "c";
    QTest::newRow("last without separator") << "last"
                                            << "abc"
                                            << "/"
                                            << ""
                                            << "abc";
    QTest::newRow("last of a trailing slash") << "last"
                                              << "a/"
                                              << "/"
                                              << "a"
                                              << "";
    QTest::newRow("first of a path") << "first"
                                     << "a/b/c"
                                     << "/"
                                     << "a"
                                     << "b/c";
    QTest::newRow("first without separator") << "first"
                                             << "abc"
                                             << "/"
                                             << "abc"
                                             << "";
    QTest::newRow("first of a leading slash") << "first"
                                              << "/a"
                                              << "/"
                                              << ""
                                              << "a";
    QTest::newRow("decoded head of a list") << "decoded"
                                            << "x\x02y;rest;"
                                            << ";"
                                            << "x;y"
                                            << "rest;";
    QTest::newRow("decoded leaves the rest alone") << "decoded"
                                                   << "a;b\x02"
                                                   << ";"
                                                   << "a"
                                                   << "b\x02";
}

void TestCodec::splitsText()
{
    QFETCH(QString, helper);
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QString, first);
    QFETCH(QString, second);

    const SplitText parts = helper == u"last"    ? SplitLast(text, separator)
                            : helper == u"first" ? SplitFirst(text, separator)
                                                 : SplitFirstDecoded(text, separator);
    QCOMPARE(parts.first, first);
    QCOMPARE(parts.second, second);
}

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"
