// The settings store against real SQLite files: the template and its copy rule, reads that never
// fail, writes that store exactly what was typed.
#include "common/app_error.h"
#include "common/clock.h"
#include "settings/settings_layout.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString cell(const QString &column, int id)
{
    return SchitDan(column, QStringLiteral("Setting"), QString::number(id));
}

// A template of the school's own: its bell volume tells its values from the built-in ones.
void writeSchoolTemplate(const QString &path)
{
    QVERIFY(createSettingsDatabase(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QVERIFY(QSqlQuery(db).exec(QStringLiteral("UPDATE Setting SET set_2 = '35' WHERE id = 1")));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
}

// Runs statements on a fresh SQLite file.
void writeDatabase(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("w"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString &statement : statements)
            QVERIFY(QSqlQuery(db).exec(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("w"));
}

QStringList brokenCopies(const QString &folder)
{
    return QDir(folder).entryList({ QStringLiteral("data.bcs.broken-*") },
                                  QDir::Files | QDir::Dirs);
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { closeSettingsStore(); }

    void builtTemplateHoldsInitialValues_data();
    void builtTemplateHoldsInitialValues();
    void firstStartCopiesTemplateSecondDoesNot();
    void withoutTemplateTheDatabaseIsCreated();
    void readsNeverFail_data();
    void readsNeverFail();
    void onlyExactOneIsOn_data();
    void onlyExactOneIsOn();
    void valuesAreStoredAsTyped();
    void writeToMissingRowChangesNothing();
    void failedWriteReachesCaller();
    void brokenDatabaseIsSetAside_data();
    void brokenDatabaseIsSetAside();
    void setAsideNeverOverwrites();
    void brokenTemplateGivesBuiltInValues();
    void readOnlyTemplateGivesWritableCopy();
    void unwritableFolderKeepsSettingsInMemory();
};

void TestSettingsStore::builtTemplateHoldsInitialValues_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("values"); // rows 1 .. 9
    QTest::newRow("set_1") << "set_1" << QStringList { "", "", "", "", "1", "0", "1", "1", "1" };
    QTest::newRow("set_2") << "set_2"
                           << QStringList { "80", "40", "1", "0", "1", "0", "1", "0", "1" };
    QTest::newRow("set_3") << "set_3"
                           << QStringList { "0", "0", "0", "0", "0", "70", "17", "6", "" };
}

void TestSettingsStore::builtTemplateHoldsInitialValues()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(BELLS_BUILT_TEMPLATE),
                        dir.filePath(QStringLiteral("data.000"))));
    openSettingsStore(dir.path());
    QFETCH(QString, column);
    QFETCH(QStringList, values);
    for (int id = 1; id <= 9; ++id)
        QCOMPARE(cell(column, id), values[id - 1]);
}

void TestSettingsStore::firstStartCopiesTemplateSecondDoesNot()
{
    QTemporaryDir dir;
    QVERIFY(createSettingsDatabase(dir.filePath(QStringLiteral("data.000"))));
    openSettingsStore(dir.path());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("data.bcs"))));
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80"));
    writeSetting(Cell::BellVolume, QStringLiteral("35"));
    closeSettingsStore();

    openSettingsStore(dir.path()); // second start: data.bcs is kept
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("35"));
    closeSettingsStore();

    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("data.bcs")))); // back to the template
    openSettingsStore(dir.path());
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80"));
}

void TestSettingsStore::withoutTemplateTheDatabaseIsCreated()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("data.bcs"))));
    QVERIFY(readFlag(Cell::LocalMode));
    writeFlag(Cell::Autostart, true);
    QCOMPARE(readSetting(Cell::Autostart), QStringLiteral("1"));
}

void TestSettingsStore::readsNeverFail_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("id");
    QTest::newRow("row 10") << "set_1"
                            << "Setting"
                            << "10";
    QTest::newRow("row 0") << "set_2"
                           << "Setting"
                           << "0";
    QTest::newRow("id not a number") << "set_1"
                                     << "Setting"
                                     << "x";
    QTest::newRow("empty id") << "set_1"
                              << "Setting"
                              << "";
    QTest::newRow("unknown column") << "set_4"
                                    << "Setting"
                                    << "1";
    QTest::newRow("column injection") << "set_1 FROM Setting; --"
                                      << "Setting"
                                      << "1";
    QTest::newRow("unknown table") << "set_1"
                                   << "Other"
                                   << "1";
}

void TestSettingsStore::readsNeverFail()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    QFETCH(QString, column);
    QFETCH(QString, table);
    QFETCH(QString, id);
    QCOMPARE(SchitDan(column, table, id), QString());
}

void TestSettingsStore::onlyExactOneIsOn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading space") << " 1" << false;
    QTest::newRow("trailing space") << "1 " << false;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("01") << "01" << false;
}

void TestSettingsStore::onlyExactOneIsOn()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    QFETCH(QString, stored);
    writeSetting(Cell::BreakMusic, stored);
    QTEST(readFlag(Cell::BreakMusic), "on");
}

void TestSettingsStore::valuesAreStoredAsTyped()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    const QString typed = QStringLiteral("10.0.0.1'; DROP TABLE Setting; --\"Школа\"");
    ZapisDan(QStringLiteral("Setting"), QStringLiteral("set_1"), typed, QStringLiteral("3"));
    QCOMPARE(readSetting(Cell::ServerAddress), typed);
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80")); // the table is still there
    QVERIFY_THROWS_EXCEPTION(AppError,
                             ZapisDan(QStringLiteral("Setting"), QStringLiteral("set_1 = 'x' --"),
                                      QStringLiteral("1"), QStringLiteral("3")));
    QCOMPARE(readSetting(Cell::ServerAddress), typed);
}

void TestSettingsStore::writeToMissingRowChangesNothing()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    ZapisDan(QStringLiteral("Setting"), QStringLiteral("set_1"), QStringLiteral("x"),
             QStringLiteral("10"));
    ZapisDan(QStringLiteral("Setting"), QStringLiteral("set_1"), QStringLiteral("x"),
             QStringLiteral("y"));
    QCOMPARE(cell(QStringLiteral("set_1"), 10), QString());
    for (int id = 1; id <= 9; ++id)
        QVERIFY(cell(QStringLiteral("set_1"), id) != QStringLiteral("x"));
}

void TestSettingsStore::failedWriteReachesCaller()
{
    QTemporaryDir dir;
    openSettingsStore(dir.path());
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80"));
    // SQLite keeps its rollback journal beside the database; a folder in its place makes every
    // write fail, whoever runs the test.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data.bcs-journal")));
    try {
        writeSetting(Cell::BellVolume, QStringLiteral("50"));
        QFAIL("a write that cannot be stored must throw");
    } catch (const AppError &error) {
        QVERIFY(error.message().startsWith(QStringLiteral("Не удалось сохранить настройку")));
        QVERIFY(error.message().contains(QStringLiteral("data.bcs")));
    }
    QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("data.bcs-journal")));
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80"));
}

void TestSettingsStore::brokenDatabaseIsSetAside_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : { "zero bytes", "random bytes", "Access file", "no Setting table",
                              "row 9 missing", "cut short", "damaged page", "a folder" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestSettingsStore::brokenDatabaseIsSetAside()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString inUse = dir.filePath(QStringLiteral("data.bcs"));
    writeSchoolTemplate(dir.filePath(QStringLiteral("data.000")));
    if (kind == QLatin1String("zero bytes")) {
        QVERIFY(writeBytes(inUse, QByteArray()));
    } else if (kind == QLatin1String("random bytes")) {
        QByteArray noise(8192, Qt::Uninitialized);
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 7919 + 13) % 251);
        QVERIFY(writeBytes(inUse, noise));
    } else if (kind == QLatin1String("Access file")) {
        QVERIFY(writeBytes(
            inUse, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4076, '\0')));
    } else if (kind == QLatin1String("no Setting table")) {
        writeDatabase(inUse, { "CREATE TABLE Other (id INTEGER)" });
    } else if (kind == QLatin1String("row 9 missing")) {
        QVERIFY(createSettingsDatabase(inUse));
        writeDatabase(inUse, { "DELETE FROM Setting WHERE id = 9" });
    } else if (kind == QLatin1String("cut short") || kind == QLatin1String("damaged page")) {
        QVERIFY(createSettingsDatabase(inUse));
        QByteArray bytes = bytesOf(inUse);
        QVERIFY(bytes.size() > 4096);
        if (kind == QLatin1String("cut short"))
            bytes.truncate(bytes.size() / 2);
        else
            bytes.replace(4096, 512, QByteArray(512, '\xAB'));
        QVERIFY(writeBytes(inUse, bytes));
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data.bcs")));
    }
    const bool folder = kind == QLatin1String("a folder");
    const QByteArray original = bytesOf(inUse);

    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(7, 5, 9)));
    const QStringList notices = openSettingsStore(dir.path());
    Clock::useSystem();

    const QString keptAs = dir.filePath(QStringLiteral("data.bcs.broken-20261211-070509"));
    QCOMPARE(brokenCopies(dir.path()), QStringList { QFileInfo(keptAs).fileName() });
    QCOMPARE(QFileInfo(keptAs).isDir(), folder);
    if (!folder)
        QCOMPARE(bytesOf(keptAs), original);
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices.first().contains(QFileInfo(keptAs).fileName()));
    QVERIFY(isUsableSettingsFile(inUse));
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("35")); // the school's template
    writeSetting(Cell::BellVolume, QStringLiteral("60"));
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("60"));

    closeSettingsStore();
    QVERIFY(openSettingsStore(dir.path()).isEmpty()); // a good file is left alone
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("60"));
    QCOMPARE(brokenCopies(dir.path()).size(), 1);
}

void TestSettingsStore::setAsideNeverOverwrites()
{
    QTemporaryDir dir;
    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(7, 5, 9)));
    for (const QByteArray &bytes : { QByteArray("first"), QByteArray("second") }) {
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("data.bcs")), bytes));
        openSettingsStore(dir.path());
        closeSettingsStore();
    }
    Clock::useSystem();
    QCOMPARE(
        brokenCopies(dir.path()),
        QStringList({ "data.bcs.broken-20261211-070509", "data.bcs.broken-20261211-070509-2" }));
    QCOMPARE(bytesOf(dir.filePath(QStringLiteral("data.bcs.broken-20261211-070509"))),
             QByteArray("first"));
    QCOMPARE(bytesOf(dir.filePath(QStringLiteral("data.bcs.broken-20261211-070509-2"))),
             QByteArray("second"));
}

void TestSettingsStore::brokenTemplateGivesBuiltInValues()
{
    QTemporaryDir dir;
    const QString templateFile = dir.filePath(QStringLiteral("data.000"));
    QVERIFY(writeBytes(templateFile, QByteArray(0)));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("data.bcs")), QByteArray("junk")));
    QCOMPARE(openSettingsStore(dir.path()).size(), 1);
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("80"));
    QVERIFY(readFlag(Cell::LocalMode));
    QCOMPARE(bytesOf(templateFile), QByteArray()); // the template is never changed
}

void TestSettingsStore::readOnlyTemplateGivesWritableCopy()
{
    QTemporaryDir dir;
    const QString templateFile = dir.filePath(QStringLiteral("data.000"));
    writeSchoolTemplate(templateFile);
    QVERIFY(QFile::setPermissions(templateFile,
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(openSettingsStore(dir.path()).isEmpty());
    QVERIFY(QFile::permissions(dir.filePath(QStringLiteral("data.bcs"))) & QFile::WriteOwner);
    writeSetting(Cell::BellVolume, QStringLiteral("61"));
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("61"));
}

void TestSettingsStore::unwritableFolderKeepsSettingsInMemory()
{
    // A data folder where no file can be made (here: one that does not exist).
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    const QStringList notices = openSettingsStore(folder);
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices.first().startsWith(QStringLiteral("Не удалось создать файл настроек")));
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(readFlag(Cell::LocalMode)); // the built-in template: local mode, bells on
    QVERIFY(readFlag(Cell::BellsOn));
    writeSetting(Cell::BellVolume, QStringLiteral("62")); // kept for this run
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("62"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
