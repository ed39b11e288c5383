// The free-rooms icon of the timetable window: the school's room list against the rooms of the
// timetable on screen.
#include "timetable/timetable_window.h"

#include "common/globals.h"
#include "server/http_fetch.h"
#include "shell/message_window.h"
#include "timetable/free_rooms.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_grid.h"

#include <QLabel>

void TForm2::Image2Click()
{
    const QString body
        = ZaprosHTTP(serverFileUrl(QStringLiteral("raspisanie"), QStringLiteral("kab.ini")));
    if (body == kDownloadError) {
        Form6->Soob(QStringLiteral("Сервер временно недоступен. Попробуйте позже."), 0);
        return;
    }
    if (body.isEmpty()) {
        Form6->Soob(QStringLiteral("Список кабинетов на сервере пуст"), 0);
        return;
    }
    QList<QStringList> roomsByLesson;
    for (int i = 1; i <= kol_ur && i < rasp.kab.size(); ++i) {
        QStringList fields;
        for (int j = 1; j <= kol_klas && j < rasp.kab[i].size(); ++j)
            fields << rasp.kab[i][j]->text();
        roomsByLesson << fields;
    }
    const FreeRooms free = findFreeRooms(splitRoomList(body), roomsByLesson);
    Form7->showFreeRooms(free.perLesson, free.columnWidth);
}
