// The settings window's bell schedule box: the scheme list with its tools and the box "Время"
// with the bell time grid, the weekday buttons and the editor's buttons.
#include "shell/settings_window.h"

#include "shell/named_control.h"
#include "shell/pictures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTimeBoxWidth = 400;
constexpr int kTimeBoxHeight = 440;

} // namespace

QGroupBox *TForm3::buildBellScheduleBox()
{
    auto *box = named(new QGroupBox(QStringLiteral("Расписание звонков")), "sGroupBox5");
    CheckBox6
        = named(new QCheckBox(QStringLiteral("Проигрывать схемы по порядку"), box), "CheckBox6");
    auto *listCaption = new QLabel(QStringLiteral("Схемы звонков"), box);
    sListView2 = named(new QListWidget(box), "sListView2");
    sListView2->setAccessibleName(listCaption->text());
    sListView2->setFixedWidth(200);
    connect(sListView2, &QListWidget::itemClicked, this, &TForm3::ListView2Click);
    PopupMenu3 = named(new QMenu(sListView2), "PopupMenu3");
    MenuItem8 = named(PopupMenu3->addAction(QStringLiteral("↑ выше")), "MenuItem8");
    MenuItem8->setProperty("tag", -1);
    MenuItem9 = named(PopupMenu3->addAction(QStringLiteral("↓ ниже")), "MenuItem9");
    MenuItem9->setProperty("tag", 1);
    E1 = named(PopupMenu3->addAction(QStringLiteral("Удалить")), "E1");
    connect(sListView2, &QListWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenu3->popup(sListView2->viewport()->mapToGlobal(at));
    });
    sEdit6 = named(new QLineEdit(box), "sEdit6");
    sEdit6->setAccessibleName(QStringLiteral("Название новой схемы"));
    sEdit6->setPlaceholderText(QStringLiteral("Новая схема"));
    Image4 = named(new QToolButton(box), "Image4");
    Image4->setText(QStringLiteral("Добавить"));
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(sEdit6, 1);
    addRow->addWidget(Image4);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(CheckBox6);
    listColumn->addWidget(listCaption);
    listColumn->addWidget(sListView2, 1);
    listColumn->addLayout(addRow);

    sGroupBox6 = named(new QGroupBox(QStringLiteral("Время"), box), "sGroupBox6");
    sGroupBox6->setFixedSize(kTimeBoxWidth, kTimeBoxHeight);
    grid = buildBellGrid(sGroupBox6);
    sLabelFX1 = named(new QLabel(sGroupBox6), "sLabelFX1");
    sLabelFX1->setGeometry(30, grid.denradlab[1]->y() + 20, 330, 18);
    const int buttonsTop = sLabelFX1->y() + 24;
    Rectangle9 = named(new QPushButton(QStringLiteral("Сохранить"), sGroupBox6), "Rectangle9");
    Rectangle9->setGeometry(30, buttonsTop, 90, 28);
    Image8 = named(new QToolButton(sGroupBox6), "Image8");
    Image8->setText(QStringLiteral("Копировать расписание за ..."));
    Image8->setToolTip(Image8->text());
    Image8->setGeometry(126, buttonsTop, 204, 28);
    PopupMenu4 = named(new QMenu(Image8), "PopupMenu4");
    const QStringList days
        = { "понедельник", "вторник", "среда", "черверг", "пятница", "суббота", "воскресенье" };
    for (int day = 1; day <= 7; ++day)
        PopupMenu4->addAction(days[day - 1])->setProperty("groupIndex", day);
    Image9 = named(new QToolButton(sGroupBox6), "Image9");
    Image9->setText(QStringLiteral("Копировать в буфер обмена"));
    Image9->setToolTip(Image9->text());
    Image9->setGeometry(336, buttonsTop, 44, 28);
    Image9->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Image9->setIcon(copyIcon());
    connect(Image9, &QToolButton::clicked, this, &TForm3::Image9Click);

    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(listColumn);
    layout->addWidget(sGroupBox6, 0, Qt::AlignTop);
    return box;
}
