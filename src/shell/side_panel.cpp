#include "shell/side_panel.h"

#include "common/globals.h"
#include "shell/message_window.h"
#include "shell/named_control.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/settings_window.h"
#include "shell/time_widget.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

TForm4 *Form4 = nullptr;

namespace {

constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 100;
// One animation frame; nothing faster ever runs, and nothing at all while the panel rests.
constexpr int kFrameMs = 16;

} // namespace

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Информационная панель"));
    setAttribute(Qt::WA_TranslucentBackground);
    const std::array<std::pair<PanelButton, const char *>, 3> buttons = {
        std::pair { PanelButton::Timetable, "Расписание уроков" },
        std::pair { PanelButton::Menu, "Меню" },
        std::pair { PanelButton::Bells, "Расписание звонков" },
    };
    std::array<PictureButton *, 3> made {};
    for (int i = 0; i < 3; ++i) {
        auto *button = new PictureButton(QString::fromUtf8(buttons[i].second), this);
        button->setObjectName(QStringLiteral("sImage%1").arg(i + 1));
        button->setPixmap(panelButtonPicture(buttons[i].first, devicePixelRatioF()));
        button->setGeometry(0, kButtonHeight * i, kButtonWidth, kButtonHeight);
        connect(button, &PictureButton::mouseMoved, this, &TForm4::sImage1MouseMove);
        made[i] = button;
    }
    sImage1 = made[0];
    sImage2 = made[1];
    sImage3 = made[2];
    connect(sImage1, &PictureButton::clicked, this, &TForm4::sImage1Click);
    connect(sImage2, &PictureButton::clicked, this, &TForm4::sImage2Click);
    connect(sImage3, &PictureButton::clicked, this, &TForm4::sImage3Click);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(kFrameMs);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    Timer2 = named(new QTimer(this), "Timer2");
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm4::Skrit);
    Timer3 = named(new QTimer(this), "Timer3");
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &TForm4::Timer3Timer);

    resize(kButtonWidth, 3 * kButtonHeight);
    setVisible(Form3->sCheckBox1->isChecked());
    flx = -97;
    smes = 20;
    placeAtRest();
    mov = 0;
    Timer3->start();
    Form1->hide();
}

void TForm4::placeAtRest()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int top = screen ? screen->geometry().height() / 2 - 170 : 0;
    move(flx, top);
}

void TForm4::sImage1MouseMove()
{
    if (mov != 0)
        return; // a moving or open panel is never turned back by the mouse
    mov = 1;
    dx = 1;
    Timer1->start();
}

void TForm4::Skrit()
{
    dx = -1;
    mov = 1;
    Timer1->start();
    Timer2->stop();
}

PanelMotion TForm4::motion() const
{
    return { mov, dx, sImage1->x(), sImage2->x(), sImage3->x(), width() };
}

void TForm4::applyMotion(const PanelMotion &m)
{
    mov = m.mov;
    sImage1->move(m.x1, sImage1->y());
    sImage2->move(m.x2, sImage2->y());
    sImage3->move(m.x3, sImage3->y());
    resize(m.width, height());
}

void TForm4::Timer1Timer()
{
    PanelMotion m = motion();
    const MotionTimers timers = stepPanelMotion(m, -flx, smes, kButtonWidth);
    applyMotion(m);
    if (timers.stopAnimation) {
        Timer1->stop();
        Timer2->stop();
    }
    if (timers.startAutoHide)
        Timer2->start();
}

void TForm4::sImage1Click()
{
    openFromServer(&TForm1::ClickRasp);
}

void TForm4::sImage2Click()
{
    openFromServer(&TForm1::ClickMenu);
}

void TForm4::openFromServer(void (TForm1::*open)())
{
    if (Switch != 0) {
        Form6->Soob(QStringLiteral("Вы не подключены к серверу"), 0);
        return;
    }
    Skrit();
    (Form1->*open)();
}

void TForm4::sImage3Click()
{
    Skrit();
    Form7->hide();
    Form1->LoadOknoNastrojki(1);
}

void TForm4::Timer3Timer()
{
    Form1->placeOverTaskbar();
    raise();
    const bool hidden = Form3->isVisible() || Form2->isVisible() || !Form3->CheckBox2->isChecked();
    Form1->setVisible(!hidden);
    if (!hidden)
        Form1->raise();
    if (Form2->isVisible())
        Form2->raise();
    if (!Timer1->isActive() && !Timer2->isActive())
        placeAtRest();
}
