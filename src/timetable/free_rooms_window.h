// The free rooms window: created last at start and kept hidden until the free rooms search
// comes with the timetable.
#pragma once

#include <QWidget>

class TForm7 : public QWidget
{
    Q_OBJECT
public:
    TForm7();
};

extern TForm7 *Form7;
