#include "percent_text.h"
#include "row_order.h"

#include <QTest>

Q_DECLARE_METATYPE(ColumnOrder)

class TestArenaText : public QObject {
    Q_OBJECT

private slots:
    void decodesPercentText_data();
    void decodesPercentText();
    void ordersCells_data();
    void ordersCells();
};

void TestArenaText::decodesPercentText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decoded");

    QTest::newRow("one escape") << "a%41b"
                                << "aAb";
    QTest::newRow("lower-case hex digit is no escape") << "%4a"
                                                       << "%4a";
    QTest::newRow("cut-off escape at the end") << "x%4"
                                               << "x%4";
    QTest::newRow("percent alone") << "100%"
                                   << "100%";
    QTest::newRow("utf-8 in escapes") << "%E3%81%82"
                                      << "\u3042";
    QTest::newRow("escapes next to plain text") << "G%E3%81%82!"
                                                << "G\u3042!";
    QTest::newRow("escaped percent") << "%25%41"
                                     << "%A";
    QTest::newRow("invalid utf-8 in escapes reads as empty") << "a%FFb"
                                                             << "";
    QTest::newRow("no escape keeps the text") << "plain \u3042"
                                              << "plain \u3042";
}

void TestArenaText::decodesPercentText()
{
    QFETCH(QString, text);
    QFETCH(QString, decoded);

    QCOMPARE(DecodePercentText(text), decoded);
}

void TestArenaText::ordersCells_data()
{
    QTest::addColumn<ColumnOrder>("order");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");

    QTest::newRow("number: 9 before 10") << ColumnOrder::Number << "9"
                                         << "10" << -1;
    QTest::newRow("number: equal lengths as text") << ColumnOrder::Number << "120"
                                                   << "099" << 1;
    QTest::newRow("number: equal") << ColumnOrder::Number << "42"
                                   << "42" << 0;
    QTest::newRow("number: empty first") << ColumnOrder::Number << ""
                                         << "0" << -1;
    QTest::newRow("text: letter case counts") << ColumnOrder::Text << "B"
                                              << "a" << -1;
    QTest::newRow("text: 10 before 9") << ColumnOrder::Text << "10"
                                       << "9" << -1;
    QTest::newRow("caption: alphabetical") << ColumnOrder::Caption << "alpha"
                                           << "beta" << -1;
}

void TestArenaText::ordersCells()
{
    QFETCH(ColumnOrder, order);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);

    const auto signOf = [](int value) { return (value > 0) - (value < 0); };
    QCOMPARE(signOf(CompareRowsByColumn(a, b, order)), sign);
    QCOMPARE(signOf(CompareRowsByColumn(b, a, order)), -sign);
}

QTEST_APPLESS_MAIN(TestArenaText)
#include "tst_arena_text.moc"
