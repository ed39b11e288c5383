// The canteen menu against a loopback school server: the empty state, the page in a 480 x 700
// window, the web engine loaded only then, and a page that cannot reach any server it names.
#include "common/bells_application.h"
#include "common/clock.h"
#include "common/globals.h"
#include "school_server_thread.h"
#include "shell/message_window.h"
#include "support/data_dir.h"
#include "support/file_bytes.h"
#include "support/scripted_server.h"
#include "support/windows_fixture.h"
#include "timetable/timetable_window.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

bool webEngineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class TestCanteenMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void noMenuShowsTheEmptyStateWithoutTheEngine();
    void serverGoneKeepsTheCaption();
    void pageFillsA480By700WindowAndReachesNoServer();

private:
    void publish(const QByteArray &page);
    std::unique_ptr<TempDataFolder> m_data;
    QTemporaryDir m_root;
    std::unique_ptr<SchoolServerThread> m_server;
};

void TestCanteenMenu::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    m_server = std::make_unique<SchoolServerThread>(
        SchoolServerConfig { m_root.path(), QStringLiteral("u"), QStringLiteral("p") });
    QVERIFY(m_server->isListening());
}

void TestCanteenMenu::init()
{
    m_data = std::make_unique<TempDataFolder>();
    createWindows();
    ip_serv = QStringLiteral("127.0.0.1");
    port_HTTP = QString::number(m_server->server()->httpPort());
    login_HTTP = QStringLiteral("u");
    pas_HTTP = QStringLiteral("p");
    organizac = QStringLiteral("Гимназия 2");
    Form2->DateEdit1->setDate(QDate(2026, 12, 7));
}

void TestCanteenMenu::cleanup()
{
    destroyWindows();
    m_data.reset();
}

void TestCanteenMenu::publish(const QByteArray &page)
{
    QDir(m_root.path()).mkpath(QStringLiteral("menu"));
    QVERIFY(writeBytes(m_root.filePath(QStringLiteral("menu/07.12.2026.ini")), page));
}

void TestCanteenMenu::noMenuShowsTheEmptyStateWithoutTheEngine()
{
    QVERIFY(!webEngineLoaded()); // start-up never loads it
    publish("<html><!-- На всех экранах смартфонов --><body>нет меню</body></html>");
    Form2->resize(700, 400);
    Form2->LoadMenu();
    QVERIFY(Form2->isVisible());
    QCOMPARE(Form2->windowTitle(), QStringLiteral("Меню Гимназия 2"));
    QVERIFY(Form2->Rct_osh->isVisible());
    QVERIFY(!Form2->Rct_menu->isVisible());
    QVERIFY(Form2->Timer1->isActive());
    QCOMPARE(Form2->size(), QSize(700, 400)); // keeps its size
    QVERIFY(!Form2->hasMenuView());
    QVERIFY(!webEngineLoaded());
}

void TestCanteenMenu::serverGoneKeepsTheCaption()
{
    port_HTTP = QStringLiteral("1");
    Form2->show();
    Form2->LoadMenu();
    QVERIFY(!Form2->isVisible());
    QCOMPARE(Form2->windowTitle(), QStringLiteral("Меню Гимназия 2"));
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Сервер временно недоступен"));
}

void TestCanteenMenu::pageFillsA480By700WindowAndReachesNoServer()
{
    ScriptedServer elsewhere([](const QByteArray &) {
        return answerAtOnce("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
    });
    const QByteArray at = "http://127.0.0.1:" + QByteArray::number(elsewhere.port());
    publish("<html><body><h1>Меню</h1><img src=\"" + at
            + "/a.png\"><img src=\"b.png\">"
              "<script>fetch('"
            + at + "/c');</script></body></html>");
    Form2->LoadMenu();
    QVERIFY(Form2->Rct_menu->isVisible());
    QVERIFY(!Form2->Rct_osh->isVisible());
    QCOMPARE(Form2->size(), QSize(480, 700));
    QVERIFY(Form2->hasMenuView());
    QVERIFY(webEngineLoaded());
    QTest::qWait(3000); // the page loads and tries what it names
    QCOMPARE(elsewhere.connections(), 0);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    BellsApplication app(argc, argv);
    TestCanteenMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_canteen_menu.moc"
