#include "shell/time_widget.h"

#include "common/clock.h"
#include "common/globals.h"
#include "common/text_file.h"
#include "schedule/scheme_file.h"
#include "schedule/scheme_name.h"
#include "schedule/scheme_paths.h"
#include "schedule/status_engine.h"
#include "settings/autostart.h"
#include "shell/arrow_image.h"
#include "shell/settings_window.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

TForm1 *Form1 = nullptr;

TForm1::TForm1(const PlayerFactory &makePlayer)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_bellPlayer(makePlayer()), m_musicPlayer(makePlayer())
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Время"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(302, 299);

    Label1 = new QLabel(QStringLiteral("Перейдите в настройки"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setStyleSheet(QStringLiteral("color: #FFFFFF"));

    Image1 = new ArrowImage(ArrowImage::Left, QColor(0xFF, 0xFF, 0xFF), this);
    Image2 = new ArrowImage(ArrowImage::Right, QColor(0xFF, 0xFF, 0xFF), this);
    Image3 = new ArrowImage(ArrowImage::Left, QColor(0x02, 0x02, 0x02), this);
    Image4 = new ArrowImage(ArrowImage::Right, QColor(0x02, 0x02, 0x02), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3->setObjectName(QStringLiteral("Image3"));
    Image4->setObjectName(QStringLiteral("Image4"));
    connect(Image1, &ArrowImage::clicked, this, &TForm1::Image1Click);
    connect(Image3, &ArrowImage::clicked, this, &TForm1::Image1Click);
    connect(Image2, &ArrowImage::clicked, this, &TForm1::Image2Click);
    connect(Image4, &ArrowImage::clicked, this, &TForm1::Image2Click);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(Image3);
    layout->addWidget(Label1, 1);
    layout->addWidget(Image2);
    layout->addWidget(Image4);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(7000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    MediaPlayer1 = m_bellPlayer.get();
    MediaPlayer2 = m_musicPlayer.get();
    connect(MediaPlayer2, &MediaPlayer::finished, this, &TForm1::musicTrackEnded);
    connect(MediaPlayer2, &MediaPlayer::failed, this, &TForm1::musicTrackFailed);

    adr = QDir::currentPath();
    avtozagr = findStartupFolder();
    move(-width(), -height());
    buildTray();
    stop_obnov_spis = 0;
    star_status = 0;
    start_prog = 1;
}

TForm1::~TForm1() = default;

void TForm1::Timer2Timer()
{
    Soob();
}

QString TForm1::schemeNameInForce() const
{
    const QListWidgetItem *item = Form3->sListView2->item(shem_num - 1);
    return item ? item->text() : QString();
}

void TForm1::Soob()
{
    const QDateTime moment = Clock::now();
    const StatusResult result = evaluateStatus(
        { zvon, moment.date().dayOfWeek(), moment.time(), nul_ur, zakonch1, zakonch3 });
    Form2->Rectangle3->setProperty("tag", 1);
    const QString text = schemeNameInForce() + QStringLiteral("\r\n") + result.secondLine;
    if (result.status == StatusNone) {
        Label1->setText(text);
        return;
    }
    if (start_prog == 1) {
        star_status = result.status;
        start_prog = 0;
    }
    if (result.stopObnovSpis)
        stop_obnov_spis = *result.stopObnovSpis;

    if (!Form3->isVisible() && !Form2->isVisible() && Form3->CheckBox2->isChecked())
        show();
    Label1->setText(text);
    Form2->Label3->setText(Label1->text());
    if (result.status != StatusBreak && Timer1->isActive())
        StopMusic();
    actOnStateChange(result.status);
    if (result.status == StatusBreak && Form3->CheckBox3->isChecked() && !Timer1->isActive())
        StartMusic();
}

void TForm1::actOnStateChange(int status)
{
    if (status == star_status)
        return;
    star_status = status;
    const bool bellsOn = Form3->CheckBox1->isChecked();
    switch (status) {
    case StatusBeforeLessons:
        stop_obnov_spis = 0;
        break;
    case StatusLesson:
        if (bellsOn)
            PlayBell(BellEvent::LessonStart);
        break;
    case StatusBreak:
        if (bellsOn)
            PlayBell(BellEvent::Break);
        break;
    case StatusLessonsOver:
        stop_obnov_spis = 0;
        if (bellsOn)
            PlayBell(BellEvent::LessonsOver);
        if (Form3->CheckBox6->isChecked())
            Image2Click(); // the next scheme comes into force, taken silently on the next tick
        break;
    }
}

void TForm1::Image1Click()
{
    const int count = Form3->sListView2->count();
    if (count > 0)
        stepToScheme(shem_num - 1 < 1 ? count : shem_num - 1);
}

void TForm1::Image2Click()
{
    const int count = Form3->sListView2->count();
    if (count > 0)
        stepToScheme(shem_num + 1 > count ? 1 : shem_num + 1);
}

void TForm1::stepToScheme(int position)
{
    // The position moves only once the file has loaded, so a scheme that cannot be read never
    // leaves the strip naming one scheme while it runs another's times.
    LoadFile(Form3->sListView2->item(position - 1)->text());
    shem_num = position;
}

void TForm1::LoadFile(const QString &im)
{
    if (!isUsableSchemeName(im) || !QFile::exists(schemeFilePath(im)))
        return;
    zvon = zvonFromSchemeLines(TextFile::readLines(schemeFilePath(im), kLessonRows));
    start_prog = 1;
}

void TForm1::startScheme(const QString &im)
{
    LoadFile(im);
    start_prog = 1;
    star_status = 0;
    Timer2->start();
}

void TForm1::hideArrows()
{
    for (ArrowImage *arrow : { Image1, Image2, Image3, Image4 })
        arrow->hide();
}

void TForm1::showArrows(bool whiteText)
{
    Image1->setVisible(whiteText);
    Image2->setVisible(whiteText);
    Image3->setVisible(!whiteText);
    Image4->setVisible(!whiteText);
}

void TForm1::setTextColour(bool white)
{
    hideArrows();
    Label1->setStyleSheet(white ? QStringLiteral("color: #FFFFFF")
                                : QStringLiteral("color: #020202"));
    showArrows(white);
}

void TForm1::placeOverTaskbar()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Bottom centre of the primary screen, over the taskbar; a new resolution or primary screen
    // is caught up with on the next placement.
    const QRect area = screen->geometry();
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() - height());
    raise();
}
