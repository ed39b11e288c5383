// A media player that plays nothing and records what it was asked to do, so a test can see what
// would sound when; a test ends a track with finishTrack().
#pragma once

#include "schedule/media_player.h"

#include <QStringList>

class RecordingPlayer : public MediaPlayer
{
public:
    QStringList calls; // "clear", "file <path>", "volume <v>", "play", "stop"
    QString fileName;
    bool playing = false;

    void clear() override
    {
        calls << QStringLiteral("clear");
        fileName.clear();
        playing = false;
    }
    void setFileName(const QString &path) override
    {
        calls << QStringLiteral("file ") + path;
        fileName = path;
    }
    void setVolume(double volume) override { calls << QStringLiteral("volume %1").arg(volume); }
    void play() override
    {
        calls << QStringLiteral("play");
        playing = true;
    }
    void stop() override
    {
        calls << QStringLiteral("stop");
        playing = false;
    }
    qint64 position() const override { return 0; }
    qint64 duration() const override { return 0; }
    bool isPlaying() const override { return playing; }

    // Files started with play(), in order.
    QStringList played() const;
    void finishTrack()
    {
        playing = false;
        Q_EMIT finished();
    }
    void failTrack()
    {
        playing = false;
        Q_EMIT failed();
    }
};
