#include "schedule/scheme_name.h"

#include <QRegularExpression>

namespace {

bool isWindowsDeviceName(const QString &name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

// Both Linux (255 bytes) and Windows (255 UTF-16 units) must hold the file name.
bool fitsAFileName(const QString &name)
{
    constexpr qsizetype kMaxFileName = 255;
    const QString fileName = name + QStringLiteral(".ini");
    return fileName.size() <= kMaxFileName && fileName.toUtf8().size() <= kMaxFileName;
}

} // namespace

bool isUsableSchemeName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|").contains(c))
            return false;
    }
    const QChar first = name.front();
    const QChar last = name.back();
    if (first == QLatin1Char(' ') || first == QLatin1Char('.') || last == QLatin1Char(' ')
        || last == QLatin1Char('.'))
        return false;
    if (isWindowsDeviceName(name) || !fitsAFileName(name))
        return false;
    return name.compare(QLatin1String("spisok"), Qt::CaseInsensitive) != 0;
}
