// The free rooms window: for each lesson of the timetable on screen, the rooms of the school's
// list that no class uses. It stands in for the timetable window while it is open.
#pragma once

#include <QWidget>

class QTableWidget;

class TForm7 : public QWidget
{
    Q_OBJECT
public:
    TForm7();

    QTableWidget *StringGrid3; // "Урок" and "Кабинеты"

    // Shows the free rooms of each lesson, one row a lesson.
    void showFreeRooms(const QStringList &perLesson, int roomsColumnWidth);

protected:
    void closeEvent(QCloseEvent *event) override;
};

extern TForm7 *Form7;
