#include "settings/settings_store.h"

#include "common/app_error.h"
#include "common/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <optional>

extern const char *const settingsTemplateSql;

namespace {

const QString kConnection = QStringLiteral("settings");
constexpr int kRows = 9;

struct SettingRow
{
    int id;
    QStringList cells; // set_1, set_2, set_3
};

bool isKnownCell(const QString &table, const QString &column)
{
    static const QStringList columns
        = { QStringLiteral("set_1"), QStringLiteral("set_2"), QStringLiteral("set_3") };
    return table == QLatin1String("Setting") && columns.contains(column);
}

std::optional<int> rowId(const QString &id)
{
    bool ok = false;
    const int value = id.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The store's connection, opened on first use and kept open to the end of the run.
QSqlDatabase storeConnection()
{
    QSqlDatabase db = QSqlDatabase::database(kConnection, false);
    if (db.isValid() && !db.isOpen())
        db.open();
    return db;
}

QStringList templateStatements()
{
    QString script = QString::fromUtf8(settingsTemplateSql);
    script.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements;
    for (const QString &statement : script.split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    }
    return statements;
}

bool runTemplate(QSqlDatabase &db)
{
    bool ok = db.transaction();
    for (const QString &statement : templateStatements()) {
        if (ok)
            ok = QSqlQuery(db).exec(statement);
    }
    return ok && db.commit();
}

// Rows 1 to 9 of a settings file (opened for writing, so an interrupted write is rolled back);
// nothing when it is no SQLite file, is damaged, or lacks the table or a row.
std::optional<QList<SettingRow>> readSettingRows(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const QString name = QStringLiteral("settings-check");
    std::optional<QList<SettingRow>> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery check(db);
            QSqlQuery select(db);
            QList<SettingRow> found;
            if (check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok")
                && select.exec(QStringLiteral("SELECT id, set_1, set_2, set_3 FROM Setting "
                                              "WHERE id BETWEEN 1 AND 9 ORDER BY id"))) {
                while (select.next())
                    found.append({ select.value(0).toInt(),
                                   { select.value(1).toString(), select.value(2).toString(),
                                     select.value(3).toString() } });
            }
            QSet<int> ids;
            for (const SettingRow &row : found)
                ids.insert(row.id);
            if (ids.size() == kRows)
                rows = found;
            check.finish();
            select.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// A free name beside the file: data.bcs.broken-YYYYMMDD-HHMMSS, with -2, -3 ... when taken.
QString brokenName(const QString &path)
{
    const QString base = path + QStringLiteral(".broken-")
        + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// data.bcs made from the template file when that is a usable settings file, else from the
// built-in template. A copy of a read-only template is made writable for its owner.
bool makeFreshFile(const QString &inUse, const QString &templateFile)
{
    if (isUsableSettingsFile(templateFile) && QFile::copy(templateFile, inUse)) {
        QFile::setPermissions(inUse,
                              QFile::permissions(inUse) | QFile::ReadOwner | QFile::WriteOwner);
        if (isUsableSettingsFile(inUse))
            return true;
        QFile::remove(inUse); // our own copy, not the user's file
    }
    return createSettingsDatabase(inUse) && isUsableSettingsFile(inUse);
}

// Settings for this run only, from the template file's values when it is usable.
void openInMemory(const QString &templateFile)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open() || !runTemplate(db))
        return;
    const auto rows = readSettingRows(templateFile);
    if (!rows)
        return;
    for (const SettingRow &row : *rows) {
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE Setting SET set_1 = ?, set_2 = ?, set_3 = ? "
                                      "WHERE id = ?"));
        for (const QString &cell : row.cells)
            update.addBindValue(cell);
        update.addBindValue(row.id);
        update.exec();
    }
}

} // namespace

bool createSettingsDatabase(const QString &path)
{
    const QString name = QStringLiteral("settings-template");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && runTemplate(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

bool isUsableSettingsFile(const QString &path)
{
    return readSettingRows(path).has_value();
}

QStringList openSettingsStore(const QString &dataFolder)
{
    const QString inUse = QDir(dataFolder).filePath(QStringLiteral("data.bcs"));
    const QString templateFile = QDir(dataFolder).filePath(QStringLiteral("data.000"));
    QStringList notices;
    closeSettingsStore();

    bool usable = isUsableSettingsFile(inUse);
    if (!usable && QFileInfo::exists(inUse)) {
        const QString keptAs = brokenName(inUse);
        if (!QFile::rename(inUse, keptAs)) {
            notices << QStringLiteral("Файл настроек %1 поврежден, и его не удалось сохранить под "
                                      "другим именем. Настройки взяты из шаблона и не будут "
                                      "сохранены.")
                           .arg(QFileInfo(inUse).fileName());
            openInMemory(templateFile);
            return notices;
        }
        notices << QStringLiteral("Файл настроек %1 поврежден. Он сохранен как %2, а настройки "
                                  "взяты из шаблона.")
                       .arg(QFileInfo(inUse).fileName(), QFileInfo(keptAs).fileName());
    }
    if (!usable)
        usable = makeFreshFile(inUse, templateFile);
    if (!usable) {
        notices << QStringLiteral("Не удалось создать файл настроек %1. Настройки взяты из "
                                  "шаблона и не будут сохранены.")
                       .arg(QFileInfo(inUse).fileName());
        openInMemory(templateFile);
        return notices;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setDatabaseName(inUse);
    return notices;
}

void closeSettingsStore()
{
    if (!QSqlDatabase::contains(kConnection))
        return;
    QSqlDatabase::database(kConnection, false).close();
    QSqlDatabase::removeDatabase(kConnection);
}

QString SchitDan(const QString &pole, const QString &tbl, const QString &id)
{
    const auto row = rowId(id);
    if (!isKnownCell(tbl, pole) || !row)
        return QString();
    QSqlQuery query(storeConnection());
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE id = :dan").arg(pole, tbl)))
        return QString();
    query.bindValue(QStringLiteral(":dan"), *row);
    if (!query.exec() || !query.next())
        return QString();
    return query.value(0).toString();
}

void ZapisDan(const QString &tbl, const QString &stlb, const QString &dan, const QString &id)
{
    if (!isKnownCell(tbl, stlb))
        throw AppError(QStringLiteral("Неизвестная настройка %1.%2").arg(tbl, stlb));
    const auto row = rowId(id);
    if (!row)
        return;
    const QSqlDatabase db = storeConnection();
    QSqlQuery query(db);
    bool done
        = query.prepare(QStringLiteral("UPDATE %1 SET %2 = :dan WHERE id = :id").arg(tbl, stlb));
    if (done) {
        query.bindValue(QStringLiteral(":dan"), dan);
        query.bindValue(QStringLiteral(":id"), *row);
        done = query.exec();
    }
    if (!done)
        throw AppError(
            QStringLiteral("Не удалось сохранить настройку в файле %1\n%2")
                .arg(QDir::toNativeSeparators(db.databaseName()), query.lastError().text()));
}
