// A media player as the bells and the break music use it. The real one wraps QMediaPlayer; tests
// use a recording one to see what is played when.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class MediaPlayer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void clear() = 0;
    virtual void setFileName(const QString &path) = 0;
    virtual void setVolume(double volume) = 0; // 0.0 .. 1.0
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual qint64 position() const = 0; // ms
    virtual qint64 duration() const = 0; // ms
    virtual bool isPlaying() const = 0;

Q_SIGNALS:
    void finished(); // the track played to its end
    void failed(); // the file is missing or cannot be played
};

using PlayerFactory = std::function<std::unique_ptr<MediaPlayer>()>;
