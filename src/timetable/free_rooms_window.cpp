#include "timetable/free_rooms_window.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7() : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm7"));
}
