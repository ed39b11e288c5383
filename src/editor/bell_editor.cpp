// The settings window's bell time editor: the grid's recalculation as the user chooses, the
// weekday pages, copying a weekday onto another, and saving the scheme.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "editor/bell_grid_logic.h"
#include "shell/message_window.h"
#include "shell/time_widget.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

QString &field(int row, int day, int column)
{
    return shema[row][6 * day - 6 + column];
}

// The last item of the box equal to `text`; a value not among them leaves the box as it is.
void selectText(QComboBox *box, const QString &text)
{
    for (int i = box->count() - 1; i >= 0; --i) {
        if (box->itemText(i) == text) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

void TForm3::wireBellEditor()
{
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            connect(grid.comb[row][column], &QComboBox::currentIndexChanged, this,
                    &TForm3::sCombChange);
    }
    for (int day = 1; day <= kWeekdays; ++day)
        connect(grid.denradbut[day], &QRadioButton::clicked, this, [this, day] { DenClick(day); });
    connect(Image8, &QToolButton::clicked, this, &TForm3::Image8Click);
    for (QAction *item : PopupMenu4->actions())
        connect(item, &QAction::triggered, this, [this, item] { MenuItem1Click(item); });
    connect(Rectangle9, &QPushButton::clicked, this, &TForm3::Rectangle9Click);
}

int TForm3::editorWeekday() const
{
    return qBound(1, Label1->text().toInt(), kWeekdays);
}

void TForm3::sCombChange()
{
    if (combo_vibor != 1)
        return;
    GridValues values;
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            values[row][column] = grid.comb[row][column]->currentText();
    }
    recalculateBellGrid(values);
    combo_vibor = 0;
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            selectText(grid.comb[row][column], values[row][column]);
    }
    combo_vibor = 1;
    markUnsaved(true);
}

void TForm3::markUnsaved(bool unsaved)
{
    QFont font = Rectangle9->font();
    font.setBold(unsaved);
    Rectangle9->setFont(font);
}

void TForm3::gridIntoShema(int day)
{
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            field(row, day, column) = grid.comb[row][column]->currentText();
    }
}

void TForm3::LoadDen(int den)
{
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            selectText(grid.comb[row][column], field(row, den, column));
    }
}

void TForm3::DenClick(int k)
{
    combo_vibor = 0;
    gridIntoShema(editorWeekday());
    Label1->setText(QString::number(k));
    grid.denradbut[k]->setChecked(true);
    LoadDen(k);
    combo_vibor = 1;
}

void TForm3::Image8Click()
{
    const QPoint at
        = mapToGlobal(sGroupBox5->pos() + sGroupBox6->pos() + Image8->pos()) + QPoint(10, -140);
    PopupMenu4->popup(at);
}

void TForm3::MenuItem1Click(QAction *item)
{
    const int source = item->property("groupIndex").toInt();
    const int target = editorWeekday();
    for (int row = 1; row <= kLessonRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column)
            field(row, target, column) = field(row, source, column);
    }
    LoadDen(target); // unguarded: each box that changes recalculates the grid
}

void TForm3::Rectangle9Click()
{
    const QListWidgetItem *selected = sListView2->currentItem();
    if (!selected)
        return;
    gridIntoShema(editorWeekday());
    const QString name = selected->text();
    SaveShemaFile(name);
    shem_num = 1;
    sListView2->setCurrentItem(sListView2->findItems(name, Qt::MatchExactly).value(0));
    ListView2Click();
    Form1->startScheme(sListView2->item(0)->text());
    markUnsaved(false);
    Form6->Soob(QStringLiteral("Данные сохранены"), 0);
}
