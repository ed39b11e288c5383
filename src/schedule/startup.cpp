#include "schedule/startup.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "schedule/bell_choice.h"
#include "schedule/file_lister.h"
#include "shell/settings_window.h"

#include <QComboBox>
#include <QFileInfo>

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

} // namespace

void startUp()
{
    fillVoiceLists();
    Form3->LoadSetting(); // ends by applying the stored mode, which loads the scheme list
}
