#include "position_index.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

class TestPositionIndex : public QObject {
    Q_OBJECT

private slots:
    void agreesWithCounting_data();
    void agreesWithCounting();
};

void TestPositionIndex::agreesWithCounting_data()
{
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<int>("leaving");

    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("one row, leaving") << 1 << 1;
    QTest::newRow("a power of two") << 64 << 30;
    QTest::newRow("odd size, most leave") << 1000 << 997;
    QTest::newRow("all leave") << 257 << 257;
}

// Every answer matches counting the taken slotCount one by one, while rows come and leave.
void TestPositionIndex::agreesWithCounting()
{
    QFETCH(int, slotCount);
    QFETCH(int, leaving);

    QRandomGenerator random(slotCount);
    PositionIndex index;
    std::vector<bool> taken;
    const auto check = [&] {
        QCOMPARE(index.size(), int(taken.size()));
        int position = 0;
        for (int slot = 0; slot < int(taken.size()); ++slot) {
            QCOMPARE(index.positionOf(slot), position);
            if (taken[size_t(slot)]) {
                QCOMPARE(index.slotAt(position), slot);
                ++position;
            }
        }
        QCOMPARE(index.live(), position);
    };

    for (int i = 0; i < slotCount; ++i) {
        index.append();
        taken.push_back(true);
    }
    check();
    std::vector<int> order(static_cast<size_t>(slotCount));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < leaving; ++i) {
        index.vacate(order[size_t(i)]);
        taken[size_t(order[size_t(i)])] = false;
        if (i % 97 == 0) {
            index.append(); // newcomers keep coming meanwhile
            taken.push_back(true);
        }
    }
    check();
    index.reset(5);
    taken.assign(5, true);
    check();
}

QTEST_APPLESS_MAIN(TestPositionIndex)
#include "tst_position_index.moc"
