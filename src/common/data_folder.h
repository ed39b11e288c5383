// Paths under the data folder `adr`, the only place the program reads or writes files.
#pragma once

#include <QString>

QString inDataFolder(const QString &relativePath);
