// The download against real loopback servers: the reference school server, a port nothing
// listens on, and a server that accepts and never answers.
#include "common/globals.h"
#include "school_server_thread.h"
#include "server/http_fetch.h"
#include "support/scripted_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

quint16 unusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when probe goes
}

} // namespace

class TestHttpFetch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void answers_data();
    void answers();
    void wrongCredentialsGiveEmptyText();
    void credentialsAreUtf8();
    void namesArePercentEncoded();
    void refusedConnectionIsAnErrorQuickly();
    void silentServerIsAnErrorWithinThreeSeconds();
    void oversizedBodyIsAnError();
    void redirectsAreLimitedAndKeepCredentialsHome();
    void serverNeverServesOutsideItsRoot();
    void brokenRepliesAreErrors_data();
    void brokenRepliesAreErrors();
    void schemeFilesAreLimitedTo64KiB();
    void noTimeLeftSendsNothing();

private:
    QTemporaryDir m_root;
    std::unique_ptr<SchoolServerThread> m_server;
};

void TestHttpFetch::initTestCase()
{
    writeFile(m_root.filePath("root/zvonok/spisok.ini"), "a\r\nb\r\n");
    writeFile(m_root.filePath("root/zvonok/utf8.ini"), "Основное");
    writeFile(m_root.filePath("root/zvonok/cp1251.ini"), "\xCE\xF1\xED\xEE\xE2\xED\xEE\xE5");
    writeFile(m_root.filePath("root/zvonok/lf.ini"), "\n");
    writeFile(m_root.filePath("root/zvonok/crlf.ini"), "\r\n");
    writeFile(m_root.filePath("root/zvonok/empty.ini"), "");
    writeFile(m_root.filePath("root/zvonok/Вторая смена.ini"), "ok");
    writeFile(m_root.filePath("root/big.ini"), QByteArray(16 * 1024 * 1024 + 1, 'x'));
    writeFile(m_root.filePath("root/64k.ini"), QByteArray(64 * 1024, 'x'));
    writeFile(m_root.filePath("root/64k1.ini"), QByteArray(64 * 1024 + 1, '\n'));
    writeFile(m_root.filePath("secret.ini"), "secret");
    m_server = std::make_unique<SchoolServerThread>(SchoolServerConfig {
        m_root.filePath("root"), QStringLiteral("школа"), QStringLiteral("пароль 1") });
    QVERIFY(m_server->isListening());
}

void TestHttpFetch::init()
{
    ip_serv = QStringLiteral("127.0.0.1");
    port_HTTP = QString::number(m_server->server()->httpPort());
    login_HTTP = QStringLiteral("школа");
    pas_HTTP = QStringLiteral("пароль 1");
}

void TestHttpFetch::answers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("result");
    QTest::newRow("a body") << "spisok.ini"
                            << "a\r\nb\r\n";
    QTest::newRow("UTF-8 body") << "utf8.ini"
                                << "Основное";
    QTest::newRow("Windows-1251 body") << "cp1251.ini"
                                       << "Основное";
    QTest::newRow("404 is empty, not an error") << "missing.ini"
                                                << "";
    QTest::newRow("a lone line feed is empty") << "lf.ini"
                                               << "";
    QTest::newRow("CR LF stays") << "crlf.ini"
                                 << "\r\n";
    QTest::newRow("empty body") << "empty.ini"
                                << "";
}

void TestHttpFetch::answers()
{
    QFETCH(QString, file);
    QTEST(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), file)), "result");
}

void TestHttpFetch::wrongCredentialsGiveEmptyText()
{
    pas_HTTP = QStringLiteral("wrong");
    QCOMPARE(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini"))),
             QString());
}

void TestHttpFetch::credentialsAreUtf8()
{
    ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini")));
    QCOMPARE(m_server->server()->receivedAuthorizations().last(),
             "Basic " + QStringLiteral("школа:пароль 1").toUtf8().toBase64());
}

void TestHttpFetch::namesArePercentEncoded()
{
    const QString url = serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("Вторая смена.ini"));
    QVERIFY(url.endsWith(QStringLiteral(
        "/zvonok/%D0%92%D1%82%D0%BE%D1%80%D0%B0%D1%8F%20%D1%81%D0%BC%D0%B5%D0%BD%D0%B0.ini")));
    QCOMPARE(ZaprosHTTP(url), QStringLiteral("ok"));
    QVERIFY(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("../x"))
                .endsWith(QStringLiteral("/zvonok/..%2Fx")));
}

void TestHttpFetch::refusedConnectionIsAnErrorQuickly()
{
    port_HTTP = QString::number(unusedPort());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini"))),
             kDownloadError);
    QVERIFY(clock.elapsed() < 3000);
}

void TestHttpFetch::silentServerIsAnErrorWithinThreeSeconds()
{
    QTcpServer silent; // accepted by the system, never read nor answered
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    port_HTTP = QString::number(silent.serverPort());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini"))),
             kDownloadError);
    QVERIFY(clock.elapsed() < 3000);
}

void TestHttpFetch::oversizedBodyIsAnError()
{
    QCOMPARE(ZaprosHTTP(QStringLiteral("http://127.0.0.1:%1/big.ini").arg(port_HTTP)),
             kDownloadError);
}

void TestHttpFetch::redirectsAreLimitedAndKeepCredentialsHome()
{
    QTemporaryDir otherRoot;
    writeFile(otherRoot.filePath("zvonok/spisok.ini"), "other");
    SchoolServerThread other(
        { otherRoot.path(), QStringLiteral("школа"), QStringLiteral("пароль 1") });
    QVERIFY(other.isListening());
    const QByteArray otherUrl = "http://127.0.0.1:" + QByteArray::number(other.server()->httpPort())
        + "/zvonok/spisok.ini";
    m_server->server()->addRedirect("/moved.ini", otherUrl);
    // The other host answers 401 without the credentials, which never reach it.
    QCOMPARE(ZaprosHTTP(QStringLiteral("http://127.0.0.1:%1/moved.ini").arg(port_HTTP)), QString());
    QCOMPARE(other.server()->receivedAuthorizations(), QList<QByteArray> { QByteArray() });

    m_server->server()->addRedirect("/r1", "/r2");
    m_server->server()->addRedirect("/r2", "/r3");
    m_server->server()->addRedirect("/r3", "/zvonok/spisok.ini");
    QCOMPARE(ZaprosHTTP(QStringLiteral("http://127.0.0.1:%1/r1").arg(port_HTTP)),
             QStringLiteral("a\r\nb\r\n"));
    m_server->server()->addRedirect("/r0", "/r1");
    QCOMPARE(ZaprosHTTP(QStringLiteral("http://127.0.0.1:%1/r0").arg(port_HTTP)), kDownloadError);
}

void TestHttpFetch::serverNeverServesOutsideItsRoot()
{
    const QByteArray auth = "Basic " + QStringLiteral("школа:пароль 1").toUtf8().toBase64();
    for (const QByteArray &target :
         { QByteArray("/../secret.ini"), QByteArray("/zvonok/../../secret.ini"),
           QByteArray("/%2E%2E/secret.ini"), QByteArray("/zvonok/..%2F..%2Fsecret.ini") }) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_server->server()->httpPort());
        QVERIFY(socket.waitForConnected(2000));
        socket.write("GET " + target + " HTTP/1.1\r\nHost: x\r\nAuthorization: " + auth
                     + "\r\n\r\n");
        QByteArray response;
        while (socket.waitForReadyRead(2000))
            response += socket.readAll();
        QVERIFY2(response.startsWith("HTTP/1.1 404"), target.constData());
        QVERIFY(!response.contains("secret"));
    }
}

void TestHttpFetch::brokenRepliesAreErrors_data()
{
    QTest::addColumn<QByteArray>("reply"); // sent whole, then the connection is closed
    QTest::addColumn<QString>("result");
    QTest::newRow("cut inside the headers")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Ty") << kDownloadError;
    QTest::newRow("cut inside the status line") << QByteArray("HTTP/1.1 20") << kDownloadError;
    QTest::newRow("closed without a word") << QByteArray() << kDownloadError;
    QTest::newRow("cut after the status line")
        << QByteArray("HTTP/1.1 200 OK\r\n") << kDownloadError;
    QTest::newRow("body shorter than its length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc") << kDownloadError;
    QTest::newRow("headers ended, no body")
        << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n") << QString();
    QTest::newRow("body up to the close")
        << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nabc") << "abc";
}

void TestHttpFetch::brokenRepliesAreErrors()
{
    QFETCH(QByteArray, reply);
    ScriptedServer server([reply](const QByteArray &) { return answerAtOnce(reply); });
    port_HTTP = QString::number(server.port());
    QTEST(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini"))),
          "result");
}

void TestHttpFetch::schemeFilesAreLimitedTo64KiB()
{
    const FetchLimits scheme { 2500, kSchemeFileMaxBytes };
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(port_HTTP);
    QCOMPARE(ZaprosHTTP(base + QStringLiteral("64k.ini"), scheme).size(), 64 * 1024);
    QCOMPARE(ZaprosHTTP(base + QStringLiteral("64k1.ini"), scheme), kDownloadError);
    QCOMPARE(ZaprosHTTP(base + QStringLiteral("64k1.ini")).size(), 64 * 1024 + 1);
}

void TestHttpFetch::noTimeLeftSendsNothing()
{
    const qsizetype before = m_server->server()->receivedAuthorizations().size();
    QCOMPARE(ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini")),
                        { 0, kSchemeFileMaxBytes }),
             kDownloadError);
    QCOMPARE(m_server->server()->receivedAuthorizations().size(), before);
}

QTEST_GUILESS_MAIN(TestHttpFetch)
#include "tst_http_fetch.moc"
