// Showing the settings window in its two sizes: full with every setting, compact with only the
// bell schedule box.
#include "shell/time_widget.h"
#include "shell/window_placement.h"

#include "common/clock.h"
#include "common/globals.h"
#include "schedule/weekday.h"
#include "shell/settings_window.h"
#include "timetable/timetable_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

void TForm1::LoadOknoNastrojki(int skrit)
{
    Form3->ComboEnabl();
    Form3->Image8->hide();
    const bool full = skrit == 0;
    if (full)
        Form3->setFixedSize(950, 782);
    else
        Form3->setFixedSize(650, 490);
    for (QWidget *control :
         std::initializer_list<QWidget *> { Form3->Rectangle9, Form3->CheckBox6, Form3->sEdit6,
                                            Form3->Image4, Form3->sGroupBox2, Form3->Rct_prochee })
        control->setVisible(full);
    Form3->Image8->setVisible(full && Switch != 0);

    const int today = Clock::now().date().dayOfWeek();
    Form3->Label1->setText(QString::number(today));
    Form3->grid.denradbut[today]->setChecked(true);
    combo_vibor = 0;
    Form3->LoadDen(today);
    combo_vibor = 1;
    Form3->sLabelFX1->setText(QStringLiteral("сегодня ") + DenNed(today));

    Form2->hide();
    centreOnScreen(Form3);
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
}
