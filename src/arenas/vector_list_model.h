#pragma once

#include "row_table_model.h"

#include <QHash>

class QItemSelectionModel;

// One sub-vector of the current vector, as the engine reported it.
struct VectorRow {
    QString caption; // the sub-vector's name; for an arena made by a user, that user's QTag
    int image = -1;
    QString users;
    QString capacity;
    QString subVectors;
    QString description;
    int position = -1;
};

// The sub-vector list, keyed by caption (letter case counting).
class VectorListModel : public RowTableModel<VectorRow> {
public:
    enum Column { CaptionColumn, UsersColumn, CapacityColumn, SubVectorsColumn, DescriptionColumn };
    enum Image { ReportedVector = 0, OpenUserArena = 1, LockedUserArena = 2 };

    explicit VectorListModel(QList<QIcon> images, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    VectorRow *findRow(const QString &caption) const;
    VectorRow *addRow(VectorRow row);
    void deleteRow(VectorRow *row);
    void rowUpdated(const VectorRow *row) { rowChanged(row); }
    void clear() { removeAllRows(); }

    VectorRow *selectedRow(const QItemSelectionModel *selection) const;

protected:
    QString cell(const VectorRow &row, int column) const override;
    ColumnOrder columnOrder(int column) const override;
    void indexRow(VectorRow *row) override;
    void forgetRow(VectorRow *row) override;

private:
    QList<QIcon> m_images;
    QHash<QString, VectorRow *> m_byCaption;
};
