// The real media player: a bell plays to its end, and break music plays its tracks in order,
// wraps to the first and stops when a lesson starts.
#include "common/globals.h"
#include "shell/qt_media_player.h"
#include "shell/settings_window.h"
#include "support/data_dir.h"
#include "support/wav_file.h"
#include "support/windows_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <memory>

class TestRealPlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void bellPlaysToItsEnd();
    void missingBellIsSkippedAndTheNextRings();
    void musicPlaysInOrderWrapsAndStops();

private:
    std::unique_ptr<TempDataFolder> m_data;
};

void TestRealPlayer::init()
{
    m_data = std::make_unique<TempDataFolder>();
    QDir().mkpath(m_data->path(QStringLiteral("music")));
    for (const char *track : { "music/1.wav", "music/2.wav", "music/3.wav" })
        writeSilentWav(m_data->path(QLatin1String(track)), 300);
    createWindows(makeQtMediaPlayer);
    Form3->TrackBar1->setValue(50);
    Form3->TrackBar2->setValue(50);
}

void TestRealPlayer::cleanup()
{
    destroyWindows();
    m_data.reset();
}

void TestRealPlayer::bellPlaysToItsEnd()
{
    const QString bell = m_data->path(QStringLiteral("sound/1/begin/bell.wav"));
    QDir().mkpath(QFileInfo(bell).path());
    writeSilentWav(bell, 400);
    Form3->Memo2 = QStringList { bell };
    Form3->ComboBox1->addItem(QStringLiteral("bell.wav"));
    Form3->sRadioButton3->setChecked(true);
    Form3->RadioButton1->setChecked(true);

    QSignalSpy ended(Form1->MediaPlayer1, &MediaPlayer::finished);
    QSignalSpy failed(Form1->MediaPlayer1, &MediaPlayer::failed);
    Form1->PlayBell(BellEvent::LessonStart);
    QVERIFY(ended.wait(5000));
    QCOMPARE(failed.count(), 0);
    QVERIFY(!Form1->MediaPlayer1->isPlaying());
}

void TestRealPlayer::missingBellIsSkippedAndTheNextRings()
{
    Form3->sRadioButton4->setChecked(true); // ring, whose files this folder lacks
    QSignalSpy failed(Form1->MediaPlayer1, &MediaPlayer::failed);
    Form1->PlayBell(BellEvent::Break);
    QVERIFY(failed.wait(5000));

    const QString ring = m_data->path(QStringLiteral("sound/2/begin.mp3"));
    QDir().mkpath(QFileInfo(ring).path());
    writeSilentWav(ring, 300); // the player recognises the content, whatever the name says
    QSignalSpy ended(Form1->MediaPlayer1, &MediaPlayer::finished);
    Form1->PlayBell(BellEvent::LessonStart);
    QVERIFY(ended.wait(5000));
}

void TestRealPlayer::musicPlaysInOrderWrapsAndStops()
{
    QCOMPARE(mus_pl2_kol, 3);
    Form3->CheckBox3->setChecked(true);
    QSignalSpy ended(Form1->MediaPlayer2, &MediaPlayer::finished);
    Form1->StartMusic();
    Form1->Timer1Timer(); // instead of waiting 7 s
    QCOMPARE(mus_pl2_num, 0);
    QTRY_COMPARE_WITH_TIMEOUT(mus_pl2_num, 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(mus_pl2_num, 2, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(mus_pl2_num, 0, 5000); // wrapped to the first track
    QCOMPARE(ended.count(), 3);
    QVERIFY(Form1->MediaPlayer2->isPlaying());

    Form1->StopMusic(); // a lesson starts
    QVERIFY(!Form1->MediaPlayer2->isPlaying());
    QTest::qWait(600); // the stopped track never ends and nothing new starts
    QCOMPARE(mus_pl2_num, 0);
    QCOMPARE(ended.count(), 3);
}

QTEST_MAIN(TestRealPlayer)
#include "tst_real_player.moc"
