#include "timetable/timetable_window.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm2"));
    Rectangle3 = new QFrame(this);
    Rectangle3->setObjectName(QStringLiteral("Rectangle3"));
    Rectangle3->setProperty("tag", 0);
    Label3 = new QLabel(Rectangle3);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    auto *plate = new QVBoxLayout(Rectangle3);
    plate->addWidget(Label3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Rectangle3);
}
