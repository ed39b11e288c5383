#include "shell/settings_window.h"

#include "common/data_folder.h"
#include "common/error_report.h"
#include "common/globals.h"
#include "schedule/file_lister.h"
#include "settings/settings_store.h"
#include "shell/named_control.h"
#include "shell/time_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

TForm3::TForm3(const PlayerFactory &makePlayer)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), m_listenPlayer(makePlayer())
{
    MediaPlayer1 = m_listenPlayer.get();
    for (const QString &notice : openSettingsStore(adr))
        informUser(notice);

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
    settingsLayout->addWidget(buildServerBox());

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
    listLayout->addWidget(buildSchemeListTools());
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

TForm3::~TForm3() = default;
