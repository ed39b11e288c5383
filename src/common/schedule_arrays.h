// The two in-memory forms of a bell scheme. Indexed from 1 like the scheme file; index 0 unused.
#pragma once

#include <QString>
#include <array>

constexpr int kLessonRows = 10;
constexpr int kWeekdays = 7;
constexpr int kFieldsPerDay = 6;
constexpr int kFieldsPerLine = kWeekdays * kFieldsPerDay; // 42
constexpr int kZvonColumns = kWeekdays * 3; // start, end and break per weekday

// Parsed times of the scheme in force: [row][3d-2] start, [3d-1] end, [3d] break minutes.
using Zvon = std::array<std::array<QString, kZvonColumns + 1>, kLessonRows + 1>;

// Raw fields of the scheme under edit: [row][6d-6+f] is field f of weekday d, " " when blank.
using Shema = std::array<std::array<QString, kFieldsPerLine + 1>, kLessonRows + 1>;
