// The real program started on broken data folders: it must come up and stay in its message loop,
// set a broken settings file aside and make a usable one, whatever it finds.
#include "common/text_file.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Readable and enterable by everyone, writable by nobody but the owner.
void openToOthers(const QString &path)
{
    QFile::setPermissions(path,
                          QFile::permissions(path) | QFile::ReadOther | QFile::ReadGroup
                              | (QFileInfo(path).isDir() ? QFile::ExeOther | QFile::ExeGroup
                                                         : QFileDevice::Permissions()));
}

} // namespace

class TestProgramStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comesUpOnBrokenFolders_data();
    void comesUpOnBrokenFolders();
    void secondCopyIsTurnedAway();
};

void TestProgramStart::comesUpOnBrokenFolders_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : { "good folder", "zero-byte data.bcs", "data.bcs of random bytes",
                              "data.bcs from Access", "read-only data.000", "list file is a folder",
                              "first scheme is a folder", "folder nobody may write" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestProgramStart::comesUpOnBrokenFolders()
{
    QFETCH(QString, kind);
    QTemporaryDir data;
    const QDir folder(data.path());
    QVERIFY(folder.mkpath(QStringLiteral("local")));
    QVERIFY(QFile::copy(QStringLiteral(BELLS_BUILT_TEMPLATE), folder.filePath("data.000")));
    const QString scheme = QStringLiteral(" :").repeated(42);
    TextFile::writeLines(folder.filePath("local/spisok.ini"),
                         { "", "", "---", "", "", "---", "Основное", "Вторая" });
    TextFile::writeLines(folder.filePath("local/Основное.ini"), QStringList(10, scheme));
    TextFile::writeLines(folder.filePath("local/Вторая.ini"), QStringList(10, scheme));

    QByteArray broken;
    if (kind == QLatin1String("zero-byte data.bcs"))
        broken = "";
    else if (kind == QLatin1String("data.bcs of random bytes"))
        broken = QByteArray::fromHex("9c3a51f0e2d47b886a0c1f95d3e7b2a4").repeated(512);
    else if (kind == QLatin1String("data.bcs from Access"))
        broken = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\0');
    const bool setsAside = kind.startsWith(QLatin1String("data.bcs")) || kind.startsWith("zero");
    if (setsAside)
        QVERIFY(writeBytes(folder.filePath("data.bcs"), broken));
    if (kind == QLatin1String("read-only data.000"))
        QVERIFY(QFile::setPermissions(folder.filePath("data.000"), QFile::ReadOwner));
    if (kind == QLatin1String("list file is a folder")) {
        QVERIFY(QFile::remove(folder.filePath("local/spisok.ini")));
        QVERIFY(folder.mkpath(QStringLiteral("local/spisok.ini")));
    }
    if (kind == QLatin1String("first scheme is a folder")) {
        QVERIFY(QFile::remove(folder.filePath("local/Основное.ini")));
        QVERIFY(folder.mkpath(QStringLiteral("local/Основное.ini")));
    }

    QString program = QStringLiteral(BELLS_PROGRAM);
    QStringList arguments;
    QTemporaryDir programCopy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QTemporaryDir runtime; // its own single-instance lock, whatever else runs on the machine
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    if (kind == QLatin1String("folder nobody may write")) {
        for (const QString &path :
             { data.path(), folder.filePath("local"), folder.filePath("data.000"),
               folder.filePath("local/spisok.ini"), folder.filePath("local/Основное.ini"),
               folder.filePath("local/Вторая.ini") })
            openToOthers(path);
        if (geteuid() == 0) {
            // Root writes anywhere: run the program as the unprivileged user, from a copy it
            // may execute wherever the build lies.
            const QString copy = programCopy.filePath(QStringLiteral("bells"));
            QVERIFY(QFile::copy(program, copy));
            openToOthers(programCopy.path());
            openToOthers(copy);
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOther);
            arguments = { "--reuid=65534", "--regid=65534", "--clear-groups", copy };
            program = QStringLiteral("setpriv");
            environment.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        } else {
            QVERIFY(QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
    }

    QProcess bells;
    bells.setWorkingDirectory(data.path());
    bells.setProcessEnvironment(environment);
    bells.setProcessChannelMode(QProcess::MergedChannels);
    bells.start(program, arguments);
    QVERIFY(bells.waitForStarted(5000));
    const bool ended = bells.waitForFinished(3000);
    const QByteArray output = bells.readAll();
    QVERIFY2(!ended,
             qPrintable(QStringLiteral("ended with code %1:\n%2")
                            .arg(bells.exitCode())
                            .arg(QString::fromLocal8Bit(output))));
    bells.kill();
    bells.waitForFinished(5000);
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString inUse = folder.filePath("data.bcs");
    if (kind == QLatin1String("folder nobody may write")) {
        QVERIFY(!QFile::exists(inUse)); // nothing could be written, and nothing was
        return;
    }
    QVERIFY(isUsableSettingsFile(inUse));
    QVERIFY(QFile::permissions(inUse) & QFile::WriteOwner);
    const QStringList kept = folder.entryList({ QStringLiteral("data.bcs.broken-*") });
    QCOMPARE(kept.size(), setsAside ? 1 : 0);
    if (setsAside)
        QCOMPARE(bytesOf(folder.filePath(kept.first())), broken);
}

// Two copies on one X display (Xvfb): the second shows "Программа уже запущена" and ends when
// its message is closed with a click; the first runs on.
void TestProgramStart::secondCopyIsTurnedAway()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfb.isEmpty() || xdotool.isEmpty())
        QSKIP("needs Xvfb and xdotool");
    const QString display
        = QStringLiteral(":%1").arg(150 + QCoreApplication::applicationPid() % 100);
    QProcess server;
    server.start(xvfb,
                 { display, QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp") });
    QVERIFY(server.waitForStarted());
    QTest::qWait(800);

    QTemporaryDir data;
    QTemporaryDir runtime;
    QDir(data.path()).mkpath(QStringLiteral("local"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.path());
    const auto startCopy = [&](QProcess &copy) {
        copy.setWorkingDirectory(data.path());
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::MergedChannels);
        copy.start(QStringLiteral(BELLS_PROGRAM), {});
        return copy.waitForStarted(5000);
    };
    QProcess first;
    QVERIFY(startCopy(first));
    QVERIFY(!first.waitForFinished(2500));
    QProcess second;
    QVERIFY(startCopy(second));
    QVERIFY(!second.waitForFinished(2500)); // waits with its message on screen

    // "Понятно" of the message window, centred on the screen.
    QProcess click;
    click.setProcessEnvironment(environment);
    click.start(xdotool,
                { QStringLiteral("mousemove"), QStringLiteral("642"), QStringLiteral("452"),
                  QStringLiteral("click"), QStringLiteral("1") });
    QVERIFY(click.waitForFinished(5000));
    QVERIFY2(second.waitForFinished(5000), second.readAll().constData());
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
    server.kill();
    server.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"
