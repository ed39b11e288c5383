#include "editor/bell_grid.h"

#include "common/globals.h"

#include <QComboBox>
#include <QLabel>

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

BellGrid buildBellGrid(QWidget *parent, int top)
{
    constexpr int listWidth = 50;
    BellGrid grid;
    combo_vibor = 0;
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column) {
            auto *list = new QComboBox(parent);
            list->setObjectName(QStringLiteral("comb_%1_%2").arg(row).arg(column));
            list->setFixedWidth(listWidth);
            list->addItem(QStringLiteral(" "));
            list->addItems(bellGridColumnItems(column));
            list->setEnabled(column != 3 && column != 4);
            const int y = row == 1 ? top
                                   : grid.comb[row - 1][column]->y()
                    + grid.comb[row - 1][column]->sizeHint().height() + 5;
            list->move((listWidth + 10) * column - 30, y);
            grid.comb[row][column] = list;
        }
        auto *number = new QLabel(QString::number(row), parent);
        number->setFixedWidth(20);
        number->setAlignment(Qt::AlignCenter);
        number->move(8, grid.comb[row][1]->y() + 5);
        grid.labnom[row] = number;
    }
    combo_vibor = 1;
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
