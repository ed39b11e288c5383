// The settings window's operations on the scheme list and the scheme files of the mode folder.
#include "shell/settings_window.h"

#include "common/error_report.h"
#include "common/globals.h"
#include "common/text_file.h"
#include "schedule/scheme_file.h"
#include "schedule/scheme_list.h"
#include "schedule/scheme_name.h"
#include "schedule/scheme_paths.h"
#include "server/http_fetch.h"
#include "server/refresh_budget.h"
#include "server/server_link.h"
#include "shell/named_control.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

QString *const messages[] = { &zakonch1, &zakonch2, &zakonch3, &zakonch4 };

// A scheme that fails to download or to be stored keeps its cached copy, if it has one, and
// the load goes on with the next name.
void downloadScheme(const QString &name, const RefreshBudget &budget)
{
    const QString scheme
        = ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), name + QStringLiteral(".ini")),
                     budget.limits(kSchemeFileMaxBytes));
    if (scheme != kDownloadError)
        reportingErrors([&] { Form3->SaveWeb(scheme, name); });
}

} // namespace

void TForm3::loadSchemeNames()
{
    if (!QFile::exists(schemeListPath()))
        return;
    SchemeList list;
    // A list file that cannot be read is reported and lists nothing.
    if (!reportingErrors([&] {
            list = parseSchemeList(TextFile::readLines(schemeListPath(), kSchemeListLines));
        }))
        return;
    for (int i = 0; i < 4; ++i)
        *messages[i] = messageOrDefault(i, list.messages[i]);
    const RefreshBudget budget;
    for (const QString &name : list.names) {
        sListView2->addItem(name);
        if (Switch == 0)
            downloadScheme(name, budget);
    }
}

void TForm3::LoadSpisok()
{
    // A refresh that brings the scheme in force back keeps the state acted upon, so a bell that
    // fell due while the refresh blocked still rings on the next tick.
    const QString inForce = Form1->schemeNameInForce();
    const int statusActedUpon = star_status;
    const int silentStart = start_prog;
    Form1->Timer2->stop();
    if (Switch != 0)
        link->Timer2->stop();
    sListView2->clear();
    shema = {};
    loadSchemeNames();

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
    // A scheme that cannot be read is reported; the list still comes up and the tick runs.
    reportingErrors([&] {
        LoadShema(name);
        ListView2Click();
    });
    sGroupBox6->setEnabled(true);
    reportingErrors([&] { Form1->LoadFile(name); });
    start_prog = 1;
    star_status = 0;
    if (!tek_spis.isEmpty() && name == tek_spis && inForce == tek_spis) {
        star_status = statusActedUpon;
        start_prog = silentStart;
    }
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
    shema = shemaFromSchemeLines(TextFile::readLines(schemeFilePath(im), kLessonRows));
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
    MenuItem8->setEnabled(sListView2->currentRow() > 0);
    MenuItem9->setEnabled(sListView2->currentRow() < sListView2->count() - 1);
    combo_vibor = 0;
    grid.denradbut[editorWeekday()]->setChecked(true);
    LoadShema(selected->text());
    LoadDen(editorWeekday());
    combo_vibor = 1;
    markUnsaved(false);
}

void TForm3::ComboEnabl()
{
    setBellGridEditable(grid, Switch == 0, sListView2->count() == 0);
}

void TForm3::Pereschet_num_ur()
{
    numberBellGridRows(grid, nul_ur);
}
