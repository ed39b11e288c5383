// The side panel window. For now it carries only the placement timer that keeps the time
// widget over the taskbar and shows or hides it once a second.
#pragma once

#include <QWidget>

class QTimer;

class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QTimer *Timer3; // placement

    void Timer3Timer();
};

extern TForm4 *Form4;
