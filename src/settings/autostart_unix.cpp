// Linux: an XDG autostart entry, a .desktop file in $XDG_CONFIG_HOME/autostart.
#include "settings/autostart_platform.h"

#include "settings/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString q(const std::wstring &text)
{
    return QString::fromStdWString(text);
}

} // namespace

std::wstring AutostartPlatform::startupFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/autostart")).toStdWString();
}

std::wstring AutostartPlatform::shortcutExtension()
{
    return L".desktop";
}

bool AutostartPlatform::writeShortcut(const std::wstring &file, const std::wstring &name,
                                      const std::wstring &program, const std::wstring &workDir,
                                      const std::wstring &icon)
{
    QSaveFile out(q(file));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = desktopEntry(q(name), q(program), q(workDir), q(icon)).toUtf8();
    return out.write(bytes) == bytes.size() && out.commit();
}

bool AutostartPlatform::shortcutPointsAt(const std::wstring &file, const std::wstring &program)
{
    QFile in(q(file));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QString exec = QStringLiteral("Exec=") + desktopExecValue(q(program));
    QTextStream lines(&in);
    while (!lines.atEnd()) {
        if (lines.readLine().trimmed() == exec)
            return true;
    }
    return false;
}
