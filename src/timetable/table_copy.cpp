// The two copy icons: the bell times of the editor and the timetable on screen, as HTML tables
// on the clipboard, through the settings window's one routine.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "timetable/html_clipboard.h"
#include "timetable/html_clipboard_platform.h"
#include "timetable/timetable_grid.h"
#include "timetable/timetable_window.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

void TForm3::StrToClipboard(const QString &html)
{
    const QByteArray utf8 = html.toUtf8();
    writeHtmlClipboard(FormatHTMLClipboardHeader(utf8).toStdString(), utf8.toStdString(),
                       plainTextOfTable(html).toStdString());
}

void TForm3::Image9Click()
{
    QList<QStringList> rows;
    for (int row = 1; row <= kLessonRows; ++row) {
        QStringList values;
        for (int column = 1; column <= kGridColumns; ++column)
            values << grid.comb[row][column]->currentText();
        rows << values;
    }
    StrToClipboard(bellTimesTable(rows));
}

void TForm2::Image9Click()
{
    QList<QStringList> first;
    QList<QStringList> second;
    for (int i = 0; i <= kol_ur && i < rasp.ur.size(); ++i) {
        QStringList top;
        QStringList bottom;
        for (int j = 0; j <= kol_klas && j < rasp.ur[i].size(); ++j) {
            top << rasp.ur[i][j]->text();
            bottom << (rasp.kab[i][j] ? rasp.kab[i][j]->text() : QString());
        }
        first << top;
        second << bottom;
    }
    Form3->StrToClipboard(timetableTable(first, second));
}
