// Start-up as a user feels it: the time from creating the windows on the demo data until the
// widget shows its first status, and the resident memory then. One line per figure.
#include "common/bells_application.h"
#include "shell/all_windows.h"
#include "shell/qt_media_player.h"
#include "shell/time_widget.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)"))
                           .match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_startup DATA_FOLDER\n");
        return 2;
    }
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    QElapsedTimer clock;
    clock.start();
    BellsApplication app(argc, argv);
    createAllWindows(makeQtMediaPlayer, StartUp::Run);
    Form1->Soob();
    const qint64 firstStatusMs = clock.elapsed();
    const bool shown = Form1->Label1->text().contains(QStringLiteral("\r\n"));
    std::printf("start-up until the first status: %lld ms%s\n", firstStatusMs,
                shown ? "" : " (no status shown)");
    std::printf("resident memory after start-up: %ld KiB\n", residentKiB());
    return shown ? 0 : 1;
}
