#include "common/bells_application.h"
#include "common/error_report.h"
#include "shell/all_windows.h"
#include "shell/qt_media_player.h"

int main(int argc, char **argv)
{
    // The web engine of the canteen menu is loaded later, from a library of its own; it needs
    // this before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    BellsApplication app(argc, argv);
    // Start-up failures are reported like those of any handler; the message loop runs regardless.
    reportingErrors([] { createAllWindows(makeQtMediaPlayer, StartUp::Run); });
    const int code = app.exec();
    destroyAllWindows();
    return code;
}
