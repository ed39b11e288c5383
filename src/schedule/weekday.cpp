#include "schedule/weekday.h"

#include "common/clock.h"

#include <QStringList>

QString DenNed(int i)
{
    static const QStringList names
        = { QStringLiteral("Понедельник"), QStringLiteral("Вторник"), QStringLiteral("Среда"),
            QStringLiteral("Четверг"),     QStringLiteral("Пятница"), QStringLiteral("Суббота"),
            QStringLiteral("Воскресенье") };
    return i >= 1 && i <= names.size() ? names.at(i - 1) : QString();
}

int todayWeekday()
{
    return Clock::now().date().dayOfWeek();
}
