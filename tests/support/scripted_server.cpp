#include "support/scripted_server.h"

#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// A request is complete with its first line, or for HTTP with the blank line after its headers.
bool isComplete(const QByteArray &request)
{
    if (request.startsWith("GET "))
        return request.contains("\r\n\r\n");
    return request.contains('\n');
}

} // namespace

class ScriptedServerCore : public QTcpServer
{
public:
    explicit ScriptedServerCore(ScriptedServer *owner) : m_owner(owner)
    {
        connect(this, &QTcpServer::newConnection, this, &ScriptedServerCore::accept);
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = nextPendingConnection()) {
            {
                QMutexLocker lock(&m_owner->m_mutex);
                ++m_owner->m_connections;
            }
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (socket->property("answered").toBool() || !isComplete(request))
            return;
        socket->setProperty("answered", true);
        {
            QMutexLocker lock(&m_owner->m_mutex);
            m_owner->m_requests << request;
        }
        const Answer answer = m_owner->m_script(request);
        int at = 0;
        QPointer<QTcpSocket> guarded(socket);
        for (const Piece &piece : answer.pieces) {
            at += piece.delayMs;
            QTimer::singleShot(at, socket, [guarded, piece] {
                if (guarded)
                    guarded->write(piece.bytes);
            });
        }
        if (answer.close)
            QTimer::singleShot(at, socket, [guarded] {
                if (guarded)
                    guarded->disconnectFromHost();
            });
    }

    ScriptedServer *m_owner;
};

Answer answerAtOnce(const QByteArray &bytes)
{
    return { { { 0, bytes } }, true };
}

Answer answerDripping(const QByteArray &bytes, int everyMs)
{
    Answer answer;
    for (char c : bytes)
        answer.pieces.append({ everyMs, QByteArray(1, c) });
    return answer;
}

ScriptedServer::ScriptedServer(Script script) : m_script(std::move(script))
{
    auto *core = new ScriptedServerCore(this);
    core->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, core, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(
        core,
        [this, core] {
            if (core->listen(QHostAddress::LocalHost))
                m_port = core->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

ScriptedServer::~ScriptedServer()
{
    m_thread.quit();
    m_thread.wait();
}

int ScriptedServer::connections() const
{
    QMutexLocker lock(&m_mutex);
    return m_connections;
}

QList<QByteArray> ScriptedServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}
