#include "shell/side_panel.h"

#include "shell/settings_window.h"
#include "shell/time_widget.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QTimer>

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Информационная панель"));
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &TForm4::Timer3Timer);
    Timer3->start();
    Form1->hide();
}

void TForm4::Timer3Timer()
{
    Form1->placeOverTaskbar();
    const bool hidden = Form3->isVisible() || Form2->isVisible() || !Form3->CheckBox2->isChecked();
    Form1->setVisible(!hidden);
    if (!hidden)
        Form1->raise();
}
