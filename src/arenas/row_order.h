#pragma once

#include <QString>

// How a list column orders its cells when its header is clicked.
enum class ColumnOrder {
    Caption, // as the desktop's locale orders names
    Text,    // code unit by code unit, letter case counting
    Number,  // the shorter text first, equal lengths as text: right for plain decimal numbers
};

// Negative, zero or positive as a sorts before, with or after b.
int CompareRowsByColumn(const QString &a, const QString &b, ColumnOrder order);
