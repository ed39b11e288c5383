// A temporary data folder for one test: becomes `adr`, with an empty "local" mode folder.
#pragma once

#include <QStringList>
#include <QTemporaryDir>

class TempDataFolder
{
public:
    TempDataFolder();
    QString path(const QString &relative) const;
    // Writes a text file under the folder the way the program does (Windows-1251, CR LF).
    void writeLines(const QString &relative, const QStringList &lines) const;
    QStringList readLines(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
