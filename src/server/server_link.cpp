#include "server/server_link.h"

#include "common/globals.h"
#include "server/handshake_reply.h"
#include "server/http_fetch.h"
#include "server/ip_address.h"
#include "shell/settings_window.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int kConnectTimeoutMs = 400;
constexpr int kReplyPollMs = 200;
constexpr int kRetryMs = 10 * 1000;
constexpr int kRefreshMs = 25 * 60 * 1000;
// A reply is one short line; a server that sends more cannot make the program hold it all.
constexpr qint64 kReplyBufferBytes = 64 * 1024;

} // namespace

ServerLink::ServerLink(QObject *parent)
    : QObject(parent), IdTCPClient1(new QTcpSocket(this)), Timer1(new QTimer(this)),
      Timer2(new QTimer(this))
{
    IdTCPClient1->setObjectName(QStringLiteral("IdTCPClient1"));
    IdTCPClient1->setReadBufferSize(kReplyBufferBytes);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kReplyPollMs);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1, &QTimer::timeout, this, &ServerLink::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &ServerLink::Timer2Timer);
}

void ServerLink::showNoServerList(const QString &text)
{
    Form1->Label1->setText(text);
    Form2->Rectangle3->setProperty("tag", 0);
}

void ServerLink::ServerConekt()
{
    // A port that is not a whole number from 0 to 65535 is as good as none.
    if (ip_serv.isEmpty() || port_serv.isEmpty() || !isPortNumber(port_serv)) {
        showNoServerList(QStringLiteral("Не указаны данные сервера\r\nПроверьте настройки"));
        return;
    }
    if (IdTCPClient1->state() != QAbstractSocket::ConnectedState) {
        IdTCPClient1->abort();
        IdTCPClient1->connectToHost(ip_serv, static_cast<quint16>(port_serv.toUInt()));
        if (!IdTCPClient1->waitForConnected(kConnectTimeoutMs)) {
            IdTCPClient1->abort();
            if (Form3->sListView2->count() == 0) {
                Form1->hideArrows();
                showNoServerList(QStringLiteral("Ожидание подключения ...\r\nПроверьте настройки"));
                Form1->Timer2->stop();
            }
            Timer2->start(kRetryMs);
        }
    }
    if (IdTCPClient1->state() == QAbstractSocket::ConnectedState) {
        Timer2->start(kRefreshMs);
        if (!Timer1->isActive())
            Timer1->start();
        soobsen(kHandshakeRequest);
    }
}

void ServerLink::soobsen(const QByteArray &line)
{
    if (IdTCPClient1->state() != QAbstractSocket::ConnectedState
        || IdTCPClient1->write(line + "\r\n") < 0) {
        TCPDis();
        return;
    }
    IdTCPClient1->flush();
}

void ServerLink::TCPDis()
{
    Timer1->stop();
    IdTCPClient1->abort();
}

void ServerLink::Timer1Timer()
{
    // What arrived before the server closed the connection still counts.
    const QString text = QString::fromLatin1(IdTCPClient1->readAll());
    if (text.isEmpty() && IdTCPClient1->state() != QAbstractSocket::ConnectedState) {
        TCPDis();
        return;
    }
    const auto reply = parseHandshakeReply(text);
    if (!reply)
        return;
    port_HTTP = reply->httpPort;
    login_HTTP = reply->login;
    pas_HTTP = reply->password;
    TCPDis();

    const QString list
        = ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini")));
    if (list == kDownloadError) {
        showNoServerList(QStringLiteral("Список звонков отсутствует на сервере"));
        Form1->hideArrows();
        Form1->Timer2->stop();
        return;
    }
    Form3->SaveWeb(list, QStringLiteral("spisok"));
}

void ServerLink::Timer2Timer()
{
    if (stop_obnov_spis != 0)
        return;
    const QString shown = Form1->Label1->text();
    const qsizetype lineEnd = shown.indexOf(QStringLiteral("\r\n"));
    tek_spis = lineEnd < 0 ? QString() : shown.left(lineEnd);
    ServerConekt();
}
