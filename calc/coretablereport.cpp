#include "coretablereport.h"

#include "coretable.h"

#include <QDir>

namespace corvane {

namespace {

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

QString coreTableReport(const CoreTable &table)
{
    const QString path = QDir::toNativeSeparators(table.path);
    switch (table.origin) {
    case CoreTable::Origin::None:
        return QString();
    case CoreTable::Origin::Read: {
        QString counts = counted(table.coreCount, "core", "cores");
        if (table.skippedCount > 0)
            counts += QStringLiteral(", ") + counted(table.skippedCount, "line", "lines")
                      + QStringLiteral(" starting with @ skipped");
        return QStringLiteral("Core table: %1 (%2)").arg(path, counts);
    }
    case CoreTable::Origin::NotFound:
        return QStringLiteral("No core table: none found at %1").arg(path);
    case CoreTable::Origin::NotAFile:
        return QStringLiteral("No core table: %1 is not a regular file").arg(path);
    case CoreTable::Origin::Unreadable:
        return QStringLiteral("No core table: %1 could not be read (%2)").arg(path, table.readError);
    }
    return QString();
}

} // namespace corvane
