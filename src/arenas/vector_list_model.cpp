#include "vector_list_model.h"

#include <QItemSelectionModel>

namespace {

struct ColumnInfo {
    const char *caption;
    ColumnOrder order;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

const ColumnInfo kColumns[] = {
    {"QTag", ColumnOrder::Caption, kLeft}, {"人数", ColumnOrder::Number, kRight},
    {"定員", ColumnOrder::Number, kRight}, {"Sub", ColumnOrder::Number, kRight},
    {"説明", ColumnOrder::Text, kLeft},
};
constexpr int kColumnCount = int(std::size(kColumns));

} // namespace

VectorListModel::VectorListModel(QList<QIcon> images, QObject *parent)
    : RowTableModel(parent)
    , m_images(std::move(images))
{}

int VectorListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

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

ColumnOrder VectorListModel::columnOrder(int column) const
{
    return column >= 0 && column < kColumnCount ? kColumns[column].order : ColumnOrder::Text;
}

QVariant VectorListModel::data(const QModelIndex &index, int role) const
{
    const VectorRow *row = rowAt(index);
    if (!row)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(*row, index.column());
    case Qt::DecorationRole:
        return index.column() == CaptionColumn ? QVariant(iconAt(m_images, row->image))
                                               : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(kColumns[index.column()].alignment);
    }
    return {};
}

QVariant VectorListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(kColumns[section].caption);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kColumns[section].alignment);
    return {};
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

VectorRow *VectorListModel::selectedRow(const QItemSelectionModel *selection) const
{
    if (!selection)
        return nullptr;
    const QModelIndexList selected = selection->selectedRows();
    return selected.isEmpty() ? nullptr : rowAt(selected.first());
}
