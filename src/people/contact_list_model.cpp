#include "contact_list_model.h"

namespace {
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
} // namespace

ContactListModel::ContactListModel(QList<QIcon> images, QObject *parent)
    : RowTableModel({{"QTag", ColumnOrder::Text, kLeft},
                     {"Ping", ColumnOrder::Number, kRight},
                     {"ROOM", ColumnOrder::Text, kLeft},
                     {"Vector", ColumnOrder::Text, kLeft},
                     {"?", ColumnOrder::Text, kLeft}},
                    std::move(images), parent)
{}

ContactRow *ContactListModel::addRow(const QString &qtag)
{
    auto row = std::make_unique<ContactRow>();
    row->caption = qtag;
    return appendRow(std::move(row));
}

QString ContactListModel::cell(const ContactRow &row, int column) const
{
    switch (column) {
    case 0:
        return row.caption;
    case 1:
        return row.ping;
    case 2:
        return row.room;
    case 3:
        return row.vector;
    case 4:
        return row.fourth;
    }
    return {};
}

int ContactListModel::imageOf(const ContactRow &row, int column) const
{
    return column == 0 ? row.image : -1;
}
