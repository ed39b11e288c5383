#include "common/bells_application.h"

#include "common/error_report.h"

BellsApplication::BellsApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The strip and the side panel are tool windows: closing the last ordinary window (the
    // settings, a message) must not end a program that runs all day.
    setQuitOnLastWindowClosed(false);
}

bool BellsApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCaughtError();
    }
    return false;
}
