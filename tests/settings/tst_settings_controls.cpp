// The settings window against a real settings file: what the load puts into the controls and
// globals, what each control stores and does when it changes, and closing the window.
#include "common/clock.h"
#include "common/globals.h"
#include "settings/settings_layout.h"
#include "shell/arrow_image.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "support/data_dir.h"
#include "support/windows_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

const QDate kToday(2026, 12, 11);

QString shortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace

class TestSettingsControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void serverAddressAndPort_data();
    void serverAddressAndPort();
    void widgetColour_data();
    void widgetColour();
    void gridSize_data();
    void gridSize();
    void unconvertibleValuesAreRepaired();
    void captionCarriesTheOrganisation();
    void foldersExistAndTheListIsLoaded();

    void checkBoxesStoreTheirFlags_data();
    void checkBoxesStoreTheirFlags();
    void radioButtonsStoreOnClickOnly();
    void slidersStoreAndTakeEffect();
    void soundChoiceStoresAndEnables();
    void closingFullStoresCompactDoesNothing();
    void everySettingSurvivesARestart();

private:
    std::unique_ptr<TempDataFolder> m_data;
};

void TestSettingsControls::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestSettingsControls::init()
{
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
    Clock::setFixed(QDateTime(kToday, QTime(7, 0)));
}

void TestSettingsControls::cleanup()
{
    destroyWindows();
    m_data.reset();
    Clock::useSystem();
}

void TestSettingsControls::serverAddressAndPort_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("addressField");
    QTest::addColumn<QString>("portField");
    QTest::newRow("good") << "192.168.1.10"
                          << "8080"
                          << "192.168.1.10"
                          << "8080";
    QTest::newRow("part over 255") << "192.168.1.300"
                                   << "8080"
                                   << ""
                                   << "8080";
    QTest::newRow("port abc") << "10.0.0.1"
                              << "abc"
                              << "10.0.0.1"
                              << "";
    QTest::newRow("port -1") << "10.0.0.1"
                             << "-1"
                             << "10.0.0.1"
                             << "";
    QTest::newRow("leading zeros kept as typed") << "192.168.001.010"
                                                 << "47001"
                                                 << "192.168.001.010"
                                                 << "47001";
}

void TestSettingsControls::serverAddressAndPort()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    writeSetting(Cell::ServerAddress, address);
    writeSetting(Cell::ServerPort, port);
    Form3->LoadSetting();
    QTEST(Form3->sEdit2->text(), "addressField");
    QTEST(Form3->sEdit3->text(), "portField");
    QCOMPARE(ip_serv, Form3->sEdit2->text());
    QCOMPARE(port_serv, Form3->sEdit3->text());
}

void TestSettingsControls::widgetColour_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("white");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSettingsControls::widgetColour()
{
    QFETCH(QString, stored);
    QFETCH(bool, white);
    writeSetting(Cell::WhiteText, stored);
    m_data->writeLines(QStringLiteral("local/spisok.ini"), { "", "", "---", "", "", "---", "A" });
    Form3->LoadSetting();
    QCOMPARE(Form3->sRadioButton1->isChecked(), white);
    QCOMPARE(Form3->sRadioButton2->isChecked(), !white);
    QCOMPARE(Form1->Image1->isVisibleTo(Form1), white);
    QCOMPARE(Form1->Image3->isVisibleTo(Form1), !white);
    QVERIFY(Form1->Label1->styleSheet().contains(white ? "#FFFFFF" : "#020202"));
}

void TestSettingsControls::gridSize_data()
{
    QTest::addColumn<QString>("date"); // the stored date of the last reset
    QTest::addColumn<QString>("classes");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("klassAfter");
    QTest::addColumn<int>("maxUrAfter");
    QTest::addColumn<QString>("dateAfter");
    const QString today = shortDate(kToday);
    const QString days60 = shortDate(kToday.addDays(-60));
    const QString days61 = shortDate(kToday.addDays(-61));
    QTest::newRow("61 days: back to 17 x 6") << days61 << "25"
                                             << "9" << 17 << 6 << today;
    QTest::newRow("60 days: kept") << days60 << "25"
                                   << "9" << 25 << 9 << days60;
    QTest::newRow("a date to come: kept") << shortDate(kToday.addDays(3)) << "25"
                                          << "9" << 25 << 9 << shortDate(kToday.addDays(3));
    QTest::newRow("empty date: only the date") << ""
                                               << "25"
                                               << "9" << 25 << 9 << today;
    QTest::newRow("unreadable date: only the date") << "вчера"
                                                    << "25"
                                                    << "9" << 25 << 9 << today;
    QTest::newRow("empty counts") << today << ""
                                  << "" << 17 << 6 << today;
    QTest::newRow("a million classes") << today << "1000000"
                                       << "9" << 17 << 9 << today;
    QTest::newRow("21 lesson rows") << today << "25"
                                    << "21" << 25 << 6 << today;
}

void TestSettingsControls::gridSize()
{
    QFETCH(QString, date);
    QFETCH(QString, classes);
    QFETCH(QString, rows);
    writeSetting(Cell::GridResetDate, date);
    writeSetting(Cell::GridClasses, classes);
    writeSetting(Cell::GridLessons, rows);
    Form3->LoadSetting();
    QTEST(klass, "klassAfter");
    QTEST(max_ur, "maxUrAfter");
    QCOMPARE(readSetting(Cell::GridClasses), QString::number(klass));
    QCOMPARE(readSetting(Cell::GridLessons), QString::number(max_ur));
    QTEST(readSetting(Cell::GridResetDate), "dateAfter");
}

void TestSettingsControls::unconvertibleValuesAreRepaired()
{
    writeSetting(Cell::BellVolume, QStringLiteral("громко"));
    writeSetting(Cell::ColumnWidth, QStringLiteral("500"));
    writeFlag(Cell::BreakRandom, false);
    writeSetting(Cell::BreakIndex, QStringLiteral("x"));
    writeFlag(Cell::ZeroLesson, true);
    Form3->TrackBar1->setValue(0);
    Form3->LoadSetting(); // goes on to the end
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("0"));
    QCOMPARE(readSetting(Cell::ColumnWidth), QStringLiteral("55"));
    QCOMPARE(Form3->TrackBar3->value(), 55);
    QCOMPARE(readSetting(Cell::BreakIndex), QStringLiteral("-1")); // the empty list's state
    QVERIFY(Form3->RadioButton3->isChecked());
    QCOMPARE(nul_ur, 1);
    QCOMPARE(Form1->height(), 40); // the last step ran
}

void TestSettingsControls::captionCarriesTheOrganisation()
{
    Form3->LoadSetting();
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Звенира 1.0.6 (60216)"));
    writeSetting(Cell::Organizac, QStringLiteral("Школа № 5"));
    Form3->LoadSetting();
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Звенира 1.0.6 (60216) - Школа № 5"));
    QCOMPARE(organizac, QStringLiteral("Школа № 5"));
}

void TestSettingsControls::foldersExistAndTheListIsLoaded()
{
    QDir(m_data->path(QString())).rmdir(QStringLiteral("local"));
    Form3->LoadSetting();
    for (const char *folder : { "local", "music", "server" })
        QVERIFY(QFileInfo(m_data->path(QLatin1String(folder))).isDir());
    QCOMPARE(Switch, 1); // the template's local mode
    QCOMPARE(Form1->Label1->text(), QStringLiteral("Список звонков пуст"));
}

void TestSettingsControls::checkBoxesStoreTheirFlags_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("id");
    const QList<std::tuple<const char *, SettingCell>> boxes = {
        { "CheckBox1", Cell::BellsOn },        { "sCheckBox1", Cell::SidePanelShown },
        { "CheckBox2", Cell::WidgetShown },    { "CheckBox3", Cell::BreakMusic },
        { "CheckBox4", Cell::ZeroLesson },     { "CheckBox5", Cell::Autostart },
        { "CheckBox6", Cell::SchemesInOrder }, { "CheckBox7", Cell::BreakInsteadOfEnd },
    };
    for (const auto &[box, cell] : boxes)
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(cell.column)
                           << cell.id;
}

void TestSettingsControls::checkBoxesStoreTheirFlags()
{
    QFETCH(QString, box);
    QFETCH(QString, column);
    QFETCH(int, id);
    const SettingCell cell { column == QLatin1String("set_1")       ? "set_1"
                                 : column == QLatin1String("set_2") ? "set_2"
                                                                    : "set_3",
                             id };
    auto *check = Form3->findChild<QCheckBox *>(box);
    QVERIFY(check);
    for (bool on : { !check->isChecked(), check->isChecked() }) {
        check->setChecked(on);
        QCOMPARE(readSetting(cell), on ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (box == QLatin1String("CheckBox4")) {
        check->setChecked(true);
        QCOMPARE(nul_ur, 1);
    }
    if (box == QLatin1String("sCheckBox1")) {
        check->setChecked(false);
        QVERIFY(!Form4->isVisible());
        check->setChecked(true);
        QVERIFY(Form4->isVisible());
    }
    if (box == QLatin1String("CheckBox1")) {
        check->setChecked(false);
        QVERIFY(!Form3->findChild<QGroupBox *>(QStringLiteral("sGroupBox4"))->isVisibleTo(Form3));
        QVERIFY(!Form3->findChild<QGroupBox *>(QStringLiteral("GroupBox3"))->isVisibleTo(Form3));
        check->setChecked(true);
        QVERIFY(Form3->findChild<QGroupBox *>(QStringLiteral("GroupBox3"))->isVisibleTo(Form3));
    }
}

void TestSettingsControls::radioButtonsStoreOnClickOnly()
{
    writeSetting(Cell::BellKindVoice, QStringLiteral("x"));
    Form3->sRadioButton4->setChecked(true); // the program's own selection stores nothing
    QCOMPARE(readSetting(Cell::BellKindVoice), QStringLiteral("x"));
    QTest::mouseClick(Form3->sRadioButton3, Qt::LeftButton);
    QCOMPARE(readSetting(Cell::BellKindVoice), QStringLiteral("1"));
    Form3->sRadioButton4->click();
    QCOMPARE(readSetting(Cell::BellKindVoice), QStringLiteral("0"));
    Form3->sRadioButton2->click();
    QCOMPARE(readSetting(Cell::WhiteText), QStringLiteral("0"));
    QVERIFY(Form1->Label1->styleSheet().contains("#020202"));
    Form3->sRadioButton1->click();
    QCOMPARE(readSetting(Cell::WhiteText), QStringLiteral("1"));
    QVERIFY(Form1->Image1->isVisibleTo(Form1));
}

void TestSettingsControls::slidersStoreAndTakeEffect()
{
    Form3->TrackBar2->setValue(35);
    QCOMPARE(readSetting(Cell::MusicVolume), QStringLiteral("35"));
    QCOMPARE(Form3->Label15->text(), QStringLiteral("Музыка - 35"));
    QVERIFY(musicPlayer()->calls.contains(QStringLiteral("volume 0.35")));
    Form3->TrackBar1->setValue(64);
    QCOMPARE(readSetting(Cell::BellVolume), QStringLiteral("64"));
    QCOMPARE(Form3->Label14->text(), QStringLiteral("Оповещение - 64"));
    Form3->TrackBar3->setValue(80);
    QCOMPARE(readSetting(Cell::ColumnWidth), QStringLiteral("80"));
}

void TestSettingsControls::soundChoiceStoresAndEnables()
{
    Form3->RadioButton3->click(); // "Выбранное" under "Перемена" with an empty break folder
    QVERIFY(!Form3->ComboBox2->isEnabled());
    QVERIFY(!Form3->Image6->isEnabled());
    QCOMPARE(readSetting(Cell::BreakRandom), QStringLiteral("0"));

    Form3->ComboBox2->addItems({ "a.mp3", "b.mp3" });
    writeSetting(Cell::BreakIndex, QStringLiteral("1"));
    Form3->RadioButton3->click();
    QCOMPARE(Form3->ComboBox2->currentIndex(), 1);
    QVERIFY(Form3->ComboBox2->isEnabled());
    QVERIFY(Form3->Image6->isEnabled());
    Form3->RadioButton4->click();
    QVERIFY(!Form3->ComboBox2->isEnabled());
    QCOMPARE(readSetting(Cell::BreakRandom), QStringLiteral("1"));

    writeSetting(Cell::BreakIndex, QStringLiteral("5"));
    combo_vibor = 0; // the program's own filling stores nothing
    Form3->ComboBox2->setCurrentIndex(0);
    combo_vibor = 1;
    QCOMPARE(readSetting(Cell::BreakIndex), QStringLiteral("5"));
    Form3->ComboBox2->setCurrentIndex(1);
    QCOMPARE(readSetting(Cell::BreakIndex), QStringLiteral("1"));
}

void TestSettingsControls::closingFullStoresCompactDoesNothing()
{
    m_data->writeLines(QStringLiteral("local/spisok.ini"),
                       { "", "", "---", "", "", "---", "A", "B" });
    Form3->LoadSetting();
    Form1->LoadOknoNastrojki(1);
    Form3->sEdit2->setText(QStringLiteral("10.0.0.5"));
    Form3->close();
    QCOMPARE(readSetting(Cell::ServerAddress), QString());
    QVERIFY(ip_serv.isEmpty());

    Form1->LoadOknoNastrojki(0);
    Form3->sEdit2->setText(QStringLiteral("10.0.0.5"));
    Form3->sEdit3->setText(QStringLiteral("47001"));
    Form3->sListView2->setCurrentRow(1);
    Form1->Timer2->stop();
    Form3->close();
    QVERIFY(!Form3->isVisible());
    QCOMPARE(readSetting(Cell::ServerAddress), QStringLiteral("10.0.0.5"));
    QCOMPARE(readSetting(Cell::ServerPort), QStringLiteral("47001"));
    QCOMPARE(ip_serv, QStringLiteral("10.0.0.5"));
    QVERIFY(Form1->Timer2->isActive());
}

void TestSettingsControls::everySettingSurvivesARestart()
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QDir(m_data->path(QString())).mkpath(QStringLiteral("sound/1/peremena"));
    for (const char *file : { "sound/1/peremena/a.mp3", "sound/1/peremena/b.mp3" })
        m_data->writeLines(QLatin1String(file), { "x" });
    m_data->writeLines(QStringLiteral("local/spisok.ini"), { "", "", "---", "", "", "---", "A" });
    destroyWindows();
    createWindows([] { return std::make_unique<RecordingPlayer>(); }, StartUp::Run);

    // A person goes through the window...
    Form3->CheckBox1->setChecked(false);
    Form3->sRadioButton4->click();
    Form3->sRadioButton2->click();
    Form3->sCheckBox1->setChecked(false);
    Form3->CheckBox2->setChecked(false);
    Form3->CheckBox3->setChecked(true);
    Form3->CheckBox4->setChecked(true);
    Form3->CheckBox6->setChecked(true);
    Form3->CheckBox7->setChecked(true);
    Form3->TrackBar1->setValue(33);
    Form3->TrackBar2->setValue(44);
    Form3->TrackBar3->setValue(85);
    Form3->RadioButton3->click();
    Form3->ComboBox2->setCurrentIndex(1);
    Form3->RadioButton2->click();
    Form1->LoadOknoNastrojki(0);
    Form3->sEdit2->setText(QStringLiteral("10.1.2.3"));
    Form3->sEdit3->setText(QStringLiteral("47001"));
    Form3->close();
    Form3->Rectangle21MouseUp(40); // local
    // ...quits, and starts again.
    destroyWindows();
    createWindows([] { return std::make_unique<RecordingPlayer>(); }, StartUp::Run);

    QVERIFY(!Form3->CheckBox1->isChecked());
    QVERIFY(Form3->sRadioButton4->isChecked());
    QVERIFY(Form3->sRadioButton2->isChecked());
    QVERIFY(Form1->Label1->styleSheet().contains("#020202"));
    QVERIFY(!Form3->sCheckBox1->isChecked());
    QVERIFY(!Form4->isVisible());
    QVERIFY(!Form3->CheckBox2->isChecked());
    QVERIFY(Form3->CheckBox3->isChecked());
    QVERIFY(Form3->CheckBox4->isChecked());
    QCOMPARE(nul_ur, 1);
    QCOMPARE(Form3->grid.labnom[1]->text(), QStringLiteral("0"));
    QVERIFY(Form3->CheckBox6->isChecked());
    QVERIFY(Form3->CheckBox7->isChecked());
    QCOMPARE(Form3->TrackBar1->value(), 33);
    QCOMPARE(Form3->TrackBar2->value(), 44);
    QCOMPARE(Form3->Label15->text(), QStringLiteral("Музыка - 44"));
    QVERIFY(musicPlayer()->calls.contains(QStringLiteral("volume 0.44")));
    QCOMPARE(Form3->TrackBar3->value(), 85);
    QVERIFY(Form3->RadioButton3->isChecked());
    QCOMPARE(Form3->ComboBox2->currentIndex(), 1);
    QVERIFY(Form3->RadioButton2->isChecked());
    QCOMPARE(Form3->sEdit2->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(port_serv, QStringLiteral("47001"));
    QCOMPARE(Switch, 1);
    QVERIFY(Form1->Timer2->isActive());
}

QTEST_MAIN(TestSettingsControls)
#include "tst_settings_controls.moc"
