#include "shell/all_windows.h"

#include "shell/message_window.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

void createAllWindows(const PlayerFactory &makePlayer)
{
    Form1 = new TForm1(makePlayer);
    Form2 = new TForm2;
    Form3 = new TForm3(makePlayer);
    Form4 = new TForm4;
    Form6 = new TForm6;
}

void destroyAllWindows()
{
    delete Form6;
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    Form6 = nullptr;
    Form4 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
}
