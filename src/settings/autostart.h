// Starting the program at login with "Автозапуск": a shortcut to the program written into the
// data folder and copied, without overwriting, into the user's startup folder `avtozagr`.
#pragma once

#include <QString>

extern QString avtozagr; // the startup folder; empty when there is none

// The startup folder, found when the time widget is created.
QString findStartupFolder();

// The shortcut's file name: the program file's base name from its real path, and the
// platform's extension ("bells.desktop").
QString shortcutFileName();

void autostartSwitchedOn(); // shortcut made and copied; the flag stored as "1"
void autostartSwitchedOff(); // both shortcuts removed; the flag stored as "0"
// At every start: renewed when on; when off, the startup folder's shortcut goes, but only
// when it starts this program.
void renewAutostart(bool on);
