// The handshake reply, the address and port checks, and the decoding of a downloaded body.
#include "common/globals.h"
#include "server/handshake_reply.h"
#include "server/http_fetch.h"
#include "server/ip_address.h"

#include <QTest>

class TestServerLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void handshakeReply_data();
    void handshakeReply();
    void address_data();
    void address();
    void port_data();
    void port();
    void plainAddresses_data();
    void plainAddresses();
    void bodyDecoding_data();
    void bodyDecoding();
};

void TestServerLogic::handshakeReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::newRow("full reply") << "conec$8080$$$$$$$user$secret$x$" << true << "8080"
                                << "user"
                                << "secret";
    QTest::newRow("anything in unused fields") << "conecA$81$b$c$d$e$f$g$u$p$z$" << true << "81"
                                               << "u"
                                               << "p";
    QTest::newRow("password without its $") << "conec$8080$$$$$$$user$secret" << true << "8080"
                                            << "user"
                                            << "";
    QTest::newRow("cut after the port") << "conec$8080$" << true << "8080"
                                        << ""
                                        << "";
    QTest::newRow("port without its $") << "conec$8080" << true << ""
                                        << ""
                                        << "";
    QTest::newRow("two replies: the first counts")
        << "conec$1$$$$$$$a$b$c$conec$2$$$$$$$d$e$f$" << true << "1"
        << "a"
        << "b";
    QTest::newRow("empty fields replace") << "conec$$$$$$$$$$$" << true << ""
                                          << ""
                                          << "";
    QTest::newRow("case differs") << "CONEC$8080$$$$$$$user$secret$x$" << false << ""
                                  << ""
                                  << "";
    QTest::newRow("leading space") << " conec$8080$" << false << ""
                                   << ""
                                   << "";
    QTest::newRow("empty") << "" << false << ""
                           << ""
                           << "";
}

void TestServerLogic::handshakeReply()
{
    QFETCH(QString, reply);
    QFETCH(bool, accepted);
    const auto parsed = parseHandshakeReply(reply);
    QCOMPARE(parsed.has_value(), accepted);
    if (!parsed)
        return;
    QTEST(parsed->httpPort, "port");
    QTEST(parsed->login, "login");
    QTEST(parsed->password, "password");
}

void TestServerLogic::address_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("loopback") << "127.0.0.1" << true;
    QTest::newRow("edges") << "0.255.0.255" << true;
    QTest::newRow("leading zeros") << "010.001.000.009" << true;
    QTest::newRow("three parts") << "192.168.1" << false;
    QTest::newRow("five parts") << "192.168.1.1.1" << false;
    QTest::newRow("part of 256") << "192.168.1.256" << false;
    QTest::newRow("192.168.1.300") << "192.168.1.300" << false;
    QTest::newRow("empty part") << "192..1.1" << false;
    QTest::newRow("trailing dot") << "192.168.1.1." << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("sign") << "+1.2.3.4" << false;
    QTest::newRow("minus") << "1.2.3.-4" << false;
    QTest::newRow("space") << "1.2.3. 4" << false;
    QTest::newRow("four digits") << "0001.2.3.4" << false;
    QTest::newRow("hex") << "0x1.2.3.4" << false;
    QTest::newRow("host name") << "school.local" << false;
    QTest::newRow("quote") << "1.2.3.4'" << false;
}

void TestServerLogic::address()
{
    QFETCH(QString, address);
    QTEST(IpRes(address), "valid");
}

void TestServerLogic::port_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("valid");
    QTest::newRow("8080") << "8080" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("leading zero") << "080" << true;
    QTest::newRow("six digits") << "000080" << false;
    QTest::newRow("path after the port") << "41961/x?" << false;
    QTest::newRow("65535") << "65535" << true;
    QTest::newRow("65536") << "65536" << false;
    QTest::newRow("70000") << "70000" << false;
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("abc") << "abc" << false;
    QTest::newRow("space") << " 80" << false;
    QTest::newRow("empty") << "" << false;
}

void TestServerLogic::port()
{
    QFETCH(QString, port);
    QTEST(isPortNumber(port), "valid");
}

void TestServerLogic::plainAddresses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("plain");
    QTest::newRow("plain") << "192.168.1.10"
                           << "192.168.1.10";
    // Octal to the socket layer and libcurl (192.168.1.8); decimal to the user who typed it.
    QTest::newRow("leading zeros") << "192.168.001.010"
                                   << "192.168.1.10";
    QTest::newRow("a name lookup to Qt") << "08.0.0.1"
                                         << "8.0.0.1";
    QTest::newRow("all zeros") << "000.000.000.000"
                               << "0.0.0.0";
    QTest::newRow("not an address") << "school.local" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestServerLogic::plainAddresses()
{
    QFETCH(QString, typed);
    QTEST(plainAddress(typed), "plain");
    ip_serv = typed;
    port_HTTP = QStringLiteral("8080");
    if (!plainAddress(typed).isEmpty())
        QCOMPARE(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini")),
                 QStringLiteral("http://%1:8080/zvonok/spisok.ini").arg(plainAddress(typed)));
}

void TestServerLogic::bodyDecoding_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<QString>("text");
    QTest::newRow("no charset: UTF-8")
        << QByteArray("Урок") << QByteArray("text/plain") << true << "Урок";
    QTest::newRow("no content type") << QByteArray("abc") << QByteArray() << true << "abc";
    QTest::newRow("windows-1251") << QByteArray("\xD3\xF0\xEE\xEA")
                                  << QByteArray("text/plain; charset=windows-1251") << true
                                  << "Урок";
    QTest::newRow("quoted, upper case")
        << QByteArray("\xD3\xF0\xEE\xEA") << QByteArray("text/plain; Charset=\"WINDOWS-1251\"")
        << true << "Урок";
    QTest::newRow("invalid UTF-8")
        << QByteArray("\xD3\xF0\xEE\xEA") << QByteArray("text/plain; charset=utf-8") << false << "";
    QTest::newRow("unknown charset")
        << QByteArray("abc") << QByteArray("text/plain; charset=x-nonsense") << false << "";
}

void TestServerLogic::bodyDecoding()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QFETCH(bool, decoded);
    QString text;
    QCOMPARE(decodeBody(body, contentType, text), decoded);
    if (decoded)
        QTEST(text, "text");
}

QTEST_GUILESS_MAIN(TestServerLogic)
#include "tst_server_logic.moc"
