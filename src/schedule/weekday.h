// Weekday names and today's weekday number (1 Monday .. 7 Sunday).
#pragma once

#include <QString>

// "Понедельник" .. "Воскресенье" for 1 .. 7; empty for any other number.
QString DenNed(int i);

// Today's weekday by the program's clock.
int todayWeekday();
