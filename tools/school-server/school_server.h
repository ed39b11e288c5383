// The reference school server. The handshake port answers "higxfOzcj" with the "conec" reply
// that carries the HTTP port and credentials; the HTTP port serves the files under the root
// folder to GET requests with Basic authentication, never a file outside the root.
#pragma once

#include <QHostAddress>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

struct SchoolServerConfig
{
    QString root;
    QString user;
    QString password;
    QHostAddress address = QHostAddress::LocalHost;
    quint16 handshakePort = 0; // 0: any free port
    quint16 httpPort = 0;
};

class SchoolServer : public QObject
{
    Q_OBJECT
public:
    explicit SchoolServer(const SchoolServerConfig &config, QObject *parent = nullptr);

    Q_INVOKABLE bool listen();
    quint16 handshakePort() const;
    quint16 httpPort() const;

    // The reply to the handshake; by default "conec" with this server's HTTP port and credentials.
    QByteArray handshakeReply() const;
    void setHandshakeReply(const QByteArray &reply);

    // A path answered with a redirect to `location` instead of a file.
    void addRedirect(const QByteArray &path, const QByteArray &location);

    // The Authorization headers of the HTTP requests received so far, in order.
    QList<QByteArray> receivedAuthorizations() const;

private:
    void answerHandshake(QTcpSocket *socket);
    void answerHttp(QTcpSocket *socket);
    QByteArray respondTo(const QByteArray &head);

    SchoolServerConfig m_config;
    QTcpServer *m_handshake;
    QTcpServer *m_http;
    mutable QMutex m_mutex;
    QByteArray m_handshakeReply;
    QMap<QByteArray, QByteArray> m_redirects;
    QList<QByteArray> m_authorizations;
};
