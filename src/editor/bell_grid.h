// The bell time grid of the editor: 10 lesson rows by 6 drop-down lists (start hour and minute,
// end hour and minute, length, break), each starting with a " " item that means not set.
#pragma once

#include "common/schedule_arrays.h"

#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QWidget;

constexpr int kGridColumns = 6;

struct BellGrid
{
    std::array<std::array<QComboBox *, kGridColumns + 1>, kLessonRows + 1> comb {};
    std::array<QLabel *, kLessonRows + 1> labnom {}; // row numbers "1" .. "10"
};

// The items of a grid column after the blank item.
QStringList bellGridColumnItems(int column);

BellGrid buildBellGrid(QWidget *parent, int top);

// Puts every list on its blank item without waking the editor's change handler.
void setBellGridBlank(const BellGrid &grid);

// Whether the user may change box (row, column): never in server mode or with an empty list;
// otherwise the first lesson's start and every row's length and break, the rest being computed.
bool isBellBoxEditable(bool serverMode, bool listEmpty, int row, int column);
void setBellGridEditable(const BellGrid &grid, bool serverMode, bool listEmpty);

// Row labels show the lesson numbers: row r is lesson r - nulUr.
void numberBellGridRows(const BellGrid &grid, int nulUr);
