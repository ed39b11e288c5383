#include "school_server.h"

#include "http_request.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace {

constexpr qsizetype kMaxHeadBytes = 16 * 1024;

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decoding happens on conversion to QString
    return !decoder.hasError();
}

QByteArray contentTypeOf(const QString &path, const QByteArray &body)
{
    const QByteArray kind = path.endsWith(QLatin1String(".html")) ? "text/html" : "text/plain";
    return kind + "; charset=" + (isUtf8(body) ? "utf-8" : "windows-1251");
}

// The file under `root` that a request path names, or empty when it names none or lies outside.
QString fileUnderRoot(const QString &root, const QByteArray &target)
{
    const QByteArray path
        = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(path));
    if (!decoded.startsWith(QLatin1Char('/')) || decoded.contains(QLatin1Char('\\'))
        || decoded.contains(QChar(0)))
        return QString();
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonical = QFileInfo(canonicalRoot + decoded).canonicalFilePath();
    if (canonical.isEmpty() || !canonical.startsWith(canonicalRoot + QLatin1Char('/'))
        || !QFileInfo(canonical).isFile())
        return QString();
    return canonical;
}

} // namespace

SchoolServer::SchoolServer(const SchoolServerConfig &config, QObject *parent)
    : QObject(parent), m_config(config), m_handshake(new QTcpServer(this)),
      m_http(new QTcpServer(this))
{
    connect(m_handshake, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_handshake->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this,
                    [this, socket] { answerHandshake(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    connect(m_http, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_http->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answerHttp(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool SchoolServer::listen()
{
    return m_handshake->listen(m_config.address, m_config.handshakePort)
        && m_http->listen(m_config.address, m_config.httpPort);
}

quint16 SchoolServer::handshakePort() const
{
    return m_handshake->serverPort();
}

quint16 SchoolServer::httpPort() const
{
    return m_http->serverPort();
}

QByteArray SchoolServer::handshakeReply() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_handshakeReply.isEmpty())
        return m_handshakeReply;
    // Fields 1 and 3 to 8 and 11 carry nothing the program reads.
    return "conecschool$" + QByteArray::number(m_http->serverPort()) + "$$$$$$$"
        + m_config.user.toUtf8() + "$" + m_config.password.toUtf8() + "$end$";
}

void SchoolServer::setHandshakeReply(const QByteArray &reply)
{
    QMutexLocker lock(&m_mutex);
    m_handshakeReply = reply;
}

void SchoolServer::addRedirect(const QByteArray &path, const QByteArray &location)
{
    QMutexLocker lock(&m_mutex);
    m_redirects.insert(path, location);
}

QList<QByteArray> SchoolServer::receivedAuthorizations() const
{
    QMutexLocker lock(&m_mutex);
    return m_authorizations;
}

void SchoolServer::answerHandshake(QTcpSocket *socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine().trimmed() == "higxfOzcj")
            socket->write(handshakeReply());
    }
    if (socket->bytesAvailable() > kMaxHeadBytes)
        socket->abort();
}

void SchoolServer::answerHttp(QTcpSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        if (head.size() > kMaxHeadBytes)
            socket->abort();
        else
            socket->setProperty("head", head);
        return;
    }
    socket->write(respondTo(head));
    socket->disconnectFromHost();
}

QByteArray SchoolServer::respondTo(const QByteArray &head)
{
    const auto request = parseHttpRequestHead(head);
    if (!request)
        return httpResponse(400, "Bad Request", {}, {});
    {
        QMutexLocker lock(&m_mutex);
        m_authorizations << request->headers.value("authorization");
    }
    if (request->method != "GET")
        return httpResponse(405, "Method Not Allowed", {}, {});
    const QByteArray expected
        = "Basic " + (m_config.user + QLatin1Char(':') + m_config.password).toUtf8().toBase64();
    if (request->headers.value("authorization") != expected)
        return httpResponse(401, "Unauthorized",
                            { { "WWW-Authenticate", "Basic realm=\"school\"" } }, {});
    {
        QMutexLocker lock(&m_mutex);
        if (m_redirects.contains(request->target))
            return httpResponse(302, "Found",
                                { { "Location", m_redirects.value(request->target) } }, {});
    }
    const QString path = fileUnderRoot(m_config.root, request->target);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return httpResponse(404, "Not Found", {}, {});
    const QByteArray body = file.readAll();
    return httpResponse(200, "OK", { { "Content-Type", contentTypeOf(path, body) } }, body);
}
