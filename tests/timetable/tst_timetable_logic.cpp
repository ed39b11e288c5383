// The timetable file as text: the header, the records, the field rules and the teacher keys,
// and what is no timetable at all.
#include "timetable/free_rooms.h"
#include "timetable/html_clipboard.h"
#include "timetable/timetable_file.h"

#include <QFile>
#include <QTest>

namespace {

const QString kExample = QStringLiteral(
    "rasp||Гимназия 2||2||2||5А$5Б$||Математика$12$Иванова А.А.$Русский язык$14$Петров П.П., "
    "Сидоров С.С.$| $ $ $Физика$21$Орлов О.О.$|");

} // namespace

class TestTimetableLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theExample();
    void teacherFields_data();
    void teacherFields();
    void noTimetable_data();
    void noTimetable();
    void missingFieldsAndRecordsReadEmpty();
    void teachersAreListedOnceInOrdinalOrder();
    void roomFields_data();
    void roomFields();
    void freeRoomsPerLesson();
    void roomList();
    void demoSchoolTimetableParses();
    void clipboardPayloadByteForByte();
    void bellTimesTableRows();
    void timetableTableRowsAndCells();
};

void TestTimetableLogic::theExample()
{
    const auto t = parseTimetable(kExample);
    QVERIFY(t);
    QCOMPARE(t->organisation, QStringLiteral("Гимназия 2"));
    QCOMPARE(t->lessons, 2);
    QCOMPARE(t->classes, 2);
    QCOMPARE(t->classNames, QStringList({ "5А", "5Б" }));
    QCOMPARE(t->cells[0][0].subject, QStringLiteral("Математика"));
    QCOMPARE(t->cells[0][0].room, QStringLiteral("12"));
    QCOMPARE(t->cells[0][0].key, QStringLiteral(",Иванова А.А.,"));
    QCOMPARE(t->cells[0][1].key, QStringLiteral(",Петров П.П.,Сидоров С.С.,"));
    QCOMPARE(t->cells[0][1].teachers, QStringLiteral("Петров П.П., Сидоров С.С."));
    // 5А has no second lesson: no key, no hint, its room text (a space) still shown.
    QCOMPARE(t->cells[1][0].subject, QStringLiteral(" "));
    QCOMPARE(t->cells[1][0].room, QStringLiteral(" "));
    QVERIFY(t->cells[1][0].key.isEmpty());
    QVERIFY(t->cells[1][0].teachers.isEmpty());
    QCOMPARE(t->cells[1][1].room, QStringLiteral("21"));
    QCOMPARE(t->teachers,
             QStringList({ "Иванова А.А.", "Орлов О.О.", "Петров П.П.", "Сидоров С.С." }));
}

void TestTimetableLogic::teacherFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("key");
    QTest::newRow("one") << "Орлов О.О." << QStringList { "Орлов О.О." } << ",Орлов О.О.,";
    QTest::newRow("two") << "Петров П.П., Сидоров С.С."
                         << QStringList { "Петров П.П.", "Сидоров С.С." }
                         << ",Петров П.П.,Сидоров С.С.,";
    QTest::newRow("no space after the comma: a letter lost")
        << "Петров П.П.,Сидоров С.С." << QStringList { "Петров П.П.", "идоров С.С." }
        << ",Петров П.П.,идоров С.С.,";
    QTest::newRow("nothing after the comma")
        << "Петров П.П.," << QStringList { "Петров П.П.", "" } << ",Петров П.П.,,";
}

void TestTimetableLogic::teacherFields()
{
    QFETCH(QString, field);
    QTEST(teacherNames(field), "names");
    QTEST(teacherKey(field), "key");
}

void TestTimetableLogic::noTimetable_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("empty") << "";
    QTest::newRow("no marker") << "Нет расписания на эту дату";
    QTest::newRow("marker in another case") << "RASP||Ш||1||1||5А$||а$1$б$|";
    QTest::newRow("lessons not a number") << "rasp||Ш||шесть||1||5А$||";
    QTest::newRow("negative classes") << "rasp||Ш||1||-1||5А$||";
    QTest::newRow("201 classes") << "rasp||Ш||1||201||5А$||";
    QTest::newRow("21 lessons") << "rasp||Ш||21||1||5А$||";
    QTest::newRow("a million classes") << "rasp||Ш||1||1000000||5А$||";
    QTest::newRow("a header separator missing") << "rasp||Ш||1||1|5А$|а$1$б$|";
    QTest::newRow("count with a space") << "rasp||Ш|| 1||1||5А$||";
}

void TestTimetableLogic::noTimetable()
{
    QFETCH(QString, body);
    QVERIFY(!parseTimetable(body));
}

void TestTimetableLogic::missingFieldsAndRecordsReadEmpty()
{
    // Class 2's room lacks its "$": it and everything after it in the record read empty; the
    // second record is missing altogether.
    const auto t = parseTimetable(QStringLiteral("rasp||Ш||2||3||5А$5Б$||а$1$Орлов$б$2|"));
    QVERIFY(t);
    QCOMPARE(t->classNames, QStringList({ "5А", "5Б", "" }));
    QCOMPARE(t->cells[0][0].subject, QStringLiteral("а"));
    QCOMPARE(t->cells[0][1].subject, QStringLiteral("б"));
    QVERIFY(t->cells[0][1].room.isEmpty());
    QVERIFY(t->cells[0][2].subject.isEmpty());
    for (const TimetableCell &cell : t->cells[1])
        QVERIFY(cell.subject.isEmpty() && cell.key.isEmpty());
    QCOMPARE(t->teachers, QStringList { "Орлов" });
    QVERIFY(parseTimetable(QStringLiteral("rasp||Ш||0||0||||"))); // an empty day is a timetable
}

void TestTimetableLogic::teachersAreListedOnceInOrdinalOrder()
{
    const auto t = parseTimetable(QStringLiteral(
        "rasp||Ш||2||2||5А$5Б$||а$1$Ёлкина$б$2$Агеев, Ёлкина$|в$1$агеев$ $3$Скрытый$|"));
    QVERIFY(t);
    // Ё (U+0401) before А (U+0410); names differing in case both listed; a cell without a
    // lesson gives no name.
    QCOMPARE(t->teachers, QStringList({ "Ёлкина", "Агеев", "агеев" }));
}

void TestTimetableLogic::roomFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("room");
    QTest::addColumn<bool>("names");
    QTest::newRow("the room") << "12"
                              << "12" << true;
    QTest::newRow("first of two, backslash") << "14\\21"
                                             << "14" << true;
    QTest::newRow("second of two, backslash") << "14\\21"
                                              << "21" << true;
    QTest::newRow("second of two, slash") << "14/21"
                                          << "21" << true;
    QTest::newRow("three: the first") << "12\\14\\21"
                                      << "12" << true;
    QTest::newRow("three: not the second") << "12\\14\\21"
                                           << "14" << false;
    QTest::newRow("three: not the third") << "12\\14\\21"
                                          << "21" << false;
    QTest::newRow("between slashes only") << "12"
                                          << "1" << false;
    QTest::newRow("not inside 21") << "21"
                                   << "1" << false;
    QTest::newRow("case counts") << "спортзал"
                                 << "Спортзал" << false;
    QTest::newRow("an empty field names the empty room") << ""
                                                         << "" << true;
}

void TestTimetableLogic::roomFields()
{
    QFETCH(QString, field);
    QFETCH(QString, room);
    QTEST(namesRoom(field, room), "names");
}

void TestTimetableLogic::freeRoomsPerLesson()
{
    const QStringList rooms = { "12", "14", "21" };
    const FreeRooms free = findFreeRooms(rooms, { { "12", "14\\21" }, { "12", " " }, { "", "" } });
    QCOMPARE(free.perLesson, QStringList({ "", "14, 21", "12, 14, 21" }));
    QCOMPARE(free.columnWidth, 70); // "12, 14, 21" is 10 characters: 60, below the least

    const FreeRooms wide = findFreeRooms({ "101", "102", "103" }, { { "" } });
    QCOMPARE(wide.perLesson, QStringList { "101, 102, 103" });
    QCOMPARE(wide.columnWidth, 75); // 13 characters; the window then 35 + 75 + 53 = 163
    QCOMPARE(PoiskKab(QStringLiteral("12"), { "14", "12" }), 1);
    QCOMPARE(PoiskKab(QStringLiteral("12"), {}), 0);
    QCOMPARE(findFreeRooms({}, QList<QStringList>(7)).perLesson.size(), 7);
}

void TestTimetableLogic::roomList()
{
    QCOMPARE(splitRoomList(QStringLiteral("12/14/21/Спортзал/")),
             QStringList({ "12", "14", "21", "Спортзал" }));
    QCOMPARE(splitRoomList(QStringLiteral("12//14/хвост")), QStringList({ "12", "", "14" }));
    QCOMPARE(splitRoomList(QStringLiteral("без косых")), QStringList());
}

void TestTimetableLogic::demoSchoolTimetableParses()
{
    QFile file(QStringLiteral(BELLS_DEMO_SCHOOL "/raspisanie/demo.ini2"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto t = parseTimetable(QString::fromUtf8(file.readAll()));
    QVERIFY(t);
    QCOMPARE(t->classes, 20);
    QCOMPARE(t->lessons, 7);
    QVERIFY(t->teachers.size() >= 10);
    int twoRooms = 0;
    int twoTeachers = 0;
    for (const auto &row : t->cells) {
        for (const TimetableCell &cell : row) {
            twoRooms
                += cell.room.contains(QLatin1Char('\\')) || cell.room.contains(QLatin1Char('/'));
            twoTeachers += cell.key.count(QLatin1Char(',')) == 3;
        }
    }
    QVERIFY(twoRooms > 0);
    QVERIFY(twoTeachers > 0);
}

void TestTimetableLogic::clipboardPayloadByteForByte()
{
    const QByteArray empty = FormatHTMLClipboardHeader(QByteArray());
    QCOMPARE(empty,
             QByteArray("Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\n"
                        "StartFragment:000081\r\nEndFragment:000083\r\n\r\n"));
    QCOMPARE(empty.size(), 83);
    const QByteArray html = QStringLiteral("<b>Звонки</b>").toUtf8(); // 6 letters, 12 bytes
    const QByteArray payload = FormatHTMLClipboardHeader(html);
    QCOMPARE(payload.size(), 81 + 7 + 12 + 2);
    QVERIFY(payload.contains("EndFragment:000102\r\n"));
    QCOMPARE(payload.mid(81, html.size()), html);
    QVERIFY(payload.endsWith("</b>\r\n"));
}

void TestTimetableLogic::bellTimesTableRows()
{
    QList<QStringList> rows(10, QStringList(6, QStringLiteral(" ")));
    rows[0] = QStringList { "8", "30", "9", "15", "45", "10" };
    rows[1] = QStringList { " ", "15", " ", " ", "", "" };
    const QString html = bellTimesTable(rows);
    QCOMPARE(html.count(QStringLiteral("<tr>")), 11);
    QVERIFY(html.startsWith(QStringLiteral(
        "<table border=\"1\" style=\"border-collapse: collapse;\"><tr><td>№</td><td>Начало</td>"
        "<td>Окончание</td><td>Длительность</td><td>Перемена</td></tr>")));
    QVERIFY(html.contains(
        QStringLiteral("<tr><td>1</td><td>8:30</td><td>9:15</td><td>45</td><td>10</td></tr>")));
    QVERIFY(html.contains(
        QStringLiteral("<tr><td>2</td><td> :15</td><td> </td><td> </td><td> </td></tr>")));
    QVERIFY(html.endsWith(QStringLiteral("</table>")));
    QVERIFY(plainTextOfTable(html).startsWith(
        QStringLiteral("№\tНачало\tОкончание\tДлительность\tПеремена\n1\t8:30\t9:15\t45\t10\n")));
}

void TestTimetableLogic::timetableTableRowsAndCells()
{
    QList<QStringList> first(7, QStringList(21, QStringLiteral("Физика")));
    QList<QStringList> second(7, QStringList(21, QStringLiteral("21")));
    first[0][0] = QStringLiteral("№");
    first[0][1] = QStringLiteral("5А");
    first[3][0] = QStringLiteral("3");
    first[2][2] = QStringLiteral("a<b & c");
    const QString html = timetableTable(first, second);
    QCOMPARE(html.count(QStringLiteral("<tr>")), 7);
    QCOMPARE(html.count(QStringLiteral("</tr>")), 7);
    QCOMPARE(html.count(QStringLiteral("<td>")), 7 * 21);
    QVERIFY(html.contains(QStringLiteral("<tr><td><b>№</b><br></td><td><b>5А</b><br></td>")));
    QVERIFY(html.contains(QStringLiteral("<td><b>3</b><br></td>")));
    QVERIFY(html.contains(QStringLiteral("<td>Физика<br>21</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>a<b & c<br>21</td>"))); // unescaped
}

QTEST_GUILESS_MAIN(TestTimetableLogic)
#include "tst_timetable_logic.moc"
