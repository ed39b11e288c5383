// The program ends only through "Выход": closing any window or message leaves it running, inside
// the real application object's message loop.
#include "common/bells_application.h"
#include "common/error_report.h"
#include "common/globals.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "support/app_loop.h"
#include "support/data_dir.h"
#include "support/windows_fixture.h"
#include "timetable/timetable_window.h"

#include <QAction>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

void closeEveryWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->close();
    }
}

} // namespace

class TestStayingUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void closingAnyWindowOrMessageKeepsItRunning_data();
    void closingAnyWindowOrMessageKeepsItRunning();
    void exitEndsIt();

private:
    std::unique_ptr<TempDataFolder> m_data;
};

void TestStayingUp::init()
{
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
}

void TestStayingUp::cleanup()
{
    closeEveryWindow();
    destroyWindows();
    m_data.reset();
}

void TestStayingUp::closingAnyWindowOrMessageKeepsItRunning_data()
{
    QTest::addColumn<QString>("shown");
    for (const char *shown : { "error message", "informing message", "settings window",
                               "timetable window", "time widget", "side panel", "all at once" })
        QTest::newRow(shown) << QString::fromLatin1(shown);
}

void TestStayingUp::closingAnyWindowOrMessageKeepsItRunning()
{
    QFETCH(QString, shown);
    const bool all = shown == QLatin1String("all at once");
    if (all || shown == QLatin1String("error message"))
        reportError(QStringLiteral("Не удалось прочитать файл x"));
    if (all || shown == QLatin1String("informing message"))
        informUser(QStringLiteral("Сообщение"));
    if (all || shown == QLatin1String("settings window"))
        Form3->show();
    if (all || shown == QLatin1String("timetable window"))
        Form2->show();
    if (all || shown == QLatin1String("time widget"))
        Form1->show();
    if (all || shown == QLatin1String("side panel"))
        Form4->show();
    QCOMPARE(runLoopWith(closeEveryWindow), kStillRunning);
    setErrorReport(nullptr); // forget the message, so the next row shows it again
}

void TestStayingUp::exitEndsIt()
{
    Form3->show();
    QCOMPARE(runLoopWith([] { Form1->mas_popup_men[4]->trigger(); }), 0);
}

int main(int argc, char **argv)
{
    BellsApplication app(argc, argv);
    TestStayingUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_staying_up.moc"
