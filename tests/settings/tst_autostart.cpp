// Autostart against a temporary startup folder ($XDG_CONFIG_HOME/autostart): the desktop entry's
// text, and the shortcut made, kept and removed when the option is switched on, off and at start.
#include "common/globals.h"
#include "settings/autostart.h"
#include "settings/desktop_entry.h"
#include "settings/settings_layout.h"
#include "shell/settings_window.h"
#include "support/data_dir.h"
#include "support/file_bytes.h"
#include "support/windows_fixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {

QString programFile()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

// desktop-file-validate's verdict, or an empty text when it is not installed.
QString validation(const QString &file)
{
    const QString validator
        = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return QString();
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validator, { file });
    check.waitForFinished();
    return check.exitCode() == 0 ? QString() : QString::fromLocal8Bit(check.readAll());
}

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void execIsQuotedAndEscaped_data();
    void execIsQuotedAndEscaped();
    void entryText();
    void switchedOnMakesBothAndKeepsAnExistingOne();
    void switchedOffRemovesBoth();
    void startRenewsOrRemovesOnlyOurOwn();

private:
    QString startupFile() const;
    QString dataFile() const;
    std::unique_ptr<TempDataFolder> m_data;
};

void TestAutostart::init()
{
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
}

void TestAutostart::cleanup()
{
    destroyWindows();
    m_data.reset();
}

QString TestAutostart::startupFile() const
{
    return m_data->configFolder() + QStringLiteral("/autostart/tst_autostart.desktop");
}

QString TestAutostart::dataFile() const
{
    return m_data->path(QStringLiteral("tst_autostart.desktop"));
}

void TestAutostart::execIsQuotedAndEscaped_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/opt/bells/bells"
                           << "\"/opt/bells/bells\"";
    QTest::newRow("space") << "/home/школа 5/bells"
                           << "\"/home/школа 5/bells\"";
    QTest::newRow("percent") << "/srv/100%/bells"
                             << "\"/srv/100%%/bells\"";
    // \$ and \" inside the quotes, then every backslash doubled by the string escapes.
    QTest::newRow("reserved characters") << "/x/$a\"b`c\\d"
                                         << "\"/x/\\\\$a\\\\\"b\\\\`c\\\\\\\\d\"";
}

void TestAutostart::execIsQuotedAndEscaped()
{
    QFETCH(QString, program);
    QTEST(desktopExecValue(program), "exec");
}

void TestAutostart::entryText()
{
    QCOMPARE(desktopEntry(QStringLiteral("bells"), QStringLiteral("/opt/bells/bells"),
                          QStringLiteral("/srv/school"), QStringLiteral("/srv/school/logo.ico")),
             QStringLiteral("[Desktop Entry]\nType=Application\nName=bells\n"
                            "Exec=\"/opt/bells/bells\"\nPath=/srv/school\n"
                            "Icon=/srv/school/logo.ico\n"));
    QCOMPARE(avtozagr, m_data->configFolder() + QStringLiteral("/autostart"));
    QCOMPARE(shortcutFileName(), QStringLiteral("tst_autostart.desktop"));
}

void TestAutostart::switchedOnMakesBothAndKeepsAnExistingOne()
{
    QVERIFY(writeBytes(m_data->path("logo.ico"), "icon"));
    Form3->CheckBox5->setChecked(true);
    QCOMPARE(readSetting(Cell::Autostart), QStringLiteral("1"));
    QVERIFY(QFileInfo(startupFile()).isFile()); // the startup folder was made for it
    const QByteArray entry = bytesOf(dataFile());
    QCOMPARE(bytesOf(startupFile()), entry);
    QVERIFY(entry.contains("Exec=" + desktopExecValue(programFile()).toUtf8() + "\n"));
    QVERIFY(entry.contains("Path=" + adr.toUtf8() + "\n"));
    QVERIFY(entry.contains("Icon=" + m_data->path("logo.ico").toUtf8() + "\n"));
    const QString verdict = validation(startupFile());
    QVERIFY2(verdict.isEmpty(), qPrintable(verdict));

    // On again with a shortcut already in the startup folder: that one is left as it is.
    Form3->CheckBox5->setChecked(false);
    QVERIFY(QDir().mkpath(QFileInfo(startupFile()).path()));
    QVERIFY(writeBytes(startupFile(), "[Desktop Entry]\nType=Application\nName=x\nExec=x\n"));
    Form3->CheckBox5->setChecked(true);
    QCOMPARE(bytesOf(startupFile()),
             QByteArray("[Desktop Entry]\nType=Application\nName=x\nExec=x\n"));
    QCOMPARE(bytesOf(dataFile()), entry);
}

void TestAutostart::switchedOffRemovesBoth()
{
    Form3->CheckBox5->setChecked(true);
    Form3->CheckBox5->setChecked(false);
    QVERIFY(!QFileInfo::exists(startupFile()));
    QVERIFY(!QFileInfo::exists(dataFile()));
    QCOMPARE(readSetting(Cell::Autostart), QStringLiteral("0"));
    writeSetting(Cell::Autostart, QStringLiteral("1"));
    Form3->CheckBox5->setChecked(true);
    QVERIFY(QFile::remove(startupFile()));
    QVERIFY(QFile::remove(dataFile()));
    Form3->CheckBox5->setChecked(false); // neither there: only the flag
    QCOMPARE(readSetting(Cell::Autostart), QStringLiteral("0"));
}

void TestAutostart::startRenewsOrRemovesOnlyOurOwn()
{
    writeFlag(Cell::Autostart, true);
    Form3->LoadSetting();
    QVERIFY(Form3->CheckBox5->isChecked());
    QVERIFY(QFileInfo(startupFile()).isFile());
    QVERIFY(QFileInfo(dataFile()).isFile());

    writeFlag(Cell::Autostart, false);
    Form3->CheckBox5->blockSignals(true); // a start with the option off, from the design state
    Form3->CheckBox5->setChecked(false);
    Form3->CheckBox5->blockSignals(false);
    Form3->LoadSetting();
    QVERIFY(!QFileInfo::exists(startupFile())); // it started this program: removed
    QVERIFY(QFileInfo(dataFile()).isFile()); // the data folder's is left alone

    const QByteArray handMade
        = "[Desktop Entry]\nType=Application\nName=Мой\nExec=/usr/bin/other\n";
    QVERIFY(writeBytes(startupFile(), handMade));
    renewAutostart(false);
    QCOMPARE(bytesOf(startupFile()), handMade);
}

QTEST_MAIN(TestAutostart)
#include "tst_autostart.moc"
