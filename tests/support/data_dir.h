// A temporary data folder for one test: becomes the current directory and `adr`, with an empty
// "local" mode folder. Windows created afterwards take it as their data folder. The user's
// startup folder is a temporary one too, so no test touches the real one.
#pragma once

#include <QStringList>
#include <QTemporaryDir>

class TempDataFolder
{
public:
    TempDataFolder();
    ~TempDataFolder();
    QString path(const QString &relative) const;
    // Writes a text file under the folder the way the program does (Windows-1251, CR LF).
    void writeLines(const QString &relative, const QStringList &lines) const;
    QStringList readLines(const QString &relative) const;
    QString configFolder() const { return m_config.path(); }

private:
    QString m_previousDirectory;
    QTemporaryDir m_dir;
    QTemporaryDir m_config; // XDG_CONFIG_HOME while the folder lives
};
