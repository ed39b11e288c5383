// Which classrooms are free in each lesson: the school's room list against the room fields of
// the loaded timetable. Pure: texts in, texts out.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The room list "kab.ini": names each ended by "/", in file order; text after the last "/" is
// not a name.
QStringList splitRoomList(const QString &body);

// True when a cell's room field names `room`: its first backslash read as "/", and "/" + room
// + "/" found between slashes, case-sensitive. "14\21" names 14 and 21; "12\14\21" only 12.
bool namesRoom(const QString &roomField, const QString &room);

// 1 when one of the room fields of a lesson (one per class) names `room`, else 0.
int PoiskKab(const QString &room, const QStringList &roomFieldsOfLesson);

struct FreeRooms
{
    QStringList perLesson; // "14, 21" for each lesson, in order
    int columnWidth = 70; // the "Кабинеты" column: 5 per character of the longest, + 10
};

FreeRooms findFreeRooms(const QStringList &rooms, const QList<QStringList> &roomFieldsByLesson);
