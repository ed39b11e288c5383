// The bell time grid of the editor: 10 lesson rows by 6 drop-down lists (start hour and minute,
// end hour and minute, length, break), each starting with a " " item that means not set.
#pragma once

#include "common/schedule_arrays.h"

#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;

constexpr int kGridColumns = 6;

struct BellGrid
{
    QWidget *Rectangle16 = nullptr; // the column headings
    std::array<std::array<QComboBox *, kGridColumns + 1>, kLessonRows + 1> comb {};
    std::array<QLabel *, kLessonRows + 1> labnom {}; // row numbers "1" .. "10"
    std::array<QRadioButton *, kWeekdays + 1> denradbut {}; // weekday pages, Monday first
    std::array<QLabel *, kWeekdays + 1> denradlab {}; // "пн" .. "вс" under them
};

// The items of a grid column after the blank item.
QStringList bellGridColumnItems(int column);

// The headings, the grid, the row numbers and the weekday buttons on the box "Время", at
// the positions of the design: lists 50 wide at x = 30, 90 ... 330, rows 5 apart.
BellGrid buildBellGrid(QWidget *parent);

// Puts every list on its blank item without waking the editor's change handler.
void setBellGridBlank(const BellGrid &grid);

// Whether the user may change box (row, column): never in server mode or with an empty list;
// otherwise the first lesson's start and every row's length and break, the rest being computed.
bool isBellBoxEditable(bool serverMode, bool listEmpty, int row, int column);
void setBellGridEditable(const BellGrid &grid, bool serverMode, bool listEmpty);

// Row labels show the lesson numbers: row r is lesson r - nulUr.
void numberBellGridRows(const BellGrid &grid, int nulUr);
