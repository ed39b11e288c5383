#include "schedule/file_lister.h"

#include <QDir>
#include <QFileInfo>

void GetAllFiles(const QString &Path, const QString &del, QStringList &mem)
{
    const QFileInfoList entries = QDir(Path).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            GetAllFiles(entry.filePath(), del, mem);
        else if (entry.isFile())
            mem << entry.filePath();
    }
}
