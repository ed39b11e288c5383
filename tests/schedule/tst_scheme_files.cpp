// Scheme files and the scheme list as text: reading into both forms, the save's normalisation,
// writing, and which names are safe to use as file names.
#include "schedule/scheme_file.h"
#include "schedule/scheme_list.h"
#include "schedule/scheme_name.h"

#include <QTest>

namespace {

// A line whose groups are given; the rest of the 7 groups are blank.
QString lineOf(const QStringList &groups)
{
    QString line;
    for (int d = 0; d < 7; ++d)
        line += d < groups.size() ? groups[d] : QStringLiteral(" : : : : : :");
    return line;
}

// Example line: Monday 8:30-9:15 break 10, Tuesday 9:00-9:40 break 5.
const QString kExampleLine = lineOf({ "8:30:9:15:45:10:", "9:00:9:40:40:5:" });

void setDay(Shema &s, int row, int day, const QStringList &fields)
{
    for (int f = 1; f <= 6; ++f)
        s[row][6 * day - 6 + f] = fields.value(f - 1, QStringLiteral(" "));
}

QStringList dayOf(const Shema &s, int row, int day)
{
    QStringList fields;
    for (int f = 1; f <= 6; ++f)
        fields << s[row][6 * day - 6 + f];
    return fields;
}

Shema blankShema()
{
    Shema s;
    for (auto &row : s)
        row.fill(QStringLiteral(" "));
    return s;
}

} // namespace

class TestSchemeFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zvonFromExampleLine();
    void zvonFieldRules();
    void zvonFromIrregularFiles_data();
    void zvonFromIrregularFiles();
    void shemaKeepsBlanks();
    void normalisation();
    void writeAndReadBack();
    void blankTemplate();
    void schemeList();
    void schemeListWriter();
    void schemeNames_data();
    void schemeNames();
};

void TestSchemeFiles::zvonFromExampleLine()
{
    const Zvon z = zvonFromSchemeLines({ kExampleLine });
    QCOMPARE(z[1][1], QStringLiteral("8:30"));
    QCOMPARE(z[1][2], QStringLiteral("9:15"));
    QCOMPARE(z[1][3], QStringLiteral("10"));
    QCOMPARE(z[1][4], QStringLiteral("9:00"));
    QCOMPARE(z[1][5], QStringLiteral("9:40"));
    QCOMPARE(z[1][6], QStringLiteral("5"));
    for (int k = 7; k <= 21; ++k)
        QVERIFY(z[1][k].isEmpty());
    for (int r = 2; r <= 10; ++r) {
        for (int k = 1; k <= 21; ++k)
            QVERIFY(z[r][k].isEmpty());
    }
}

void TestSchemeFiles::zvonFieldRules()
{
    // Blank hour with a minute: no start. Hour with blank minute: "H:". Field 5 is never read.
    // The second group's break is written as line 10's save writes it: no characters at all.
    const QString line = lineOf({ " :30:9:15:xx: :", "8: :9: :45::" });
    QCOMPARE(parseSchemeLine(line).size(), 42);
    QCOMPARE(parseSchemeLine(line).at(11), QString());
    const Zvon z = zvonFromSchemeLines({ line });
    QCOMPARE(z[1][1], QString());
    QCOMPARE(z[1][2], QStringLiteral("9:15"));
    QCOMPARE(z[1][3], QString());
    QCOMPARE(z[1][4], QStringLiteral("8:"));
    QCOMPARE(z[1][5], QStringLiteral("9:"));
    QCOMPARE(z[1][6], QString());
    QCOMPARE(z[1][7], QString()); // the groups after it are in their places
}

void TestSchemeFiles::zvonFromIrregularFiles_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("mondayStart");
    QTest::addColumn<QString>("sundayBreak");
    QTest::newRow("empty file") << QStringList() << QString() << QString();
    QTest::newRow("short line") << QStringList { "8:30:9:15" } << "8:30" << QString();
    QTest::newRow("trailing text without colon")
        << QStringList { lineOf({ "8:30:9:15:45:10:" }) + "junk" } << "8:30" << QString();
    QTest::newRow("an eighth group is ignored") << QStringList { lineOf(
        { "8:30:9:15:45:10:", " : : : : : :", " : : : : : :", " : : : : : :", " : : : : : :",
          " : : : : : :", "1:00:1:45:45:15:", "7:00:7:45:45:5:" }) }
                                                << "8:30"
                                                << "15";
}

void TestSchemeFiles::zvonFromIrregularFiles()
{
    QFETCH(QStringList, lines);
    const Zvon z = zvonFromSchemeLines(lines);
    QTEST(z[1][1], "mondayStart");
    QTEST(z[1][21], "sundayBreak");
    for (int r = 2; r <= 10; ++r)
        QVERIFY(z[r][1].isEmpty());
}

void TestSchemeFiles::shemaKeepsBlanks()
{
    const Shema s = shemaFromSchemeLines({ kExampleLine, "1:2:" });
    QCOMPARE(dayOf(s, 1, 1), QStringList({ "8", "30", "9", "15", "45", "10" }));
    QCOMPARE(s[1][13], QStringLiteral(" "));
    QCOMPARE(s[2][1], QStringLiteral("1"));
    QCOMPARE(s[2][2], QStringLiteral("2"));
    QCOMPARE(s[2][3], QString()); // missing fields read as empty, not as the previous scheme's
    QCOMPARE(s[10][42], QString());
}

void TestSchemeFiles::normalisation()
{
    Shema s = blankShema();
    // Monday: rows 1 and 2 full, row 3 without end hour, row 4 full again.
    setDay(s, 1, 1, { "8", "30", "9", "15", "45", "10" });
    setDay(s, 2, 1, { "9", "25", "10", "10", "45", "10" });
    setDay(s, 3, 1, { "10", "20", " ", "05", "45", "10" });
    setDay(s, 4, 1, { "11", "15", "12", "00", "45", "10" });
    // Tuesday: first lesson without end minute.
    setDay(s, 1, 2, { "8", "30", "9", " ", "45", "10" });
    setDay(s, 2, 2, { "9", "25", "10", "10", "45", "10" });
    // Wednesday: ten lessons, the tenth with a break.
    for (int r = 1; r <= 10; ++r)
        setDay(s, r, 3, { QString::number(7 + r), "00", QString::number(7 + r), "45", "45", "15" });

    normaliseShema(s);

    QCOMPARE(dayOf(s, 1, 1), QStringList({ "8", "30", "9", "15", "45", "10" }));
    QCOMPARE(dayOf(s, 2, 1),
             QStringList({ "9", "25", "10", "10", "45", " " })); // now the last lesson
    QCOMPARE(dayOf(s, 3, 1), QStringList(6, " "));
    // A later row that has an end is kept (losing its break before the blank row 5), but the day
    // already ends with row 2, whose break is gone.
    QCOMPARE(dayOf(s, 4, 1), QStringList({ "11", "15", "12", "00", "45", " " }));
    QCOMPARE(s[10][6], QString());
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(dayOf(s, r, 2), QStringList(6, " "));
    QCOMPARE(dayOf(s, 9, 3), QStringList({ "16", "00", "16", "45", "45", "15" }));
    QCOMPARE(dayOf(s, 10, 3), QStringList({ "17", "00", "17", "45", "45", "" }));
}

void TestSchemeFiles::writeAndReadBack()
{
    Shema s = blankShema();
    setDay(s, 1, 1, { "8", "30", "9", "15", "45", "10" });
    setDay(s, 2, 1, { "9", "25", "10", "10", "45", " " });
    setDay(s, 1, 7, { "10", "00", "10", "40", "40", " " });
    normaliseShema(s);
    const QStringList lines = schemeFileLines(s);
    QCOMPARE(lines.size(), 10);
    QVERIFY(lines[0].startsWith(QStringLiteral("8:30:9:15:45:10: :")));
    QCOMPARE(lines[0].count(QLatin1Char(':')), 42);
    QVERIFY(lines[9].endsWith(QStringLiteral("::")));
    QCOMPARE(schemeFileLines(shemaFromSchemeLines(lines)), lines);

    const Zvon z = zvonFromSchemeLines(lines);
    QCOMPARE(z[2][2], QStringLiteral("10:10"));
    QCOMPARE(z[2][3], QString());
    QCOMPARE(z[10][21], QString());
    QCOMPARE(z[1][19], QStringLiteral("10:00"));
}

void TestSchemeFiles::blankTemplate()
{
    const QStringList lines = blankSchemeLines();
    QCOMPARE(lines.size(), 10);
    for (const QString &line : lines)
        QCOMPARE(line, QStringLiteral(" :").repeated(42));
    const Zvon z = zvonFromSchemeLines(lines);
    for (int r = 1; r <= 10; ++r) {
        for (int k = 1; k <= 21; ++k)
            QVERIFY(z[r][k].isEmpty());
    }
}

void TestSchemeFiles::schemeList()
{
    QStringList lines = { "",         "Конец2",    "---", "",       "Начало2", "---", "5а", "",
                          "Основное", "..\\..\\x", "a/b", "spisok", "Третья",  "4",   "5",  "6" };
    lines << "Одиннадцатая"
          << "Двенадцатая";
    const SchemeList list = parseSchemeList(lines);
    QCOMPARE(list.messages[0], QString());
    QCOMPARE(list.messages[1], QStringLiteral("Конец2"));
    QCOMPARE(list.messages[3], QStringLiteral("Начало2"));
    QCOMPARE(list.names, QStringList({ "5а", "Основное", "Третья", "4", "5", "6" }));
    QCOMPARE(messageOrDefault(0, QString()), QStringLiteral("Уроки закончились."));
    QCOMPARE(messageOrDefault(1, QString()), QStringLiteral("Уроки закончились."));
    QCOMPARE(messageOrDefault(2, QString()), QStringLiteral("Уроки еще не начались. Ожидайте."));
    QCOMPARE(messageOrDefault(3, QString()), QStringLiteral("Уроки еще не начались. Ожидайте."));
    QCOMPARE(messageOrDefault(2, QStringLiteral("Ждём")), QStringLiteral("Ждём"));

    QStringList eleven = { "a", "b", "---", "c", "d", "---" };
    for (int i = 1; i <= 11; ++i)
        eleven << QStringLiteral("S%1").arg(i);
    QCOMPARE(parseSchemeList(eleven).names.size(), 10);
    QVERIFY(!parseSchemeList(eleven).names.contains(QStringLiteral("S11")));
    QVERIFY(parseSchemeList({ "a", "b", "---", "c", "d", "---" }).names.isEmpty());
}

void TestSchemeFiles::schemeListWriter()
{
    QCOMPARE(schemeListLines({ "1", "2", "3", "4" }, { "А", "Б" }),
             QStringList({ "1", "2", "---", "3", "4", "---", "А", "Б" }));
}

void TestSchemeFiles::schemeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    const QList<std::pair<const char *, bool>> cases = {
        { "Основное", true }, { "5а", true },         { "Вторая смена", true },
        { "spisok2", true },  { "CONSOLE", true },    { "a.b", true },
        { "", false },        { "   ", false },       { ".", false },
        { "..", false },      { "..\\..\\x", false }, { "a/b", false },
        { "a:b", false },     { "a*", false },        { "a?", false },
        { "\"a\"", false },   { "<a>", false },       { "a|b", false },
        { "a\tb", false },    { " a", false },        { "a ", false },
        { ".a", false },      { "a.", false },        { "CON", false },
        { "con", false },     { "Nul", false },       { "COM1", false },
        { "lpt9", false },    { "PRN", false },       { "AUX", false },
        { "spisok", false },  { "SPISOK", false },
    };
    for (const auto &[name, usable] : cases)
        QTest::addRow("%s", name) << QString::fromUtf8(name) << usable;
    // The file name, name + ".ini", must fit 255 bytes in UTF-8 and 255 UTF-16 units.
    QTest::newRow("251 ASCII letters") << QString(251, QLatin1Char('a')) << true;
    QTest::newRow("252 ASCII letters") << QString(252, QLatin1Char('a')) << false;
    QTest::newRow("300 ASCII letters") << QString(300, QLatin1Char('a')) << false;
    QTest::newRow("125 Cyrillic letters") << QString(125, QChar(0x0436)) << true;
    QTest::newRow("126 Cyrillic letters") << QString(126, QChar(0x0436)) << false;
    QTest::newRow("130 Cyrillic letters") << QString(130, QChar(0x0436)) << false;
}

void TestSchemeFiles::schemeNames()
{
    QFETCH(QString, name);
    QTEST(isUsableSchemeName(name), "usable");
}

QTEST_GUILESS_MAIN(TestSchemeFiles)
#include "tst_scheme_files.moc"
