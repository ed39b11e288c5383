// The time widget's bells and break music: which file rings, and the music playlist of a break.
#include "shell/time_widget.h"

#include "common/globals.h"
#include "shell/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int kFirstTrackDelayMs = 7000;
// While a track plays the timer only marks the break as having music; the end of the track
// comes from the player.
constexpr int kPlayingTickMs = 1000;

BellSettings bellSettingsFromControls()
{
    BellSettings s;
    s.voice = Form3->sRadioButton3->isChecked();
    const std::array<QRadioButton *, 3> random
        = { Form3->RadioButton2, Form3->RadioButton4, Form3->RadioButton6 };
    const std::array<QComboBox *, 3> lists
        = { Form3->ComboBox1, Form3->ComboBox2, Form3->ComboBox3 };
    const std::array<const QStringList *, 3> files
        = { &Form3->Memo2, &Form3->Memo3, &Form3->Memo4 };
    for (int e = 0; e < 3; ++e)
        s.choices[e] = { random[e]->isChecked(), lists[e]->currentIndex(), *files[e] };
    s.breakInsteadOfEnd = Form3->CheckBox7->isChecked();
    s.shemNum = shem_num;
    s.schemeCount = Form3->sListView2->count();
    s.dataFolder = adr;
    return s;
}

int systemRandomBelow(int n)
{
    return static_cast<int>(QRandomGenerator::global()->bounded(n));
}

} // namespace

void TForm1::PlayBell(BellEvent event)
{
    const QString file = chooseBellFile(event, bellSettingsFromControls(), systemRandomBelow);
    if (file.isEmpty())
        return;
    MediaPlayer1->clear();
    MediaPlayer1->setFileName(file);
    MediaPlayer1->setVolume(Form3->TrackBar1->value() / 100.0);
    MediaPlayer1->play();
}

void TForm1::StartMusic()
{
    m_failedTracks = 0;
    mus_peremen = 1;
    Timer1->setInterval(kFirstTrackDelayMs);
    Timer1->start();
}

void TForm1::StopMusic()
{
    Timer1->stop();
    MediaPlayer2->stop();
}

void TForm1::Timer1Timer()
{
    if (!Form3->CheckBox3->isChecked()) {
        StopMusic();
        return;
    }
    if (mus_pl2_kol > 0 && mus_peremen == 1) {
        playNextTrack();
        mus_peremen = 2;
        Timer1->setInterval(kPlayingTickMs);
    }
}

void TForm1::playNextTrack()
{
    mus_pl2_num = mus_pl2_num + 1 >= mus_pl2_kol ? 0 : mus_pl2_num + 1;
    MediaPlayer2->clear();
    MediaPlayer2->setFileName(Form3->Memo1.value(mus_pl2_num));
    MediaPlayer2->setVolume(Form3->TrackBar2->value() / 100.0);
    MediaPlayer2->play();
}

void TForm1::musicTrackEnded()
{
    m_failedTracks = 0;
    startNextTrackOfBreak();
}

void TForm1::musicTrackFailed()
{
    // Skip a track that cannot be played, but stop trying once every track has failed in a row.
    if (++m_failedTracks < mus_pl2_kol)
        startNextTrackOfBreak();
}

void TForm1::startNextTrackOfBreak()
{
    if (mus_peremen != 2 || !Timer1->isActive())
        return;
    mus_peremen = 1;
    Timer1Timer();
}
