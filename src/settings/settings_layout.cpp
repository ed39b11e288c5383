#include "settings/settings_layout.h"

#include "settings/settings_store.h"

namespace {
const QString kTable = QStringLiteral("Setting");
}

QString readSetting(SettingCell cell)
{
    return SchitDan(QLatin1String(cell.column), kTable, QString::number(cell.id));
}

bool readFlag(SettingCell cell)
{
    return readSetting(cell) == QLatin1String("1");
}

void writeSetting(SettingCell cell, const QString &value)
{
    ZapisDan(kTable, QLatin1String(cell.column), value, QString::number(cell.id));
}

void writeFlag(SettingCell cell, bool on)
{
    writeSetting(cell, on ? QStringLiteral("1") : QStringLiteral("0"));
}
