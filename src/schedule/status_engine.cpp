#include "schedule/status_engine.h"

#include <QRegularExpression>

namespace {

struct Lesson
{
    int start = 0; // seconds since midnight
    int end = 0;
    std::optional<int> breakSeconds;
};

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

// One row of the weekday, parsed when the search reaches it; nothing when a time of it does
// not parse.
std::optional<Lesson> lessonOf(const Zvon &zvon, int weekday, int row)
{
    const auto start = parseTimeOfDay(zvon[row][3 * weekday - 2]);
    const auto end = parseTimeOfDay(zvon[row][3 * weekday - 1]);
    const QString &breakText = zvon[row][3 * weekday];
    const auto breakMinutes
        = breakText.isEmpty() ? std::optional<int>() : parseBreakMinutes(breakText);
    if (!start || !end || (!breakText.isEmpty() && !breakMinutes))
        return std::nullopt;
    return Lesson { *start, *end,
                    breakMinutes ? std::optional<int>(*breakMinutes * 60) : std::nullopt };
}

struct Found
{
    int status = StatusNone;
    int row = 0;
    Lesson lesson;
    int firstStart = 0;
    bool error = false; // the search needed a row whose times do not parse
};

// The first row that gives a status; each later test of a row overrides an earlier one. Rows
// are parsed only as the search reaches them, so a bad row spoils only the times that need it.
Found searchStatus(const Zvon &zvon, int weekday, int now)
{
    Found found;
    for (int row = 1; row <= kLessonRows; ++row) {
        if (zvon[row][3 * weekday - 2].isEmpty())
            continue;
        const auto first = parseTimeOfDay(zvon[1][3 * weekday - 2]);
        const auto l = lessonOf(zvon, weekday, row);
        if (!first || !l) {
            found.error = true;
            return found;
        }
        int status = StatusNone;
        if (now < *first)
            status = StatusBeforeLessons;
        if (l->start <= now && now < l->end)
            status = StatusLesson;
        if (l->breakSeconds && now >= l->end && now < l->end + *l->breakSeconds)
            status = StatusBreak;
        if (!l->breakSeconds && now >= l->end)
            status = StatusLessonsOver;
        if (status != StatusNone)
            return { status, row, *l, *first, false };
    }
    return found;
}

int targetOf(const Found &found)
{
    switch (found.status) {
    case StatusBeforeLessons:
        return found.firstStart;
    case StatusLesson:
        return found.lesson.end;
    default:
        return found.lesson.end + found.lesson.breakSeconds.value_or(0);
    }
}

} // namespace

StatusResult evaluateStatus(const StatusInput &input)
{
    StatusResult result;
    const int now = input.now.hour() * 3600 + input.now.minute() * 60 + input.now.second();
    const Found found = searchStatus(input.zvon, input.weekday, now);
    if (found.error) {
        result.scheduleError = true;
        result.secondLine = QStringLiteral("Ошибка в расписании звонков");
        return result;
    }
    const int status = found.status;
    const int row = found.row;
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

    const int left = targetOf(found) - now;
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
