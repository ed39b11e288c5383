// The side panel: three picture buttons parked at the left screen edge with a sliver showing,
// sliding out when the mouse touches them and back in a second later. Its placement timer keeps
// the time widget over the taskbar and shows or hides it once a second.
#pragma once

#include "shell/side_panel_motion.h"

#include <QWidget>

class PictureButton;
class TForm1;
class QTimer;

class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    PictureButton *sImage1; // timetable of today
    PictureButton *sImage2; // canteen menu of today
    PictureButton *sImage3; // bell schedules: the compact settings window
    QTimer *Timer1; // slide animation, one frame
    QTimer *Timer2; // closes the opened panel
    QTimer *Timer3; // placement

    void sImage1MouseMove();
    void sImage1Click();
    void sImage2Click();
    void sImage3Click();
    void Skrit();
    void Timer1Timer();
    void Timer3Timer();

    // Where the buttons stand now, for tests and the frame.
    PanelMotion motion() const;

private:
    void applyMotion(const PanelMotion &m);
    // The timetable and the menu come from the server: in local mode only a message.
    void openFromServer(void (TForm1::*open)());
    void placeAtRest();
};

extern TForm4 *Form4;
