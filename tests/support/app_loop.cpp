#include "support/app_loop.h"

#include <QCoreApplication>
#include <QTimer>

int runLoopWith(const std::function<void()> &step, int ms)
{
    QObject scope; // no timer of this run outlives it
    QTimer::singleShot(0, &scope, step);
    QTimer::singleShot(ms, &scope, [] { QCoreApplication::exit(kStillRunning); });
    return QCoreApplication::exec();
}
