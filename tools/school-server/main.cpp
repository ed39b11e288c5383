// school-server --root DIR --handshake-port N --http-port M --user U --password P [--address A]
#include "school_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a folder as a school server: handshake and HTTP."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Folder to serve."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption handshake(QStringLiteral("handshake-port"),
                                       QStringLiteral("Handshake port."), QStringLiteral("N"));
    const QCommandLineOption http(QStringLiteral("http-port"), QStringLiteral("HTTP port."),
                                  QStringLiteral("M"));
    const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("HTTP user name."),
                                  QStringLiteral("U"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("HTTP password."),
                                      QStringLiteral("P"));
    const QCommandLineOption address(QStringLiteral("address"),
                                     QStringLiteral("Address to listen on."), QStringLiteral("A"),
                                     QStringLiteral("127.0.0.1"));
    parser.addOptions({ root, handshake, http, user, password, address });
    parser.process(app);

    SchoolServerConfig config;
    config.root = QDir(parser.value(root)).absolutePath();
    config.user = parser.value(user);
    config.password = parser.value(password);
    config.address = QHostAddress(parser.value(address));
    config.handshakePort = static_cast<quint16>(parser.value(handshake).toUInt());
    config.httpPort = static_cast<quint16>(parser.value(http).toUInt());
    if (!parser.isSet(root) || !QDir(config.root).exists()) {
        std::fprintf(stderr, "school-server: --root must name an existing folder\n");
        return 2;
    }
    SchoolServer server(config);
    if (!server.listen()) {
        std::fprintf(stderr, "school-server: cannot listen on the given ports\n");
        return 1;
    }
    std::printf("school-server: handshake on %u, HTTP on %u, serving %s\n", server.handshakePort(),
                server.httpPort(), qPrintable(config.root));
    std::fflush(stdout);
    return app.exec();
}
