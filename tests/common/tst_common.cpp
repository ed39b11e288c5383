// The code page, the text-file module and the general error report.
#include "common/app_error.h"
#include "common/bells_application.h"
#include "common/cp1251.h"
#include "common/error_report.h"
#include "common/text_file.h"
#include "support/file_bytes.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList reported;

void recordReport(const QString &message)
{
    reported << message;
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void codePageMatchesPlatformConverter();
    void unencodableCharacters_data();
    void unencodableCharacters();
    void readLineEnds_data();
    void readLineEnds();
    void writeIsWindows1251WithCrLf();
    void fileErrorsNameThePath();
    void errorInHandlerReachesReport();
    void eachErrorIsReportedOnce();
    void readerStopsAfterTheLinesItNeeds();
};

void TestCommon::codePageMatchesPlatformConverter()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    QStringDecoder platform("windows-1251");
    QVERIFY(platform.isValid());
    const QString expected = platform.decode(all);
    QCOMPARE(Cp1251::decode(all), expected);
    QCOMPARE(Cp1251::encode(expected), all);
}

void TestCommon::unencodableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cyrillic and ascii") << QStringLiteral("Ёж 5а") << QByteArray("\xA8\xE6 5\xE0");
    QTest::newRow("euro and numero") << QStringLiteral("€№") << QByteArray("\x88\xB9");
    QTest::newRow("CJK") << QStringLiteral("a日b") << QByteArray("a?b");
    QTest::newRow("outside the basic plane is one ?") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("latin with accent") << QStringLiteral("é") << QByteArray("?");
}

void TestCommon::unencodableCharacters()
{
    QFETCH(QString, text);
    QTEST(Cp1251::encode(text), "bytes");
}

void TestCommon::readLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList { "a", "b" };
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList { "a", "b" };
    QTest::newRow("mixed, no final end")
        << QByteArray("a\r\nb\nc") << QStringList { "a", "b", "c" };
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList { "", "", "x" };
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("windows-1251") << QByteArray("\xD3\xF0\xEE\xEA\r\n") << QStringList { "Урок" };
}

void TestCommon::readLineEnds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.ini"));
    QFETCH(QByteArray, bytes);
    QVERIFY(writeBytes(path, bytes));
    QTEST(TextFile::readLines(path), "lines");
}

void TestCommon::writeIsWindows1251WithCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Схема.ini"));
    TextFile::writeLines(path, { QStringLiteral("Урок"), QString(), QStringLiteral("x") });
    QCOMPARE(bytesOf(path), QByteArray("\xD3\xF0\xEE\xEA\r\n\r\nx\r\n"));
    TextFile::writeLines(path, { QStringLiteral("y") });
    QCOMPARE(bytesOf(path), QByteArray("y\r\n"));
}

void TestCommon::fileErrorsNameThePath()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("нет/файла.ini"));
    try {
        TextFile::readLines(missing);
        QFAIL("reading a missing file must throw");
    } catch (const AppError &error) {
        QVERIFY(error.message().contains(QStringLiteral("файла.ini")));
    }
    try {
        TextFile::writeLines(missing, { QStringLiteral("x") });
        QFAIL("writing into a missing folder must throw");
    } catch (const AppError &error) {
        QVERIFY(error.message().startsWith(QStringLiteral("Не удалось записать файл")));
    }
    // A write that cannot happen leaves the previous file as it was.
    const QString folder = dir.filePath(QStringLiteral("folder.ini"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY_THROWS_EXCEPTION(AppError, TextFile::writeLines(folder, { QStringLiteral("x") }));
    QVERIFY(QFileInfo(folder).isDir());
}

void TestCommon::errorInHandlerReachesReport()
{
    reported.clear();
    setErrorReport(recordReport);
    bool nextHandlerRan = false;
    QTimer::singleShot(0, qApp,
                       [] { throw AppError(QStringLiteral("Не удалось прочитать файл x")); });
    QTimer::singleShot(5, qApp, [&] { nextHandlerRan = true; });
    QTRY_VERIFY(nextHandlerRan);
    QCOMPARE(reported, QStringList { QStringLiteral("Не удалось прочитать файл x") });
    setErrorReport(nullptr);
}

void TestCommon::eachErrorIsReportedOnce()
{
    reported.clear();
    setErrorReport(recordReport);
    const auto failing = [] { throw AppError(QStringLiteral("Не удалось записать файл a")); };
    QVERIFY(!reportingErrors(failing));
    QVERIFY(!reportingErrors(failing)); // a timer repeating the same failure
    QVERIFY(reportingErrors([] {}));
    reportError(QStringLiteral("Не удалось записать файл b"));
    QCOMPARE(reported, QStringList({ "Не удалось записать файл a", "Не удалось записать файл b" }));
    setErrorReport(nullptr);
}

void TestCommon::readerStopsAfterTheLinesItNeeds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ini"));
    // A million line ends and a line far longer than any the program writes.
    QVERIFY(writeBytes(path,
                       QByteArray("a\r\n") + QByteArray(100 * 1024, 'x') + "\r\nb\r\n"
                           + QByteArray(1000 * 1000, '\n')));
    const QStringList lines = TextFile::readLines(path, 16);
    QCOMPARE(lines.size(), 16);
    QCOMPARE(lines.at(0), QStringLiteral("a"));
    QCOMPARE(lines.at(1), QString(64 * 1024 - 1, QLatin1Char('x'))); // cut, the rest dropped
    QCOMPARE(lines.at(2), QStringLiteral("b"));
    QCOMPARE(lines.at(15), QString());
    QCOMPARE(TextFile::readLines(path, 2).size(), 2);
    QVERIFY_THROWS_EXCEPTION(AppError, TextFile::readLines(dir.path(), 16)); // a folder
}

int main(int argc, char **argv)
{
    BellsApplication app(argc, argv);
    TestCommon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"
