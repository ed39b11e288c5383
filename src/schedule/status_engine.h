// The bell status of one moment: before lessons, a lesson, a break or lessons over, with the
// countdown text of the widget's second line. Pure: the scheme, weekday and time go in.
#pragma once

#include "common/schedule_arrays.h"

#include <QString>
#include <QTime>
#include <optional>

enum BellStatus {
    StatusNone = 0,
    StatusBeforeLessons = 1,
    StatusLesson = 2,
    StatusBreak = 3,
    StatusLessonsOver = 4
};

struct StatusInput
{
    const Zvon &zvon;
    int weekday; // 1 Monday .. 7 Sunday
    QTime now;
    int nulUr; // 1 when row 1 is lesson 0
    QString afterLessonsMessage; // zakonch1
    QString beforeLessonsMessage; // zakonch3
};

struct StatusResult
{
    int status = StatusNone;
    int row = 0; // lesson row the status belongs to
    bool scheduleError = false; // the search needed a row whose times do not parse; status 0
    QString secondLine; // the widget's second text line
    std::optional<int> stopObnovSpis; // new value of stop_obnov_spis, when the countdown sets it
};

StatusResult evaluateStatus(const StatusInput &input);
