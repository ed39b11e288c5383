#include "support/wav_file.h"

#include <QFile>
#include <QtEndian>

void writeSilentWav(const QString &path, int milliseconds)
{
    constexpr quint32 rate = 8000;
    const quint32 dataBytes = rate * static_cast<quint32>(milliseconds) / 1000 * 2; // 16-bit mono
    QByteArray wav(44 + static_cast<int>(dataBytes), '\0');
    char *h = wav.data();
    const auto put32 = [h](int at, quint32 v) { qToLittleEndian(v, h + at); };
    const auto put16 = [h](int at, quint16 v) { qToLittleEndian(v, h + at); };
    memcpy(h, "RIFF", 4);
    put32(4, 36 + dataBytes);
    memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16); // format chunk size
    put16(20, 1); // PCM
    put16(22, 1); // mono
    put32(24, rate);
    put32(28, rate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(h + 36, "data", 4);
    put32(40, dataBytes);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(wav);
}
