// Windows-1251, the 8-bit code page of every text file the program keeps, so data folders move
// between Windows and Linux machines unchanged. A character the code page cannot hold becomes '?'.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1251 {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

} // namespace Cp1251
