#pragma once

#include <vector>

// Where a row stands in a list whose rows leave from anywhere: each row keeps the slot it got
// when it came, a departed row leaves an empty slot, and this index (a Fenwick tree over the
// slots) turns a slot into a position and back in logarithmic time. So a row can leave a list of
// thousands without the rows behind it being renumbered.
class PositionIndex {
public:
    int size() const { return int(m_tree.size()) - 1; } // slots, empty ones included
    int live() const { return m_live; }

    // A new slot at the end, taken by a row.
    void append();
    // The row in the slot has left.
    void vacate(int slot);
    // The number of taken slots before slot: the position of the row in it.
    int positionOf(int slot) const;
    // The slot of the row at a position, which must be below live().
    int slotAt(int position) const;
    // count slots, all taken.
    void reset(int count);

private:
    static int lowBit(int i) { return i & -i; }
    int takenUpTo(int count) const; // taken slots among the first count

    std::vector<int> m_tree{0}; // 1-based; m_tree[0] is unused
    int m_live = 0;
};
