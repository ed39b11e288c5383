// Loading the timetable of the chosen date from the school server into the grid, which grows
// for a larger timetable and remembers its size, and into the teacher list.
#include "shell/window_placement.h"
#include "timetable/timetable_window.h"

#include "common/globals.h"
#include "server/http_fetch.h"
#include "settings/settings_layout.h"
#include "shell/message_window.h"
#include "timetable/cell_plate.h"
#include "timetable/timetable_file.h"
#include "timetable/timetable_grid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTimer>

namespace {

// Cells for `rows` x `columns` at least, made row by row so each finds the cells it is placed
// against; a new size is remembered in the settings.
void growGrid(TForm2 *window, int lessons, int classes)
{
    if (classes > klass) {
        sizeTimetableGrid(rasp, max_ur + 1, classes + 1);
        for (int i = 0; i <= max_ur; ++i) {
            for (int j = klass + 1; j <= classes; ++j)
                window->YachRaskCreate(i, j);
        }
        klass = classes;
        writeSetting(Cell::GridClasses, QString::number(klass));
    }
    if (lessons > max_ur) {
        sizeTimetableGrid(rasp, lessons + 1, klass + 1);
        for (int i = max_ur + 1; i <= lessons; ++i) {
            for (int j = 0; j <= klass; ++j)
                window->YachRaskCreate(i, j);
        }
        max_ur = lessons;
        writeSetting(Cell::GridLessons, QString::number(max_ur));
    }
}

// The cells of the timetable shown without a hint; the rest hidden. Their colours come from
// the highlight's reset that follows.
void showCellsOf(int lessons, int classes)
{
    for (int i = 0; i <= max_ur; ++i) {
        for (int j = 0; j <= klass; ++j) {
            CellPlate *cell = rasp.rct[i][j];
            cell->setVisible(j <= classes && i <= lessons);
            cell->setToolTip(QString());
        }
    }
}

void fillCells(const Timetable &t)
{
    for (int j = 1; j <= t.classes; ++j)
        rasp.ur[0][j]->setText(t.classNames.value(j - 1));
    for (int i = 1; i <= t.lessons; ++i) {
        for (int j = 1; j <= t.classes; ++j) {
            const TimetableCell &cell = t.cells[i - 1][j - 1];
            rasp.ur[i][j]->setText(cell.subject);
            rasp.kab[i][j]->setText(cell.room);
            rasp.rct[i][j]->setToolTip(cell.teachers);
            rasp.uch[i][j] = cell.key;
        }
    }
}

} // namespace

void TForm2::LoadRasp()
{
    const QString date = DateEdit1->text();
    const QString body
        = ZaprosHTTP(serverFileUrl(QStringLiteral("raspisanie"), date + QStringLiteral(".ini2")));
    if (body == kDownloadError) {
        hide();
        Form6->Soob(QStringLiteral("Сервер временно недоступен"), 0);
        return;
    }
    const auto timetable = parseTimetable(body);
    QString organisation;
    if (!timetable) {
        showEmptyState(Rct_rasp);
        Rectangle3->hide();
        centreOnScreen(this);
    } else {
        Timer1->stop();
        combo_vibor = 0;
        ComboBox1->clear();
        ComboBox1->addItem(QStringLiteral("(не выбран)"));
        organisation = timetable->organisation;
        kol_ur = timetable->lessons;
        kol_klas = timetable->classes;
        growGrid(this, kol_ur, kol_klas);
        showCellsOf(kol_ur, kol_klas);
        SbrosVidelen();
        fillCells(*timetable);
        for (const QString &name : timetable->teachers)
            DobVCombo(name);
        SortCombo();
        ComboBox1->setCurrentIndex(0);
        combo_vibor = 1;
        resize(width(), Rct_top->height() + kol_ur * h + 85);
        ShirColon();
        centreOnScreen(this);
        const bool today = date
            == DateEdit1->locale().toString(QDate::currentDate(), DateEdit1->displayFormat());
        Rectangle3->setVisible(Rectangle3->property("tag").toInt() == 1 && today);
        Rct_osh->hide();
        Rct_uch->show();
        Rct_rasp->show();
        // The organisation's name of the last timetable also names the windows from the next
        // start on.
        if (!organisation.isEmpty() && organisation != organizac) {
            organizac = organisation;
            writeSetting(Cell::Organizac, organizac);
        }
    }
    setWindowTitle(QStringLiteral("Расписание уроков ") + organisation);
    show();
    raise();
    ComboBox1->setFocus();
    KoordPlashek();
}

// The teacher list's items after "(не выбран)", under the rules of the timetable file.
QStringList TForm2::teacherItems() const
{
    QStringList names;
    for (int i = 1; i < ComboBox1->count(); ++i)
        names << ComboBox1->itemText(i);
    return names;
}

void TForm2::DobVCombo(const QString &s)
{
    QStringList names = teacherItems();
    addTeacherOnce(names, s);
    if (names.size() == ComboBox1->count()) // one more than the items after item 0
        ComboBox1->addItem(s);
}

void TForm2::SortCombo()
{
    QStringList names = teacherItems();
    sortTeachers(names);
    for (int i = 1; i < ComboBox1->count(); ++i)
        ComboBox1->setItemText(i, names[i - 1]);
}
