#include "schedule/scheme_paths.h"

#include "common/data_folder.h"
#include "common/globals.h"

QString schemeListPath()
{
    return inDataFolder(dir_spis + QStringLiteral("/spisok.ini"));
}

QString schemeFilePath(const QString &name)
{
    return inDataFolder(dir_spis + QLatin1Char('/') + name + QStringLiteral(".ini"));
}
