// State shared by all windows, under the names the rest of the code uses for it.
#pragma once

#include "common/schedule_arrays.h"

#include <QString>

// Data folder and mode
extern QString adr; // data folder, the process's current directory at start, no trailing slash
extern QString dir_spis; // mode folder under adr: "local" or "server"
extern int Switch; // 0 server mode, 1 local mode

// School server
extern QString ip_serv; // server address, also the HTTP host
extern QString port_serv; // TCP port of the handshake, as typed
extern QString port_HTTP; // HTTP port from the handshake reply
extern QString login_HTTP; // HTTP user name from the handshake reply
extern QString pas_HTTP; // HTTP password from the handshake reply

// Schedule in force and under edit
extern Zvon zvon; // times of the scheme in force, read by the status engine
extern Shema shema; // raw fields of the scheme shown in the editor
extern int shem_num; // 1-based position of the scheme in force in the scheme list
extern QString tek_spis; // scheme to bring back into force when the list reloads; empty = none

// Scheme list messages
extern QString zakonch1; // shown after the last lesson
extern QString zakonch2; // second end-of-day message, kept and written back
extern QString zakonch3; // shown before lessons while the first is 20 minutes away or more
extern QString zakonch4; // second before-lessons message, kept and written back

// Status engine
extern int star_status; // last status acted upon
extern int start_prog; // 1: take the next status silently, without a bell
extern int nul_ur; // 1 when the school has a zero lesson
extern int stop_obnov_spis; // 1 while a bell is at most two minutes away: no list refresh

// Break music
extern int mus_pl2_kol; // number of tracks in the music list
extern int mus_pl2_num; // position of the track last started; -1 before the first
extern int mus_peremen; // 0 before the first break; 1 next tick starts a track; 2 playing

// Guards of change handlers: act only while 1
extern int combo_vibor; // editor and sound drop-down lists
extern int dat_vibor; // timetable date picker

// Timetable grid and captions
extern int klass; // class columns of the timetable grid built at start
extern int max_ur; // lesson rows of that grid
extern QString organizac; // organisation name shown after the window captions
extern int kol_klas; // classes of the timetable last loaded
extern int kol_ur; // lessons of the timetable last loaded
extern int kart; // next frame of the timetable's empty-state animation, 0 .. 74
extern int napr_kart; // step of that animation, +1 or -1
extern QString vibr_dat; // the date text when the timetable's date picker opened

// Side panel
extern int mov; // 0 closed and at rest; 1 buttons moving; 2 final snap; 3 open
extern int dx; // direction of the current movement: 1 out, -1 in
extern int flx; // the panel's left edge at rest; its absolute value is the buttons' open position
extern int smes; // step of one animation tick

// Answer of the settings window's question: "Да", "Нет", or empty while it is open
extern QString resDial;

// Puts every global back to its start value (tests).
void resetGlobals();
