#include "schedule/startup.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "schedule/bell_choice.h"
#include "schedule/file_lister.h"
#include "schedule/single_instance.h"
#include "shell/message_window.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/timetable_grid.h"
#include "timetable/timetable_window.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

// Each event's voice files: full paths in the hidden list, names in the drop-down list.
void fillVoiceLists()
{
    const std::array<std::pair<QStringList *, QComboBox *>, 3> lists = {
        std::pair { &Form3->Memo2, Form3->ComboBox1 },
        std::pair { &Form3->Memo3, Form3->ComboBox2 },
        std::pair { &Form3->Memo4, Form3->ComboBox3 },
    };
    combo_vibor = 0;
    for (int e = 0; e < 3; ++e) {
        auto [files, names] = lists[e];
        const QString folder = inDataFolder(voiceFolder(static_cast<BellEvent>(e)));
        files->clear();
        GetAllFiles(folder, folder, *files);
        names->clear();
        for (const QString &path : *files)
            names->addItem(QFileInfo(path).fileName());
        names->setCurrentIndex(names->count() > 0 ? 0 : -1);
    }
    combo_vibor = 1;
}

// The timetable grid at its remembered size, row by row.
void buildTimetableGrid()
{
    sizeTimetableGrid(rasp, max_ur + 1, klass + 1);
    for (int i = 0; i <= max_ur; ++i) {
        for (int j = 0; j <= klass; ++j)
            Form2->YachRaskCreate(i, j);
    }
}

} // namespace

void startUp()
{
    if (!claimSingleInstance()) {
        Form6->Soob(QStringLiteral("Программа уже запущена"), 1);
        return;
    }
    Form6->LabError->hide();
    fillVoiceLists();
    Form3->LoadSetting(); // ends by applying the stored mode, which loads the scheme list
    buildTimetableGrid();
    // The strip's first status and placement at once, not at the timers' first second.
    if (Form1->Timer2->isActive())
        Form1->Soob();
    Form4->Timer3Timer();
}
