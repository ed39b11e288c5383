#include "timetable/free_rooms.h"

QStringList splitRoomList(const QString &body)
{
    QStringList rooms = body.split(QLatin1Char('/'));
    rooms.removeLast(); // after the last "/": no name
    return rooms;
}

bool namesRoom(const QString &roomField, const QString &room)
{
    QString field = roomField;
    const qsizetype backslash = field.indexOf(QLatin1Char('\\'));
    if (backslash >= 0)
        field[backslash] = QLatin1Char('/');
    return (QLatin1Char('/') + field + QLatin1Char('/'))
        .contains(QLatin1Char('/') + room + QLatin1Char('/'));
}

int PoiskKab(const QString &room, const QStringList &roomFieldsOfLesson)
{
    for (const QString &field : roomFieldsOfLesson) {
        if (namesRoom(field, room))
            return 1;
    }
    return 0;
}

FreeRooms findFreeRooms(const QStringList &rooms, const QList<QStringList> &roomFieldsByLesson)
{
    constexpr int kMinWidth = 70;
    FreeRooms result;
    qsizetype longest = 0;
    for (const QStringList &fields : roomFieldsByLesson) {
        QStringList free;
        for (const QString &room : rooms) {
            if (PoiskKab(room, fields) == 0)
                free << room;
        }
        const QString text = free.join(QStringLiteral(", "));
        longest = qMax(longest, text.size());
        result.perLesson << text;
    }
    result.columnWidth = qMax(kMinWidth, static_cast<int>(longest) * 5 + 10);
    return result;
}
