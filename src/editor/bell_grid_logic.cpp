#include "editor/bell_grid_logic.h"

namespace {

const QString kBlank = QStringLiteral(" ");
constexpr int kLastMinuteOfDay = 23 * 60 + 55;

bool blank(const QString &value)
{
    return value.trimmed().isEmpty();
}

int number(const QString &value)
{
    return blank(value) ? 0 : value.toInt();
}

void clearRow(GridValues &v, int row, int fromColumn = 1)
{
    for (int c = fromColumn; c <= kBellGridColumns; ++c)
        v[row][c] = kBlank;
}

void clearFrom(GridValues &v, int row)
{
    for (int r = row; r <= kLessonRows; ++r)
        clearRow(v, r);
}

void setTime(GridValues &v, int row, int hourColumn, int minutes)
{
    v[row][hourColumn] = QString::number(minutes / 60);
    v[row][hourColumn + 1] = QStringLiteral("%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void recalculateBellGrid(GridValues &v)
{
    int first = 1;
    while (first <= kLessonRows && blank(v[first][1]))
        ++first;
    if (first > kLessonRows)
        first = 1;
    for (int r = 1; r < first; ++r)
        clearRow(v, r);

    for (int r = first; r <= kLessonRows; ++r) {
        if (blank(v[r][1]) || blank(v[r][2]) || blank(v[r][5])) {
            clearRow(v, r, 3);
        } else {
            const int end = number(v[r][1]) * 60 + number(v[r][2]) + number(v[r][5]);
            if (end > kLastMinuteOfDay) {
                clearFrom(v, r);
                break;
            }
            setTime(v, r, 3, end);
        }
        if (r == kLessonRows)
            break;
        if (blank(v[r][3]) || blank(v[r][4]) || blank(v[r][6])) {
            v[r + 1][1] = kBlank;
            v[r + 1][2] = kBlank;
            continue;
        }
        const int next = number(v[r][3]) * 60 + number(v[r][4]) + number(v[r][6]);
        if (next > kLastMinuteOfDay) {
            clearFrom(v, r + 1);
            break;
        }
        setTime(v, r + 1, 1, next);
    }
    for (int r = first; r <= kLessonRows; ++r) {
        if (blank(v[r][1]))
            clearRow(v, r, 2);
    }
}
