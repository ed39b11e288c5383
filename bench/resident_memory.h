// The process's resident memory in KiB, from /proc/self/status; -1 where there is none.
#pragma once

#include <QFile>
#include <QRegularExpression>

inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)"))
                           .match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}
