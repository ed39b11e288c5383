// Lists every file under a folder, subfolders included, for the voice and music lists.
#pragma once

#include <QString>
#include <QStringList>

// Appends to `mem` the full path of every file under `Path`; a subfolder's files stand where the
// subfolder does. Entries are taken in name order. A missing folder adds nothing. `del` is handed
// on unchanged to the nested calls.
void GetAllFiles(const QString &Path, const QString &del, QStringList &mem);
