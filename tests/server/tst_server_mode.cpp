// Server and local mode end to end: the handshake with a real loopback school server, the list
// and every scheme cached in the server folder, the link timer, and the mode switch.
#include "common/app_error.h"
#include "common/clock.h"
#include "common/cp1251.h"
#include "common/error_report.h"
#include "common/globals.h"
#include "schedule/scheme_file.h"
#include "school_server_thread.h"
#include "server/server_link.h"
#include "settings/settings_layout.h"
#include "shell/arrow_image.h"
#include "shell/mode_switch.h"
#include "shell/settings_window.h"
#include "shell/time_widget.h"
#include "support/data_dir.h"
#include "support/file_bytes.h"
#include "support/scripted_server.h"
#include "support/windows_fixture.h"
#include "timetable/timetable_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

const QString kUser = QStringLiteral("zvonok");
const QString kPassword = QStringLiteral("s3cret");

void writeUtf8(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// A scheme whose Monday has one lesson, as a server would publish it (LF line ends, UTF-8).
QString mondayLesson(const QString &start, const QString &end)
{
    Shema s;
    for (auto &row : s)
        row.fill(QStringLiteral(" "));
    const QStringList from = start.split(QLatin1Char(':'));
    const QStringList to = end.split(QLatin1Char(':'));
    s[1][1] = from[0];
    s[1][2] = from[1];
    s[1][3] = to[0];
    s[1][4] = to[1];
    return schemeFileLines(s).join(QLatin1Char('\n'));
}

} // namespace

class TestServerMode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void handshakeCachesListAndSchemes();
    void refreshKeepsTheSchemeInForce();
    void unsafeNamesFromTheServerWriteNothingOutside();
    void nothingListensShowsWaitingAndRetries();
    void missingOrBadServerDataArmsNoTimer_data();
    void missingOrBadServerDataArmsNoTimer();
    void wrongHttpPortShowsListMissing();
    void linkTimerWaitsWhileABellIsNear();
    void cachedCopiesServeWhenTheServerIsGone();
    void switchAppliesModeAndTools();
    void storedModeIsAppliedAtStart();
    void saveWebWritesContentWithLineEnd();

    void unusableHandshakeRepliesFailSoon_data();
    void unusableHandshakeRepliesFailSoon();
    void replyInPiecesIsJoined();
    void failedRefreshKeepsTheLoadedSchemes();
    void badListRepliesKeepTheCache_data();
    void badListRepliesKeepTheCache();
    void oneBadSchemeDoesNotStopTheRest();
    void slowServerBlocksARefreshAtMostThreeSeconds();
    void bellDueDuringARefreshStillRings();
    void switchingToLocalWhileAReplyIsPendingLeavesLocalAlone();
    void addressWithLeadingZerosReachesThePlainHost();

private:
    void useServer();
    void replyWithHttpPort(quint16 port);
    std::unique_ptr<TempDataFolder> m_data;
    QTemporaryDir m_serverRoot;
    std::unique_ptr<SchoolServerThread> m_server;
};

void TestServerMode::init()
{
    writeUtf8(m_serverRoot.filePath("zvonok/spisok.ini"),
              "Конец\nКонец 2\n---\nНачало\nНачало 2\n---\nСервер А\nСервер Б\n");
    writeUtf8(m_serverRoot.filePath("zvonok/Сервер А.ini"), mondayLesson("8:30", "9:15"));
    writeUtf8(m_serverRoot.filePath("zvonok/Сервер Б.ini"), mondayLesson("10:00", "10:45"));
    m_server = std::make_unique<SchoolServerThread>(
        SchoolServerConfig { m_serverRoot.path(), kUser, kPassword });
    QVERIFY(m_server->isListening());
    m_data = std::make_unique<TempDataFolder>();
    QDir().mkpath(m_data->path(QStringLiteral("server")));
    createWindows();
    // Not a whole number of hours before a bell, when the link would wait.
    Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(8, 10)));
}

void TestServerMode::cleanup()
{
    destroyWindows();
    m_data.reset();
    m_server.reset();
    Clock::useSystem();
}

void TestServerMode::replyWithHttpPort(quint16 port)
{
    m_server->server()->setHandshakeReply("conec$" + QByteArray::number(port)
                                          + "$$$$$$$zvonok$s3cret$$");
}

void TestServerMode::useServer()
{
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = QString::number(m_server->server()->handshakePort());
    Switch = 0;
    Form3->ServLockal();
}

void TestServerMode::handshakeCachesListAndSchemes()
{
    useServer();
    QVERIFY(Form3->link->Timer1->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 25 * 60 * 1000);
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    QCOMPARE(port_HTTP, QString::number(m_server->server()->httpPort()));
    QCOMPARE(login_HTTP, kUser);
    QCOMPARE(pas_HTTP, kPassword);
    QVERIFY(!Form3->link->Timer1->isActive());
    QCOMPARE(Form3->link->IdTCPClient1->state(), QAbstractSocket::UnconnectedState);

    QCOMPARE(bytesOf(m_data->path("server/spisok.ini")),
             Cp1251::encode("Конец\r\nКонец 2\r\n---\r\nНачало\r\nНачало 2\r\n---\r\nСервер "
                            "А\r\nСервер Б\r\n\r\n"));
    const QByteArray scheme = bytesOf(m_data->path("server/Сервер Б.ini"));
    QVERIFY(scheme.startsWith("10:00:10:45: : : :"));
    QCOMPARE(scheme.count("\r\n"), 10); // nine between the ten lines, then the cache's own
    QCOMPARE(zakonch1, QStringLiteral("Конец"));
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
    QVERIFY(Form1->Timer2->isActive());
    QVERIFY(QDir(m_data->path("local")).isEmpty());
}

void TestServerMode::refreshKeepsTheSchemeInForce()
{
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    Form1->Image2Click();
    Form1->Soob();
    QVERIFY(Form1->Label1->text().startsWith(QStringLiteral("Сервер Б\r\n")));

    Form3->link->Timer2Timer(); // 25 minutes later
    QCOMPARE(tek_spis, QStringLiteral("Сервер Б"));
    QTRY_VERIFY_WITH_TIMEOUT(!Form3->link->Timer1->isActive(), 5000);
    QCOMPARE(shem_num, 2);
    QCOMPARE(zvon[1][1], QStringLiteral("10:00"));
}

void TestServerMode::unsafeNamesFromTheServerWriteNothingOutside()
{
    writeUtf8(m_serverRoot.filePath("zvonok/spisok.ini"),
              "a\nb\n---\nc\nd\n---\n..\\..\\x\na/b\n../escape\nspisok\nCON\nСервер А\n");
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 1, 5000);
    QCOMPARE(Form3->sListView2->item(0)->text(), QStringLiteral("Сервер А"));
    QStringList written;
    QDirIterator files(m_data->path(QString()), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        written << QDir(m_data->path(QString())).relativeFilePath(files.next());
    written.sort();
    QCOMPARE(written, QStringList({ "data.bcs", "server/spisok.ini", "server/Сервер А.ini" }));
}

void TestServerMode::nothingListensShowsWaitingAndRetries()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QString deadPort = QString::number(probe.serverPort());
    probe.close();
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = deadPort;
    Switch = 0;
    Form1->Timer2->start();
    Form3->ServLockal();
    QCOMPARE(Form1->Label1->text(),
             QStringLiteral("Ожидание подключения ...\r\nПроверьте настройки"));
    QVERIFY(!Form1->Timer2->isActive());
    QVERIFY(!Form1->Image1->isVisibleTo(Form1));
    QCOMPARE(Form2->Rectangle3->property("tag").toInt(), 0);
    QVERIFY(Form3->link->Timer2->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 10000);
}

void TestServerMode::missingOrBadServerDataArmsNoTimer_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::newRow("no address") << ""
                                << "5000";
    QTest::newRow("no port") << "127.0.0.1"
                             << "";
    QTest::newRow("port not a number") << "127.0.0.1"
                                       << "abc";
    QTest::newRow("port too large") << "127.0.0.1"
                                    << "70000";
    QTest::newRow("negative port") << "127.0.0.1"
                                   << "-1";
}

void TestServerMode::missingOrBadServerDataArmsNoTimer()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    ip_serv = address;
    port_serv = port;
    Switch = 0;
    Form3->ServLockal();
    QCOMPARE(Form1->Label1->text(),
             QStringLiteral("Не указаны данные сервера\r\nПроверьте настройки"));
    QVERIFY(!Form3->link->Timer2->isActive());
    QVERIFY(!Form3->link->Timer1->isActive());
}

void TestServerMode::wrongHttpPortShowsListMissing()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QByteArray deadPort = QByteArray::number(probe.serverPort());
    probe.close();
    m_server->server()->setHandshakeReply("conec$" + deadPort + "$$$$$$$zvonok$s3cret$$");
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form1->Label1->text(),
                              QStringLiteral("Список звонков отсутствует на сервере"), 5000);
    QVERIFY(!Form1->Timer2->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 10000); // one glitch costs seconds, not 25 minutes
    QVERIFY(Form3->link->Timer2->isActive());
    QVERIFY(!Form3->link->Timer1->isActive());
}

void TestServerMode::linkTimerWaitsWhileABellIsNear()
{
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = QString::number(m_server->server()->handshakePort());
    Switch = 0;
    dir_spis = QStringLiteral("server");
    Form3->link->Timer2->start(10000);
    stop_obnov_spis = 1;
    Form3->link->Timer2Timer();
    QCOMPARE(Form3->link->IdTCPClient1->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(!Form3->link->Timer1->isActive());
    QVERIFY(Form3->link->Timer2->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 10000);

    stop_obnov_spis = 0;
    Form3->link->Timer2Timer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
}

void TestServerMode::cachedCopiesServeWhenTheServerIsGone()
{
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    m_server.reset(); // the school server stops
    Form1->Soob();
    const QString shown = Form1->Label1->text();

    Form3->link->Timer2Timer();
    QCOMPARE(Form3->sListView2->count(), 2); // the loaded schemes stay in use
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 10000);
    QCOMPARE(Form1->Label1->text(), shown);

    // The cached list and schemes come back even after the list is reloaded from disk.
    Form3->LoadSpisok();
    QCOMPARE(Form3->sListView2->count(), 2);
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
}

void TestServerMode::switchAppliesModeAndTools()
{
    m_data->writeLines(QStringLiteral("local/spisok.ini"),
                       { "", "", "---", "", "", "---", "Местная" });
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = QString::number(m_server->server()->handshakePort());

    Form3->Rectangle21MouseUp(10); // left half: server
    QCOMPARE(Switch, 0);
    QCOMPARE(readSetting(Cell::LocalMode), QStringLiteral("0"));
    QCOMPARE(Form3->Rectangle21->Circle1->x(), 2);
    QCOMPARE(dir_spis, QStringLiteral("server"));
    QVERIFY(!Form3->sEdit6->isEnabled());
    QVERIFY(!Form3->Image4->isEnabled());
    QVERIFY(!Form3->Rectangle9->isEnabled());
    QVERIFY(!Form3->Image8->isVisibleTo(Form3));
    QCOMPARE(Form3->sListView2->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(Form1->mas_popup_men[2]->isEnabled());
    QVERIFY(Form1->mas_popup_men[3]->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    for (int row = 1; row <= 10; ++row) { // the server's schemes are not edited here
        for (int column = 1; column <= 6; ++column)
            QVERIFY(!Form3->grid.comb[row][column]->isEnabled());
    }

    tek_spis = QStringLiteral("Сервер А");
    Form3->Rectangle21MouseUp(40); // right half: local
    QCOMPARE(Switch, 1);
    QCOMPARE(readSetting(Cell::LocalMode), QStringLiteral("1"));
    QCOMPARE(Form3->Rectangle21->Circle1->x(), 56 - 18 - 2);
    QCOMPARE(dir_spis, QStringLiteral("local"));
    QVERIFY(tek_spis.isEmpty());
    QCOMPARE(Form3->sListView2->count(), 1);
    QCOMPARE(Form3->sListView2->item(0)->text(), QStringLiteral("Местная"));
    QVERIFY(Form3->sEdit6->isEnabled());
    QVERIFY(Form3->Image8->isVisibleTo(Form3));
    QCOMPARE(Form3->sListView2->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(!Form1->mas_popup_men[2]->isEnabled());
    QVERIFY(!Form1->mas_popup_men[3]->isEnabled());
    QVERIFY(!Form3->link->Timer2->isActive());
}

void TestServerMode::storedModeIsAppliedAtStart()
{
    writeSetting(Cell::ServerAddress, QStringLiteral("127.0.0.1"));
    writeSetting(Cell::ServerPort, QString::number(m_server->server()->handshakePort()));
    writeFlag(Cell::LocalMode, false);
    Form3->LoadSetting();
    QCOMPARE(Form3->sEdit2->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(ip_serv, QStringLiteral("127.0.0.1"));
    QCOMPARE(port_serv, QString::number(m_server->server()->handshakePort()));
    QCOMPARE(Switch, 0);
    QCOMPARE(Form3->Rectangle21->Circle1->x(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);

    destroyWindows();
    createWindows();
    writeSetting(Cell::ServerAddress, QStringLiteral("192.168.1.300"));
    writeSetting(Cell::ServerPort, QStringLiteral("-1"));
    writeSetting(Cell::LocalMode, QString());
    Form3->LoadSetting();
    QVERIFY(Form3->sEdit2->text().isEmpty());
    QVERIFY(ip_serv.isEmpty());
    QVERIFY(Form3->sEdit3->text().isEmpty());
    QCOMPARE(Switch, 0); // anything but "1" is server mode
    QCOMPARE(Form1->Label1->text(),
             QStringLiteral("Не указаны данные сервера\r\nПроверьте настройки"));
}

void TestServerMode::saveWebWritesContentWithLineEnd()
{
    dir_spis = QStringLiteral("server");
    Form3->SaveWeb(QStringLiteral("a\r\nb\r\n"), QStringLiteral("Схема"));
    QCOMPARE(bytesOf(m_data->path("server/Схема.ini")), QByteArray("a\r\nb\r\n\r\n"));
    Form3->SaveWeb(QString(), QStringLiteral("Пусто"));
    QCOMPARE(bytesOf(m_data->path("server/Пусто.ini")), QByteArray("\r\n"));
    Form3->SaveWeb(QStringLiteral("x"), QStringLiteral("../escape"));
    QVERIFY(!QFile::exists(m_data->path("escape.ini")));

    // A cache file that cannot be written reaches the caller, and so the general error report.
    QVERIFY(QDir().mkpath(m_data->path("server/Папка.ini")));
    QVERIFY_THROWS_EXCEPTION(AppError,
                             Form3->SaveWeb(QStringLiteral("x"), QStringLiteral("Папка")));
    QVERIFY(QFileInfo(m_data->path("server/Папка.ini")).isDir());
}

void TestServerMode::unusableHandshakeRepliesFailSoon_data()
{
    QTest::addColumn<QByteArray>("reply"); // "%1": a port where a server counts connections
    QTest::newRow("port carrying a host and path")
        << QByteArray("conec$1@127.0.0.1:%1/x?$$$$$$$zvonok$s3cret$$");
    QTest::newRow("bare conec") << QByteArray("conec");
    QTest::newRow("port 0") << QByteArray("conec$0$$$$$$$zvonok$s3cret$$");
    QTest::newRow("port not a number") << QByteArray("conec$http$$$$$$$zvonok$s3cret$$");
    QTest::newRow("port too large") << QByteArray("conec$65536$$$$$$$zvonok$s3cret$$");
}

void TestServerMode::unusableHandshakeRepliesFailSoon()
{
    QFETCH(QByteArray, reply);
    ScriptedServer elsewhere(
        [](const QByteArray &) { return answerAtOnce("HTTP/1.1 200 OK\r\n\r\nx"); });
    m_server->server()->setHandshakeReply(
        reply.replace("%1", QByteArray::number(elsewhere.port())));
    useServer();
    QTRY_VERIFY_WITH_TIMEOUT(!Form3->link->Timer1->isActive(), 5000);
    QCOMPARE(elsewhere.connections(), 0); // the credentials went nowhere
    QVERIFY(m_server->server()->receivedAuthorizations().isEmpty());
    QVERIFY(!QFile::exists(m_data->path("server/spisok.ini")));
    QCOMPARE(Form1->Label1->text(), QStringLiteral("Список звонков отсутствует на сервере"));
    QVERIFY(Form3->link->Timer2->isActive());
    QCOMPARE(Form3->link->Timer2->interval(), 10000);
}

void TestServerMode::replyInPiecesIsJoined()
{
    const QByteArray rest
        = QByteArray::number(m_server->server()->httpPort()) + "$$$$$$$zvonok$s3cret$$";
    ScriptedServer handshake([rest](const QByteArray &) {
        return Answer { { { 0, "con" }, { 250, "ec$" }, { 250, rest } }, false };
    });
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = QString::number(handshake.port());
    Switch = 0;
    Form3->ServLockal();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    QCOMPARE(login_HTTP, kUser);
    QCOMPARE(Form3->link->Timer2->interval(), 25 * 60 * 1000);
}

void TestServerMode::failedRefreshKeepsTheLoadedSchemes()
{
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    Form1->Soob();
    const QString shown = Form1->Label1->text();
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 deadPort = probe.serverPort();
    probe.close();
    replyWithHttpPort(deadPort);
    Form3->link->Timer2Timer();
    QTRY_VERIFY_WITH_TIMEOUT(!Form3->link->Timer1->isActive(), 5000);
    QCOMPARE(Form3->sListView2->count(), 2);
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(Form1->Label1->text(), shown);
    QCOMPARE(Form3->link->Timer2->interval(), 10000);
}

void TestServerMode::badListRepliesKeepTheCache_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("cut inside the headers") << QByteArray("HTTP/1.1 200 OK\r\nContent-Ty");
    QTest::newRow("body shorter than its length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\nКонец\n");
    QTest::newRow("a list of line ends")
        << QByteArray("HTTP/1.1 200 OK\r\n\r\n") + QByteArray(1024 * 1024, '\n');
}

void TestServerMode::badListRepliesKeepTheCache()
{
    QFETCH(QByteArray, reply);
    const QStringList cached = { "Конец", "", "---", "Начало", "", "---", "Сервер А" };
    QDir().mkpath(m_data->path("server"));
    m_data->writeLines(QStringLiteral("server/spisok.ini"), cached);
    ScriptedServer http([reply](const QByteArray &) { return answerAtOnce(reply); });
    replyWithHttpPort(http.port());
    useServer();
    QTRY_VERIFY_WITH_TIMEOUT(!Form3->link->Timer1->isActive(), 5000);
    QCOMPARE(m_data->readLines(QStringLiteral("server/spisok.ini")), cached);
    QCOMPARE(QDir(m_data->path("server")).entryList(QDir::Files), QStringList { "spisok.ini" });
    QCOMPARE(Form3->link->Timer2->interval(), 10000);
}

void TestServerMode::oneBadSchemeDoesNotStopTheRest()
{
    static QStringList reported;
    reported.clear();
    setErrorReport([](const QString &message) { reported << message; });
    const QString longName(300, QLatin1Char('a'));
    writeUtf8(m_serverRoot.filePath("zvonok/spisok.ini"),
              "a\nb\n---\nc\nd\n---\n" + longName + "\nСервер А\nПапка\nСервер Б\n");
    writeUtf8(m_serverRoot.filePath("zvonok/Папка.ini"), mondayLesson("7:00", "7:45"));
    QVERIFY(QDir().mkpath(m_data->path("server/Папка.ini"))); // cannot be written
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 3, 5000);
    setErrorReport(nullptr);
    QCOMPARE(Form3->sListView2->item(2)->text(), QStringLiteral("Сервер Б"));
    QVERIFY(bytesOf(m_data->path("server/Сервер Б.ini")).startsWith("10:00:10:45:"));
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.first().contains(QStringLiteral("Папка.ini")));
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
}

void TestServerMode::slowServerBlocksARefreshAtMostThreeSeconds()
{
    // The list comes at once; every scheme trickles in at one byte a second.
    QStringList names;
    QByteArray list = "a\r\nb\r\n---\r\nc\r\nd\r\n---\r\n";
    for (int i = 1; i <= 10; ++i) {
        names << QStringLiteral("Схема %1").arg(i);
        list += names.last().toUtf8() + "\r\n";
    }
    ScriptedServer http([list](const QByteArray &request) {
        const QByteArray head
            = "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\n\r\n";
        if (request.startsWith("GET /zvonok/spisok.ini "))
            return answerAtOnce(head + list);
        return answerDripping(head + mondayLesson("9:00", "9:45").toUtf8(), 1000);
    });
    QDir().mkpath(m_data->path("server"));
    const QStringList cachedScheme = mondayLesson("8:30", "9:15").split(QLatin1Char('\n'));
    for (const QString &name : names)
        m_data->writeLines(QStringLiteral("server/%1.ini").arg(name), cachedScheme);
    replyWithHttpPort(http.port());
    useServer();
    Form3->link->Timer1->stop(); // the test runs the poll itself, to time it
    QTRY_VERIFY_WITH_TIMEOUT(Form3->link->IdTCPClient1->bytesAvailable() > 0, 5000);

    QElapsedTimer blocked;
    blocked.start();
    Form3->link->Timer1Timer();
    QVERIFY2(blocked.elapsed() < 3500, qPrintable(QString::number(blocked.elapsed())));

    QCOMPARE(Form3->sListView2->count(), 10);
    for (const QString &name : names) // the downloads cut short keep their cached copies
        QCOMPARE(m_data->readLines(QStringLiteral("server/%1.ini").arg(name)), cachedScheme);
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(zvon[1][1], QStringLiteral("8:30"));
}

void TestServerMode::bellDueDuringARefreshStillRings()
{
    Form3->sRadioButton4->setChecked(true); // rings: one known file per event
    useServer();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(8, 27)));
    Form1->Soob(); // before lessons, taken silently
    QCOMPARE(star_status, 1);

    Form3->link->Timer2Timer(); // a refresh three minutes before the bell...
    Form1->Timer2->stop(); // ...that holds the ticks back while the bell falls due
    Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(8, 30, 1)));
    QTRY_VERIFY_WITH_TIMEOUT(Form1->Timer2->isActive(), 5000); // the list is back
    QTRY_COMPARE_WITH_TIMEOUT(bellPlayer()->played().size(), 1, 3000);
    QVERIFY(bellPlayer()->played().first().endsWith(QStringLiteral("begin.mp3")));
    QCOMPARE(star_status, 2);
}

void TestServerMode::switchingToLocalWhileAReplyIsPendingLeavesLocalAlone()
{
    const QStringList local = { "", "", "---", "", "", "---", "Местная" };
    m_data->writeLines(QStringLiteral("local/spisok.ini"), local);
    const QByteArray reply
        = "conec$" + QByteArray::number(m_server->server()->httpPort()) + "$$$$$$$zvonok$s3cret$$";
    ScriptedServer handshake([reply](const QByteArray &) { return answerAtOnce(reply); });
    ip_serv = QStringLiteral("127.0.0.1");
    port_serv = QString::number(handshake.port());
    Switch = 0;
    Form3->ServLockal();
    // The server has answered and closed; the reply waits for the next poll.
    Form3->link->Timer1->stop();
    QTRY_VERIFY_WITH_TIMEOUT(Form3->link->IdTCPClient1->state() != QAbstractSocket::ConnectedState,
                             5000);
    Form3->link->Timer1->start();

    Form3->Rectangle21MouseUp(40); // local mode
    QTest::qWait(600);
    QVERIFY(!Form3->link->Timer1->isActive());
    QCOMPARE(m_data->readLines(QStringLiteral("local/spisok.ini")), local);
    QCOMPARE(QDir(m_data->path("local")).entryList(QDir::Files), QStringList { "spisok.ini" });
    QCOMPARE(Form3->sListView2->count(), 1);

    Form3->SaveWeb(QStringLiteral("x"), QStringLiteral("spisok")); // a late download, too
    QCOMPARE(m_data->readLines(QStringLiteral("local/spisok.ini")), local);
}

void TestServerMode::addressWithLeadingZerosReachesThePlainHost()
{
    ip_serv = QStringLiteral("127.000.000.001");
    port_serv = QString::number(m_server->server()->handshakePort());
    Switch = 0;
    Form3->ServLockal();
    QTRY_COMPARE_WITH_TIMEOUT(Form3->sListView2->count(), 2, 5000);
    QCOMPARE(ip_serv, QStringLiteral("127.000.000.001")); // the stored text stays as typed
}

QTEST_MAIN(TestServerMode)
#include "tst_server_mode.moc"
