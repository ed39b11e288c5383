// Linux: office programs read text/html; text/plain serves a terminal or a text editor.
#include "timetable/html_clipboard_platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool writeHtmlClipboard(const std::string &, const std::string &html, const std::string &plain)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto *data = new QMimeData;
    data->setHtml(QString::fromStdString(html));
    data->setText(QString::fromStdString(plain));
    clipboard->setMimeData(data);
    return true;
}
