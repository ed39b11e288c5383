#include "shell/settings_window.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "schedule/file_lister.h"
#include "settings/settings_store.h"
#include "shell/time_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

namespace {

template<typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QSlider *volumeSlider(QWidget *parent, const char *name)
{
    auto *slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    return slider;
}

// One event's "Выбранное" / "Случайное" pair over its file list, as its own exclusive group.
QGroupBox *soundChoiceBox(const QString &title, QRadioButton *chosen, QRadioButton *random,
                          QComboBox *list, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *group = new QButtonGroup(box);
    group->addButton(chosen);
    group->addButton(random);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(chosen);
    layout->addWidget(random);
    layout->addWidget(list);
    return box;
}

} // namespace

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    openSettingsStore(adr);

    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Звенира 1.0.6 (60216)"));

    auto *settingsBox = named(new QGroupBox(QStringLiteral("Настройки"), this), "sGroupBox2");
    auto *colourBox = new QGroupBox(QStringLiteral("Цвет текста на панели задач"), settingsBox);
    sRadioButton1 = named(new QRadioButton(QStringLiteral("Белый"), colourBox), "sRadioButton1");
    sRadioButton2 = named(new QRadioButton(QStringLiteral("Черный"), colourBox), "sRadioButton2");
    sRadioButton1->setChecked(true);
    auto *colourLayout = new QVBoxLayout(colourBox);
    colourLayout->addWidget(sRadioButton1);
    colourLayout->addWidget(sRadioButton2);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Оповещение"), settingsBox), "CheckBox1");
    CheckBox1->setChecked(true);
    auto *settingsLayout = new QHBoxLayout(settingsBox);
    settingsLayout->addWidget(colourBox);
    settingsLayout->addWidget(CheckBox1);
    settingsLayout->addWidget(buildSoundBox());

    auto *otherBox = named(new QGroupBox(QStringLiteral("Прочее"), this), "Rct_prochee");
    CheckBox2
        = named(new QCheckBox(QStringLiteral("Информация на панели задач"), otherBox), "CheckBox2");
    CheckBox2->setChecked(true);
    CheckBox3 = named(new QCheckBox(QStringLiteral("Музыка на перемене"), otherBox), "CheckBox3");
    connect(CheckBox3, &QCheckBox::toggled, this, [](bool on) {
        if (!on)
            Form1->StopMusic();
    });
    CheckBox4 = named(new QCheckBox(QStringLiteral("Есть нулевой урок"), otherBox), "CheckBox4");
    CheckBox7 = named(new QCheckBox(QStringLiteral("Перемена вместо окончания уроков"), otherBox),
                      "CheckBox7");
    auto *otherLayout = new QVBoxLayout(otherBox);
    for (QCheckBox *box : { CheckBox2, CheckBox3, CheckBox4, CheckBox7 })
        otherLayout->addWidget(box);

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
    GetAllFiles(inDataFolder(QStringLiteral("music")), inDataFolder(QStringLiteral("music")),
                Memo1);
    mus_pl2_num = -1;
    mus_pl2_kol = static_cast<int>(Memo1.size());
}

QWidget *TForm3::buildSoundBox()
{
    auto *box = new QWidget(this);
    auto *kindBox = named(new QGroupBox(box), "sGroupBox4");
    sRadioButton3 = named(new QRadioButton(QStringLiteral("Голос"), kindBox), "sRadioButton3");
    sRadioButton4 = named(new QRadioButton(QStringLiteral("Звонок"), kindBox), "sRadioButton4");
    sRadioButton3->setChecked(true);
    auto *kindLayout = new QVBoxLayout(kindBox);
    kindLayout->addWidget(sRadioButton3);
    kindLayout->addWidget(sRadioButton4);

    auto *volumeBox = new QGroupBox(QStringLiteral("Громкость"), box);
    TrackBar1 = volumeSlider(volumeBox, "TrackBar1");
    TrackBar2 = volumeSlider(volumeBox, "TrackBar2");
    auto *volumeLayout = new QVBoxLayout(volumeBox);
    volumeLayout->addWidget(TrackBar1);
    volumeLayout->addWidget(TrackBar2);

    auto *soundBox = named(new QGroupBox(QStringLiteral("Звук"), box), "GroupBox3");
    RadioButton1 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton2");
    RadioButton3 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton3");
    RadioButton4 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton4");
    RadioButton5 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton5");
    RadioButton6 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton6");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    ComboBox2 = named(new QComboBox, "ComboBox2");
    ComboBox3 = named(new QComboBox, "ComboBox3");
    RadioButton1->setChecked(true);
    RadioButton4->setChecked(true);
    RadioButton6->setChecked(true);
    auto *soundLayout = new QHBoxLayout(soundBox);
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Начало урока"), RadioButton1,
                                          RadioButton2, ComboBox1, soundBox));
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Перемена"), RadioButton3, RadioButton4,
                                          ComboBox2, soundBox));
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Окончание уроков"), RadioButton5,
                                          RadioButton6, ComboBox3, soundBox));

    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(kindBox);
    top->addWidget(volumeBox);
    layout->addLayout(top);
    layout->addWidget(soundBox);
    return box;
}
