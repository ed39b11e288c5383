#include "shell/message_window.h"

#include "common/error_report.h"
#include "shell/named_control.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "shell/time_widget.h"
#include "shell/window_placement.h"
#include "timetable/timetable_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

TForm6 *Form6 = nullptr;

TForm6::TForm6()
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Информация"));
    setFixedSize(237, 142);

    Rectangle1 = named(new QFrame(this), "Rectangle1");
    Rectangle1->setGeometry(rect());
    Rectangle1->setStyleSheet(QStringLiteral("#Rectangle1 { background: white; }"));
    Label1 = named(new QLabel(QStringLiteral("Сообщение"), Rectangle1), "Label1");
    Label1->setGeometry(8, 0, width() - 16, 104);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    LabError = named(new QLabel(QStringLiteral("0"), Rectangle1), "LabError");
    LabError->hide();
    Button1 = named(new QPushButton(QStringLiteral("Понятно"), Rectangle1), "Button1");
    Button1->setAccessibleName(Button1->text());
    Button1->adjustSize();
    Button1->move(80, 112);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    Label1->setAccessibleName(QStringLiteral("Сообщение"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
    Timer1->start();

    // From now on the program's notices come here.
    setInformReport([](const QString &text) { Form6->Soob(text, 0); });
}

TForm6::~TForm6()
{
    setInformReport(nullptr);
}

void TForm6::Soob(const QString &text, int er)
{
    LabError->setText(QString::number(er));
    Label1->setText(text);
    for (QWidget *window : { static_cast<QWidget *>(Form2), static_cast<QWidget *>(Form3) }) {
        if (window && window->isVisible())
            setStayOnTop(window, false);
    }
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void TForm6::Button1Click()
{
    FClose();
}

void TForm6::FClose()
{
    close();
}

void TForm6::closeEvent(QCloseEvent *event)
{
    for (QWidget *window : { static_cast<QWidget *>(Form2), static_cast<QWidget *>(Form3) }) {
        if (window)
            setStayOnTop(window, true);
    }
    if (LabError->text() == QLatin1String("1")) {
        QCoreApplication::exit(0);
        event->accept();
        return;
    }
    event->accept(); // hidden, kept for the next message
}

void TForm6::Timer1Timer()
{
    // Enabling a running timer must not restart its second; the open tray menu keeps it off.
    if (Form4 && !Form4->Timer3->isActive() && !(Form1 && Form1->PopupVCL->isVisible()))
        Form4->Timer3->start();
}
