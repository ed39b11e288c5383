#include "school_server_thread.h"

SchoolServerThread::SchoolServerThread(const SchoolServerConfig &config)
    : m_server(new SchoolServer(config))
{
    m_server->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(m_server, &SchoolServer::listen, Qt::BlockingQueuedConnection,
                              &m_listening);
}

SchoolServerThread::~SchoolServerThread()
{
    m_thread.quit();
    m_thread.wait();
}
