#include "common/text_file.h"

#include "common/app_error.h"
#include "common/cp1251.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

void dropCarriageReturns(QStringList &lines)
{
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
}

} // namespace

QStringList TextFile::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QStringLiteral("Не удалось прочитать файл %1").arg(QDir::toNativeSeparators(path)));
    QStringList lines = Cp1251::decode(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    dropCarriageReturns(lines);
    return lines;
}

void TextFile::writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1251::encode(line) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(
            QStringLiteral("Не удалось записать файл %1").arg(QDir::toNativeSeparators(path)));
}

void TextFile::writeText(const QString &path, const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    dropCarriageReturns(lines);
    writeLines(path, lines);
}
