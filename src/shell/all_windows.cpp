#include "shell/all_windows.h"

#include "common/error_report.h"
#include "schedule/single_instance.h"
#include "schedule/startup.h"
#include "shell/message_window.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_grid.h"
#include "timetable/timetable_window.h"

void createAllWindows(const PlayerFactory &makePlayer, StartUp startUp)
{
    Form1 = new TForm1(makePlayer);
    Form2 = new TForm2;
    Form3 = new TForm3(makePlayer);
    Form4 = new TForm4;
    Form6 = new TForm6;
    if (startUp == StartUp::Run)
        reportingErrors(::startUp);
    Form7 = new TForm7;
}

void destroyAllWindows()
{
    delete Form7;
    delete Form6;
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    Form7 = nullptr;
    Form6 = nullptr;
    Form4 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    rasp = {}; // its cells went with the timetable window
    releaseSingleInstance();
}
