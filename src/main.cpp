#include "common/bells_application.h"
#include "schedule/startup.h"
#include "shell/qt_media_player.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

int main(int argc, char **argv)
{
    BellsApplication app(argc, argv);
    Form1 = new TForm1(makeQtMediaPlayer);
    Form2 = new TForm2;
    Form3 = new TForm3(makeQtMediaPlayer);
    Form4 = new TForm4;
    startUp();
    const int code = app.exec();
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    return code;
}
