#include "editor/bell_grid.h"

#include "common/globals.h"
#include "schedule/weekday.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

QStringList numbers(int from, int to, int step, int width)
{
    QStringList items;
    for (int n = from; n <= to; n += step)
        items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

} // namespace

QStringList bellGridColumnItems(int column)
{
    switch (column) {
    case 1:
    case 3:
        return numbers(0, 23, 1, 1);
    case 2:
    case 4:
        return numbers(0, 55, 5, 2);
    case 5:
        return numbers(15, 55, 5, 1);
    default:
        return numbers(5, 55, 5, 1);
    }
}

namespace {

constexpr int kListWidth = 50;
constexpr int kListHeight = 22;
constexpr int kStripTop = 20; // below the box's title
constexpr int kStripHeight = 40;

QString columnDescription(int column)
{
    static const char *const names[]
        = { "",      "Начало, час.", "Начало, мин.", "Окончание, час.", "Окончание, мин.",
            "Длит.", "Перемена" };
    return QString::fromUtf8(names[column]);
}

// The headings over the grid: "Начало" and "Окончание" with "час." and "мин." under them,
// "Длит." and "Перемена".
QWidget *buildHeadings(QWidget *parent)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("Rectangle16"));
    strip->setGeometry(0, kStripTop, parent->width(), kStripHeight);
    const auto heading = [strip](const QString &text, int left, int width, int top) {
        auto *label = new QLabel(text, strip);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(left, top, width, 18);
    };
    const auto columnLeft = [](int column) { return (kListWidth + 10) * column - 30; };
    heading(QStringLiteral("Начало"), columnLeft(1), 110, 0);
    heading(QStringLiteral("Окончание"), columnLeft(3), 110, 0);
    heading(QStringLiteral("Длит."), columnLeft(5), kListWidth, 0);
    heading(QStringLiteral("Перемена"), columnLeft(6) - 5, kListWidth + 10, 0);
    for (int column = 1; column <= 4; ++column)
        heading(column % 2 ? QStringLiteral("час.") : QStringLiteral("мин."), columnLeft(column),
                kListWidth, 20);
    return strip;
}

} // namespace

BellGrid buildBellGrid(QWidget *parent)
{
    BellGrid grid;
    grid.Rectangle16 = buildHeadings(parent);
    combo_vibor = 0;
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column) {
            auto *list = new QComboBox(parent);
            list->setObjectName(QStringLiteral("comb_%1_%2").arg(row).arg(column));
            list->setAccessibleName(
                QStringLiteral("%1, урок %2").arg(columnDescription(column)).arg(row));
            list->setFixedSize(kListWidth, kListHeight);
            list->addItem(QStringLiteral(" "));
            list->addItems(bellGridColumnItems(column));
            list->setEnabled(column != 3 && column != 4);
            list->setCurrentIndex(0);
            const int y = row == 1
                ? grid.Rectangle16->height() + kStripTop
                : grid.comb[row - 1][column]->y() + grid.comb[row - 1][column]->height() + 5;
            list->move((kListWidth + 10) * column - 30, y);
            grid.comb[row][column] = list;
        }
        auto *number = new QLabel(QString::number(row), parent);
        number->setObjectName(QStringLiteral("labnom_%1").arg(row));
        number->setFixedWidth(20);
        number->setAlignment(Qt::AlignCenter);
        number->move(8, grid.comb[row][1]->y() + 5);
        grid.labnom[row] = number;
    }
    combo_vibor = 1;

    static const char *const shortNames[] = { "", "пн", "вт", "ср", "чт", "пт", "сб", "вс" };
    for (int day = 1; day <= kWeekdays; ++day) {
        auto *button = new QRadioButton(parent);
        button->setObjectName(QStringLiteral("denradbut_%1").arg(day));
        button->setProperty("day", day); // the weekday it stands for; never shown
        button->setAccessibleName(DenNed(day));
        button->setFixedWidth(20);
        const int left = day == 1 ? grid.comb[1][1]->x() : grid.denradbut[day - 1]->x() + 50;
        button->move(left, grid.labnom[kLessonRows]->y() + 30);
        grid.denradbut[day] = button;
        auto *label = new QLabel(QString::fromUtf8(shortNames[day]), parent);
        label->setObjectName(QStringLiteral("denradlab_%1").arg(day));
        label->setProperty("day", day);
        label->setFixedWidth(20);
        label->setAlignment(Qt::AlignCenter);
        label->move(left, button->y() + 17);
        grid.denradlab[day] = label;
    }
    return grid;
}

void setBellGridBlank(const BellGrid &grid)
{
    combo_vibor = 0;
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            grid.comb[row][column]->setCurrentIndex(0);
    }
    combo_vibor = 1;
}

bool isBellBoxEditable(bool serverMode, bool listEmpty, int row, int column)
{
    if (serverMode || listEmpty)
        return false;
    if (column >= 5)
        return true;
    return row == 1 && column <= 2;
}

void setBellGridEditable(const BellGrid &grid, bool serverMode, bool listEmpty)
{
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            grid.comb[row][column]->setEnabled(
                isBellBoxEditable(serverMode, listEmpty, row, column));
    }
}

void numberBellGridRows(const BellGrid &grid, int nulUr)
{
    for (int row = 1; row <= kLessonRows; ++row)
        grid.labnom[row]->setText(QString::number(row - nulUr));
}
