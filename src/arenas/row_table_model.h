#pragma once

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

// A flat list of rows for a report view. Rows know their position so that lookups through an
// index need no scan; bulk changes (sorting, dropping many rows) happen in one layout change that
// keeps the view's selection on the rows that stay.
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
        return parent.isValid() ? 0 : int(m_rows.size());
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
        return position >= 0 && position < int(m_rows.size()) ? m_rows[size_t(position)].get()
                                                              : nullptr;
    }
    Row *rowAt(const QModelIndex &index) const
    {
        return index.isValid() && index.model() == this ? rowAt(index.row()) : nullptr;
    }
    QModelIndex indexOf(const Row *row, int column = 0) const
    {
        return index(row->position, column);
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
        const int position = int(m_rows.size());
        beginInsertRows(QModelIndex(), position, position);
        row->position = position;
        Row *added = row.get();
        m_rows.push_back(std::move(row));
        indexRow(added);
        endInsertRows();
        return added;
    }

    void removeRow(Row *row)
    {
        const int position = row->position;
        beginRemoveRows(QModelIndex(), position, position);
        forgetRow(row);
        m_rows.erase(m_rows.begin() + position);
        renumberFrom(position);
        endRemoveRows();
    }

    void rowChanged(const Row *row)
    {
        Q_EMIT dataChanged(index(row->position, 0), index(row->position, columnCount() - 1));
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
        if (!m_rows.empty())
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    void removeAllRows()
    {
        if (m_rows.empty())
            return;
        beginResetModel();
        for (auto &row : m_rows)
            forgetRow(row.get());
        m_rows.clear();
        endResetModel();
    }

private:
    void renumberFrom(int position)
    {
        for (size_t i = size_t(position); i < m_rows.size(); ++i)
            m_rows[i]->position = int(i);
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
        for (auto &row : m_rows)
            row->position = -1;

        change(m_rows);
        renumberFrom(0);

        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const Row *row = persistentRows[size_t(i)];
            after.append(row && row->position >= 0 ? index(row->position, before[i].column())
                                                   : QModelIndex());
        }
        changePersistentIndexList(before, after);
        m_dropped.clear();
        Q_EMIT layoutChanged();
    }

    QList<ReportColumn> m_columns;
    QList<QIcon> m_images;
    std::vector<std::unique_ptr<Row>> m_rows;
    std::vector<std::unique_ptr<Row>> m_dropped; // alive until the persistent indexes have moved
};
