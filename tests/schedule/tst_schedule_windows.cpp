// The scheme list loaded into the settings window, the widget's scheme in force, its arrows and
// the once-a-second status tick with its bells, against real files in a temporary data folder.
#include "common/app_error.h"
#include "common/clock.h"
#include "common/error_report.h"
#include "common/globals.h"
#include "schedule/scheme_file.h"
#include "shell/arrow_image.h"
#include "shell/settings_window.h"
#include "shell/time_widget.h"
#include "support/data_dir.h"
#include "support/windows_fixture.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QDate kMonday(2026, 12, 7);

// A scheme whose Monday has the given lessons: start "H:MM", end "H:MM", break minutes or "".
QStringList mondayScheme(const QList<QStringList> &lessons)
{
    Shema s;
    for (auto &row : s)
        row.fill(QStringLiteral(" "));
    for (int r = 0; r < lessons.size(); ++r) {
        const QStringList start = lessons[r][0].split(QLatin1Char(':'));
        const QStringList end = lessons[r][1].split(QLatin1Char(':'));
        const QStringList fields
            = { start[0],
                start[1],
                end[0],
                end[1],
                QStringLiteral("45"),
                lessons[r][2].isEmpty() ? QStringLiteral(" ") : lessons[r][2] };
        for (int f = 1; f <= 6; ++f)
            s[r + 1][f] = fields[f - 1];
    }
    return schemeFileLines(s);
}

const QStringList kHeader = { "Конец дня", "", "---", "Ждите", "", "---" };

void at(const char *time)
{
    Clock::setFixed(QDateTime(
        kMonday, QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm:ss"))));
}

QStringList reported;

void recordReport(const QString &message)
{
    reported << message;
}

QString secondLine()
{
    return Form1->Label1->text().section(QStringLiteral("\r\n"), 1);
}

QString firstLine()
{
    return Form1->Label1->text().section(QStringLiteral("\r\n"), 0, 0);
}

// The ring files the bell player was started with, by name.
QStringList rung()
{
    QStringList names;
    for (const QString &path : bellPlayer()->played())
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

class TestScheduleWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void missingListShowsEmptyState();
    void headerOnlyListIsEmptyWithDefaults();
    void listBringsFirstSchemeIntoForce();
    void tekSpisChoosesLastMatchOrFirst();
    void unsafeNamesAreNeitherListedNorRead();
    void saveSpisokWritesDefaultsBack();
    void schemeFilesRoundTripThroughEditorForms();
    void loadFileOfMissingSchemeKeepsTheOldOne();

    void firstTickIsSilentThenEachChangeRingsOnce();
    void bellsOffNeverRing();
    void endOfDayAdvancesToNextSchemeSilently();
    void gapLeavesStatusSoNextLessonRings();
    void badTimesShowErrorAndKeepStatus();
    void breakMusicStartsAndStops();
    void arrowsWrapAndNeverRing_data();
    void arrowsWrapAndNeverRing();
    void arrowOntoUnreadableSchemeKeepsTheSchemeInForce();
    void unreadableFilesAreReportedAndTheListComesUp_data();
    void unreadableFilesAreReportedAndTheListComesUp();
    void modeThatCannotBeStoredIsStillApplied();
    void bellGridFollowsModeListAndZeroLesson();

private:
    void loadList(const QStringList &names);
    std::unique_ptr<TempDataFolder> m_data;
};

void TestScheduleWindows::init()
{
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
    reported.clear();
    setErrorReport(recordReport);
    Form3->sRadioButton4->setChecked(true); // ring: one known file per event
    at("07:00:00");
}

void TestScheduleWindows::cleanup()
{
    destroyWindows();
    m_data.reset();
    Clock::useSystem();
    setErrorReport(nullptr);
}

void TestScheduleWindows::loadList(const QStringList &names)
{
    m_data->writeLines(QStringLiteral("local/spisok.ini"), kHeader + names);
    Form3->LoadSpisok();
}

void TestScheduleWindows::missingListShowsEmptyState()
{
    Form2->Rectangle3->setProperty("tag", 1);
    Form3->grid.comb[4][2]->setCurrentIndex(3);
    Form3->LoadSpisok();
    QCOMPARE(Form3->sListView2->count(), 0);
    QVERIFY(!Form1->Timer2->isActive());
    QVERIFY(!Form3->sGroupBox6->isEnabled());
    QCOMPARE(Form1->Label1->text(), QStringLiteral("Список звонков пуст"));
    for (const char *arrow : { "Image1", "Image2", "Image3", "Image4" })
        QVERIFY(!Form1->findChild<ArrowImage *>(QLatin1String(arrow))->isVisibleTo(Form1));
    QCOMPARE(Form2->Rectangle3->property("tag").toInt(), 0);
    QCOMPARE(Form3->grid.comb[4][2]->currentIndex(), 0);

    zakonch1 = QStringLiteral("Старое");
    zakonch3 = QStringLiteral("Старое утро");
    Form3->LoadSpisok();
    QCOMPARE(zakonch1, QStringLiteral("Старое")); // messages keep their values without a list file
    QCOMPARE(zakonch3, QStringLiteral("Старое утро"));
}

void TestScheduleWindows::headerOnlyListIsEmptyWithDefaults()
{
    m_data->writeLines(QStringLiteral("local/spisok.ini"),
                       { "", "", "---", "", "", "---", "", "" });
    Form3->LoadSpisok();
    QCOMPARE(Form3->sListView2->count(), 0);
    QCOMPARE(zakonch1, QStringLiteral("Уроки закончились."));
    QCOMPARE(zakonch2, QStringLiteral("Уроки закончились."));
    QCOMPARE(zakonch3, QStringLiteral("Уроки еще не начались. Ожидайте."));
    QCOMPARE(zakonch4, QStringLiteral("Уроки еще не начались. Ожидайте."));
}

void TestScheduleWindows::listBringsFirstSchemeIntoForce()
{
    QStringList names;
    for (int i = 1; i <= 11; ++i)
        names << QStringLiteral("Схема %1").arg(i);
    m_data->writeLines(QStringLiteral("local/Схема 1.ini"),
                       mondayScheme({ { "8:30", "9:15", "" } }));
    loadList(names);

    QCOMPARE(Form3->sListView2->count(), 10);
    QCOMPARE(Form3->sListView2->item(9)->text(), QStringLiteral("Схема 10"));
    QCOMPARE(shem_num, 1);
    QCOMPARE(Form3->sListView2->currentRow(), 0);
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
    QCOMPARE(shema[1][1], QStringLiteral("8"));
    QCOMPARE(zakonch1, QStringLiteral("Конец дня"));
    QCOMPARE(zakonch2, QStringLiteral("Уроки закончились."));
    QVERIFY(Form1->Timer2->isActive());
    QVERIFY(Form3->sGroupBox6->isEnabled());
    QVERIFY(Form1->Image1->isVisibleTo(Form1));
    QVERIFY(!Form1->Image3->isVisibleTo(Form1));

    Form3->sRadioButton2->setChecked(true);
    Form3->LoadSpisok();
    QVERIFY(!Form1->Image1->isVisibleTo(Form1));
    QVERIFY(Form1->Image4->isVisibleTo(Form1));
}

void TestScheduleWindows::tekSpisChoosesLastMatchOrFirst()
{
    m_data->writeLines(QStringLiteral("local/B.ini"), mondayScheme({ { "9:00", "9:45", "" } }));
    tek_spis = QStringLiteral("B");
    loadList({ "A", "B", "C", "B" });
    QCOMPARE(shem_num, 4);
    QCOMPARE(Form3->sListView2->currentRow(), 3);
    QCOMPARE(zvon[1][1], QStringLiteral("9:00"));

    tek_spis = QStringLiteral("b"); // exact match only
    Form3->LoadSpisok();
    QCOMPARE(shem_num, 1);
}

void TestScheduleWindows::unsafeNamesAreNeitherListedNorRead()
{
    QDir(m_data->path(QString())).mkpath(QStringLiteral("x"));
    m_data->writeLines(QStringLiteral("x/evil.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    loadList({ "../x/evil", "..\\x\\evil", "spisok", "CON" });
    QCOMPARE(Form3->sListView2->count(), 0);
    QVERIFY(zvon[1][1].isEmpty());

    Form1->LoadFile(QStringLiteral("../x/evil"));
    Form3->LoadShema(QStringLiteral("../x/evil"));
    QVERIFY(zvon[1][1].isEmpty());
    QVERIFY(shema[1][1].isEmpty());
    Form3->CreateNewShema(QStringLiteral("../x/new"));
    QVERIFY(!QFile::exists(m_data->path(QStringLiteral("x/new.ini"))));
}

void TestScheduleWindows::saveSpisokWritesDefaultsBack()
{
    loadList({ "A", "B" });
    zakonch3.clear();
    Form3->SaveSpisokLocal();
    QCOMPARE(
        m_data->readLines(QStringLiteral("local/spisok.ini")),
        QStringList({ "Конец дня", "Уроки закончились.", "---", "Уроки еще не начались. Ожидайте.",
                      "Уроки еще не начались. Ожидайте.", "---", "A", "B" }));
    QCOMPARE(zakonch3, QStringLiteral("Уроки еще не начались. Ожидайте."));
}

void TestScheduleWindows::schemeFilesRoundTripThroughEditorForms()
{
    Form3->CreateNewShema(QStringLiteral("5а"));
    QCOMPARE(m_data->readLines(QStringLiteral("local/5а.ini")), blankSchemeLines());
    Form3->LoadShema(QStringLiteral("5а"));
    QCOMPARE(shema[3][7], QStringLiteral(" "));

    shema[1][1] = QStringLiteral("8");
    shema[1][2] = QStringLiteral("30");
    shema[1][3] = QStringLiteral("9");
    shema[1][4] = QStringLiteral("15");
    shema[1][6] = QStringLiteral("10"); // break on the only lesson: the save removes it
    shema[2][1] = QStringLiteral("9"); // a row without an end is cleared
    Form3->SaveShemaFile(QStringLiteral("5а"));
    Form1->LoadFile(QStringLiteral("5а"));
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
    QCOMPARE(zvon[1][2], QStringLiteral("9:15"));
    QCOMPARE(zvon[1][3], QString());
    QCOMPARE(zvon[2][1], QString());
}

void TestScheduleWindows::loadFileOfMissingSchemeKeepsTheOldOne()
{
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    Form1->LoadFile(QStringLiteral("A"));
    start_prog = 0;
    Form1->LoadFile(QStringLiteral("нет такой"));
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
    QCOMPARE(start_prog, 0);
}

void TestScheduleWindows::firstTickIsSilentThenEachChangeRingsOnce()
{
    m_data->writeLines(QStringLiteral("local/A.ini"),
                       mondayScheme({ { "8:30", "9:15", "10" }, { "9:25", "10:10", "" } }));
    loadList({ "A" });
    at("08:40:00"); // started in the middle of a lesson
    Form1->Soob();
    QVERIFY(rung().isEmpty());
    QCOMPARE(star_status, 2);
    QCOMPARE(firstLine(), QStringLiteral("A"));
    QCOMPARE(secondLine(), QStringLiteral("Идет 1 урок до 9:15. До конца 36 мин."));
    QCOMPARE(Form2->Label3->text(), Form1->Label1->text());
    QCOMPARE(Form2->Rectangle3->property("tag").toInt(), 1);

    at("09:15:00");
    Form1->Soob();
    Form1->Soob();
    at("09:25:00");
    Form1->Soob();
    at("10:10:00");
    Form1->Soob();
    Form1->Soob();
    QCOMPARE(rung(), QStringList({ "peremena.mp3", "begin.mp3", "end.mp3" }));
    QCOMPARE(secondLine(), QStringLiteral("Конец дня"));
}

void TestScheduleWindows::bellsOffNeverRing()
{
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    loadList({ "A" });
    Form3->CheckBox1->setChecked(false);
    for (const char *time : { "08:00:00", "08:30:00", "09:15:00" }) {
        at(time);
        Form1->Soob();
    }
    QVERIFY(rung().isEmpty());
    QCOMPARE(star_status, 4);
}

void TestScheduleWindows::endOfDayAdvancesToNextSchemeSilently()
{
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    m_data->writeLines(QStringLiteral("local/B.ini"), mondayScheme({ { "9:00", "9:30", "" } }));
    loadList({ "A", "B" });
    Form3->CheckBox6->setChecked(true);
    at("09:14:00");
    Form1->Soob();
    at("09:15:00");
    Form1->Soob();
    QCOMPARE(rung(), QStringList({ "end.mp3" }));
    QCOMPARE(shem_num, 2);
    QCOMPARE(zvon[1][1], QStringLiteral("9:00"));
    QCOMPARE(firstLine(), QStringLiteral("A")); // the text of the tick that ended A's day
    QCOMPARE(stop_obnov_spis, 0);

    at("09:16:00"); // B: lesson under way, taken silently
    Form1->Soob();
    QCOMPARE(rung().size(), 1);
    QCOMPARE(firstLine(), QStringLiteral("B"));
    QCOMPARE(Form3->sListView2->currentRow(), 0); // the editor's selection is not changed
}

void TestScheduleWindows::gapLeavesStatusSoNextLessonRings()
{
    m_data->writeLines(QStringLiteral("local/A.ini"),
                       mondayScheme({ { "8:00", "8:45", "5" }, { "9:00", "9:45", "" } }));
    loadList({ "A" });
    at("08:47:00");
    Form1->Soob();
    at("08:55:00");
    Form1->Soob();
    QCOMPARE(secondLine(), QStringLiteral("Список звонков пуст"));
    QCOMPARE(star_status, 3);
    at("09:00:00");
    Form1->Soob();
    QCOMPARE(rung(), QStringList({ "begin.mp3" }));
}

void TestScheduleWindows::badTimesShowErrorAndKeepStatus()
{
    QStringList broken = mondayScheme({ { "8:30", "9:15", "" } });
    broken[0].replace(0, 5, QStringLiteral("8: :")); // start minute blank: "8:"
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    m_data->writeLines(QStringLiteral("local/Bad.ini"), broken);
    loadList({ "A", "Bad" });
    at("08:40:00");
    Form1->Soob();
    QCOMPARE(star_status, 2);
    Form1->Image2Click();
    start_prog = 0;
    Form1->Soob();
    QCOMPARE(firstLine(), QStringLiteral("Bad"));
    QCOMPARE(secondLine(), QStringLiteral("Ошибка в расписании звонков"));
    QCOMPARE(star_status, 2);
    QVERIFY(rung().isEmpty());
}

void TestScheduleWindows::breakMusicStartsAndStops()
{
    m_data->writeLines(QStringLiteral("local/A.ini"),
                       mondayScheme({ { "8:30", "9:15", "10" }, { "9:25", "10:10", "" } }));
    loadList({ "A" });
    Form3->CheckBox3->setChecked(true);
    at("09:20:00"); // started during a break: music begins anyway
    Form1->Soob();
    QVERIFY(Form1->Timer1->isActive());
    at("09:25:00");
    Form1->Soob();
    QVERIFY(!Form1->Timer1->isActive());
    QVERIFY(musicPlayer()->calls.endsWith(QStringLiteral("stop")));

    Form3->CheckBox3->setChecked(false);
    at("10:10:00");
    Form1->Soob();
    QVERIFY(!Form1->Timer1->isActive());
}

void TestScheduleWindows::arrowsWrapAndNeverRing_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("to");
    QTest::newRow("left on first goes to last") << QStringList { "A", "B", "C" } << 1 << false << 3;
    QTest::newRow("left steps back") << QStringList { "A", "B", "C" } << 3 << false << 2;
    QTest::newRow("right on last goes to first") << QStringList { "A", "B", "C" } << 3 << true << 1;
    QTest::newRow("right steps on") << QStringList { "A", "B", "C" } << 1 << true << 2;
    QTest::newRow("one scheme, left") << QStringList { "A" } << 1 << false << 1;
    QTest::newRow("one scheme, right") << QStringList { "A" } << 1 << true << 1;
}

void TestScheduleWindows::arrowsWrapAndNeverRing()
{
    QFETCH(QStringList, names);
    QFETCH(int, from);
    QFETCH(bool, right);
    QFETCH(int, to);
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    m_data->writeLines(QStringLiteral("local/B.ini"), mondayScheme({ { "7:00", "7:45", "" } }));
    m_data->writeLines(QStringLiteral("local/C.ini"), mondayScheme({ { "8:00", "8:45", "" } }));
    loadList(names);
    at("08:40:00");
    Form1->Soob();
    shem_num = from;
    ArrowImage *arrow = right ? Form1->Image2 : Form1->Image1;
    QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(shem_num, to);
    Form1->Soob();
    QCOMPARE(firstLine(), names[to - 1]);
    QVERIFY(rung().isEmpty());
    QCOMPARE(Form3->sListView2->currentRow(), 0);
}

void TestScheduleWindows::arrowOntoUnreadableSchemeKeepsTheSchemeInForce()
{
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    QVERIFY(QDir(m_data->path(QStringLiteral("local"))).mkdir(QStringLiteral("B.ini")));
    loadList({ "A", "B" });
    at("08:40:00");
    Form1->Soob();
    QVERIFY_THROWS_EXCEPTION(AppError, Form1->Image2Click());
    QCOMPARE(shem_num, 1);
    Form1->Soob();
    QCOMPARE(firstLine(), QStringLiteral("A"));
    QCOMPARE(secondLine(), QStringLiteral("Идет 1 урок до 9:15. До конца 36 мин."));
}

void TestScheduleWindows::unreadableFilesAreReportedAndTheListComesUp_data()
{
    QTest::addColumn<QString>("folder"); // made a folder in place of the file
    QTest::addColumn<int>("listed");
    QTest::newRow("list file") << "local/spisok.ini" << 0;
    QTest::newRow("first scheme") << "local/B.ini" << 2;
}

void TestScheduleWindows::unreadableFilesAreReportedAndTheListComesUp()
{
    QFETCH(QString, folder);
    QFETCH(int, listed);
    m_data->writeLines(QStringLiteral("local/A.ini"), mondayScheme({ { "8:30", "9:15", "" } }));
    if (!folder.endsWith(QLatin1String("spisok.ini")))
        m_data->writeLines(QStringLiteral("local/spisok.ini"), kHeader + QStringList { "B", "A" });
    QVERIFY(QDir().mkpath(m_data->path(folder)));
    Form3->LoadSpisok(); // must not throw: it runs at start, before the message loop
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.first().contains(QFileInfo(folder).fileName()));
    QCOMPARE(Form3->sListView2->count(), listed);
    QCOMPARE(Form1->Timer2->isActive(), listed > 0);
    if (listed == 0)
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Список звонков пуст"));
    else
        QVERIFY(Form1->Image1->isVisibleTo(Form1));
}

void TestScheduleWindows::modeThatCannotBeStoredIsStillApplied()
{
    m_data->writeLines(QStringLiteral("local/A.ini"),
                       mondayScheme({ { "8:30", "9:15", "10" }, { "9:25", "10:10", "" } }));
    m_data->writeLines(QStringLiteral("local/spisok.ini"), kHeader + QStringList { "A" });
    // A folder where SQLite keeps its journal: every write of the settings fails.
    QVERIFY(QDir(m_data->path(QString())).mkdir(QStringLiteral("data.bcs-journal")));
    Switch = 1;
    Form3->DejstvSwitch();
    Form3->DejstvSwitch();
    QCOMPARE(reported.size(), 1); // once, however often it fails
    QVERIFY(reported.first().contains(QStringLiteral("data.bcs")));
    QCOMPARE(Form3->sListView2->count(), 1);
    QVERIFY(Form1->Timer2->isActive());
    at("09:20:00");
    Form1->Soob();
    QCOMPARE(secondLine(), QStringLiteral("Перемена. 2 урок через 6 мин. в 9:25"));
    at("09:25:00");
    Form1->Soob();
    QCOMPARE(rung(), QStringList({ "begin.mp3" }));
}

void TestScheduleWindows::bellGridFollowsModeListAndZeroLesson()
{
    const auto editable = [] {
        QStringList rows;
        for (int row = 1; row <= 10; ++row) {
            QString marks;
            for (int column = 1; column <= 6; ++column)
                marks += Form3->grid.comb[row][column]->isEnabled() ? QLatin1Char('x')
                                                                    : QLatin1Char('.');
            rows << marks;
        }
        return rows;
    };
    Switch = 1;
    Form3->DejstvSwitch(); // no list: nothing to edit
    QCOMPARE(editable(), QStringList(10, QStringLiteral("......")));
    QCOMPARE(Form3->grid.labnom[1]->text(), QStringLiteral("1"));

    m_data->writeLines(QStringLiteral("local/spisok.ini"), kHeader + QStringList { "A" });
    nul_ur = 1;
    Form3->DejstvSwitch();
    QCOMPARE(editable(), QStringList({ "xx..xx" }) + QStringList(9, QStringLiteral("....xx")));
    QCOMPARE(Form3->grid.labnom[1]->text(), QStringLiteral("0"));
    QCOMPARE(Form3->grid.labnom[10]->text(), QStringLiteral("9"));
}

QTEST_MAIN(TestScheduleWindows)
#include "tst_schedule_windows.moc"
