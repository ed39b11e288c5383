// The bell time editor's arithmetic over one weekday's sixty values: every end time and every
// later start follows from the first start, the lengths and the breaks. Pure: values in and out.
#pragma once

#include "common/schedule_arrays.h"

#include <QString>
#include <array>

constexpr int kBellGridColumns = 6;

// [row 1..10][column 1..6] as the boxes show them; " " is blank.
using GridValues = std::array<std::array<QString, kBellGridColumns + 1>, kLessonRows + 1>;

// Recalculates the whole grid after any change: rows above the first start are cleared; each
// row ends at start + length and the next starts at end + break; a row missing its start,
// length or break loses what follows from it. A lesson or a next start that would pass 23:55
// clears that row and every row after it, so the day ends with the last lesson that fits.
void recalculateBellGrid(GridValues &values);
