// The link to the school server: the TCP handshake that yields the HTTP port and credentials,
// the download of the scheme list it leads to, and the link timer that repeats it.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

class QTcpSocket;
class QTimer;

class ServerLink : public QObject
{
    Q_OBJECT
public:
    explicit ServerLink(QObject *parent);

    QTcpSocket *IdTCPClient1;
    QTimer *Timer1; // reply poll, 200 ms
    QTimer *Timer2; // link timer: 10 s after a failed connection, 25 min after a good one

    void ServerConekt();
    void soobsen(const QByteArray &line);
    void TCPDis();
    void Timer1Timer();
    void Timer2Timer();

private:
    void showNoServerList(const QString &text);
    void exchangeFailed();

    QByteArray m_reply; // the pieces of the reply that have arrived so far
    QElapsedTimer m_replyWait; // since the request was sent
};
