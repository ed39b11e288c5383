// One copy of the program at a time: a system-wide object named "Zu_Radid_Ederoz" that the
// first copy holds for as long as it runs. A copy that crashed leaves nothing that keeps the
// next one from starting.
#pragma once

// True for the first copy, which now holds the object; false when another copy runs.
bool claimSingleInstance();

// Lets go of the object (tests; the program lets go when it ends).
void releaseSingleInstance();
