#include "support/recording_player.h"

QStringList RecordingPlayer::played() const
{
    QStringList files;
    QString current;
    for (const QString &call : calls) {
        if (call.startsWith(QLatin1String("file ")))
            current = call.mid(5);
        else if (call == QLatin1String("play"))
            files << current;
    }
    return files;
}
