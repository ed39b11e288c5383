// Reading and writing the program's text files: Windows-1251, CR LF written, CR LF or LF read.
// Writes are atomic, so a crash or a full disk never leaves half a file. Failures throw AppError.
#pragma once

#include <QString>
#include <QStringList>

namespace TextFile {

// The file's lines without their line ends; a final line end does not add an empty line. At
// most `maxLines` lines are read (all when negative), each cut at 64 KiB, so a huge file costs
// no more than the lines a caller needs.
QStringList readLines(const QString &path, int maxLines = -1);

// Replaces the file with the lines, each followed by CR LF.
void writeLines(const QString &path, const QStringList &lines);

// Replaces the file with the text, its line ends made CR LF, followed by one more CR LF.
void writeText(const QString &path, const QString &text);

} // namespace TextFile
