// The timetable window. For now its status plate, which mirrors the widget's bell status, and
// the grid of cells built at start at its remembered size.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    QFrame *Rectangle3; // status plate; property "tag" is 1 while a bell status is available
    QLabel *Label3; // the status text
    QWidget *Rct_rasp; // holds the timetable grid's cells
    int h = 36; // height of a cell

    // Creates cell [i][j] of the grid into `rasp`, which must have room for it.
    void YachRaskCreate(int i, int j);
};

extern TForm2 *Form2;
