// The application object. Its notify() is the general error report: a failure that ends an
// event handler is shown and the program goes on. Only "Выход" or a code-1 message ends it.
#pragma once

#include <QApplication>

class BellsApplication : public QApplication
{
public:
    BellsApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
