// The yardstick: the least a Qt tray program showing one frameless two-line label needs.
// Prints "ready" when its window is shown, then its resident memory, and ends.
#include "resident_memory.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel strip(QStringLiteral("Основное\r\nИдет 1 урок до 9:15. До конца 46 мин."));
    strip.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    strip.setAttribute(Qt::WA_TranslucentBackground);
    QSystemTrayIcon tray(app.style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();
    strip.show();
    QTimer::singleShot(0, [] {
        std::printf("ready\nresident %ld\n", residentKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
