#include "vector_list_model.h"

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

VectorListModel::VectorListModel(QList<QIcon> images, QObject *parent)
    : RowTableModel({{"QTag", ColumnOrder::Caption, kLeft},
                     {"人数", ColumnOrder::Number, kRight},
                     {"定員", ColumnOrder::Number, kRight},
                     {"Sub", ColumnOrder::Number, kRight},
                     {"説明", ColumnOrder::Text, kLeft}},
                    std::move(images), parent)
{}

QString VectorListModel::cell(const VectorRow &row, int column) const
{
    switch (column) {
    case CaptionColumn:
        return row.caption;
    case UsersColumn:
        return row.users;
    case CapacityColumn:
        return row.capacity;
    case SubVectorsColumn:
        return row.subVectors;
    case DescriptionColumn:
        return row.description;
    }
    return {};
}

int VectorListModel::imageOf(const VectorRow &row, int column) const
{
    return column == CaptionColumn ? row.image : -1;
}

VectorRow *VectorListModel::findRow(const QString &caption) const
{
    return m_byCaption.value(caption);
}

VectorRow *VectorListModel::addRow(VectorRow row)
{
    return appendRow(std::make_unique<VectorRow>(std::move(row)));
}

void VectorListModel::deleteRow(VectorRow *row)
{
    removeRow(row);
}

void VectorListModel::indexRow(VectorRow *row)
{
    m_byCaption.insert(row->caption, row);
}

void VectorListModel::forgetRow(VectorRow *row)
{
    m_byCaption.remove(row->caption);
}
