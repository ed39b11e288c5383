#include "common/bells_application.h"

#include "common/app_error.h"

#include <QMessageBox>

namespace {

void showErrorBox(const QString &message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Ошибка"), message);
}

ErrorReport currentReport = showErrorBox;

} // namespace

void setErrorReport(ErrorReport report)
{
    currentReport = report ? report : showErrorBox;
}

void reportError(const QString &message)
{
    currentReport(message);
}

BellsApplication::BellsApplication(int &argc, char **argv) : QApplication(argc, argv) { }

bool BellsApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &error) {
        reportError(error.message());
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
