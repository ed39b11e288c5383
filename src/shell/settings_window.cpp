#include "shell/settings_window.h"

#include "common/clock.h"
#include "common/data_folder.h"
#include "common/error_report.h"
#include "common/globals.h"
#include "schedule/file_lister.h"
#include "schedule/weekday.h"
#include "settings/settings_store.h"
#include "shell/named_control.h"
#include "shell/time_widget.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

namespace {

constexpr int kLeftColumnWidth = 689;
constexpr int kSettingsBoxHeight = 289;

} // namespace

TForm3::TForm3(const PlayerFactory &makePlayer)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint),
      m_listenPlayer(makePlayer())
{
    MediaPlayer1 = m_listenPlayer.get();
    // Shown once the message loop runs, when the message window exists.
    for (const QString &notice : openSettingsStore(adr))
        QTimer::singleShot(0, [notice] { informUser(notice); });

    setObjectName(QStringLiteral("TForm3"));
    m_designCaption = QStringLiteral("Звенира 1.0.6 (60216)");
    setWindowTitle(m_designCaption);
    setFixedSize(950, 782);

    sGroupBox2 = named(new QGroupBox(QStringLiteral("Настройки"), this), "sGroupBox2");
    sGroupBox2->setFixedHeight(kSettingsBoxHeight);
    auto *colourBox = new QGroupBox(QStringLiteral("Цвет текста на панели задач"), sGroupBox2);
    sRadioButton1 = named(new QRadioButton(QStringLiteral("Белый"), colourBox), "sRadioButton1");
    sRadioButton2 = named(new QRadioButton(QStringLiteral("Черный"), colourBox), "sRadioButton2");
    sRadioButton1->setChecked(true);
    auto *colourLayout = new QVBoxLayout(colourBox);
    colourLayout->addWidget(sRadioButton1);
    colourLayout->addWidget(sRadioButton2);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Оповещение"), sGroupBox2), "CheckBox1");
    CheckBox1->setChecked(true);
    auto *widthBox = new QGroupBox(QStringLiteral("Ширина колонок в расписании"), sGroupBox2);
    TrackBar3 = named(new QSlider(Qt::Horizontal, widthBox), "TrackBar3");
    TrackBar3->setRange(55, 100);
    TrackBar3->setSingleStep(5);
    TrackBar3->setPageStep(5);
    TrackBar3->setValue(55);
    TrackBar3->setAccessibleName(widthBox->title());
    (new QVBoxLayout(widthBox))->addWidget(TrackBar3);
    // Colour, bell kind, volumes and server along the top; the bell switch, the column width
    // and the mode switch under them; the sound of each moment across the bottom.
    auto *settingsLayout = new QGridLayout(sGroupBox2);
    settingsLayout->setContentsMargins(6, 2, 6, 4);
    settingsLayout->setSpacing(4);
    settingsLayout->addWidget(colourBox, 0, 0);
    settingsLayout->addWidget(CheckBox1, 1, 0);
    settingsLayout->addWidget(widthBox, 1, 1, 1, 2);
    buildSoundBox(settingsLayout);
    buildServerBox(settingsLayout);

    sGroupBox5 = buildBellScheduleBox();
    Rectangle4 = named(new QWidget(this), "Rectangle4");
    Rectangle4->setMaximumWidth(kLeftColumnWidth);
    auto *left = new QVBoxLayout(Rectangle4);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(sGroupBox2);
    left->addWidget(sGroupBox5, 1);

    Rct_prochee = buildOtherBox();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Rectangle4, 1);
    layout->addWidget(Rct_prochee, 0, Qt::AlignTop);

    Rct_soobDlg = buildQuestionPanel();
    sEdit6->clear();
    tek_spis.clear();
    Label1 = named(new QLabel(this), "Label1");
    Label1->hide();
    const int today = Clock::now().date().dayOfWeek();
    Label1->setText(QString::number(today));
    sLabelFX1->setText(QStringLiteral("сегодня ") + DenNed(today));

    for (auto &row : shema)
        row.fill(QStringLiteral(" "));
    GetAllFiles(inDataFolder(QStringLiteral("music")), inDataFolder(QStringLiteral("music")),
                Memo1);
    mus_pl2_num = -1;
    mus_pl2_kol = static_cast<int>(Memo1.size());
    nameControlsForAccessibility();
    wireSettingControls();
    wireBellEditor();
    wireSchemeListEditing();
}

TForm3::~TForm3() = default;

QGroupBox *TForm3::buildOtherBox()
{
    auto *box = named(new QGroupBox(QStringLiteral("Прочее")), "Rct_prochee");
    box->setFixedWidth(950 - kLeftColumnWidth - 2);
    sCheckBox1
        = named(new QCheckBox(QStringLiteral("Отображать боковую панель"), box), "sCheckBox1");
    sCheckBox1->setChecked(true);
    CheckBox2
        = named(new QCheckBox(QStringLiteral("Информация на панели задач"), box), "CheckBox2");
    CheckBox2->setChecked(true);
    CheckBox3 = named(new QCheckBox(QStringLiteral("Музыка на перемене"), box), "CheckBox3");
    connect(CheckBox3, &QCheckBox::toggled, this, [](bool on) {
        if (!on)
            Form1->StopMusic();
    });
    Rectangle7 = named(new QPushButton(QStringLiteral("Папка..."), box), "Rectangle7");
    CheckBox4 = named(new QCheckBox(QStringLiteral("Есть нулевой урок"), box), "CheckBox4");
    CheckBox7 = named(new QCheckBox(QStringLiteral("Перемена вместо окончания уроков"), box),
                      "CheckBox7");
    CheckBox5 = named(new QCheckBox(QStringLiteral("Автозапуск"), box), "CheckBox5");
    auto *folder = new QHBoxLayout;
    folder->setContentsMargins(22, 0, 0, 0);
    folder->addWidget(Rectangle7);
    folder->addStretch();
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 0, 4);
    layout->addWidget(sCheckBox1);
    layout->addWidget(CheckBox2);
    layout->addWidget(CheckBox3);
    layout->addLayout(folder);
    layout->addWidget(CheckBox4);
    layout->addWidget(CheckBox7);
    layout->addWidget(CheckBox5);
    return box;
}

// Every control is reachable by a screen reader: by its caption, or where it has none by a
// short description set where it is made.
void TForm3::nameControlsForAccessibility()
{
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        if (button->accessibleName().isEmpty())
            button->setAccessibleName(button->text());
    }
    for (QGroupBox *box : findChildren<QGroupBox *>()) {
        if (box->accessibleName().isEmpty())
            box->setAccessibleName(box->title());
    }
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (m_question)
        ButtonSoob2Click(); // closing the window answers the open question "Нет"
    QWidget::closeEvent(event);
    if (sGroupBox2->isVisible()) // only the full window stores and applies on closing
        saveOnClose();
}
