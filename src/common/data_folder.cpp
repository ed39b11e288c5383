#include "common/data_folder.h"

#include "common/globals.h"

QString inDataFolder(const QString &relativePath)
{
    return adr + QLatin1Char('/') + relativePath;
}
