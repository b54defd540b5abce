#include "position_index.h"

#include <cstddef>

void PositionIndex::append()
{
    const int i = size() + 1;
    m_tree.push_back(1 + takenUpTo(i - 1) - takenUpTo(i - lowBit(i)));
    ++m_live;
}

void PositionIndex::vacate(int slot)
{
    for (int i = slot + 1; i <= size(); i += lowBit(i))
        --m_tree[std::size_t(i)];
    --m_live;
}

int PositionIndex::takenUpTo(int count) const
{
    int taken = 0;
    for (int i = count; i > 0; i -= lowBit(i))
        taken += m_tree[std::size_t(i)];
    return taken;
}

int PositionIndex::positionOf(int slot) const
{
    return takenUpTo(slot);
}

int PositionIndex::slotAt(int position) const
{
    int step = 1;
    while (step * 2 <= size())
        step *= 2;
    int slot = 0;
    int remaining = position + 1;
    for (; step > 0; step /= 2) {
        if (slot + step <= size() && m_tree[std::size_t(slot + step)] < remaining) {
            slot += step;
            remaining -= m_tree[std::size_t(slot)];
        }
    }
    return slot; // the 1-based slot after it holds the row: 0-based, this one
}

void PositionIndex::reset(int count)
{
    m_tree.assign(std::size_t(count) + 1, 0);
    for (int i = 1; i <= count; ++i)
        m_tree[std::size_t(i)] = lowBit(i);
    m_live = count;
}
