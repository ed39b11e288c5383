// Bringing the stored settings into the settings window's controls and the globals at start.
// Putting a value into a check box, slider or list runs its change handler, which stores it back;
// selecting a radio button runs nothing.
#include "shell/settings_window.h"

#include "common/clock.h"
#include "common/data_folder.h"
#include "common/globals.h"
#include "server/ip_address.h"
#include "settings/autostart.h"
#include "settings/settings_layout.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int kGridResetDays = 60;
constexpr int kDefaultClasses = 17;
constexpr int kDefaultLessonRows = 6;

// A stored number within its range; otherwise nothing, and the caller repairs the cell.
std::optional<int> storedNumber(SettingCell cell, int lowest, int highest)
{
    bool ok = false;
    const int value = readSetting(cell).toInt(&ok);
    return ok && value >= lowest && value <= highest ? std::optional<int>(value) : std::nullopt;
}

// A slider takes its stored value; one that does not convert leaves the slider as it is and
// stores that state back.
void loadSlider(QSlider *slider, SettingCell cell)
{
    const auto value = storedNumber(cell, slider->minimum(), slider->maximum());
    if (value)
        slider->setValue(*value);
    else
        writeSetting(cell, QString::number(slider->value()));
}

QString shortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace

void TForm3::LoadSetting()
{
    organizac = readSetting(Cell::Organizac);

    showBellBoxes(readFlag(Cell::BellsOn));
    CheckBox1->setChecked(readFlag(Cell::BellsOn));
    (readFlag(Cell::BellKindVoice) ? sRadioButton3 : sRadioButton4)->setChecked(true);
    loadServerAddress();

    const bool white = readFlag(Cell::WhiteText);
    (white ? sRadioButton1 : sRadioButton2)->setChecked(true);
    Form1->setTextColour(white);
    sCheckBox1->setChecked(readFlag(Cell::SidePanelShown));
    Form4->setVisible(sCheckBox1->isChecked());
    CheckBox2->setChecked(readFlag(Cell::WidgetShown));
    Form1->setVisible(CheckBox2->isChecked());
    CheckBox3->setChecked(readFlag(Cell::BreakMusic));
    loadSlider(TrackBar1, Cell::BellVolume);
    loadSlider(TrackBar2, Cell::MusicVolume);
    loadSlider(TrackBar3, Cell::ColumnWidth);
    CheckBox4->setChecked(readFlag(Cell::ZeroLesson));
    nul_ur = CheckBox4->isChecked() ? 1 : 0;

    loadSoundChoice({ RadioButton1, RadioButton2, ComboBox1, Image5, Cell::LessonStartRandom,
                      Cell::LessonStartIndex });
    loadSoundChoice(
        { RadioButton3, RadioButton4, ComboBox2, Image6, Cell::BreakRandom, Cell::BreakIndex });
    loadSoundChoice({ RadioButton5, RadioButton6, ComboBox3, Image7, Cell::LessonsOverRandom,
                      Cell::LessonsOverIndex });

    CheckBox5->setChecked(readFlag(Cell::Autostart));
    renewAutostart(CheckBox5->isChecked());
    CheckBox6->setChecked(readFlag(Cell::SchemesInOrder));
    CheckBox7->setChecked(readFlag(Cell::BreakInsteadOfEnd));

    // The mode is applied once, below, after the working folders exist.
    Switch = readFlag(Cell::LocalMode) ? 1 : 0;
    PologSwitch();

    loadGridSize();
    setWindowTitle(organizac.isEmpty() ? m_designCaption
                                       : m_designCaption + QStringLiteral(" - ") + organizac);
    for (const char *folder : { "local", "music", "server" })
        QDir().mkpath(inDataFolder(QLatin1String(folder)));
    ServLockal();
    Pereschet_num_ur();
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

void TForm3::loadSoundChoice(const SoundChoice &choice)
{
    if (readFlag(choice.randomCell)) {
        choice.random->setChecked(true);
        choice.enable(false);
        return; // the index is never read, so a bad one does no harm
    }
    bool ok = false;
    const int index = readSetting(choice.indexCell).toInt(&ok);
    if (ok && index < choice.list->count()) {
        choice.list->setCurrentIndex(index);
    } else if (ok) {
        // Beyond the list (a voice folder that lost files): no current item, and the stored
        // index stays for when the files are back.
        combo_vibor = 0;
        choice.list->setCurrentIndex(-1);
        combo_vibor = 1;
    } else
        writeSetting(choice.indexCell, QString::number(choice.list->currentIndex()));
    choice.chosen->setChecked(true);
    choice.enable(true);
}

// The timetable grid's remembered size, back to 17 by 6 at the first start more than 60 days
// after the last reset. Counts outside 1..200 classes or 1..20 rows count as not stored.
void TForm3::loadGridSize()
{
    const QDate today = Clock::now().date();
    const QString stamp = readSetting(Cell::GridResetDate);
    const QDate last = QLocale().toDate(stamp, QLocale::ShortFormat);
    if (stamp.isEmpty() || !last.isValid()) {
        writeSetting(Cell::GridResetDate, shortDate(today));
    } else if (last.daysTo(today) > kGridResetDays) {
        writeSetting(Cell::GridClasses, QString::number(kDefaultClasses));
        writeSetting(Cell::GridLessons, QString::number(kDefaultLessonRows));
        writeSetting(Cell::GridResetDate, shortDate(today));
    }
    const auto classes = storedNumber(Cell::GridClasses, 1, 200);
    if (!classes)
        writeSetting(Cell::GridClasses, QString::number(kDefaultClasses));
    klass = classes.value_or(kDefaultClasses);
    const auto rows = storedNumber(Cell::GridLessons, 1, 20);
    if (!rows)
        writeSetting(Cell::GridLessons, QString::number(kDefaultLessonRows));
    max_ur = rows.value_or(kDefaultLessonRows);
}
