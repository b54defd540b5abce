#pragma once

#include <QString>

struct SplitText {
    QString first;
    QString second;

    bool operator==(const SplitText &) const = default;
};

// Head before the first separator and the rest after it; without a separator the head is all.
SplitText SplitFirst(const QString &text, const QString &separator);
// As SplitFirst, with the field escape undone on the head: walks a ';'-joined list.
SplitText SplitFirstDecoded(const QString &text, const QString &separator);
// Everything before the last separator and the text behind it; without one, all is behind.
SplitText SplitLast(const QString &text, const QString &separator);
