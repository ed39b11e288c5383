// The settings database: one SQLite table `Setting`, rows id 1..9 by text columns set_1..set_3.
// data.bcs is the file in use; data.000 is the template it is copied from on first start.
#pragma once

#include <QString>

// Makes sure data.bcs exists in the data folder (copied from data.000, or created from the
// built-in template when that is missing too) and points the store's connection at it.
void openSettingsStore(const QString &dataFolder);
void closeSettingsStore();

// Creates a database file holding the template's table and values. False when it cannot.
bool createSettingsDatabase(const QString &path);

// The cell of column `pole` in row `id`, as stored; the empty text on any error.
QString SchitDan(const QString &pole, const QString &tbl, const QString &id);

// Stores `dan` in column `stlb` of row `id`. A row that does not exist changes nothing; a
// failed write throws AppError.
void ZapisDan(const QString &tbl, const QString &stlb, const QString &dan, const QString &id);
