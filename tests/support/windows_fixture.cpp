#include "support/windows_fixture.h"

#include "common/globals.h"
#include "settings/settings_store.h"
#include "shell/all_windows.h"

void createWindows(const PlayerFactory &makePlayer, StartUp startUp)
{
    resetGlobals();
    createAllWindows(makePlayer, startUp);
}

void destroyWindows()
{
    destroyAllWindows();
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
