#pragma once

#include "position_index.h"
#include "row_order.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QItemSelectionModel>
#include <QList>

#include <algorithm>
#include <memory>
#include <vector>

// One column of a report list.
struct ReportColumn {
    const char *caption; // UTF-8
    ColumnOrder order;
    Qt::Alignment alignment;
};

// A flat list of rows for a report view. Each row keeps the slot it came into; slots grow in list
// order, so comparing two rows' slots tells which comes first, and a row's position is found
// without a scan. A row that leaves empties its slot, so the rows behind it are not renumbered;
// empty slots are swept out once they are the majority. Bulk changes (sorting, dropping many rows)
// happen in one layout change that keeps the view's selection on the rows that stay.
template <typename Row>
class RowTableModel : public QAbstractTableModel {
public:
    // images: the small pictures the rows refer to by index.
    RowTableModel(QList<ReportColumn> columns, QList<QIcon> images, QObject *parent)
        : QAbstractTableModel(parent)
        , m_columns(std::move(columns))
        , m_images(std::move(images))
    {}

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_positions.live();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const Row *row = rowAt(index);
        if (!row)
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return cell(*row, index.column());
        case Qt::DecorationRole: {
            const int image = imageOf(*row, index.column());
            return image >= 0 && image < m_images.size() ? QVariant(m_images.at(image))
                                                         : QVariant();
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(m_columns.at(index.column()).alignment);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromUtf8(m_columns.at(section).caption);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns.at(section).alignment);
        return {};
    }

    Row *selectedRow(const QItemSelectionModel *selection) const
    {
        if (!selection)
            return nullptr;
        const QModelIndexList selected = selection->selectedRows();
        return selected.isEmpty() ? nullptr : rowAt(selected.first());
    }

    Row *rowAt(int position) const
    {
        if (position < 0 || position >= m_positions.live())
            return nullptr;
        return m_slots[size_t(m_positions.slotAt(position))].get();
    }
    Row *rowAt(const QModelIndex &index) const
    {
        return index.isValid() && index.model() == this ? rowAt(index.row()) : nullptr;
    }
    int positionOf(const Row *row) const { return m_positions.positionOf(row->slot); }
    QModelIndex indexOf(const Row *row, int column = 0) const
    {
        return index(positionOf(row), column);
    }

    // The column header's click: sorts once by that column, ascending.
    void sortByColumn(int column)
    {
        if (column < 0 || column >= m_columns.size())
            return;
        const ColumnOrder order = m_columns.at(column).order;
        reorder([&](std::vector<std::unique_ptr<Row>> &rows) {
            std::stable_sort(rows.begin(), rows.end(), [&](const auto &a, const auto &b) {
                return CompareRowsByColumn(cell(*a, column), cell(*b, column), order) < 0;
            });
        });
    }

protected:
    virtual QString cell(const Row &row, int column) const = 0;
    // The picture shown in the cell; -1 or an index past the images shows none.
    virtual int imageOf(const Row &, int) const { return -1; }
    virtual void indexRow(Row *) {}
    virtual void forgetRow(Row *) {}

    Row *appendRow(std::unique_ptr<Row> row)
    {
        const int position = m_positions.live();
        beginInsertRows(QModelIndex(), position, position);
        row->slot = m_positions.size();
        Row *added = row.get();
        m_slots.push_back(std::move(row));
        m_positions.append();
        indexRow(added);
        endInsertRows();
        return added;
    }

    void removeRow(Row *row)
    {
        const int position = positionOf(row);
        beginRemoveRows(QModelIndex(), position, position);
        forgetRow(row);
        const int slot = row->slot;
        m_slots[size_t(slot)].reset();
        m_positions.vacate(slot);
        endRemoveRows();
        if (m_positions.size() > 64 && m_positions.size() > 2 * m_positions.live())
            sweepEmptySlots();
    }

    void rowChanged(const Row *row)
    {
        const int position = positionOf(row);
        Q_EMIT dataChanged(index(position, 0), index(position, columnCount() - 1));
    }

    // Drops every row for which drop(row) says so, after it may have changed the row.
    template <typename Drop>
    void dropRowsWhere(Drop drop)
    {
        reorder([&](std::vector<std::unique_ptr<Row>> &rows) {
            std::vector<std::unique_ptr<Row>> kept;
            kept.reserve(rows.size());
            for (auto &row : rows) {
                if (drop(*row)) {
                    forgetRow(row.get());
                    m_dropped.push_back(std::move(row));
                } else {
                    kept.push_back(std::move(row));
                }
            }
            rows.swap(kept);
        });
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    void removeAllRows()
    {
        if (rowCount() == 0)
            return;
        beginResetModel();
        for (auto &row : m_slots) {
            if (row)
                forgetRow(row.get());
        }
        m_slots.clear();
        m_positions.reset(0);
        endResetModel();
    }

private:
    // Positions stay as they are: only the empty slots between the rows go.
    void sweepEmptySlots()
    {
        std::erase(m_slots, nullptr);
        renumberSlots();
    }

    void renumberSlots()
    {
        for (size_t i = 0; i < m_slots.size(); ++i)
            m_slots[i]->slot = int(i);
        m_positions.reset(int(m_slots.size()));
    }

    // Changes the order or the membership of the rows in one layout change, moving the view's
    // persistent indexes (its selection, its current row) with their rows.
    template <typename Change>
    void reorder(Change change)
    {
        Q_EMIT layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        std::vector<Row *> persistentRows;
        persistentRows.reserve(size_t(before.size()));
        for (const QModelIndex &index : before)
            persistentRows.push_back(rowAt(index.row()));
        std::erase(m_slots, nullptr);
        for (auto &row : m_slots)
            row->slot = -1;

        change(m_slots);
        renumberSlots();

        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const Row *row = persistentRows[size_t(i)];
            after.append(row && row->slot >= 0 ? indexOf(row, before[i].column()) : QModelIndex());
        }
        changePersistentIndexList(before, after);
        m_dropped.clear();
        Q_EMIT layoutChanged();
    }

    QList<ReportColumn> m_columns;
    QList<QIcon> m_images;
    std::vector<std::unique_ptr<Row>> m_slots; // an empty one where a row has left
    PositionIndex m_positions;
    std::vector<std::unique_ptr<Row>> m_dropped; // alive until the persistent indexes have moved
};
