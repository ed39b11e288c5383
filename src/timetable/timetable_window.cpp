#include "timetable/timetable_window.h"

#include "timetable/timetable_grid.h"

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
    Rct_rasp = new QWidget(this);
    Rct_rasp->setObjectName(QStringLiteral("Rct_rasp"));
    Rct_rasp->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Rectangle3);
    layout->addWidget(Rct_rasp, 1);
}

// The cells stand in rows of `h`, columns 55 wide; the timetable view places and fills them.
void TForm2::YachRaskCreate(int i, int j)
{
    constexpr int kColumnWidth = 55;
    auto *plate = new QFrame(Rct_rasp);
    plate->setGeometry(j * kColumnWidth, i * h, kColumnWidth, h);
    rasp.rct[i][j] = plate;
    rasp.ur[i][j] = new QLabel(plate);
    rasp.kab[i][j] = new QLabel(plate);
    rasp.uch[i][j] = new QLabel(plate);
    rasp.uch[i][j]->clear();
    h = 36;
}
