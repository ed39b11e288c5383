#include "shell/settings_window.h"

#include "common/globals.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

namespace {

template<typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Звенира 1.0.6 (60216)"));

    auto *settingsBox = named(new QGroupBox(QStringLiteral("Настройки"), this), "sGroupBox2");
    sRadioButton1 = named(new QRadioButton(QStringLiteral("Белый"), settingsBox), "sRadioButton1");
    sRadioButton2 = named(new QRadioButton(QStringLiteral("Черный"), settingsBox), "sRadioButton2");
    sRadioButton1->setChecked(true);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Оповещение"), settingsBox), "CheckBox1");
    CheckBox1->setChecked(true);
    auto *settingsLayout = new QHBoxLayout(settingsBox);
    settingsLayout->addWidget(sRadioButton1);
    settingsLayout->addWidget(sRadioButton2);
    settingsLayout->addWidget(CheckBox1);

    auto *otherBox = named(new QGroupBox(QStringLiteral("Прочее"), this), "Rct_prochee");
    CheckBox2
        = named(new QCheckBox(QStringLiteral("Информация на панели задач"), otherBox), "CheckBox2");
    CheckBox2->setChecked(true);
    CheckBox3 = named(new QCheckBox(QStringLiteral("Музыка на перемене"), otherBox), "CheckBox3");
    auto *otherLayout = new QVBoxLayout(otherBox);
    otherLayout->addWidget(CheckBox2);
    otherLayout->addWidget(CheckBox3);

    auto *bellsBox = named(new QGroupBox(QStringLiteral("Расписание звонков"), this), "sGroupBox5");
    CheckBox6 = named(new QCheckBox(QStringLiteral("Проигрывать схемы по порядку"), bellsBox),
                      "CheckBox6");
    sListView2 = named(new QListWidget(bellsBox), "sListView2");
    sListView2->setFixedWidth(200);
    connect(sListView2, &QListWidget::itemClicked, this, &TForm3::ListView2Click);
    sGroupBox6 = named(new QGroupBox(QStringLiteral("Время"), bellsBox), "sGroupBox6");
    sGroupBox6->setMinimumSize(400, 420);
    grid = buildBellGrid(sGroupBox6, 40);
    auto *listLayout = new QVBoxLayout;
    listLayout->addWidget(CheckBox6);
    listLayout->addWidget(sListView2);
    auto *bellsLayout = new QHBoxLayout(bellsBox);
    bellsLayout->addLayout(listLayout);
    bellsLayout->addWidget(sGroupBox6);

    auto *left = new QVBoxLayout;
    left->addWidget(settingsBox);
    left->addWidget(bellsBox);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(otherBox, 0, Qt::AlignTop);

    for (auto &row : shema)
        row.fill(QStringLiteral(" "));
}
