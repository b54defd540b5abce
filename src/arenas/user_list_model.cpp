#include "user_list_model.h"

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

} // namespace

UserListModel::UserListModel(QList<QIcon> images, QObject *parent)
    : RowTableModel({{"QTag", ColumnOrder::Caption, kLeft},
                     {"Ping", ColumnOrder::Number, kRight},
                     {"Status", ColumnOrder::Text, kLeft},
                     {"Players", ColumnOrder::Number, kRight},
                     {"Client", ColumnOrder::Number, kRight},
                     {"CAP", ColumnOrder::Text, kLeft}},
                    std::move(images), parent)
{}

QString UserListModel::cell(const UserRow &row, int column) const
{
    switch (column) {
    case QTagColumn:
        return row.caption;
    case PingColumn:
        return row.ping;
    case StatusColumn:
        return row.status;
    case PlayersColumn:
        return row.players;
    case ClientColumn:
        return row.deviceCount;
    case CapsColumn:
        return row.caps;
    }
    return {};
}

int UserListModel::imageOf(const UserRow &row, int column) const
{
    if (column == QTagColumn)
        return row.roleImage;
    if (column == StatusColumn)
        return row.statusImage;
    return -1;
}

UserRow *UserListModel::FindUserRow(const QString &qtag) const
{
    const auto bucket = m_byFoldedQTag.constFind(keyOf(qtag));
    if (bucket == m_byFoldedQTag.cend())
        return nullptr;
    UserRow *first = nullptr;
    for (UserRow *row : *bucket) {
        if (!first || row->slot < first->slot)
            first = row;
    }
    return first;
}

UserRow *UserListModel::firstExactRow(const QString &qtag) const
{
    const auto bucket = m_byFoldedQTag.constFind(keyOf(qtag));
    if (bucket == m_byFoldedQTag.cend())
        return nullptr;
    UserRow *first = nullptr;
    for (UserRow *row : *bucket) {
        if (row->caption == qtag && (!first || row->slot < first->slot))
            first = row;
    }
    return first;
}

UserRow *UserListModel::lastExactRow(const QString &qtag) const
{
    const auto bucket = m_byFoldedQTag.constFind(keyOf(qtag));
    if (bucket == m_byFoldedQTag.cend())
        return nullptr;
    UserRow *last = nullptr;
    for (UserRow *row : *bucket) {
        if (row->caption == qtag && (!last || row->slot > last->slot))
            last = row;
    }
    return last;
}

UserRow *UserListModel::addRow(UserRow row)
{
    return appendRow(std::make_unique<UserRow>(std::move(row)));
}

void UserListModel::deleteRow(UserRow *row)
{
    removeRow(row);
}

void UserListModel::indexRow(UserRow *row)
{
    m_byFoldedQTag[keyOf(row->caption)].append(row);
}

void UserListModel::forgetRow(UserRow *row)
{
    const auto bucket = m_byFoldedQTag.find(keyOf(row->caption));
    if (bucket == m_byFoldedQTag.end())
        return;
    bucket->removeOne(row);
    if (bucket->isEmpty())
        m_byFoldedQTag.erase(bucket);
}

bool UserRow::addDevice(const QString &device)
{
    if (devices.contains(device))
        return false;
    devices.insert(device);
    deviceList += device + u';';
    deviceCount = QString::number(devices.size());
    return true;
}

void UserListModel::ClearUserRows(int flags)
{
    const bool vectorPart = flags & VectorPart;
    const bool chatPart = flags & ChatPart;
    if (!vectorPart && !chatPart)
        return;
    dropRowsWhere([&](UserRow &row) {
        if (vectorPart) {
            if (!row.inChat)
                return true;
            row.ping.clear();
            row.status.clear();
            row.statusImage = -1;
            row.players.clear();
            row.inVector = false;
        }
        if (chatPart) {
            if (!row.inVector)
                return true;
            row.roleImage = -1;
            row.inChat = false;
        }
        return false;
    });
}
