// Creates the program's windows once, in the order each one's set-up relies on, and ends them.
#pragma once

#include "schedule/media_player.h"

// Time widget, timetable window, settings window, side panel, message window; the players come
// from makePlayer.
void createAllWindows(const PlayerFactory &makePlayer);
void destroyAllWindows();
