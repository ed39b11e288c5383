// The real media player: QMediaPlayer with its own audio output.
#pragma once

#include "schedule/media_player.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

class QtMediaPlayer : public MediaPlayer
{
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject *parent = nullptr);

    void clear() override;
    void setFileName(const QString &path) override;
    void setVolume(double volume) override;
    void play() override;
    void stop() override;
    qint64 position() const override;
    qint64 duration() const override;
    bool isPlaying() const override;

private:
    QMediaPlayer *m_player;
    QAudioOutput *m_output;
};

std::unique_ptr<MediaPlayer> makeQtMediaPlayer();
