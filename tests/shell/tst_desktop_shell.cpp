// The desktop shell: the message window and its codes, the question in the settings window, the
// settings window's grid and two sizes, the strip's placement and visibility, the tray menu and
// the side panel's slide, tick by tick.
#include "common/bells_application.h"
#include "common/globals.h"
#include "shell/message_window.h"
#include "shell/picture_button.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/side_panel_motion.h"
#include "shell/time_widget.h"
#include "support/app_loop.h"
#include "support/data_dir.h"
#include "support/file_bytes.h"
#include "support/windows_fixture.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_grid.h"
#include "timetable/timetable_window.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

struct Frame
{
    int x1, x2, x3, width;
};

} // namespace

Q_DECLARE_METATYPE(QList<Frame>)

class TestDesktopShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void messageReplacesAndItsCodeDecidesTheClose_data();
    void messageReplacesAndItsCodeDecidesTheClose();
    void questionAnswers_data();
    void questionAnswers();
    void gridGeometryAndItems();
    void windowSizesShowWhatEachHolds();
    void stripPlacementAndVisibility();
    void trayMenuEntriesAndPlacementPause();
    void panelSlides_data();
    void panelSlides();
    void panelOpensClosesAndNeverTurnsBack();
    void everyControlHasAnAccessibleName();
    void startUpBringsEverythingUp();
    void secondCopyOnlyShowsItsMessage();
    void lockOfACrashedCopyDoesNotStopTheStart();

private:
    void restartWithStartUp();
    QString lockPath() const;
    std::unique_ptr<TempDataFolder> m_data;
    QTemporaryDir m_runtime;
};

void TestDesktopShell::restartWithStartUp()
{
    destroyWindows();
    createWindows([] { return std::make_unique<RecordingPlayer>(); }, StartUp::Run);
}

QString TestDesktopShell::lockPath() const
{
    return m_runtime.filePath(QStringLiteral("Zu_Radid_Ederoz.lock"));
}

void TestDesktopShell::init()
{
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
}

void TestDesktopShell::cleanup()
{
    destroyWindows();
    m_data.reset();
}

void TestDesktopShell::messageReplacesAndItsCodeDecidesTheClose_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("byButton"); // "Понятно", or the window's close button
    QTest::addColumn<int>("loopResult");
    QTest::newRow("code 0, Понятно") << 0 << true << kStillRunning;
    QTest::newRow("code 0, close button") << 0 << false << kStillRunning;
    QTest::newRow("code 1, Понятно") << 1 << true << 0;
    QTest::newRow("code 1, close button") << 1 << false << 0;
}

void TestDesktopShell::messageReplacesAndItsCodeDecidesTheClose()
{
    QFETCH(int, code);
    QFETCH(bool, byButton);
    Form3->show();
    Form6->Soob(QStringLiteral("Первое"), 1 - code);
    // The settings window steps back behind the message, and is on top again once it closes.
    QVERIFY(!Form3->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form3->isVisible());
    Form6->Soob(QStringLiteral("Второе\r\nстрока"), code);
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Второе\r\nстрока"));
    QVERIFY(Form6->isVisible());
    QCOMPARE(Form6->size(), QSize(237, 142));
    QCOMPARE(Form6->windowTitle(), QStringLiteral("Информация"));
    QTEST(runLoopWith([byButton] {
              if (byButton)
                  QTest::mouseClick(Form6->Button1, Qt::LeftButton);
              else
                  Form6->close();
          }),
          "loopResult");
    QVERIFY(!Form6->isVisible());
    QVERIFY(Form3->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(Form3->isVisible());
}

void TestDesktopShell::questionAnswers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Да") << "yes"
                        << "Да";
    QTest::newRow("Нет") << "no"
                         << "Нет";
    QTest::newRow("Enter at once") << "enter"
                                   << "Да";
    QTest::newRow("window closed") << "close"
                                   << "Нет";
}

void TestDesktopShell::questionAnswers()
{
    QFETCH(QString, how);
    Form3->show();
    int ticks = 0;
    QTimer ticking;
    connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
    ticking.start(20);
    bool boxesDisabled = false;
    QTimer::singleShot(200, Form3, [&] {
        boxesDisabled = !Form3->sGroupBox2->isEnabled() && !Form3->sGroupBox5->isEnabled();
        QVERIFY(Form3->Rct_soobDlg->isVisible());
        QCOMPARE(Form3->LabelSoob1->text(), QStringLiteral("Удалить?"));
        if (how == QLatin1String("yes"))
            QTest::mouseClick(Form3->ButtonSoob1, Qt::LeftButton);
        else if (how == QLatin1String("no"))
            QTest::mouseClick(Form3->ButtonSoob2, Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(Form3->focusWidget(), Qt::Key_Return);
        else
            Form3->close();
    });
    QTEST(Form3->Dial(QStringLiteral("Удалить?")), "answer");
    QVERIFY(ticks >= 5); // the timers went on while it waited
    QVERIFY(boxesDisabled);
    QVERIFY(!Form3->Rct_soobDlg->isVisible());
    QVERIFY(Form3->sGroupBox2->isEnabled());
    QVERIFY(Form3->sGroupBox5->isEnabled());
    QCOMPARE(Form3->Rct_soobDlg->size(), QSize(297, 148));
}

void TestDesktopShell::gridGeometryAndItems()
{
    const BellGrid &grid = Form3->grid;
    const QList<int> itemCounts = { 0, 25, 13, 25, 13, 10, 12 }; // with the blank " "
    for (int row = 1; row <= 10; ++row) {
        for (int column = 1; column <= 6; ++column) {
            QComboBox *list = grid.comb[row][column];
            QCOMPARE(list->parentWidget(), Form3->sGroupBox6);
            QCOMPARE(list->x(), 60 * column - 30);
            QCOMPARE(list->width(), 50);
            const int top = row == 1 ? grid.Rectangle16->height() + 20
                                     : grid.comb[row - 1][column]->geometry().bottom() + 1 + 5;
            QCOMPARE(list->y(), top);
            QCOMPARE(list->count(), itemCounts[column]);
            QCOMPARE(list->currentIndex(), 0);
            QCOMPARE(list->itemText(0), QStringLiteral(" "));
        }
        QCOMPARE(grid.labnom[row]->x(), 8);
        QCOMPARE(grid.labnom[row]->y(), grid.comb[row][1]->y() + 5);
        QCOMPARE(grid.labnom[row]->text(), QString::number(row));
    }
    QCOMPARE(grid.comb[1][2]->itemText(2), QStringLiteral("05"));
    QCOMPARE(grid.comb[1][5]->itemText(1), QStringLiteral("15"));
    QCOMPARE(grid.comb[1][6]->itemText(11), QStringLiteral("55"));
    const QStringList days = { "пн", "вт", "ср", "чт", "пт", "сб", "вс" };
    for (int day = 1; day <= 7; ++day) {
        QCOMPARE(grid.denradbut[day]->x(), day == 1 ? 30 : grid.denradbut[day - 1]->x() + 50);
        QCOMPARE(grid.denradbut[day]->y(), grid.labnom[10]->y() + 30);
        QCOMPARE(grid.denradbut[day]->property("day").toInt(), day);
        QCOMPARE(grid.denradlab[day]->text(), days[day - 1]);
        QCOMPARE(grid.denradlab[day]->y(), grid.denradbut[day]->y() + 17);
    }
    for (const auto &row : shema) {
        for (int k = 1; k < int(row.size()); ++k)
            QCOMPARE(row[k], QStringLiteral(" "));
    }
}

void TestDesktopShell::windowSizesShowWhatEachHolds()
{
    const auto shown = [](QWidget *control) { return control->isVisibleTo(Form3); };
    Switch = 1;
    Form1->LoadOknoNastrojki(1);
    QCOMPARE(Form3->size(), QSize(650, 490));
    for (QWidget *hidden : std::initializer_list<QWidget *> {
             Form3->Rectangle9, Form3->CheckBox6, Form3->sEdit6, Form3->Image4, Form3->Image8,
             Form3->sGroupBox2, Form3->Rct_prochee })
        QVERIFY2(!shown(hidden), qPrintable(hidden->objectName()));
    QVERIFY(shown(Form3->sGroupBox5));
    QVERIFY(!Form2->isVisible());

    Form1->LoadOknoNastrojki(0); // from the tray: back to full size, every setting there
    QCOMPARE(Form3->size(), QSize(950, 782));
    for (QWidget *control : std::initializer_list<QWidget *> {
             Form3->Rectangle9, Form3->CheckBox6, Form3->sEdit6, Form3->Image4, Form3->Image8,
             Form3->sGroupBox2, Form3->Rct_prochee, Form3->sGroupBox5 })
        QVERIFY2(shown(control), qPrintable(control->objectName()));
    const int today = QDate::currentDate().dayOfWeek();
    QVERIFY(Form3->grid.denradbut[today]->isChecked());
    QCOMPARE(Form3->Label1->text(), QString::number(today));
    QVERIFY(Form3->sLabelFX1->text().startsWith(QStringLiteral("сегодня ")));

    Switch = 0; // the server's schemes are not copied between weekdays
    Form1->LoadOknoNastrojki(0);
    QVERIFY(!shown(Form3->Image8));
}

void TestDesktopShell::stripPlacementAndVisibility()
{
    Form1->resize(Form1->width(), 40);
    Form4->Timer3Timer();
    QVERIFY(Form1->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(Form1->geometry().bottom(), screen.bottom());
    QCOMPARE(Form1->x(), screen.width() / 2 - Form1->width() / 2);
    QVERIFY(Form1->windowFlags().testFlag(Qt::Tool)); // no taskbar entry of its own
    QVERIFY(Form1->testAttribute(Qt::WA_TranslucentBackground));

    Form3->show();
    Form4->Timer3Timer();
    QVERIFY(!Form1->isVisible());
    Form3->hide();
    Form2->show();
    Form4->Timer3Timer();
    QVERIFY(!Form1->isVisible());
    Form2->hide();
    Form3->CheckBox2->setChecked(false);
    Form4->Timer3Timer();
    QVERIFY(!Form1->isVisible());
    Form3->CheckBox2->setChecked(true);
    Form4->Timer3Timer();
    QVERIFY(Form1->isVisible());
}

void TestDesktopShell::trayMenuEntriesAndPlacementPause()
{
    QStringList entries;
    for (QAction *action : Form1->PopupVCL->actions())
        entries << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(entries, QStringList({ "N1=Звонки", "N2=Расписание уроков", "N3=Меню", "N4=Выход" }));
    QStringList bells;
    for (QAction *action : Form1->PopupVCL->actions().first()->menu()->actions())
        bells << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(bells, QStringList({ "N5=Настройка", "N6=Обновить" }));
    QVERIFY(!Form1->TrayIcon->icon().isNull()); // drawn when the folder has no logo.ico
    QCOMPARE(Form1->TrayIcon->toolTip(), QStringLiteral("Звенира \"Велмора\""));

    Form1->PopupVCL->popup(QPoint(0, 0));
    QVERIFY(!Form4->Timer3->isActive());
    Form6->Timer1Timer(); // the message window's second does not restart it while open
    QVERIFY(!Form4->Timer3->isActive());
    Form1->PopupVCL->hide();
    QVERIFY(Form4->Timer3->isActive());

    Form1->findChild<QAction *>(QStringLiteral("N5"))->trigger();
    QCOMPARE(Form3->size(), QSize(950, 782));
    QVERIFY(Form3->isVisible());
    Form1->mas_popup_men[2]->setEnabled(true);
    Form1->mas_popup_men[2]->trigger(); // today's timetable, but there is no server
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Сервер временно недоступен"));
}

void TestDesktopShell::panelSlides_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<Frame>>("frames"); // after each tick
    QTest::newRow("out") << 1 << QList<Frame> { { 20, 0, 0, 125 },     { 40, 0, 0, 145 },
                                                { 60, 0, 0, 165 },     { 80, 0, 0, 185 },
                                                { 100, 20, 0, 205 },   { 100, 40, 0, 205 },
                                                { 100, 60, 0, 205 },   { 100, 80, 0, 205 },
                                                { 100, 100, 20, 205 }, { 100, 100, 40, 205 },
                                                { 100, 100, 60, 205 }, { 100, 100, 80, 205 },
                                                { 97, 97, 97, 202 } };
    QTest::newRow("in") << -1 << QList<Frame> { { 77, 97, 97, 202 }, { 57, 97, 97, 202 },
                                                { 37, 97, 97, 202 }, { 17, 97, 97, 202 },
                                                { -3, 77, 97, 202 }, { -3, 57, 97, 202 },
                                                { -3, 37, 97, 202 }, { -3, 17, 97, 202 },
                                                { -3, -3, 77, 182 }, { -3, -3, 57, 162 },
                                                { -3, -3, 37, 142 }, { -3, -3, 17, 122 },
                                                { 0, 0, 0, 105 } };
}

void TestDesktopShell::panelSlides()
{
    QFETCH(int, direction);
    QFETCH(QList<Frame>, frames);
    PanelMotion m = direction > 0 ? PanelMotion { 1, 1, 0, 0, 0, 105 }
                                  : PanelMotion { 1, -1, 97, 97, 97, 202 };
    for (int tick = 0; tick < frames.size(); ++tick) {
        const MotionTimers timers = stepPanelMotion(m, 97, 20, 105);
        const Frame &f = frames[tick];
        QVERIFY2(m.x1 == f.x1 && m.x2 == f.x2 && m.x3 == f.x3 && m.width == f.width,
                 qPrintable(QStringLiteral("tick %1: %2 %3 %4 %5")
                                .arg(tick + 1)
                                .arg(m.x1)
                                .arg(m.x2)
                                .arg(m.x3)
                                .arg(m.width)));
        const bool last = tick == frames.size() - 1;
        QCOMPARE(timers.stopAnimation, last);
        QCOMPARE(timers.startAutoHide, last && direction > 0);
    }
    QCOMPARE(m.mov, direction > 0 ? 3 : 0);

    // Sent back before it was out, the panel still comes to rest instead of moving for ever.
    PanelMotion early { 1, 1, 0, 0, 0, 105 };
    for (int tick = 0; tick < 3; ++tick)
        stepPanelMotion(early, 97, 20, 105);
    early.dx = -1;
    int ticks = 0;
    while (early.mov != 0 && ++ticks < 100)
        stepPanelMotion(early, 97, 20, 105);
    QCOMPARE(early.mov, 0);
    QCOMPARE(early.width, 105);
}

void TestDesktopShell::panelOpensClosesAndNeverTurnsBack()
{
    QCOMPARE(Form4->width(), 105);
    QCOMPARE(Form4->x(), -97);
    QCOMPARE(Form4->sImage2->geometry(), QRect(0, 100, 105, 100));
    Form4->sImage1MouseMove();
    QVERIFY(Form4->Timer1->isActive());
    QCOMPARE(Form4->Timer1->interval(), 16);
    QTRY_COMPARE(mov, 3);
    QCOMPARE(Form4->width(), 202);
    QVERIFY(!Form4->Timer1->isActive());
    QVERIFY(Form4->Timer2->isActive());
    // Open, then shut a second later though the mouse stays over it.
    QTRY_COMPARE(dx, -1);
    Form4->sImage1MouseMove(); // while it slides in
    QCOMPARE(dx, -1);
    QTRY_COMPARE(mov, 0);
    QCOMPARE(Form4->width(), 105);
    QVERIFY(!Form4->Timer1->isActive());
    QVERIFY(!Form4->Timer2->isActive());

    Switch = 1;
    Form4->sImage1Click(); // local mode: the timetable needs the server
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Вы не подключены к серверу"));
    QVERIFY(!Form2->isVisible());
    Form4->sImage3Click();
    QCOMPARE(Form3->size(), QSize(650, 490));
    QTRY_COMPARE(mov, 0);
}

void TestDesktopShell::everyControlHasAnAccessibleName()
{
    QStringList unnamed;
    for (QWidget *control : Form3->findChildren<QWidget *>()) {
        if (qobject_cast<QScrollBar *>(control))
            continue; // part of the list it scrolls
        const bool interactive = qobject_cast<QAbstractButton *>(control)
            || qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractSlider *>(control)
            || qobject_cast<QLineEdit *>(control) || qobject_cast<QListWidget *>(control)
            || control->objectName() == QLatin1String("Rectangle21");
        if (interactive && control->accessibleName().isEmpty())
            unnamed << control->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    QCOMPARE(Form3->grid.comb[3][1]->accessibleName(), QStringLiteral("Начало, час., урок 3"));
    QCOMPARE(Form3->TrackBar1->accessibleName(), QStringLiteral("Громкость оповещения"));
    for (PictureButton *button : { Form4->sImage1, Form4->sImage2, Form4->sImage3 })
        QVERIFY(!button->accessibleName().isEmpty());
}

void TestDesktopShell::startUpBringsEverythingUp()
{
    QDir(m_data->path(QString())).mkpath(QStringLiteral("sound/1/begin/sub"));
    for (const char *file : { "sound/1/begin/a.mp3", "sound/1/begin/sub/b.mp3" })
        QVERIFY(writeBytes(m_data->path(QLatin1String(file)), "x"));
    m_data->writeLines(QStringLiteral("local/spisok.ini"), { "", "", "---", "", "", "---", "A" });
    restartWithStartUp();
    QVERIFY(QFile::exists(lockPath()));
    QCOMPARE(Form3->Memo2,
             QStringList(
                 { m_data->path("sound/1/begin/a.mp3"), m_data->path("sound/1/begin/sub/b.mp3") }));
    QCOMPARE(Form3->ComboBox1->itemText(1), QStringLiteral("b.mp3")); // the name only
    QCOMPARE(Form3->ComboBox2->count(), 0); // an empty voice folder: nothing to choose
    QCOMPARE(Form3->ComboBox2->currentIndex(), -1);
    for (const char *folder : { "local", "music", "server" })
        QVERIFY(QFileInfo(m_data->path(QLatin1String(folder))).isDir());
    QCOMPARE(Form3->sListView2->count(), 1);
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(Form1->height(), 40);
    QCOMPARE(rasp.rct.size(), max_ur + 1); // 7 x 18 cells with the template's 6 by 17
    QCOMPARE(rasp.rct.first().size(), klass + 1);
    QCOMPARE(max_ur, 6);
    QCOMPARE(klass, 17);
    for (const auto &row : rasp.uch) {
        for (const QString &key : row)
            QVERIFY(key.isEmpty());
    }
    QCOMPARE(rasp.ur[0][0]->text(), QStringLiteral("№"));
    QCOMPARE(rasp.ur[3][0]->text(), QStringLiteral("3"));
    QVERIFY(Form7 && !Form7->isVisible());
    QVERIFY(!Form6->LabError->isVisible());
    // The strip is placed and shows its first status as the sequence ends, not a second later.
    QVERIFY(Form1->isVisible());
    QVERIFY(Form1->Label1->text().startsWith(QStringLiteral("A\r\n")));
}

void TestDesktopShell::secondCopyOnlyShowsItsMessage()
{
    QLockFile first(lockPath()); // another copy holds the program's object
    QVERIFY(first.tryLock());
    restartWithStartUp();
    QVERIFY(Form6->isVisible());
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Программа уже запущена"));
    QCOMPARE(Form6->LabError->text(), QStringLiteral("1"));
    QVERIFY(!QFileInfo::exists(m_data->path("music"))); // nothing else of the start ran
    QCOMPARE(Form1->Label1->text(), QStringLiteral("Перейдите в настройки"));
    QCOMPARE(runLoopWith([] { QTest::mouseClick(Form6->Button1, Qt::LeftButton); }), 0);
}

void TestDesktopShell::lockOfACrashedCopyDoesNotStopTheStart()
{
    QProcess gone; // a copy that was killed leaves its number behind
    gone.start(QStringLiteral("sleep"), { QStringLiteral("30") });
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.kill();
    QVERIFY(gone.waitForFinished());
    QVERIFY(writeBytes(lockPath(),
                       QByteArray::number(pid) + "\nbells\n" + QSysInfo::machineHostName().toUtf8()
                           + "\n"));
    restartWithStartUp();
    QVERIFY(!Form6->isVisible());
    QVERIFY(QFileInfo(m_data->path("music")).isDir());
}

int main(int argc, char **argv)
{
    BellsApplication app(argc, argv);
    TestDesktopShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop_shell.moc"
