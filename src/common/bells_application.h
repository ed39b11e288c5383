// The application object: its notify() is the general error report. A file error that ends an
// event handler is shown as a modal "Ошибка" message and the program goes on.
#pragma once

#include <QApplication>

class BellsApplication : public QApplication
{
public:
    BellsApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows an error that ended a handler; tests replace the report to see what reached it.
using ErrorReport = void (*)(const QString &message);
void setErrorReport(ErrorReport report);
void reportError(const QString &message);
