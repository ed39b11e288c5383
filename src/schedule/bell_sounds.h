// What the status engine asks of the sound playback: the three bells and the break music.
#pragma once

enum class BellEvent { LessonStart, Break, LessonsOver };

class BellSounds
{
public:
    virtual ~BellSounds() = default;
    virtual void playBell(BellEvent event) = 0;
    virtual void playNextMusicTrack() = 0; // the break-music timer's tick
    virtual void stopMusic() = 0;
};

// Plays nothing; stands in until the players are wired.
class SilentBellSounds : public BellSounds
{
public:
    void playBell(BellEvent) override { }
    void playNextMusicTrack() override { }
    void stopMusic() override { }
};
