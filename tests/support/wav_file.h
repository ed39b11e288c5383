// Writes a short silent WAV file, so tests with the real player need no sound fixtures.
#pragma once

#include <QString>

void writeSilentWav(const QString &path, int milliseconds);
