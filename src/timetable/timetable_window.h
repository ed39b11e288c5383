// The timetable window. For now only its status plate, which mirrors the widget's bell status.
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
};

extern TForm2 *Form2;
