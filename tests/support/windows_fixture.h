// Creates the program's windows in start-up order for a window test, with recording players.
#pragma once

#include "shell/time_widget.h"
#include "support/recording_player.h"

#include "shell/all_windows.h"

// Resets the globals, then creates the windows in the current directory as the data folder;
// with StartUp::Run the start-up sequence runs as in the program.
void createWindows(
    const PlayerFactory &makePlayer = [] { return std::make_unique<RecordingPlayer>(); },
    StartUp startUp = StartUp::Skip);
void destroyWindows();

RecordingPlayer *bellPlayer(); // Form1's MediaPlayer1, when created with recording players
RecordingPlayer *musicPlayer(); // Form1's MediaPlayer2
