#pragma once

#include "row_table_model.h"

#include <QHash>

// One sub-vector of the current vector, as the engine reported it.
struct VectorRow {
    QString caption; // the sub-vector's name; for an arena made by a user, that user's QTag
    int image = -1;
    QString users;
    QString capacity;
    QString subVectors;
    QString description;
    int slot = -1; // in list order; see RowTableModel
};

// The sub-vector list, keyed by caption (letter case counting).
class VectorListModel : public RowTableModel<VectorRow> {
public:
    enum Column { CaptionColumn, UsersColumn, CapacityColumn, SubVectorsColumn, DescriptionColumn };
    enum Image { ReportedVector = 0, OpenUserArena = 1, LockedUserArena = 2 };

    explicit VectorListModel(QList<QIcon> images, QObject *parent = nullptr);

    VectorRow *findRow(const QString &caption) const;
    VectorRow *addRow(VectorRow row);
    void deleteRow(VectorRow *row);
    void rowUpdated(const VectorRow *row) { rowChanged(row); }
    void clear() { removeAllRows(); }

protected:
    QString cell(const VectorRow &row, int column) const override;
    int imageOf(const VectorRow &row, int column) const override;
    void indexRow(VectorRow *row) override;
    void forgetRow(VectorRow *row) override;

private:
    QHash<QString, VectorRow *> m_byCaption;
};
