// The timetable grid's cells: the factory that places each against the ones made before it,
// the column width, and the highlight of one teacher's lessons.
#include "timetable/timetable_window.h"

#include "common/globals.h"
#include "shell/settings_window.h"
#include "timetable/cell_plate.h"
#include "timetable/timetable_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSlider>

namespace {

const QColor kBlue(0xFF0061B0u);
const QColor kGrey(0xFF9E9E9Eu);
const QColor kRoomGrey(0xFF4B4B4Bu);
const QColor kGreen(0xFF008000u);
constexpr int kHeaderHeight = 18;
constexpr int kNumberWidth = 25;
constexpr int kMargin = 5;

int columnWidth()
{
    return Form3->TrackBar3->value();
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setFontOf(QLabel *label, int pixelSize, bool bold)
{
    QFont font = label->font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
}

// Normal or highlighted colours of a data cell.
void paintDataCell(CellPlate *cell, bool highlighted)
{
    cell->setColours(highlighted ? kGreen : Qt::white, kBlue);
    setTextColour(cell->ur, highlighted ? Qt::white : Qt::black);
    setTextColour(cell->kab, highlighted ? Qt::white : kRoomGrey);
}

// The cells grow the scroll area's content so the scroll bars reach them.
void growToHold(QWidget *area, const QWidget *cell)
{
    const QRect needed = cell->geometry().united(QRect(QPoint(0, 0), area->size()));
    if (needed.size() != area->size())
        area->resize(needed.size());
}

} // namespace

void TForm2::YachRaskCreate(int i, int j)
{
    const int w = columnWidth();
    h = 36;
    const bool dataCell = i >= 1 && j >= 1;
    auto *cell = new CellPlate(dataCell, cellArea());
    rasp.rct[i][j] = cell;
    cell->setColours(i == 0 ? kBlue : Qt::white, i == 0 ? kGrey : kBlue);
    if (j == 0) {
        const int y = i == 0 ? kMargin : rasp.rct[i - 1][0]->y() + rasp.rct[i - 1][0]->height() - 1;
        cell->setGeometry(kMargin, y, kNumberWidth, i == 0 ? kHeaderHeight : h);
    } else if (i == 0) {
        const CellPlate *left = rasp.rct[0][j - 1];
        cell->setGeometry(left->x() + left->width() - 1, kMargin, w, kHeaderHeight);
    } else {
        cell->setGeometry(rasp.rct[0][j]->x(), rasp.rct[i][0]->y(), w, h);
        connect(cell, &CellPlate::clicked, this, &TForm2::RaspRctClick);
    }
    rasp.ur[i][j] = cell->ur;
    if (dataCell) {
        setFontOf(cell->ur, 13, false);
        setFontOf(cell->kab, 11, false);
        rasp.kab[i][j] = cell->kab;
        paintDataCell(cell, false);
    } else {
        setFontOf(cell->ur, 0, true);
        setTextColour(cell->ur, i == 0 ? Qt::white : Qt::black);
        if (i == 0 && j == 0)
            cell->ur->setText(QStringLiteral("№"));
        else if (j == 0)
            cell->ur->setText(QString::number(i));
    }
    rasp.uch[i][j].clear();
    cell->show();
    growToHold(cellArea(), cell);
}

void TForm2::ShirColon()
{
    const int w = columnWidth();
    resize(kol_klas * w + 45, height());
    for (int i = 0; i < rasp.rct.size(); ++i) {
        for (int j = 1; j < rasp.rct[i].size(); ++j) {
            CellPlate *cell = rasp.rct[i][j];
            const int x = i == 0 ? rasp.rct[0][j - 1]->x() + rasp.rct[0][j - 1]->width() - 1
                                 : rasp.rct[0][j]->x();
            cell->setGeometry(x, cell->y(), w, cell->height());
            growToHold(cellArea(), cell);
        }
    }
}

void TForm2::SbrosVidelen()
{
    for (int i = 1; i <= kol_ur && i < rasp.rct.size(); ++i) {
        for (int j = 1; j <= kol_klas && j < rasp.rct[i].size(); ++j)
            paintDataCell(rasp.rct[i][j], false);
    }
}

void TForm2::ComboBox1Change()
{
    if (combo_vibor != 1 || ComboBox1->currentIndex() < 0)
        return; // a list just emptied has no current item
    SbrosVidelen();
    if (ComboBox1->currentIndex() == 0)
        return; // "(не выбран)"
    const QString key = QLatin1Char(',') + ComboBox1->currentText() + QLatin1Char(',');
    for (int i = 1; i <= kol_ur && i < rasp.rct.size(); ++i) {
        for (int j = 1; j <= kol_klas && j < rasp.rct[i].size(); ++j) {
            if (rasp.uch[i][j].contains(key))
                paintDataCell(rasp.rct[i][j], true);
        }
    }
}

void TForm2::RaspRctClick()
{
    SbrosVidelen();
    combo_vibor = 0;
    ComboBox1->setCurrentIndex(0);
    combo_vibor = 1;
}
