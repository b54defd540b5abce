#include "row_order.h"

int CompareRowsByColumn(const QString &a, const QString &b, ColumnOrder order)
{
    switch (order) {
    case ColumnOrder::Caption:
        return QString::localeAwareCompare(a, b);
    case ColumnOrder::Number:
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        return QString::compare(a, b, Qt::CaseSensitive);
    case ColumnOrder::Text:
        break;
    }
    return QString::compare(a, b, Qt::CaseSensitive);
}
