// Creates the program's windows once, in the order each one's set-up relies on, and ends them.
#pragma once

#include "schedule/media_player.h"

enum class StartUp { Run, Skip };

// Time widget, timetable window, settings window, side panel, message window and free rooms
// window; the players come from makePlayer. With StartUp::Run the start-up sequence runs once the
// message window exists, as the program does; window tests skip it.
void createAllWindows(const PlayerFactory &makePlayer, StartUp startUp = StartUp::Skip);
void destroyAllWindows();
