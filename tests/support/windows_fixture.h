// Creates the program's windows in start-up order for a window test, and what they played.
#pragma once

#include "schedule/bell_sounds.h"

#include <QList>

struct PlayedSounds
{
    QList<BellEvent> bells;
    int musicStops = 0;
};

// Records what the status engine asked for instead of playing it.
class RecordingBellSounds : public BellSounds
{
public:
    explicit RecordingBellSounds(PlayedSounds *log) : m_log(log) { }
    void playBell(BellEvent event) override { m_log->bells << event; }
    void playNextMusicTrack() override { }
    void stopMusic() override { ++m_log->musicStops; }

private:
    PlayedSounds *m_log;
};

// Resets the globals, then creates Form1 .. Form4 with a recording sound playback. Form1 takes
// the current directory as `adr`; a test's TempDataFolder made afterwards replaces it.
void createWindows(PlayedSounds *log);
void destroyWindows();
