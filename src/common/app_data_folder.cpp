#include "app_data_folder.h"

#include <QStandardPaths>

QString AppDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return base + QStringLiteral("/TovrelUI");
}
