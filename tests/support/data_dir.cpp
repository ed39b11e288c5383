#include "support/data_dir.h"

#include "common/globals.h"
#include "common/text_file.h"

#include <QDir>

TempDataFolder::TempDataFolder() : m_previousDirectory(QDir::currentPath())
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    QDir(m_dir.path()).mkpath(QStringLiteral("local"));
    QDir::setCurrent(m_dir.path());
    adr = QDir::currentPath();
    dir_spis = QStringLiteral("local");
}

TempDataFolder::~TempDataFolder()
{
    QDir::setCurrent(m_previousDirectory);
}

QString TempDataFolder::path(const QString &relative) const
{
    return m_dir.filePath(relative);
}

void TempDataFolder::writeLines(const QString &relative, const QStringList &lines) const
{
    TextFile::writeLines(path(relative), lines);
}

QStringList TempDataFolder::readLines(const QString &relative) const
{
    return TextFile::readLines(path(relative));
}
