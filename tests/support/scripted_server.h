// A misbehaving loopback server for tests, in a thread of its own (the program's downloads block
// the thread that calls them). For each request it sends the pieces its script gives, each after
// its delay, then closes the connection or keeps it open.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QThread>
#include <functional>

struct Piece
{
    int delayMs; // after the previous piece, or after the request for the first
    QByteArray bytes;
};

struct Answer
{
    QList<Piece> pieces;
    bool close = true;
};

// The answer to one request: a handshake line, or an HTTP request head.
using Script = std::function<Answer(const QByteArray &request)>;

// The bytes at once, then the close.
Answer answerAtOnce(const QByteArray &bytes);
// The bytes one at a time, `everyMs` apart.
Answer answerDripping(const QByteArray &bytes, int everyMs);

class ScriptedServer
{
public:
    explicit ScriptedServer(Script script);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    quint16 port() const { return m_port; }
    int connections() const;
    QList<QByteArray> requests() const; // request heads received, in order

private:
    friend class ScriptedServerCore;
    Script m_script;
    QThread m_thread;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    int m_connections = 0;
    QList<QByteArray> m_requests;
};
