// Which file a bell plays, for the bell kind, chosen or random files, and the break announcement
// that stands in at the end of a day another scheme follows.
#include "schedule/bell_choice.h"

#include <QTest>

namespace {

const QString kData = QStringLiteral("/data");

BellSettings voiceSettings()
{
    BellSettings s;
    s.voice = true;
    s.dataFolder = kData;
    s.choices[0] = { false, 1, { "/data/sound/1/begin/a.mp3", "/data/sound/1/begin/sub/b.mp3" } };
    s.choices[1] = { false,
                     0,
                     { "/data/sound/1/peremena/p1.mp3", "/data/sound/1/peremena/p2.mp3",
                       "/data/sound/1/peremena/p3.mp3" } };
    s.choices[2] = { false, 0, { "/data/sound/1/end/e1.mp3" } };
    s.shemNum = 1;
    s.schemeCount = 2;
    return s;
}

} // namespace

class TestBellChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
};

void TestBellChoice::choice_data()
{
    QTest::addColumn<BellSettings>("settings");
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("file");

    BellSettings ring = voiceSettings();
    ring.voice = false;
    ring.breakInsteadOfEnd = true;
    QTest::newRow("ring: lesson start") << ring << 0 << "/data/sound/2/begin.mp3";
    QTest::newRow("ring: break") << ring << 1 << "/data/sound/2/peremena.mp3";
    QTest::newRow("ring: end ignores break instead") << ring << 2 << "/data/sound/2/end.mp3";

    const BellSettings voice = voiceSettings();
    QTest::newRow("chosen file in a subfolder, from its full path")
        << voice << 0 << "/data/sound/1/begin/sub/b.mp3";
    QTest::newRow("chosen break file") << voice << 1 << "/data/sound/1/peremena/p1.mp3";

    BellSettings random = voiceSettings();
    random.choices[1].random = true;
    QTest::newRow("random picks with the random source")
        << random << 1 << "/data/sound/1/peremena/p3.mp3";

    BellSettings empty = voiceSettings();
    empty.choices[0] = { true, -1, {} };
    empty.choices[1] = { false, -1, {} };
    empty.choices[2] = { false, 5, { "/data/sound/1/end/e1.mp3" } };
    QTest::newRow("random from an empty folder: silence") << empty << 0 << QString();
    QTest::newRow("chosen without a current item: silence") << empty << 1 << QString();
    QTest::newRow("chosen index past the list: silence") << empty << 2 << QString();

    BellSettings breakInstead = voiceSettings();
    breakInstead.breakInsteadOfEnd = true;
    QTest::newRow("break instead of end, not the last scheme")
        << breakInstead << 2 << "/data/sound/1/peremena/p1.mp3";
    breakInstead.shemNum = 2;
    QTest::newRow("break instead of end, the last scheme")
        << breakInstead << 2 << "/data/sound/1/end/e1.mp3";
    QTest::newRow("end without break instead") << voice << 2 << "/data/sound/1/end/e1.mp3";
}

void TestBellChoice::choice()
{
    QFETCH(BellSettings, settings);
    QFETCH(int, event);
    const RandomBelow last = [](int n) { return n - 1; };
    QTEST(chooseBellFile(static_cast<BellEvent>(event), settings, last), "file");
}

QTEST_GUILESS_MAIN(TestBellChoice)
#include "tst_bell_choice.moc"
