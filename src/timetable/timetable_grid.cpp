#include "timetable/timetable_grid.h"

TRasp rasp;

namespace {

template<typename T> void resizeKeeping(QList<QList<T>> &table, int rows, int columns, T empty)
{
    table.resize(rows);
    for (QList<T> &row : table)
        row.resize(columns, empty);
}

} // namespace

void sizeTimetableGrid(TRasp &grid, int rows, int columns)
{
    resizeKeeping<CellPlate *>(grid.rct, rows, columns, nullptr);
    resizeKeeping<QLabel *>(grid.ur, rows, columns, nullptr);
    resizeKeeping<QLabel *>(grid.kab, rows, columns, nullptr);
    resizeKeeping<QString>(grid.uch, rows, columns, QString());
}
