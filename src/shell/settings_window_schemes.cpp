// The settings window's operations on the scheme list and the scheme files of the mode folder.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "common/text_file.h"
#include "schedule/scheme_file.h"
#include "schedule/scheme_list.h"
#include "schedule/scheme_name.h"
#include "schedule/scheme_paths.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

namespace {

QString *const messages[] = { &zakonch1, &zakonch2, &zakonch3, &zakonch4 };

} // namespace

void TForm3::LoadSpisok()
{
    Form1->Timer2->stop();
    sListView2->clear();
    shema = {};

    if (QFile::exists(schemeListPath())) {
        const SchemeList list = parseSchemeList(TextFile::readLines(schemeListPath()));
        for (int i = 0; i < 4; ++i)
            *messages[i] = messageOrDefault(i, list.messages[i]);
        sListView2->addItems(list.names);
    }

    if (sListView2->count() == 0) {
        sGroupBox6->setEnabled(false);
        Form1->hideArrows();
        Form1->Label1->setText(QStringLiteral("Список звонков пуст"));
        Form1->Label1->show();
        Form2->Rectangle3->setProperty("tag", 0);
        setBellGridBlank(grid);
        return;
    }

    Form1->showArrows(sRadioButton1->isChecked());
    int j = 0;
    if (!tek_spis.isEmpty()) {
        const auto found
            = sListView2->findItems(tek_spis, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty())
            j = sListView2->row(found.last());
    }
    shem_num = j + 1;
    sListView2->setCurrentRow(j);
    const QString name = sListView2->item(j)->text();
    LoadShema(name);
    ListView2Click();
    sGroupBox6->setEnabled(true);
    Form1->LoadFile(name);
    start_prog = 1;
    star_status = 0;
    Form1->Timer2->start();
}

void TForm3::SaveSpisokLocal()
{
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = *messages[i] = messageOrDefault(i, *messages[i]);
    QStringList names;
    for (int i = 0; i < sListView2->count(); ++i)
        names << sListView2->item(i)->text();
    TextFile::writeLines(schemeListPath(), schemeListLines(texts, names));
}

void TForm3::LoadShema(const QString &im)
{
    if (!isUsableSchemeName(im) || !QFile::exists(schemeFilePath(im)))
        return;
    shema = shemaFromSchemeLines(TextFile::readLines(schemeFilePath(im)));
}

void TForm3::CreateNewShema(const QString &im)
{
    if (isUsableSchemeName(im))
        TextFile::writeLines(schemeFilePath(im), blankSchemeLines());
}

void TForm3::SaveShemaFile(const QString &im)
{
    normaliseShema(shema);
    if (isUsableSchemeName(im))
        TextFile::writeLines(schemeFilePath(im), schemeFileLines(shema));
}

void TForm3::ListView2Click()
{
    const QListWidgetItem *selected = sListView2->currentItem();
    if (!selected)
        return;
    combo_vibor = 0;
    LoadShema(selected->text());
    combo_vibor = 1;
}
