// A file's bytes as they are on disk, read and written without any of the program's rules.
#pragma once

#include <QByteArray>
#include <QString>

QByteArray bytesOf(const QString &path); // empty when the file cannot be read
bool writeBytes(const QString &path, const QByteArray &bytes);
