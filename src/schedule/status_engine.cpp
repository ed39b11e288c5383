#include "schedule/status_engine.h"

#include <QRegularExpression>
#include <array>

namespace {

struct Lesson
{
    bool present = false; // the row has a start on this weekday
    int start = 0; // seconds since midnight
    int end = 0;
    std::optional<int> breakSeconds;
};

using DayLessons = std::array<Lesson, kLessonRows + 1>;

std::optional<int> parseTimeOfDay(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{1,2})$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 3600 + minutes * 60;
}

std::optional<int> parseBreakMinutes(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,2}$"));
    if (!form.match(text).hasMatch() || text.toInt() > 59)
        return std::nullopt;
    return text.toInt();
}

// The weekday's lessons, or nothing when a time does not parse or the first lesson is missing
// while later rows hold lessons.
std::optional<DayLessons> lessonsOfDay(const Zvon &zvon, int weekday)
{
    DayLessons day;
    bool anyLesson = false;
    for (int row = 1; row <= kLessonRows; ++row) {
        const QString &startText = zvon[row][3 * weekday - 2];
        if (startText.isEmpty())
            continue;
        const auto start = parseTimeOfDay(startText);
        const auto end = parseTimeOfDay(zvon[row][3 * weekday - 1]);
        const QString &breakText = zvon[row][3 * weekday];
        const auto breakMinutes
            = breakText.isEmpty() ? std::optional<int>() : parseBreakMinutes(breakText);
        if (!start || !end || (!breakText.isEmpty() && !breakMinutes))
            return std::nullopt;
        day[row] = { true, *start, *end,
                     breakMinutes ? std::optional<int>(*breakMinutes * 60) : std::nullopt };
        anyLesson = true;
    }
    if (anyLesson && !day[1].present)
        return std::nullopt;
    return day;
}

// The first row that gives a status; each later test of a row overrides an earlier one.
std::pair<int, int> searchStatus(const DayLessons &day, int now)
{
    for (int row = 1; row <= kLessonRows; ++row) {
        const Lesson &l = day[row];
        if (!l.present)
            continue;
        int status = StatusNone;
        if (now < day[1].start)
            status = StatusBeforeLessons;
        if (l.start <= now && now < l.end)
            status = StatusLesson;
        if (l.breakSeconds && now >= l.end && now < l.end + *l.breakSeconds)
            status = StatusBreak;
        if (!l.breakSeconds && now >= l.end)
            status = StatusLessonsOver;
        if (status != StatusNone)
            return { status, row };
    }
    return { StatusNone, 0 };
}

int targetOf(const DayLessons &day, int status, int row)
{
    switch (status) {
    case StatusBeforeLessons:
        return day[1].start;
    case StatusLesson:
        return day[row].end;
    default:
        return day[row].end + day[row].breakSeconds.value_or(0);
    }
}

} // namespace

StatusResult evaluateStatus(const StatusInput &input)
{
    StatusResult result;
    const auto day = lessonsOfDay(input.zvon, input.weekday);
    if (!day) {
        result.scheduleError = true;
        result.secondLine = QStringLiteral("Ошибка в расписании звонков");
        return result;
    }
    const int now = input.now.hour() * 3600 + input.now.minute() * 60 + input.now.second();
    const auto [status, row] = searchStatus(*day, now);
    result.status = status;
    result.row = row;
    if (status == StatusNone) {
        result.secondLine = QStringLiteral("Список звонков пуст");
        return result;
    }
    if (status == StatusLessonsOver) {
        result.secondLine = input.afterLessonsMessage;
        return result;
    }

    const int left = targetOf(*day, status, row) - now;
    const int hours = left / 3600;
    const int minutes = left % 3600 / 60;
    const int seconds = left % 60;
    const int count = minutes >= 1 ? minutes + 1 : seconds + 1;
    const QString unit = minutes >= 1 ? QStringLiteral("мин.") : QStringLiteral("с.");
    const QString countdown = QStringLiteral("%1 %2").arg(count).arg(unit);
    result.stopObnovSpis = minutes + 1 <= 2 ? 1 : 0;

    const QString &firstStart = input.zvon[1][3 * input.weekday - 2];
    if (status == StatusBeforeLessons) {
        result.secondLine = hours == 0 && minutes + 1 <= 20
            ? QStringLiteral("Уроки начнутся через %1 в %2").arg(countdown, firstStart)
            : input.beforeLessonsMessage;
    } else if (status == StatusLesson) {
        result.secondLine = QStringLiteral("Идет %1 урок до %2. До конца %3")
                                .arg(row - input.nulUr)
                                .arg(input.zvon[row][3 * input.weekday - 1], countdown);
    } else {
        const QString nextStart
            = row < kLessonRows ? input.zvon[row + 1][3 * input.weekday - 2] : QString();
        result.secondLine = QStringLiteral("Перемена. %1 урок через %2 в %3")
                                .arg(row - input.nulUr + 1)
                                .arg(countdown, nextStart);
    }
    return result;
}
