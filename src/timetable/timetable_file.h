// The school server's timetable of one date: "rasp||", four "||"-ended header fields
// (organisation, lessons, classes, "$"-ended class names), then one "|"-ended record per lesson
// holding subject, room and teachers per class, each "$"-ended. Pure: text in, timetable out.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

inline constexpr int kMaxTimetableClasses = 200;
inline constexpr int kMaxTimetableLessons = 20;

struct TimetableCell
{
    QString subject;
    QString room;
    QString teachers; // the field as it stands, the cell's hint; empty without a lesson
    QString key; // ",name1," or ",name1,name2,"; empty without a lesson
};

struct Timetable
{
    QString organisation;
    int lessons = 0; // kol_ur
    int classes = 0; // kol_klas
    QStringList classNames; // one per class
    QList<QList<TimetableCell>> cells; // [lesson][class], from 0
    QStringList teachers; // every name once, in ordinal order
};

// A cell holds a lesson when its subject is neither empty nor a single space.
bool holdsLesson(const QString &subject);

// The teachers of a field: the text before the first comma, and the text after it without the
// character that follows the comma. One name without a comma.
QStringList teacherNames(const QString &field);

// The key the teacher highlight searches: the names wrapped in commas.
QString teacherKey(const QString &field);

// The teacher list's two rules: a name is added once (exact, case-sensitive), and the list is
// sorted by the ordinal order of its UTF-16 code units (Ё, U+0401, before А, U+0410).
void addTeacherOnce(QStringList &teachers, const QString &name);
void sortTeachers(QStringList &teachers);

// Nothing when the body is no timetable: the marker is missing, a header separator is missing,
// or a count is not a decimal number from 0 to its limit (200 classes, 20 lessons). Missing
// fields and records read as empty.
std::optional<Timetable> parseTimetable(const QString &body);
