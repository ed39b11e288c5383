// The timetable window against a loopback school server: the grid's geometry and column width,
// loading a date (found, missing, server gone), growth remembered in the settings, the teacher
// highlight and the empty state's animation.
#include "common/clock.h"
#include "common/globals.h"
#include "school_server_thread.h"
#include "settings/settings_layout.h"
#include "shell/message_window.h"
#include "shell/settings_window.h"
#include "support/data_dir.h"
#include "support/file_bytes.h"
#include "support/windows_fixture.h"
#include "timetable/cell_plate.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_grid.h"
#include "timetable/timetable_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QDate kDay(2026, 12, 7);

QString example()
{
    return QStringLiteral("rasp||Гимназия 2||2||2||5А$5Б$||Математика$12$Иванова А.А.$Русский "
                          "язык$14$Петров П.П., Сидоров С.С.$| $ $ $Физика$21$Иванов И.И.$|");
}

// A timetable of `classes` classes and `lessons` lessons, every cell "Урок" in room 1.
QString sized(int lessons, int classes)
{
    QString text = QStringLiteral("rasp||Школа||%1||%2||").arg(lessons).arg(classes);
    for (int j = 1; j <= classes; ++j)
        text += QStringLiteral("%1А$").arg(j);
    text += QStringLiteral("||");
    for (int i = 1; i <= lessons; ++i) {
        for (int j = 1; j <= classes; ++j)
            text += QStringLiteral("Урок$1$Учитель %1$").arg(j);
        text += QLatin1Char('|');
    }
    return text;
}

} // namespace

class TestTimetableWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void cellGeometry();
    void columnWidthFollowsTheSlider();
    void loadsTheDateAndHighlightsWholeNames();
    void gridGrowsAndRemembersNeverShrinks();
    void missingTimetableShowsTheEmptyState();
    void serverGoneHidesTheWindow();
    void animationRunsThereAndBack();
    void freeRoomsOfEachLesson();
    void anotherDateLoadsThatDate();
    void statusPlateOnlyForTodayWithABellStatus();
    void copyIconPutsTheTimetableOnTheClipboard();

private:
    void publish(const QString &text);
    std::unique_ptr<TempDataFolder> m_data;
    QTemporaryDir m_root;
    QTemporaryDir m_runtime;
    std::unique_ptr<SchoolServerThread> m_server;
};

void TestTimetableWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    m_server = std::make_unique<SchoolServerThread>(
        SchoolServerConfig { m_root.path(), QStringLiteral("u"), QStringLiteral("p") });
    QVERIFY(m_server->isListening());
}

void TestTimetableWindow::init()
{
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    m_data = std::make_unique<TempDataFolder>();
    createWindows([] { return std::make_unique<RecordingPlayer>(); }, StartUp::Run);
    ip_serv = QStringLiteral("127.0.0.1");
    port_HTTP = QString::number(m_server->server()->httpPort());
    login_HTTP = QStringLiteral("u");
    pas_HTTP = QStringLiteral("p");
    Clock::setFixed(QDateTime(kDay, QTime(9, 0)));
    Form2->DateEdit1->setDate(kDay);
}

void TestTimetableWindow::cleanup()
{
    destroyWindows();
    m_data.reset();
    Clock::useSystem();
}

void TestTimetableWindow::publish(const QString &text)
{
    QDir(m_root.path()).mkpath(QStringLiteral("raspisanie"));
    QVERIFY(
        writeBytes(m_root.filePath(QStringLiteral("raspisanie/07.12.2026.ini2")), text.toUtf8()));
}

void TestTimetableWindow::cellGeometry()
{
    QCOMPARE(Form2->DateEdit1->text(), QStringLiteral("07.12.2026"));
    QCOMPARE(rasp.rct[0][0]->geometry(), QRect(5, 5, 25, 18));
    QCOMPARE(rasp.rct[4][0]->y(), 127); // 5 + 17 + 35 x 3
    QCOMPARE(rasp.rct[0][3]->x(), rasp.rct[0][2]->x() + rasp.rct[0][2]->width() - 1);
    QCOMPARE(rasp.rct[4][3]->x(), rasp.rct[0][3]->x());
    QCOMPARE(rasp.rct[4][3]->y(), rasp.rct[4][0]->y());
    QCOMPARE(rasp.rct[4][3]->size(), QSize(70, 36)); // the template's column width
    QVERIFY(rasp.rct[0][3]->testAttribute(Qt::WA_TransparentForMouseEvents)); // no clicks
    QVERIFY(!rasp.rct[4][3]->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(rasp.ur[2][0]->text(), QStringLiteral("2"));
    QVERIFY(rasp.kab[0][3] == nullptr && rasp.kab[2][0] == nullptr);
}

void TestTimetableWindow::columnWidthFollowsTheSlider()
{
    Form3->TrackBar3->setValue(55);
    publish(sized(3, 10));
    Form2->LoadRasp();
    QCOMPARE(Form2->width(), 10 * 55 + 45); // 595
    Form2->hide();
    Form3->TrackBar3->setValue(80);
    QCOMPARE(Form2->width(), 845);
    QCOMPARE(rasp.rct[2][7]->width(), 80);
    QCOMPARE(rasp.rct[0][7]->x(), rasp.rct[0][6]->x() + 79);
    QCOMPARE(rasp.rct[2][7]->x(), rasp.rct[0][7]->x());
}

void TestTimetableWindow::loadsTheDateAndHighlightsWholeNames()
{
    publish(example());
    Form2->LoadRasp();
    QVERIFY(Form2->isVisible());
    QCOMPARE(Form2->windowTitle(), QStringLiteral("Расписание уроков Гимназия 2"));
    QCOMPARE(rasp.ur[0][1]->text(), QStringLiteral("5А"));
    QCOMPARE(rasp.ur[1][2]->text(), QStringLiteral("Русский язык"));
    QCOMPARE(rasp.kab[1][2]->text(), QStringLiteral("14"));
    QCOMPARE(rasp.rct[1][2]->toolTip(), QStringLiteral("Петров П.П., Сидоров С.С."));
    QCOMPARE(rasp.uch[1][2], QStringLiteral(",Петров П.П.,Сидоров С.С.,"));
    QVERIFY(rasp.uch[2][1].isEmpty());
    QVERIFY(!rasp.rct[1][3]->isVisible()); // beyond the timetable's classes
    QVERIFY(!rasp.rct[3][1]->isVisible());
    QStringList teachers;
    for (int i = 0; i < Form2->ComboBox1->count(); ++i)
        teachers << Form2->ComboBox1->itemText(i);
    QCOMPARE(teachers,
             QStringList(
                 { "(не выбран)", "Иванов И.И.", "Иванова А.А.", "Петров П.П.", "Сидоров С.С." }));
    QCOMPARE(Form2->ComboBox1->currentIndex(), 0);
    QCOMPARE(organizac, QStringLiteral("Гимназия 2"));
    QCOMPARE(readSetting(Cell::Organizac), QStringLiteral("Гимназия 2"));

    const QColor green(0xFF008000u);
    Form2->ComboBox1->setCurrentText(QStringLiteral("Иванов И.И."));
    QCOMPARE(rasp.rct[2][2]->fill(), green);
    QCOMPARE(rasp.rct[1][1]->fill(), QColor(Qt::white)); // Иванова А.А. is someone else
    Form2->ComboBox1->setCurrentText(QStringLiteral("Сидоров С.С."));
    QCOMPARE(rasp.rct[1][2]->fill(), green);
    QCOMPARE(rasp.rct[2][2]->fill(), QColor(Qt::white));
    QTest::mouseClick(rasp.rct[2][1], Qt::LeftButton); // any data cell clears it
    QCOMPARE(rasp.rct[1][2]->fill(), QColor(Qt::white));
    QCOMPARE(Form2->ComboBox1->currentIndex(), 0);
}

void TestTimetableWindow::gridGrowsAndRemembersNeverShrinks()
{
    QCOMPARE(klass, 17);
    QCOMPARE(max_ur, 6);
    publish(sized(7, 20));
    Form2->LoadRasp();
    QCOMPARE(klass, 20);
    QCOMPARE(max_ur, 7);
    QCOMPARE(readSetting(Cell::GridClasses), QStringLiteral("20"));
    QCOMPARE(readSetting(Cell::GridLessons), QStringLiteral("7"));
    QCOMPARE(rasp.rct.size(), 8);
    QCOMPARE(rasp.rct[7].size(), 21);
    QCOMPARE(rasp.ur[7][20]->text(), QStringLiteral("Урок"));
    QCOMPARE(rasp.rct[7][20]->y(), rasp.rct[7][0]->y());
    QCOMPARE(rasp.rct[0][20]->x(), rasp.rct[0][19]->x() + rasp.rct[0][19]->width() - 1);

    writeSetting(Cell::GridClasses, QStringLiteral("marker"));
    publish(sized(4, 3));
    Form2->LoadRasp();
    QCOMPARE(klass, 20);
    QCOMPARE(max_ur, 7);
    QCOMPARE(readSetting(Cell::GridClasses), QStringLiteral("marker")); // nothing written
    QVERIFY(!rasp.rct[1][4]->isVisible());
    QVERIFY(!rasp.rct[5][1]->isVisible());
    QVERIFY(rasp.rct[4][3]->isVisible());
}

void TestTimetableWindow::missingTimetableShowsTheEmptyState()
{
    QFile::remove(m_root.filePath(QStringLiteral("raspisanie/07.12.2026.ini2")));
    Form2->LoadRasp();
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->Rct_osh->isVisible());
    QVERIFY(!Form2->Rct_rasp->isVisible());
    QVERIFY(!Form2->Rct_uch->isVisible());
    QVERIFY(Form2->Timer1->isActive());
    QCOMPARE(Form2->windowTitle(), QStringLiteral("Расписание уроков "));

    publish(QStringLiteral("rasp||Школа||1||1000000||x$||"));
    Form2->LoadRasp(); // a count beyond the limits is no timetable either
    QVERIFY(Form2->Rct_osh->isVisible());
    QCOMPARE(klass, 17);
}

void TestTimetableWindow::serverGoneHidesTheWindow()
{
    Form2->show();
    port_HTTP = QStringLiteral("1");
    Form2->LoadRasp();
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Сервер временно недоступен"));
}

void TestTimetableWindow::animationRunsThereAndBack()
{
    QList<int> frames;
    for (int tick = 0; tick < 150; ++tick) {
        frames << kart;
        Form2->Timer1Timer();
    }
    QCOMPARE(frames.first(), 0);
    QCOMPARE(frames[74], 74);
    QCOMPARE(frames[75], 73);
    QCOMPARE(frames[148], 0);
    QCOMPARE(frames.count(74), 1); // the end frames once per cycle of 148
    QCOMPARE(frames.mid(0, 148).count(30), 2);
    QVERIFY(!Form2->Image1->pixmap().isNull());
}

void TestTimetableWindow::freeRoomsOfEachLesson()
{
    publish(example());
    QVERIFY(writeBytes(m_root.filePath(QStringLiteral("raspisanie/kab.ini")), "12/14/21/"));
    Form2->LoadRasp();
    Form2->Image2Click();
    QVERIFY(Form7->isVisible());
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form7->windowTitle(), QStringLiteral("Свободные кабинеты"));
    QCOMPARE(Form7->StringGrid3->rowCount(), 2);
    QCOMPARE(Form7->StringGrid3->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(Form7->StringGrid3->item(0, 1)->text(), QStringLiteral("21"));
    QCOMPARE(Form7->StringGrid3->item(1, 1)->text(), QStringLiteral("12, 14"));
    QCOMPARE(Form7->StringGrid3->columnWidth(1), 70);
    QCOMPARE(Form7->width(), 35 + 70 + 53);
    Form7->close();
    QVERIFY(Form2->isVisible());

    QVERIFY(writeBytes(m_root.filePath(QStringLiteral("raspisanie/kab.ini")), ""));
    Form2->Image2Click();
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Список кабинетов на сервере пуст"));
    port_HTTP = QStringLiteral("1");
    Form2->Image2Click();
    QCOMPARE(Form6->Label1->text(),
             QStringLiteral("Сервер временно недоступен. Попробуйте позже."));
    QVERIFY(Form2->isVisible());
}

void TestTimetableWindow::anotherDateLoadsThatDate()
{
    publish(example());
    Form2->LoadRasp();
    Form2->DateEdit1OpenPicker();
    Form2->DateEdit1ClosePicker(); // the same date: nothing reloads
    QVERIFY(Form2->Rct_rasp->isVisible());
    Form2->DateEdit1OpenPicker();
    dat_vibor = 0;
    Form2->DateEdit1->setDate(kDay.addDays(1));
    Form2->DateEdit1ClosePicker(); // the program's own change of the date
    QVERIFY(Form2->Rct_rasp->isVisible());
    dat_vibor = 1;
    Form2->DateEdit1ClosePicker(); // the user's: 08.12.2026 has no timetable
    QVERIFY(Form2->Rct_osh->isVisible());
    QVERIFY(!Form2->Rct_rasp->isVisible());
}

void TestTimetableWindow::statusPlateOnlyForTodayWithABellStatus()
{
    publish(example());
    Form2->DateEdit1->setDate(QDate::currentDate());
    QDir(m_root.path())
        .rename(QStringLiteral("raspisanie/07.12.2026.ini2"),
                QStringLiteral("raspisanie/") + Form2->DateEdit1->text() + QStringLiteral(".ini2"));
    Form2->Rectangle3->setProperty("tag", 1);
    Form2->LoadRasp();
    QVERIFY(Form2->Rectangle3->isVisible());
    Form2->Rectangle3->setProperty("tag", 0); // no schedule in force
    Form2->LoadRasp();
    QVERIFY(!Form2->Rectangle3->isVisible());
    Form2->Rectangle3->setProperty("tag", 1);
    Form2->DateEdit1->setDate(QDate::currentDate().addDays(-3)); // another day than today
    QVERIFY(writeBytes(m_root.filePath(QStringLiteral("raspisanie/") + Form2->DateEdit1->text()
                                       + QStringLiteral(".ini2")),
                       example().toUtf8()));
    Form2->LoadRasp();
    QVERIFY(!Form2->Rectangle3->isVisible());
    QVERIFY(Form2->Rct_uch->isVisible());
}

void TestTimetableWindow::copyIconPutsTheTimetableOnTheClipboard()
{
    publish(example());
    Form2->LoadRasp();
    Form2->Image9Click();
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    QCOMPARE(html.count(QStringLiteral("<tr>")), 3); // the header and two lessons
    QVERIFY(html.contains(QStringLiteral("<tr><td><b>№</b><br></td><td><b>5А</b><br></td>")));
    QVERIFY(html.contains(QStringLiteral("<td>Физика<br>21</td>")));
    QCOMPARE(html.count(QStringLiteral("<td>")), 3 * 3);
}

QTEST_MAIN(TestTimetableWindow)
#include "tst_timetable_window.moc"
