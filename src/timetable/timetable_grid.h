// The timetable grid's cells: for each lesson row and class column a plate with three labels
// (lesson, room, teacher), indexed [row][column] from 0, row 0 and column 0 being the headers.
#pragma once

#include <QList>
#include <QString>

class CellPlate;
class QLabel;

struct TRasp
{
    QList<QList<CellPlate *>> rct; // the cell's plate
    QList<QList<QLabel *>> ur; // lesson, or the header's text
    QList<QList<QLabel *>> kab; // room
    QList<QList<QString>> uch; // teacher key of a data cell; empty elsewhere
};

extern TRasp rasp;

// Gives each of the four tables `rows` by `columns` places, keeping what they hold.
void sizeTimetableGrid(TRasp &grid, int rows, int columns);
