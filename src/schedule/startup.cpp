#include "schedule/startup.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "shell/settings_window.h"
#include "shell/time_widget.h"

#include <QDir>

void startUp()
{
    for (const char *folder : { "local", "music", "server" })
        QDir().mkpath(inDataFolder(QLatin1String(folder)));
    Switch = 1;
    dir_spis = QStringLiteral("local");
    Form3->LoadSpisok();
    Form1->resize(Form1->width(), 40);
}
