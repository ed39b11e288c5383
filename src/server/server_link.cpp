#include "server/server_link.h"

#include "common/globals.h"
#include "server/handshake_reply.h"
#include "server/http_fetch.h"
#include "server/ip_address.h"
#include "server/refresh_budget.h"
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
// The pieces of one reply are joined for at most this long after the request.
constexpr int kReplyWaitMs = 2000;
constexpr qsizetype kReplyFields = 11;
const QByteArray kReplyStart = QByteArrayLiteral("conec");

// Text that cannot be, or begin, a reply is ignored, as the server may send other lines.
bool mayBeReply(const QByteArray &text)
{
    return text.size() >= kReplyStart.size() ? text.startsWith(kReplyStart)
                                             : kReplyStart.startsWith(text);
}

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
    // A port that is not a whole number from 1 to 65535, or an address that is no IP address,
    // is as good as none.
    const QString host = plainAddress(ip_serv);
    if (host.isEmpty() || port_serv.isEmpty() || !isPortNumber(port_serv)) {
        showNoServerList(QStringLiteral("Не указаны данные сервера\r\nПроверьте настройки"));
        return;
    }
    if (IdTCPClient1->state() != QAbstractSocket::ConnectedState) {
        IdTCPClient1->abort();
        IdTCPClient1->connectToHost(host, static_cast<quint16>(port_serv.toUInt()));
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
        m_reply.clear();
        m_replyWait.start();
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
    m_reply.clear();
}

void ServerLink::Timer1Timer()
{
    if (Switch != 0) { // local mode never downloads
        TCPDis();
        return;
    }
    // What arrived before the server closed the connection still counts.
    m_reply += IdTCPClient1->readAll();
    if (!mayBeReply(m_reply))
        m_reply.clear();
    const bool whole = m_reply.count('$') >= kReplyFields || m_reply.size() >= kReplyBufferBytes;
    const bool closed = IdTCPClient1->state() != QAbstractSocket::ConnectedState;
    if (!whole && !closed && !m_replyWait.hasExpired(kReplyWaitMs))
        return; // the rest of the reply may still come
    const auto reply = parseHandshakeReply(QString::fromLatin1(m_reply));
    TCPDis();
    // The port goes into every URL, with the credentials: it must be a port and nothing more.
    if (!reply || !isPortNumber(reply->httpPort)) {
        exchangeFailed();
        return;
    }
    port_HTTP = reply->httpPort;
    login_HTTP = reply->login;
    pas_HTTP = reply->password;

    const RefreshBudget budget;
    const QString list
        = ZaprosHTTP(serverFileUrl(QStringLiteral("zvonok"), QStringLiteral("spisok.ini")),
                     budget.limits(kSchemeFileMaxBytes));
    if (list == kDownloadError) {
        exchangeFailed();
        return;
    }
    Form3->SaveWeb(list, QStringLiteral("spisok"));
}

void ServerLink::exchangeFailed()
{
    // Soon again, as after a failed connection; schemes already loaded stay in use meanwhile.
    Timer2->start(kRetryMs);
    if (Form3->sListView2->count() > 0)
        return;
    showNoServerList(QStringLiteral("Список звонков отсутствует на сервере"));
    Form1->hideArrows();
    Form1->Timer2->stop();
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
