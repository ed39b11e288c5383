// The scheme file: 10 lines, one per lesson row, each 7 weekday groups of 6 ":"-ended fields.
// Reading into the two in-memory forms, the normalisation of the editor's save, and writing.
#pragma once

#include "common/schedule_arrays.h"

#include <QStringList>

// The fields of one line: the texts before each ":", at most 42; trailing text without ":" is
// ignored.
QStringList parseSchemeLine(const QString &line);

// Times for the status engine. Missing lines or fields read as empty; " " counts as empty.
Zvon zvonFromSchemeLines(const QStringList &lines);

// Raw fields for the editor, blanks kept as " "; missing lines or fields read as "".
Shema shemaFromSchemeLines(const QStringList &lines);

// What the editor's save does before writing: rows after the first lesson without an end are
// cleared, a weekday whose first lesson lacks start or end is cleared, row 10 gets no break.
void normaliseShema(Shema &s);

// The file's lines: every field of every row followed by ":".
QStringList schemeFileLines(const Shema &s);

// A new scheme: every field blank.
QStringList blankSchemeLines();
