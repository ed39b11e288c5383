#include "timetable/timetable_file.h"

#include <algorithm>

namespace {

const QString kMarker = QStringLiteral("rasp||");

// Takes the text before the next `separator` and drops it with the separator. Without a
// separator left the field reads as empty and the rest stays, so every later field is empty too.
QString takeField(QString &rest, const QString &separator)
{
    const qsizetype end = rest.indexOf(separator);
    if (end < 0) {
        const QString none;
        rest.clear();
        return none;
    }
    const QString field = rest.left(end);
    rest.remove(0, end + separator.size());
    return field;
}

std::optional<int> count(const QString &text, int limit)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int value = text.toInt();
    return value <= limit ? std::optional<int>(value) : std::nullopt;
}

} // namespace

bool holdsLesson(const QString &subject)
{
    return !subject.isEmpty() && subject != QLatin1String(" ");
}

QStringList teacherNames(const QString &field)
{
    const qsizetype comma = field.indexOf(QLatin1Char(','));
    if (comma < 0)
        return { field };
    return { field.left(comma), field.mid(comma + 2) };
}

QString teacherKey(const QString &field)
{
    return QLatin1Char(',') + teacherNames(field).join(QLatin1Char(',')) + QLatin1Char(',');
}

std::optional<Timetable> parseTimetable(const QString &body)
{
    if (!body.startsWith(kMarker))
        return std::nullopt;
    QString rest = body.mid(kMarker.size());
    const QString separator = QStringLiteral("||");
    QStringList header;
    for (int i = 0; i < 4; ++i) {
        if (!rest.contains(separator))
            return std::nullopt;
        header << takeField(rest, separator);
    }
    const auto lessons = count(header[1], kMaxTimetableLessons);
    const auto classes = count(header[2], kMaxTimetableClasses);
    if (!lessons || !classes)
        return std::nullopt;

    Timetable t;
    t.organisation = header[0];
    t.lessons = *lessons;
    t.classes = *classes;
    QString names = header[3];
    for (int j = 0; j < t.classes; ++j)
        t.classNames << takeField(names, QStringLiteral("$"));
    for (int i = 0; i < t.lessons; ++i) {
        QString record = takeField(rest, QStringLiteral("|"));
        QList<TimetableCell> row;
        for (int j = 0; j < t.classes; ++j) {
            TimetableCell cell;
            cell.subject = takeField(record, QStringLiteral("$"));
            cell.room = takeField(record, QStringLiteral("$"));
            const QString teachers = takeField(record, QStringLiteral("$"));
            if (holdsLesson(cell.subject)) {
                cell.teachers = teachers;
                cell.key = teacherKey(teachers);
                for (const QString &name : teacherNames(teachers)) {
                    if (!name.isEmpty())
                        addTeacherOnce(t.teachers, name);
                }
            }
            row << cell;
        }
        t.cells << row;
    }
    sortTeachers(t.teachers);
    return t;
}

void addTeacherOnce(QStringList &teachers, const QString &name)
{
    if (!teachers.contains(name, Qt::CaseSensitive))
        teachers << name;
}

void sortTeachers(QStringList &teachers)
{
    // QString's own order compares UTF-16 code units; a stable sort keeps an exchange sort's
    // result for equal names.
    std::stable_sort(teachers.begin(), teachers.end(),
                     [](const QString &a, const QString &b) { return a < b; });
}
