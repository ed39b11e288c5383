// The two tables copied to the clipboard as HTML, and the clipboard's "HTML Format" payload.
// Pure: texts in, bytes out.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The "HTML Format" payload: an 81-byte header (Version, StartHTML:-1, EndHTML:-1,
// StartFragment:000081, EndFragment: the payload's whole length in at least six digits), the
// UTF-8 HTML text, CR LF.
QByteArray FormatHTMLClipboardHeader(const QByteArray &html);

// The bell times of the editor's ten rows: [row][column 1..6] as the boxes show them.
QString bellTimesTable(const QList<QStringList> &rows);

// The timetable on screen: for each row and column the cell's first text (subject, class name
// or lesson number) and second text (the room); row 0 and column 0 are bold headers.
QString timetableTable(const QList<QStringList> &first, const QList<QStringList> &second);

// The same table as plain text: cells separated by tabs, rows by line ends, tags dropped.
QString plainTextOfTable(const QString &html);
