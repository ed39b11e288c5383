#include "common/text_file.h"

#include "common/app_error.h"
#include "common/cp1251.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr qint64 kMaxLineBytes = 64 * 1024;

void dropCarriageReturns(QStringList &lines)
{
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
}

AppError readError(const QString &path)
{
    return AppError(
        QStringLiteral("Не удалось прочитать файл %1").arg(QDir::toNativeSeparators(path)));
}

// The rest of a line longer than the reader keeps.
void skipRestOfLine(QFile &file)
{
    while (!file.atEnd() && !file.readLine(kMaxLineBytes).endsWith('\n')) { }
}

} // namespace

QStringList TextFile::readLines(const QString &path, int maxLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw readError(path);
    QStringList lines;
    while ((maxLines < 0 || lines.size() < maxLines) && !file.atEnd()) {
        QByteArray line = file.readLine(kMaxLineBytes);
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            throw readError(path);
        if (line.endsWith('\n'))
            line.chop(1);
        else
            skipRestOfLine(file);
        lines << Cp1251::decode(line);
    }
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
