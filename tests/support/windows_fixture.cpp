#include "support/windows_fixture.h"

#include "common/globals.h"
#include "settings/settings_store.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

void createWindows(const PlayerFactory &makePlayer)
{
    resetGlobals();
    Form1 = new TForm1(makePlayer);
    Form2 = new TForm2;
    Form3 = new TForm3(makePlayer);
    Form4 = new TForm4;
}

void destroyWindows()
{
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    Form4 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    closeSettingsStore();
}

RecordingPlayer *bellPlayer()
{
    return static_cast<RecordingPlayer *>(Form1->MediaPlayer1);
}

RecordingPlayer *musicPlayer()
{
    return static_cast<RecordingPlayer *>(Form1->MediaPlayer2);
}
