// The scheme list file spisok.ini: four status messages, two separators, up to ten names.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// At most ten schemes; the lines of the file that are ever read: six header lines and the names.
inline constexpr int kMaxSchemes = 10;
inline constexpr int kSchemeListLines = 6 + kMaxSchemes;

struct SchemeList
{
    std::array<QString, 4> messages; // zakonch1 .. zakonch4, as read (may be empty)
    QStringList names; // usable names of lines 7 to 16, in file order
};

// Lines 1, 2, 4, 5 are the messages; lines 3 and 6 are ignored; of lines 7 to 16 the non-empty
// names that are usable as file names are listed. Later lines are never read.
SchemeList parseSchemeList(const QStringList &lines);

// The message with its default when empty; index 0 .. 3 for zakonch1 .. zakonch4.
QString messageOrDefault(int index, const QString &message);

// The file's lines: the four messages (defaults already applied), separators, then the names.
QStringList schemeListLines(const std::array<QString, 4> &messages, const QStringList &names);
