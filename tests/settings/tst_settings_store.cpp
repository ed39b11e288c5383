// The settings store against real SQLite files: the template and its copy rule, reads that never
// fail, writes that store exactly what was typed.
#include "common/app_error.h"
#include "settings/settings_layout.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString cell(const QString &column, int id)
{
    return SchitDan(column, QStringLiteral("Setting"), QString::number(id));
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

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
