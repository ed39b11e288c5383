#include "settings/desktop_entry.h"

namespace {

// The escapes of a value of type string: backslash, and the control characters a path may hold.
QString escapedString(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

} // namespace

QString desktopExecValue(const QString &program)
{
    // Inside double quotes ", `, $ and \ take a backslash; % is doubled as a field code would be.
    QString quoted;
    for (QChar c : program) {
        if (QStringLiteral("\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
    }
    // The string escapes apply to the whole value, after the quoting.
    return escapedString(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

QString desktopEntry(const QString &name, const QString &program, const QString &workDir,
                     const QString &icon)
{
    QString entry = QStringLiteral("[Desktop Entry]\nType=Application\n");
    entry += QStringLiteral("Name=") + escapedString(name) + QLatin1Char('\n');
    entry += QStringLiteral("Exec=") + desktopExecValue(program) + QLatin1Char('\n');
    entry += QStringLiteral("Path=") + escapedString(workDir) + QLatin1Char('\n');
    if (!icon.isEmpty())
        entry += QStringLiteral("Icon=") + escapedString(icon) + QLatin1Char('\n');
    return entry;
}
