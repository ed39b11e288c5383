// The settings window's controls: what each one stores the moment it changes and what it changes
// in the running program, the music folder button, and storing the server on closing.
#include "shell/settings_window.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "server/server_link.h"
#include "settings/autostart.h"
#include "settings/settings_layout.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// A check box stores its flag at every change, then has its effect.
void storeFlagOf(QCheckBox *box, SettingCell cell, const std::function<void(bool)> &effect = {})
{
    QObject::connect(box, &QCheckBox::toggled, box, [cell, effect](bool on) {
        writeFlag(cell, on);
        if (effect)
            effect(on);
    });
}

void storeValueOf(QSlider *slider, SettingCell cell, const std::function<void(int)> &effect = {})
{
    QObject::connect(slider, &QSlider::valueChanged, slider, [cell, effect](int value) {
        writeSetting(cell, QString::number(value));
        if (effect)
            effect(value);
    });
}

// A radio button stores its text when the user clicks it; the program's own selections do not.
void storeOnClick(QRadioButton *button, SettingCell cell, const char *value,
                  const std::function<void()> &effect = {})
{
    QObject::connect(button, &QRadioButton::clicked, button, [cell, value, effect] {
        if (effect)
            effect();
        writeSetting(cell, QLatin1String(value));
    });
}

} // namespace

void TForm3::wireSettingControls()
{
    storeFlagOf(CheckBox1, Cell::BellsOn, [this](bool on) { showBellBoxes(on); });
    storeOnClick(sRadioButton3, Cell::BellKindVoice, "1");
    storeOnClick(sRadioButton4, Cell::BellKindVoice, "0");
    storeOnClick(sRadioButton1, Cell::WhiteText, "1", [] { Form1->setTextColour(true); });
    storeOnClick(sRadioButton2, Cell::WhiteText, "0", [] { Form1->setTextColour(false); });
    storeFlagOf(sCheckBox1, Cell::SidePanelShown, [](bool on) { Form4->setVisible(on); });
    storeFlagOf(CheckBox2, Cell::WidgetShown, [](bool on) { Form1->setVisible(on); });
    storeFlagOf(CheckBox3, Cell::BreakMusic);
    // nul_ur comes first: it holds even when the write fails.
    connect(CheckBox4, &QCheckBox::toggled, this, [](bool on) {
        nul_ur = on ? 1 : 0;
        writeFlag(Cell::ZeroLesson, on);
    });
    storeFlagOf(CheckBox7, Cell::BreakInsteadOfEnd);
    // The shortcut is made or removed first; each stores the flag itself.
    connect(CheckBox5, &QCheckBox::toggled, this,
            [](bool on) { on ? autostartSwitchedOn() : autostartSwitchedOff(); });
    storeFlagOf(CheckBox6, Cell::SchemesInOrder);
    storeValueOf(TrackBar1, Cell::BellVolume);
    storeValueOf(TrackBar2, Cell::MusicVolume,
                 [](int value) { Form1->MediaPlayer2->setVolume(value / 100.0); });
    storeValueOf(TrackBar3, Cell::ColumnWidth, [](int) { Form2->ShirColon(); });

    const std::array<SoundChoice, 3> choices = { {
        { RadioButton1, RadioButton2, ComboBox1, Image5, Cell::LessonStartRandom,
          Cell::LessonStartIndex },
        { RadioButton3, RadioButton4, ComboBox2, Image6, Cell::BreakRandom, Cell::BreakIndex },
        { RadioButton5, RadioButton6, ComboBox3, Image7, Cell::LessonsOverRandom,
          Cell::LessonsOverIndex },
    } };
    for (const SoundChoice &choice : choices) {
        connect(choice.chosen, &QRadioButton::clicked, this, [choice] {
            bool ok = false;
            const int index = readSetting(choice.indexCell).toInt(&ok);
            if (!ok)
                return; // a stored index that is no number stops the handler before its write
            choice.list->setCurrentIndex(index);
            choice.enable(true);
            writeSetting(choice.randomCell, QStringLiteral("0"));
        });
        connect(choice.random, &QRadioButton::clicked, this, [choice] {
            choice.enable(false);
            writeSetting(choice.randomCell, QStringLiteral("1"));
        });
        connect(choice.list, &QComboBox::currentIndexChanged, this, [choice](int index) {
            if (combo_vibor == 1)
                writeSetting(choice.indexCell, QString::number(index));
        });
    }
    connect(Rectangle7, &QPushButton::clicked, this, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(inDataFolder(QStringLiteral("music"))));
    });
}

void TForm3::SoundChoice::enable(bool chosenSound) const
{
    const bool usable = chosenSound && list->count() > 0;
    list->setEnabled(usable);
    listen->setEnabled(usable);
}

void TForm3::showBellBoxes(bool bellsOn)
{
    auto *soundBox = findChild<QGroupBox *>(QStringLiteral("GroupBox3"));
    auto *kindBox = findChild<QGroupBox *>(QStringLiteral("sGroupBox4"));
    soundBox->hide();
    kindBox->setVisible(bellsOn);
    soundBox->setVisible(bellsOn);
}

void TForm3::saveOnClose()
{
    if (sEdit2->text() != ip_serv || sEdit3->text() != port_serv) {
        writeSetting(Cell::ServerAddress, sEdit2->text());
        ip_serv = sEdit2->text();
        writeSetting(Cell::ServerPort, sEdit3->text());
        port_serv = sEdit3->text();
    }
    Form1->Timer2->stop();
    link->Timer2->stop();
    if (sListView2->count() > 0) {
        // A list with no selection uses its first scheme.
        const int selected = qMax(sListView2->currentRow(), 0);
        shem_num = selected + 1;
        Form1->Label1->show();
        Form1->startScheme(sListView2->item(selected)->text());
    } else {
        Form1->hideArrows();
        static const QStringList linkTexts
            = { QStringLiteral("Ожидание подключения ..."),
                QStringLiteral("Не указаны данные сервера\r\nПроверьте настройки"),
                QStringLiteral("Ожидание подключения ...\r\nПроверьте настройки") };
        if (!linkTexts.contains(Form1->Label1->text())) {
            Form1->Label1->setText(QStringLiteral("Список звонков пуст"));
            Form2->Rectangle3->setProperty("tag", 0);
        }
        Form1->Label1->show();
    }
    ServLockal();
    Pereschet_num_ur();
}
