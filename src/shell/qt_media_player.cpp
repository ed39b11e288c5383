#include "shell/qt_media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : MediaPlayer(parent), m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    Q_EMIT finished();
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            Q_EMIT failed();
    });
}

void QtMediaPlayer::clear()
{
    m_player->stop();
    m_player->setSource(QUrl());
}

void QtMediaPlayer::setFileName(const QString &path)
{
    m_player->setSource(QUrl::fromLocalFile(path));
}

void QtMediaPlayer::setVolume(double volume)
{
    m_output->setVolume(static_cast<float>(volume));
}

void QtMediaPlayer::play()
{
    m_player->play();
}

void QtMediaPlayer::stop()
{
    m_player->stop();
}

qint64 QtMediaPlayer::position() const
{
    return m_player->position();
}

qint64 QtMediaPlayer::duration() const
{
    return m_player->duration();
}

bool QtMediaPlayer::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

std::unique_ptr<MediaPlayer> makeQtMediaPlayer()
{
    return std::make_unique<QtMediaPlayer>();
}
