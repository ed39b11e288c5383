// Bringing the stored settings into the settings window's controls and the globals at start.
#include "shell/settings_window.h"

#include "common/data_folder.h"
#include "common/globals.h"
#include "server/ip_address.h"
#include "settings/settings_layout.h"
#include "shell/time_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

// A stored number that does not read as one leaves the control in its design state.
void setFromNumber(SettingCell cell, const std::function<void(int)> &apply)
{
    bool ok = false;
    const int value = readSetting(cell).toInt(&ok);
    if (ok)
        apply(value);
}

void loadSoundChoice(SettingCell randomCell, SettingCell indexCell, QRadioButton *chosen,
                     QRadioButton *random, QComboBox *list, QToolButton *listen)
{
    if (readFlag(randomCell)) {
        random->setChecked(true);
        list->setEnabled(false);
        listen->setEnabled(false);
        return;
    }
    setFromNumber(indexCell, [list](int index) { list->setCurrentIndex(index); });
    chosen->setChecked(true);
    list->setEnabled(list->count() > 0);
    listen->setEnabled(list->count() > 0);
}

} // namespace

void TForm3::LoadSetting()
{
    auto *soundBox = findChild<QGroupBox *>(QStringLiteral("GroupBox3"));
    auto *kindBox = findChild<QGroupBox *>(QStringLiteral("sGroupBox4"));
    soundBox->hide();
    CheckBox1->setChecked(readFlag(Cell::BellsOn));
    kindBox->setVisible(CheckBox1->isChecked());
    soundBox->setVisible(CheckBox1->isChecked());

    (readFlag(Cell::BellKindVoice) ? sRadioButton3 : sRadioButton4)->setChecked(true);
    loadServerAddress();

    const bool white = readFlag(Cell::WhiteText);
    (white ? sRadioButton1 : sRadioButton2)->setChecked(true);
    Form1->setTextColour(white);

    CheckBox2->setChecked(readFlag(Cell::WidgetShown));
    Form1->setVisible(CheckBox2->isChecked());
    CheckBox3->setChecked(readFlag(Cell::BreakMusic));
    setFromNumber(Cell::BellVolume, [this](int v) { TrackBar1->setValue(v); });
    setFromNumber(Cell::MusicVolume, [this](int v) { TrackBar2->setValue(v); });
    CheckBox4->setChecked(readFlag(Cell::ZeroLesson));
    nul_ur = CheckBox4->isChecked() ? 1 : 0;

    loadSoundChoice(Cell::LessonStartRandom, Cell::LessonStartIndex, RadioButton1, RadioButton2,
                    ComboBox1, Image5);
    loadSoundChoice(Cell::BreakRandom, Cell::BreakIndex, RadioButton3, RadioButton4, ComboBox2,
                    Image6);
    loadSoundChoice(Cell::LessonsOverRandom, Cell::LessonsOverIndex, RadioButton5, RadioButton6,
                    ComboBox3, Image7);

    CheckBox6->setChecked(readFlag(Cell::SchemesInOrder));
    CheckBox7->setChecked(readFlag(Cell::BreakInsteadOfEnd));

    // The folders come before the mode, so its one application finds them on a first start too.
    for (const char *folder : { "local", "music", "server" })
        QDir().mkpath(inDataFolder(QLatin1String(folder)));
    applyStoredMode();
    Form1->resize(Form1->width(), 40);
}

void TForm3::loadServerAddress()
{
    const QString address = readSetting(Cell::ServerAddress);
    sEdit2->setText(IpRes(address) ? address : QString());
    ip_serv = sEdit2->text();

    const QString port = readSetting(Cell::ServerPort);
    bool isNumber = false;
    const int value = port.toInt(&isNumber);
    sEdit3->setText(isNumber && value != -1 ? port : QString());
    port_serv = sEdit3->text();
}

void TForm3::applyStoredMode()
{
    Switch = readFlag(Cell::LocalMode) ? 1 : 0;
    PologSwitch();
    DejstvSwitch();
}
