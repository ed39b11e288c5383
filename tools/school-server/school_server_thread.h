// Runs a school server in a thread of its own, for tests: the program's downloads block the
// thread that calls them, so a server in that same thread could never answer.
#pragma once

#include "school_server.h"

#include <QThread>

class SchoolServerThread
{
public:
    explicit SchoolServerThread(const SchoolServerConfig &config);
    ~SchoolServerThread();
    SchoolServerThread(const SchoolServerThread &) = delete;
    SchoolServerThread &operator=(const SchoolServerThread &) = delete;

    bool isListening() const { return m_listening; }
    SchoolServer *server() const { return m_server; }

private:
    QThread m_thread;
    SchoolServer *m_server;
    bool m_listening = false;
};
