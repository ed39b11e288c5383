#include "common/error_report.h"

#include "common/app_error.h"

#include <QMessageBox>
#include <QSet>

namespace {

// A box that does not block: start-up and the status tick go on while it waits for a click.
void showBox(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->show();
}

void showErrorBox(const QString &message)
{
    showBox(QMessageBox::Critical, QStringLiteral("Ошибка"), message);
}

void showInformBox(const QString &text)
{
    showBox(QMessageBox::Information, QStringLiteral("Информация"), text);
}

MessageSink errorSink = showErrorBox;
MessageSink informSink = showInformBox;
QSet<QString> reported;

} // namespace

void reportError(const QString &message)
{
    if (reported.contains(message))
        return;
    reported.insert(message);
    errorSink(message);
}

void reportCaughtError()
{
    try {
        throw;
    } catch (const AppError &error) {
        reportError(error.message());
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Непредвиденная ошибка"));
    }
}

bool reportingErrors(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (...) {
        reportCaughtError();
    }
    return false;
}

void informUser(const QString &text)
{
    informSink(text);
}

void setErrorReport(MessageSink sink)
{
    errorSink = sink ? sink : showErrorBox;
    reported.clear();
}

void setInformReport(MessageSink sink)
{
    informSink = sink ? sink : showInformBox;
    reported.clear();
}
