#include "server/ip_address.h"

#include <QStringList>

namespace {

bool isPlainNumber(const QString &text, int maxDigits, int maxValue)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return text.toInt() <= maxValue;
}

} // namespace

bool chis(const QString &part)
{
    return isPlainNumber(part, 3, 255);
}

bool IpRes(const QString &address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (!chis(part))
            return false;
    }
    return true;
}

bool isPortNumber(const QString &port)
{
    return isPlainNumber(port, 5, 65535) && port.toInt() >= 1;
}

QString plainAddress(const QString &address)
{
    if (!IpRes(address))
        return QString();
    QStringList parts = address.split(QLatin1Char('.'));
    for (QString &part : parts)
        part = QString::number(part.toInt());
    return parts.join(QLatin1Char('.'));
}
