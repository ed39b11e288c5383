// The bell status of a moment: which state, which lesson row, the second line and the
// list-refresh lock, for a table of schedules and times.
#include "schedule/status_engine.h"
#include "schedule/weekday.h"

#include <QTest>

namespace {

struct Row
{
    QString start, end, pause;
};

Zvon dayOf(int weekday, const QList<Row> &rows)
{
    Zvon z;
    for (int r = 0; r < rows.size(); ++r) {
        z[r + 1][3 * weekday - 2] = rows[r].start;
        z[r + 1][3 * weekday - 1] = rows[r].end;
        z[r + 1][3 * weekday] = rows[r].pause;
    }
    return z;
}

const QString kAfter = QStringLiteral("После уроков");
const QString kBefore = QStringLiteral("До уроков");

// Monday: 8:30-9:15 with a 10-minute break, then 9:25-10:10 ending the day.
const QList<Row> kTwoLessons = { { "8:30", "9:15", "10" }, { "9:25", "10:10", "" } };

} // namespace

class TestStatusEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void evaluation_data();
    void evaluation();
    void unparsableTimes_data();
    void unparsableTimes();
    void badRowSpoilsOnlyTheTimesThatNeedIt_data();
    void badRowSpoilsOnlyTheTimesThatNeedIt();
    void weekdayNames();
};

void TestStatusEngine::evaluation_data()
{
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<int>("scheduleDay"); // weekday whose columns hold the rows
    QTest::addColumn<int>("weekday"); // weekday evaluated
    QTest::addColumn<QString>("now");
    QTest::addColumn<int>("nulUr");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("secondLine");
    QTest::addColumn<int>("stopObnovSpis"); // -1: left as it was

    const auto add = [](const char *name, const QList<Row> &rows, const char *now, int status,
                        int row, const QString &line, int stop, int nulUr = 0, int weekday = 1) {
        const int scheduleDay = weekday == 2 ? 1 : weekday; // Tuesday is left without lessons
        QTest::newRow(name) << rows << scheduleDay << weekday << QString::fromLatin1(now) << nulUr
                            << status << row << line << stop;
    };
    add("long before lessons", kTwoLessons, "08:00:00", 1, 1, kBefore, 0);
    add("midnight", kTwoLessons, "00:00:00", 1, 1, kBefore, 0);
    add("21 minutes before: message", kTwoLessons, "08:10:00", 1, 1, kBefore, 0);
    add("20 minutes before: countdown", kTwoLessons, "08:10:30", 1, 1,
        "Уроки начнутся через 20 мин. в 8:30", 0);
    add("seconds before the first lesson", kTwoLessons, "08:29:10", 1, 1,
        "Уроки начнутся через 51 с. в 8:30", 1);
    add("2 h 10 min before: no lock", kTwoLessons, "06:20:00", 1, 1, kBefore, 0);
    add("1 h 1 min 10 s before: hours not counted", kTwoLessons, "07:28:50", 1, 1, kBefore, 1);
    add("exact start is the lesson", kTwoLessons, "08:30:00", 2, 1,
        "Идет 1 урок до 9:15. До конца 46 мин.", 0);
    add("one minute left", kTwoLessons, "09:14:00", 2, 1, "Идет 1 урок до 9:15. До конца 2 мин.",
        1);
    add("59 seconds left", kTwoLessons, "09:14:01", 2, 1, "Идет 1 урок до 9:15. До конца 60 с.", 1);
    add("exact end with a break", kTwoLessons, "09:15:00", 3, 1,
        "Перемена. 2 урок через 11 мин. в 9:25", 0);
    add("exact end of the break", kTwoLessons, "09:25:00", 2, 2,
        "Идет 2 урок до 10:10. До конца 46 мин.", 0);
    add("exact end of the last lesson", kTwoLessons, "10:10:00", 4, 2, kAfter, -1);
    add("late evening", kTwoLessons, "23:59:59", 4, 2, kAfter, -1);
    add("zero lesson under way", kTwoLessons, "08:30:00", 2, 1,
        "Идет 0 урок до 9:15. До конца 46 мин.", 0, 1);
    add("break after the zero lesson", kTwoLessons, "09:15:00", 3, 1,
        "Перемена. 1 урок через 11 мин. в 9:25", 0, 1);
    add("weekday without lessons", kTwoLessons, "09:00:00", 0, 0, "Список звонков пуст", -1, 0, 2);
    add("gap between break and next lesson", { { "8:00", "8:45", "5" }, { "9:00", "9:45", "" } },
        "08:55:00", 0, 0, "Список звонков пуст", -1);
    add("break lasting past the next start", { { "8:30", "9:15", "20" }, { "9:25", "10:10", "" } },
        "09:30:00", 3, 1, "Перемена. 2 урок через 6 мин. в 9:25", 0);
    add("empty break ends the day", { { "8:30", "9:15", "" }, { "9:25", "10:10", "" } }, "09:30:00",
        4, 1, kAfter, -1);
    add("blank rows between lessons are skipped",
        { { "8:30", "9:15", "10" }, { "", "", "" }, { "9:25", "10:10", "" } }, "09:15:00", 3, 1,
        "Перемена. 2 урок через 11 мин. в ", 0);
    add("Sunday columns", kTwoLessons, "08:30:00", 2, 1, "Идет 1 урок до 9:15. До конца 46 мин.", 0,
        0, 7);
}

void TestStatusEngine::evaluation()
{
    QFETCH(QList<Row>, rows);
    QFETCH(int, scheduleDay);
    QFETCH(int, weekday);
    QFETCH(QString, now);
    QFETCH(int, nulUr);
    const Zvon z = dayOf(scheduleDay, rows);
    const QTime time = QTime::fromString(now, QStringLiteral("HH:mm:ss"));
    const StatusResult result = evaluateStatus({ z, weekday, time, nulUr, kAfter, kBefore });
    QTEST(result.status, "status");
    QTEST(result.row, "row");
    QTEST(result.secondLine, "secondLine");
    QTEST(result.stopObnovSpis.value_or(-1), "stopObnovSpis");
    QVERIFY(!result.scheduleError);
}

void TestStatusEngine::unparsableTimes_data()
{
    QTest::addColumn<QList<Row>>("rows");
    QTest::newRow("start without minutes") << QList<Row> { { "8:", "9:15", "" } };
    QTest::newRow("end without minutes") << QList<Row> { { "8:30", "9:", "" } };
    QTest::newRow("missing end") << QList<Row> { { "8:30", "", "" } };
    QTest::newRow("break of 60") << QList<Row> { { "8:30", "9:15", "60" },
                                                 { "10:15", "11:00", "" } };
    QTest::newRow("break not a number") << QList<Row> { { "8:30", "9:15", "x" } };
    QTest::newRow("hour 24") << QList<Row> { { "24:00", "24:45", "" } };
    QTest::newRow("minute 60") << QList<Row> { { "8:60", "9:15", "" } };
    QTest::newRow("signed hour") << QList<Row> { { "-8:30", "9:15", "" } };
    QTest::newRow("blank first lesson, later lessons")
        << QList<Row> { { "", "", "" }, { "9:25", "10:10", "" } };
}

void TestStatusEngine::unparsableTimes()
{
    QFETCH(QList<Row>, rows);
    const Zvon z = dayOf(1, rows);
    const StatusResult result = evaluateStatus({ z, 1, QTime(9, 0), 0, kAfter, kBefore });
    QVERIFY(result.scheduleError);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.secondLine, QStringLiteral("Ошибка в расписании звонков"));
    QVERIFY(!result.stopObnovSpis);
}

void TestStatusEngine::badRowSpoilsOnlyTheTimesThatNeedIt_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<int>("status"); // -1: the schedule error
    QTest::addColumn<int>("row");
    QTest::newRow("before lessons") << "08:00:00" << 1 << 1;
    QTest::newRow("first lesson") << "08:40:00" << 2 << 1;
    QTest::newRow("first break") << "09:20:00" << 3 << 1;
    QTest::newRow("second lesson") << "09:30:00" << 2 << 2;
    QTest::newRow("second break") << "10:15:00" << 3 << 2;
    QTest::newRow("the bad row is needed") << "10:20:00" << -1 << 0;
    QTest::newRow("evening") << "18:00:00" << -1 << 0;
}

void TestStatusEngine::badRowSpoilsOnlyTheTimesThatNeedIt()
{
    // Row 3 has an end without minutes, which the editor never writes.
    const Zvon z
        = dayOf(1, { { "8:30", "9:15", "10" }, { "9:25", "10:10", "10" }, { "10:20", "11:", "" } });
    QFETCH(QString, now);
    QFETCH(int, status);
    const StatusResult result = evaluateStatus(
        { z, 1, QTime::fromString(now, QStringLiteral("HH:mm:ss")), 0, kAfter, kBefore });
    QCOMPARE(result.scheduleError, status == -1);
    QCOMPARE(result.status, qMax(status, 0));
    QTEST(result.row, "row");
    if (status == -1)
        QCOMPARE(result.secondLine, QStringLiteral("Ошибка в расписании звонков"));
}

void TestStatusEngine::weekdayNames()
{
    QCOMPARE(DenNed(1), QStringLiteral("Понедельник"));
    QCOMPARE(DenNed(3), QStringLiteral("Среда"));
    QCOMPARE(DenNed(7), QStringLiteral("Воскресенье"));
    QCOMPARE(DenNed(0), QString());
    QCOMPARE(DenNed(8), QString());
}

QTEST_GUILESS_MAIN(TestStatusEngine)
#include "tst_status_engine.moc"
