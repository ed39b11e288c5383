#include "common/bells_application.h"
#include "schedule/startup.h"
#include "shell/all_windows.h"
#include "shell/qt_media_player.h"

int main(int argc, char **argv)
{
    BellsApplication app(argc, argv);
    createAllWindows(makeQtMediaPlayer);
    startUp();
    const int code = app.exec();
    destroyAllWindows();
    return code;
}
