#include "schedule/scheme_file.h"

namespace {

const QString kBlank = QStringLiteral(" ");

bool isBlank(const QString &field)
{
    return field.trimmed().isEmpty();
}

QString fieldOrEmpty(const QStringList &fields, int index)
{
    return index < fields.size() && !isBlank(fields.at(index)) ? fields.at(index) : QString();
}

QString timeOf(const QString &hour, const QString &minute)
{
    return hour.isEmpty() ? QString() : hour + QLatin1Char(':') + minute;
}

QString &shemaField(Shema &s, int row, int day, int field)
{
    return s[row][6 * day - 6 + field];
}

} // namespace

QStringList parseSchemeLine(const QString &line)
{
    QStringList fields = line.split(QLatin1Char(':'));
    fields.removeLast(); // the text after the last ":" is not a field
    if (fields.size() > kFieldsPerLine)
        fields.resize(kFieldsPerLine);
    return fields;
}

Zvon zvonFromSchemeLines(const QStringList &lines)
{
    Zvon z;
    for (int row = 1; row <= kLessonRows; ++row) {
        const QStringList fields = parseSchemeLine(lines.value(row - 1));
        for (int day = 1; day <= kWeekdays; ++day) {
            const int f = 6 * (day - 1); // 0-based index of the group's first field
            z[row][3 * day - 2] = timeOf(fieldOrEmpty(fields, f), fieldOrEmpty(fields, f + 1));
            z[row][3 * day - 1] = timeOf(fieldOrEmpty(fields, f + 2), fieldOrEmpty(fields, f + 3));
            z[row][3 * day] = fieldOrEmpty(fields, f + 5);
        }
    }
    return z;
}

Shema shemaFromSchemeLines(const QStringList &lines)
{
    Shema s;
    for (int row = 1; row <= kLessonRows; ++row) {
        const QStringList fields = parseSchemeLine(lines.value(row - 1));
        for (int k = 1; k <= kFieldsPerLine; ++k)
            s[row][k] = fields.value(k - 1);
    }
    return s;
}

void normaliseShema(Shema &s)
{
    for (int day = 1; day <= kWeekdays; ++day) {
        for (int row = 2; row <= kLessonRows; ++row) {
            if (!isBlank(shemaField(s, row, day, 3)))
                continue;
            for (int f = 1; f <= kFieldsPerDay; ++f)
                shemaField(s, row, day, f) = kBlank;
            shemaField(s, row - 1, day, 6) = kBlank;
        }
    }
    for (int day = 1; day <= kWeekdays; ++day) {
        if (!isBlank(shemaField(s, 1, day, 1)) && !isBlank(shemaField(s, 1, day, 2))
            && !isBlank(shemaField(s, 1, day, 4)))
            continue;
        for (int row = 1; row <= kLessonRows; ++row) {
            for (int f = 1; f <= kFieldsPerDay; ++f)
                shemaField(s, row, day, f) = kBlank;
        }
    }
    for (int day = 1; day <= kWeekdays; ++day)
        shemaField(s, kLessonRows, day, 6) = QString();
}

QStringList schemeFileLines(const Shema &s)
{
    QStringList lines;
    for (int row = 1; row <= kLessonRows; ++row) {
        QString line;
        for (int k = 1; k <= kFieldsPerLine; ++k)
            line += s[row][k] + QLatin1Char(':');
        lines << line;
    }
    return lines;
}

QStringList blankSchemeLines()
{
    return QStringList(kLessonRows, QStringLiteral(" :").repeated(kFieldsPerLine));
}
