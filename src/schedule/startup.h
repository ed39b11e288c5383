// The start-up sequence, run when the message window has been created: one copy at a time, the
// voice-file lists, the settings with the mode and the scheme list, the timetable grid.
#pragma once

void startUp();
