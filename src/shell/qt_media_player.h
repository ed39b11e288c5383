// The real media player: QMediaPlayer with its own audio output, made at the first sound.
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
    QMediaPlayer *player();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    double m_volume = 1.0; // kept until the output exists
};

std::unique_ptr<MediaPlayer> makeQtMediaPlayer();
