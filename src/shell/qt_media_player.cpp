#include "shell/qt_media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject *parent) : MediaPlayer(parent) { }

// The media back end starts with the first sound, not with the program: most of a start-up's
// time and memory would otherwise go to it before the first status shows.
QMediaPlayer *QtMediaPlayer::player()
{
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_output->setVolume(static_cast<float>(m_volume));
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
    return m_player;
}

void QtMediaPlayer::clear()
{
    if (!m_player)
        return; // nothing was ever played
    m_player->stop();
    m_player->setSource(QUrl());
}

void QtMediaPlayer::setFileName(const QString &path)
{
    player()->setSource(QUrl::fromLocalFile(path));
}

void QtMediaPlayer::setVolume(double volume)
{
    m_volume = volume;
    if (m_output)
        m_output->setVolume(static_cast<float>(volume));
}

void QtMediaPlayer::play()
{
    player()->play();
}

void QtMediaPlayer::stop()
{
    if (m_player)
        m_player->stop();
}

qint64 QtMediaPlayer::position() const
{
    return m_player ? m_player->position() : 0;
}

qint64 QtMediaPlayer::duration() const
{
    return m_player ? m_player->duration() : 0;
}

bool QtMediaPlayer::isPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}

std::unique_ptr<MediaPlayer> makeQtMediaPlayer()
{
    return std::make_unique<QtMediaPlayer>();
}
