#include "timetable/html_clipboard.h"

#include <QRegularExpression>

namespace {

const QString kTableStart
    = QStringLiteral("<table border=\"1\" style=\"border-collapse: collapse;\">");
const QString kTableEnd = QStringLiteral("</table>");
constexpr qsizetype kHeaderBytes = 81;

QString cell(const QString &content)
{
    return QStringLiteral("<td>") + content + QStringLiteral("</td>");
}

// A time cell from an hour and a minute box: a single space when both are unset.
QString timeCell(const QString &hour, const QString &minute)
{
    const QString time = hour + QLatin1Char(':') + minute;
    return cell(time == QLatin1String(" : ") ? QStringLiteral(" ") : time);
}

QString valueCell(const QString &text)
{
    return cell(text.isEmpty() ? QStringLiteral(" ") : text);
}

} // namespace

QByteArray FormatHTMLClipboardHeader(const QByteArray &html)
{
    const qsizetype total = kHeaderBytes + html.size() + 2;
    QByteArray payload = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:000081\r\n"
                         "EndFragment:"
        + QByteArray::number(total).rightJustified(6, '0') + "\r\n";
    return payload + html + "\r\n";
}

QString bellTimesTable(const QList<QStringList> &rows)
{
    QString html = kTableStart
        + QStringLiteral("<tr><td>№</td><td>Начало</td><td>Окончание</td><td>Длительность</td>"
                         "<td>Перемена</td></tr>");
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList &c = rows[i]; // columns 1..6 at 0..5
        html += QStringLiteral("<tr>") + cell(QString::number(i + 1)) + timeCell(c[0], c[1])
            + timeCell(c[2], c[3]) + valueCell(c[4]) + valueCell(c[5]) + QStringLiteral("</tr>");
    }
    return html + kTableEnd;
}

QString timetableTable(const QList<QStringList> &first, const QList<QStringList> &second)
{
    QString html = kTableStart;
    for (int i = 0; i < first.size(); ++i) {
        html += QStringLiteral("<tr>");
        for (int j = 0; j < first[i].size(); ++j) {
            const bool header = i == 0 || j == 0;
            const QString top = header
                ? QStringLiteral("<b>") + first[i][j] + QStringLiteral("</b>")
                : first[i][j];
            const QString bottom = header ? QString() : second.value(i).value(j);
            html += cell(top + QStringLiteral("<br>") + bottom);
        }
        html += QStringLiteral("</tr>");
    }
    return html + kTableEnd;
}

QString plainTextOfTable(const QString &html)
{
    QString text = html;
    text.replace(QStringLiteral("<br>"), QStringLiteral(" "));
    text.replace(QStringLiteral("</td>"), QStringLiteral("\t"));
    text.replace(QStringLiteral("</tr>"), QStringLiteral("\n"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.remove(tag);
    text.replace(QStringLiteral("\t\n"), QStringLiteral("\n"));
    return text;
}
