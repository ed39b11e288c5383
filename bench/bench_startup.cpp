// The program's start-up on a data folder, for the comparison: prints "ready" once the strip
// shows its first status, the time from creating the windows until then, and its memory.
#include "common/bells_application.h"
#include "resident_memory.h"
#include "shell/all_windows.h"
#include "shell/qt_media_player.h"
#include "shell/time_widget.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <cstdio>

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
    std::printf("ready\nstart-up until the first status: %lld ms%s\n", firstStatusMs,
                shown ? "" : " (no status shown)");
    std::printf("resident %ld\n", residentKiB());
    std::fflush(stdout);
    return shown ? 0 : 1;
}
