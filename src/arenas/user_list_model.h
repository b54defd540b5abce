#pragma once

#include "row_table_model.h"
#include "wire_text.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

// One user the engine reports in the current arena or its chat room.
struct UserRow {
    QString caption; // the QTag
    int roleImage = -1;
    QString ping;
    QString status;
    int statusImage = -1;
    QString players;
    QString deviceCount;
    QString caps;
    bool inChat = false;
    bool inVector = false;
    QString deviceList;    // device ids, each followed by ';'
    QSet<QString> devices; // the same ids, so a report does not walk the list
    int slot = -1;         // in list order; see RowTableModel

    // False when the row has the device already.
    bool addDevice(const QString &device);
};

// The user list. Lookups go through an index by QTag, so a busy arena costs the same per message
// as a quiet one; where several rows share a QTag, "first" and "last" mean in list order.
class UserListModel : public RowTableModel<UserRow> {
public:
    enum Column { QTagColumn, PingColumn, StatusColumn, PlayersColumn, ClientColumn, CapsColumn };
    enum ClearFlag { VectorPart = 1, ChatPart = 2 };

    // images: the role markers (0 to 2) and the arena status pictures (3 and up).
    explicit UserListModel(QList<QIcon> images, QObject *parent = nullptr);

    // The first row whose QTag equals qtag with letter case ignored.
    UserRow *FindUserRow(const QString &qtag) const;
    // The first and the last row whose QTag equals qtag exactly.
    UserRow *firstExactRow(const QString &qtag) const;
    UserRow *lastExactRow(const QString &qtag) const;

    UserRow *addRow(UserRow row);
    void deleteRow(UserRow *row);
    // Call after changing a row's fields.
    void rowUpdated(const UserRow *row) { rowChanged(row); }

    // Drops the arena part (vector) and/or the chat part of the list in one go.
    void ClearUserRows(int flags);

protected:
    QString cell(const UserRow &row, int column) const override;
    int imageOf(const UserRow &row, int column) const override;
    void indexRow(UserRow *row) override;
    void forgetRow(UserRow *row) override;

private:
    using Bucket = QVarLengthArray<UserRow *, 1>;
    static QString keyOf(const QString &qtag) { return CaseFoldedAnsi(qtag); }

    QHash<QString, Bucket> m_byFoldedQTag;
};
