// Creates the program's windows in start-up order for a window test, with recording players.
#pragma once

#include "shell/time_widget.h"
#include "support/recording_player.h"

// Resets the globals, then creates Form1 .. Form4 in the current directory as the data folder.
void createWindows(const PlayerFactory &makePlayer
                   = [] { return std::make_unique<RecordingPlayer>(); });
void destroyWindows();

RecordingPlayer *bellPlayer(); // Form1's MediaPlayer1, when created with recording players
RecordingPlayer *musicPlayer(); // Form1's MediaPlayer2
