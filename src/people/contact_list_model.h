#pragma once

#include "row_table_model.h"

#include <QHash>

// One of the user's contacts, as the engine reported it.
struct ContactRow {
    QString caption; // the QTag
    QString ping;
    QString room;   // the last level of the contact's vector path
    QString vector; // the path without its last level
    QString fourth; // shown as the engine sends it
    QString path;   // the whole vector path
    int image = 0;  // 0 offline, 1 online
    int slot = -1;  // in list order; see RowTableModel
};

// The contact list, in the order the contacts came, keyed by QTag (exact).
class ContactListModel : public RowTableModel<ContactRow> {
public:
    enum Image { Offline = 0, Online = 1 };

    explicit ContactListModel(QList<QIcon> images, QObject *parent = nullptr);

    ContactRow *findRow(const QString &qtag) const { return m_byQTag.value(qtag); }
    ContactRow *addRow(const QString &qtag);
    void deleteRow(ContactRow *row) { removeRow(row); }
    void rowUpdated(const ContactRow *row) { rowChanged(row); }
    void clear() { removeAllRows(); }

protected:
    QString cell(const ContactRow &row, int column) const override;
    int imageOf(const ContactRow &row, int column) const override;
    void indexRow(ContactRow *row) override { m_byQTag.insert(row->caption, row); }
    void forgetRow(ContactRow *row) override { m_byQTag.remove(row->caption); }

private:
    QHash<QString, ContactRow *> m_byQTag;
};
