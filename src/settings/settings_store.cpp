#include "settings/settings_store.h"

#include "common/app_error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <optional>

extern const char *const settingsTemplateSql;

namespace {

const QString kConnection = QStringLiteral("settings");

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

} // namespace

bool createSettingsDatabase(const QString &path)
{
    const QString name = QStringLiteral("settings-template");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        for (const QString &statement : templateStatements()) {
            if (ok)
                ok = QSqlQuery(db).exec(statement);
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

void openSettingsStore(const QString &dataFolder)
{
    const QString inUse = QDir(dataFolder).filePath(QStringLiteral("data.bcs"));
    if (!QFile::exists(inUse))
        QFile::copy(QDir(dataFolder).filePath(QStringLiteral("data.000")), inUse);
    if (!QFile::exists(inUse))
        createSettingsDatabase(inUse);

    closeSettingsStore();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setDatabaseName(inUse);
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
