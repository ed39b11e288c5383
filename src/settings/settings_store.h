// The settings database: one SQLite table `Setting`, rows id 1..9 by text columns set_1..set_3.
// data.bcs is the file in use; data.000 is the template it is copied from on first start.
#pragma once

#include <QString>
#include <QStringList>

// Makes sure a usable data.bcs exists in the data folder and points the store's connection at
// it. A data.bcs that is no settings database is set aside as data.bcs.broken-YYYYMMDD-HHMMSS
// and made again from data.000, or from the built-in template when that is missing or broken.
// Where no file can be made, the settings live in memory for this run. Returns what the user
// should be told of that, one Russian text per event; empty when all went as usual.
QStringList openSettingsStore(const QString &dataFolder);
void closeSettingsStore();

// Creates a database file holding the template's table and values. False when it cannot.
bool createSettingsDatabase(const QString &path);

// True when the file opens as a SQLite database holding table Setting with rows 1 to 9.
bool isUsableSettingsFile(const QString &path);

// The cell of column `pole` in row `id`, as stored; the empty text on any error.
QString SchitDan(const QString &pole, const QString &tbl, const QString &id);

// Stores `dan` in column `stlb` of row `id`. A row that does not exist changes nothing; a
// failed write throws AppError.
void ZapisDan(const QString &tbl, const QString &stlb, const QString &dan, const QString &id);
