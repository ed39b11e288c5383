#include "timetable/timetable_grid.h"

TRasp rasp;

void sizeTimetableGrid(TRasp &grid, int rows, int columns)
{
    for (auto *table : { &grid.ur, &grid.kab, &grid.uch }) {
        table->clear();
        table->resize(rows, QList<QLabel *>(columns, nullptr));
    }
    grid.rct.clear();
    grid.rct.resize(rows, QList<QFrame *>(columns, nullptr));
}
