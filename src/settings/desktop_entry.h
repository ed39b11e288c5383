// The freedesktop desktop entry that starts the program at login, as text.
#pragma once

#include <QString>

// [Desktop Entry] with Type=Application, Name, Exec (the program in double quotes, with the
// escapes desktop files use), Path (the data folder) and Icon when one is given.
QString desktopEntry(const QString &name, const QString &program, const QString &workDir,
                     const QString &icon);

// The Exec value that starts `program` with no arguments.
QString desktopExecValue(const QString &program);
