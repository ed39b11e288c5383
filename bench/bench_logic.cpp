// The status evaluation of one tick and the load of one scheme file, per call: the work the
// program does every second and at every scheme change. One line per figure.
#include "common/text_file.h"
#include "schedule/scheme_file.h"
#include "schedule/status_engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

Zvon fullWeek()
{
    Shema s;
    for (auto &row : s)
        row.fill(QStringLiteral(" "));
    for (int day = 1; day <= 7; ++day) {
        for (int row = 1; row <= 10; ++row) {
            const int start = 8 * 60 + (row - 1) * 55;
            const QString fields[6]
                = { QString::number(start / 60),
                    QStringLiteral("%1").arg(start % 60, 2, 10, QLatin1Char('0')),
                    QString::number((start + 45) / 60),
                    QStringLiteral("%1").arg((start + 45) % 60, 2, 10, QLatin1Char('0')),
                    QStringLiteral("45"),
                    row < 10 ? QStringLiteral("10") : QStringLiteral(" ") };
            for (int f = 0; f < 6; ++f)
                s[row][6 * day - 6 + f + 1] = fields[f];
        }
    }
    return zvonFromSchemeLines(schemeFileLines(s));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Zvon zvon = fullWeek();
    constexpr int kTicks = 200000;
    QElapsedTimer clock;
    clock.start();
    int sink = 0;
    for (int i = 0; i < kTicks; ++i) {
        const QTime now = QTime(8, 0).addSecs(i % (10 * 3600));
        sink
            += evaluateStatus({ zvon, 1 + i % 7, now, 0, QStringLiteral("a"), QStringLiteral("b") })
                   .status;
    }
    std::printf("status evaluation: %.2f us per tick\n", clock.nsecsElapsed() / 1000.0 / kTicks);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Основное.ini"));
    Shema blank;
    for (auto &row : blank)
        row.fill(QStringLiteral(" "));
    TextFile::writeLines(file, schemeFileLines(blank));
    constexpr int kLoads = 5000;
    clock.restart();
    for (int i = 0; i < kLoads; ++i)
        sink += zvonFromSchemeLines(TextFile::readLines(file, kLessonRows))[1][1].size();
    std::printf("scheme file load: %.1f us per load\n", clock.nsecsElapsed() / 1000.0 / kLoads);
    return sink < 0 ? 1 : 0;
}
