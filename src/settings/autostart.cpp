#include "settings/autostart.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "settings/autostart_platform.h"
#include "settings/settings_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString avtozagr;

namespace {

QString realProgramFile()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString real = program.canonicalFilePath();
    return QDir::toNativeSeparators(real.isEmpty() ? program.absoluteFilePath() : real);
}

QString inDataFolderShortcut()
{
    return inDataFolder(shortcutFileName());
}

QString inStartupShortcut()
{
    return avtozagr.isEmpty() ? QString() : QDir(avtozagr).filePath(shortcutFileName());
}

// The data folder's shortcut, rewritten, then copied to the startup folder unless one is there.
void makeShortcuts()
{
    const QString logo = inDataFolder(QStringLiteral("logo.ico"));
    const QString icon = QFileInfo(logo).isFile() ? QDir::toNativeSeparators(logo) : QString();
    AutostartPlatform::writeShortcut(
        QDir::toNativeSeparators(inDataFolderShortcut()).toStdWString(),
        QFileInfo(realProgramFile()).completeBaseName().toStdWString(),
        realProgramFile().toStdWString(), QDir::toNativeSeparators(adr).toStdWString(),
        icon.toStdWString());
    const QString startup = inStartupShortcut();
    if (startup.isEmpty())
        return;
    QDir().mkpath(avtozagr);
    if (!QFile::exists(startup))
        QFile::copy(inDataFolderShortcut(), startup);
}

} // namespace

QString findStartupFolder()
{
    return QString::fromStdWString(AutostartPlatform::startupFolder());
}

QString shortcutFileName()
{
    return QFileInfo(realProgramFile()).completeBaseName()
        + QString::fromStdWString(AutostartPlatform::shortcutExtension());
}

void autostartSwitchedOn()
{
    makeShortcuts();
    writeFlag(Cell::Autostart, true);
}

void autostartSwitchedOff()
{
    const QString startup = inStartupShortcut();
    if (!startup.isEmpty() && QFile::exists(startup))
        QFile::remove(startup);
    if (QFile::exists(inDataFolderShortcut()))
        QFile::remove(inDataFolderShortcut());
    writeFlag(Cell::Autostart, false);
}

void renewAutostart(bool on)
{
    if (on) {
        makeShortcuts();
        return;
    }
    // A file a user made by hand for something else under that name stays.
    const QString startup = inStartupShortcut();
    if (!startup.isEmpty()
        && AutostartPlatform::shortcutPointsAt(QDir::toNativeSeparators(startup).toStdWString(),
                                               realProgramFile().toStdWString()))
        QFile::remove(startup);
}
