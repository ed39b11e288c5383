// The bell time editor: the grid's arithmetic as a table, and the editor in the settings window
// against a real scheme file: weekday pages, copying a weekday, saving.
#include "common/clock.h"
#include "common/globals.h"
#include "editor/bell_grid_logic.h"
#include "schedule/scheme_file.h"
#include "shell/message_window.h"
#include "shell/settings_window.h"
#include "support/data_dir.h"
#include "support/windows_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

// Rows of six values, "_" for blank.
GridValues gridOf(const QStringList &rows)
{
    GridValues v;
    for (auto &row : v)
        row.fill(QStringLiteral(" "));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList values = rows[r].split(QLatin1Char(' '));
        for (int c = 0; c < 6; ++c)
            v[r + 1][c + 1] = values[c] == QLatin1String("_") ? QStringLiteral(" ") : values[c];
    }
    return v;
}

QStringList rowsOf(const GridValues &v)
{
    QStringList rows;
    for (int r = 1; r <= kLessonRows; ++r) {
        QStringList values;
        for (int c = 1; c <= 6; ++c)
            values << (v[r][c].trimmed().isEmpty() ? QStringLiteral("_") : v[r][c]);
        rows << values.join(QLatin1Char(' '));
    }
    return rows;
}

const QString kBlankRow = QStringLiteral("_ _ _ _ _ _");

QStringList withBlankRows(QStringList rows)
{
    while (rows.size() < kLessonRows)
        rows << kBlankRow;
    return rows;
}

void choose(int row, int column, const QString &text)
{
    QComboBox *box = Form3->grid.comb[row][column];
    box->setCurrentIndex(box->findText(text));
}

} // namespace

class TestBellEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recalculation_data();
    void recalculation();

    void init();
    void cleanup();
    void weekdayPagesKeepUnsavedEntries();
    void copyingMondayOntoTuesdayRecalculates();
    void saveWritesTheWeekAndRunsTheFirstScheme();
    void addKeepsListAndFileInStep_data();
    void addKeepsListAndFileInStep();
    void deleteAsksAndLeavesTheRest();
    void moveKeepsTheSchemeInForce();
    void copyIconPutsTheTableOnTheClipboard();

private:
    std::unique_ptr<TempDataFolder> m_data;
};

void TestBellEditor::recalculation_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("8:30, 45 and 10, then 40 with no break")
        << QStringList { "8 30 _ _ 45 10", "_ _ _ _ 40 _" }
        << withBlankRows({ "8 30 9 15 45 10", "9 25 10 05 40 _" });
    QTest::newRow("the first start moved to 8:00 moves every row")
        << QStringList { "8 00 9 15 45 10", "9 25 10 05 40 10", "_ _ _ _ 40 _" }
        << withBlankRows({ "8 00 8 45 45 10", "8 55 9 35 40 10", "9 45 10 25 40 _" });
    QTest::newRow("a blank break ends the day")
        << QStringList { "8 00 _ _ 45 10", "_ _ _ _ 45 _", "_ _ _ _ 45 10", "_ _ _ _ 45 10" }
        << withBlankRows({ "8 00 8 45 45 10", "8 55 9 40 45 _" });
    QTest::newRow("a length on a blank row stays blank")
        << QStringList { "_ _ _ _ 45 _", "_ _ _ _ 40 _" } << withBlankRows({});
    QTest::newRow("rows above the first start are cleared")
        << QStringList { "_ _ _ _ 45 10", "9 00 _ _ 45 _" }
        << withBlankRows({ kBlankRow, "9 00 9 45 45 _" });
    QTest::newRow("nothing runs past 23:55")
        << QStringList { "23 00 _ _ 45 10", "_ _ _ _ 15 5", "_ _ _ _ 15 _" }
        << withBlankRows({ "23 00 23 45 45 10" });
    QTest::newRow("a first lesson past midnight is no lesson")
        << QStringList { "23 30 _ _ 45 _" } << withBlankRows({});
}

void TestBellEditor::recalculation()
{
    QFETCH(QStringList, before);
    GridValues v = gridOf(before);
    recalculateBellGrid(v);
    QTEST(rowsOf(v), "after");
}

void TestBellEditor::init()
{
    m_data = std::make_unique<TempDataFolder>();
    m_data->writeLines(QStringLiteral("local/spisok.ini"),
                       { "", "", "---", "", "", "---", "Основное", "Второе" });
    createWindows();
    Form3->CreateNewShema(QStringLiteral("Основное"));
    Form3->CreateNewShema(QStringLiteral("Второе"));
    Form3->LoadSpisok();
    Form3->ComboEnabl();
    Form3->Label1->setText(QStringLiteral("1")); // Monday's page
    Form3->ListView2Click();
}

void TestBellEditor::cleanup()
{
    destroyWindows();
    m_data.reset();
}

void TestBellEditor::weekdayPagesKeepUnsavedEntries()
{
    choose(1, 1, QStringLiteral("8"));
    choose(1, 2, QStringLiteral("30"));
    choose(1, 5, QStringLiteral("45"));
    QCOMPARE(Form3->grid.comb[1][3]->currentText(), QStringLiteral("9"));
    QVERIFY(Form3->Rectangle9->font().bold()); // unsaved
    Form3->DenClick(2);
    QCOMPARE(Form3->grid.comb[1][1]->currentText(), QStringLiteral(" "));
    QVERIFY(Form3->grid.denradbut[2]->isChecked());
    Form3->DenClick(1);
    QCOMPARE(Form3->grid.comb[1][1]->currentText(), QStringLiteral("8"));
    QCOMPARE(Form3->grid.comb[1][4]->currentText(), QStringLiteral("15"));
}

void TestBellEditor::copyingMondayOntoTuesdayRecalculates()
{
    choose(1, 1, QStringLiteral("8"));
    choose(1, 2, QStringLiteral("30"));
    choose(1, 5, QStringLiteral("45"));
    choose(1, 6, QStringLiteral("10"));
    choose(2, 5, QStringLiteral("40"));
    Form3->DenClick(2);
    Form3->MenuItem1Click(Form3->PopupMenu4->actions().at(0)); // "понедельник"
    QCOMPARE(Form3->grid.comb[2][1]->currentText(), QStringLiteral("9"));
    QCOMPARE(Form3->grid.comb[2][2]->currentText(), QStringLiteral("25"));
    QCOMPARE(Form3->grid.comb[2][4]->currentText(), QStringLiteral("05"));
    QCOMPARE(Form3->PopupMenu4->actions().at(3)->text(), QStringLiteral("черверг"));
}

void TestBellEditor::saveWritesTheWeekAndRunsTheFirstScheme()
{
    Form3->sListView2->setCurrentRow(1); // "Второе"
    Form3->ListView2Click();
    choose(1, 1, QStringLiteral("8"));
    choose(1, 2, QStringLiteral("30"));
    choose(1, 5, QStringLiteral("45"));
    choose(1, 6, QStringLiteral("10"));
    choose(2, 5, QStringLiteral("40"));
    Form3->DenClick(3); // Wednesday too
    choose(1, 1, QStringLiteral("9"));
    choose(1, 2, QStringLiteral("00"));
    choose(1, 5, QStringLiteral("40"));
    shem_num = 2;
    Form3->Rectangle9Click();

    const QStringList lines = m_data->readLines(QStringLiteral("local/Второе.ini"));
    QCOMPARE(lines.size(), 10);
    const QString blankDay = QStringLiteral(" : : : : : :");
    QCOMPARE(lines[0],
             QStringLiteral("8:30:9:15:45:10:") + blankDay + QStringLiteral("9:00:9:40:40: :")
                 + blankDay.repeated(4));
    QCOMPARE(lines[1], QStringLiteral("9:25:10:05:40: :") + blankDay.repeated(6));
    QVERIFY(lines[9].endsWith(QStringLiteral("::")));
    QCOMPARE(shem_num, 1); // the widget runs the list's first scheme
    QCOMPARE(start_prog, 1);
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(Form6->Label1->text(), QStringLiteral("Данные сохранены"));
    QVERIFY(!Form3->Rectangle9->font().bold());
    QCOMPARE(Form3->sListView2->currentItem()->text(), QStringLiteral("Второе"));
}

void TestBellEditor::addKeepsListAndFileInStep_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: added
    QTest::newRow("a new name, trimmed") << "  Сокращённое "
                                         << "";
    QTest::newRow("a name already there") << "Второе"
                                          << "Такой расписание уже существует";
    QTest::newRow("a name no file can have") << "a/b"
                                             << "Недопустимое имя расписания";
    QTest::newRow("the list file's own name") << "spisok"
                                              << "Недопустимое имя расписания";
}

void TestBellEditor::addKeepsListAndFileInStep()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Form3->sEdit6->setText(typed);
    Form3->Image4Click();
    const QStringList lines = m_data->readLines(QStringLiteral("local/spisok.ini"));
    if (message.isEmpty()) {
        QCOMPARE(Form3->sListView2->count(), 3);
        QCOMPARE(lines.last(), QStringLiteral("Сокращённое"));
        QCOMPARE(Form3->sListView2->currentItem()->text(), QStringLiteral("Сокращённое"));
        QCOMPARE(m_data->readLines(QStringLiteral("local/Сокращённое.ini")), blankSchemeLines());
        QVERIFY(Form3->sEdit6->text().isEmpty());
    } else {
        QCOMPARE(Form6->Label1->text(), message);
        QCOMPARE(Form3->sListView2->count(), 2);
    }
}

void TestBellEditor::deleteAsksAndLeavesTheRest()
{
    Form3->show();
    Form3->sListView2->setCurrentRow(0);
    QTimer::singleShot(100, Form3, [] { Form3->ButtonSoob2->click(); }); // "Нет"
    Form3->E1Click();
    QCOMPARE(Form3->sListView2->count(), 2);
    QTimer::singleShot(100, Form3, [] {
        QVERIFY(Form3->LabelSoob1->text().endsWith(QStringLiteral("Основное?")));
        Form3->ButtonSoob1->click();
    });
    Form3->E1Click();
    QCOMPARE(Form3->sListView2->count(), 1);
    QVERIFY(!QFile::exists(m_data->path(QStringLiteral("local/Основное.ini"))));
    QCOMPARE(m_data->readLines(QStringLiteral("local/spisok.ini")).mid(6),
             QStringList { "Второе" });
    QVERIFY(Form1->Timer2->isActive());
    QCOMPARE(shem_num, 1);

    QTimer::singleShot(100, Form3, [] { Form3->ButtonSoob1->click(); });
    Form3->E1Click(); // the only scheme
    QCOMPARE(Form3->sListView2->count(), 0);
    QVERIFY(!Form1->Timer2->isActive());
    QVERIFY(!Form3->sGroupBox6->isEnabled());
    QVERIFY(!Form1->Label1->isVisibleTo(Form1));
}

void TestBellEditor::moveKeepsTheSchemeInForce()
{
    shem_num = 1; // "Основное" runs
    Form3->sListView2->setCurrentRow(0);
    QVERIFY(!Form3->MenuItem8->isEnabled()); // the first cannot go up
    Form3->MenuItem8Click(Form3->MenuItem9); // down
    QCOMPARE(m_data->readLines(QStringLiteral("local/spisok.ini")).mid(6),
             QStringList({ "Второе", "Основное" }));
    QCOMPARE(Form3->sListView2->currentRow(), 1);
    QCOMPARE(shem_num, 2); // still "Основное"
    QVERIFY(!Form3->MenuItem9->isEnabled());
    Form3->sListView2->setCurrentItem(nullptr);
    Form3->MenuItem8Click(Form3->MenuItem8); // nothing selected: nothing happens
    QCOMPARE(Form3->sListView2->item(0)->text(), QStringLiteral("Второе"));
}

void TestBellEditor::copyIconPutsTheTableOnTheClipboard()
{
    choose(1, 1, QStringLiteral("8"));
    choose(1, 2, QStringLiteral("30"));
    choose(1, 5, QStringLiteral("45"));
    QTest::mouseClick(Form3->Image9, Qt::LeftButton);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    QVERIFY(
        data->html().contains(QStringLiteral("<td>1</td><td>8:30</td><td>9:15</td><td>45</td>")));
    QCOMPARE(data->html().count(QStringLiteral("<tr>")), 11);
    QVERIFY(data->text().contains(QStringLiteral("1\t8:30\t9:15\t45\t \n")));
}

QTEST_MAIN(TestBellEditor)
#include "tst_bell_editor.moc"
