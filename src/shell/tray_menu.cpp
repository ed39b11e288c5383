// The tray icon of the time widget, its menu, and the windows the menu opens.
#include "shell/time_widget.h"

#include "common/clock.h"
#include "common/data_folder.h"
#include "common/globals.h"
#include "shell/named_control.h"
#include "shell/pictures.h"
#include "shell/settings_window.h"
#include "shell/side_panel.h"
#include "timetable/free_rooms_window.h"
#include "timetable/timetable_window.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// A desktop session that is still starting may have no tray yet: look again every 5 s for a
// minute; the program works without the icon meanwhile.
constexpr int kTrayRetryMs = 5000;
constexpr int kTrayTries = 12;

} // namespace

void TForm1::buildTray()
{
    TrayIcon = new QSystemTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->setToolTip(QStringLiteral("Звенира \"Велмора\""));
    const QString logoFile = inDataFolder(QStringLiteral("logo.ico"));
    const QIcon logo(logoFile);
    const bool hasLogo = QFileInfo(logoFile).isFile() && !logo.availableSizes().isEmpty();
    TrayIcon->setIcon(hasLogo ? logo : programIcon());
    QApplication::setWindowIcon(TrayIcon->icon());
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    TrayDblClick();
            });

    PopupVCL = named(new QMenu(this), "PopupVCL");
    connect(PopupVCL, &QMenu::aboutToShow, this, &TForm1::PopupVCLPopup);
    connect(PopupVCL, &QMenu::aboutToHide, this, &TForm1::PopupVCLClose);
    QMenu *bells = PopupVCL->addMenu(QStringLiteral("Звонки"));
    bells->menuAction()->setObjectName(QStringLiteral("N1"));
    const auto entry = [this](QMenu *menu, const QString &caption, const char *name) {
        QAction *action = named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, &TForm1::MenuVCL);
        return action;
    };
    entry(bells, QStringLiteral("Настройка"), "N5");
    entry(bells, QStringLiteral("Обновить"), "N6");
    mas_popup_men[2] = entry(PopupVCL, QStringLiteral("Расписание уроков"), "N2");
    mas_popup_men[3] = entry(PopupVCL, QStringLiteral("Меню"), "N3");
    mas_popup_men[4] = entry(PopupVCL, QStringLiteral("Выход"), "N4");
    TrayIcon->setContextMenu(PopupVCL);
    showTrayIconWhenTrayExists();
}

void TForm1::showTrayIconWhenTrayExists()
{
    if (QSystemTrayIcon::isSystemTrayAvailable() || ++m_trayTries >= kTrayTries) {
        TrayIcon->show();
        return;
    }
    QTimer::singleShot(kTrayRetryMs, this, &TForm1::showTrayIconWhenTrayExists);
}

void TForm1::MenuVCL()
{
    const QString name = sender() ? sender()->objectName() : QString();
    if (name == QLatin1String("N2"))
        ClickRasp();
    else if (name == QLatin1String("N3"))
        ClickMenu();
    else if (name == QLatin1String("N4"))
        QApplication::quit();
    else if (name == QLatin1String("N5"))
        LoadOknoNastrojki(0);
    else if (name == QLatin1String("N6"))
        Form3->ServLockal();
}

void TForm1::TrayDblClick()
{
    LoadOknoNastrojki(0);
}

void TForm1::PopupVCLPopup()
{
    Form4->Timer3->stop();
}

void TForm1::PopupVCLClose()
{
    Form4->Timer3->start();
}

namespace {

// The timetable window set to today with its areas hidden, until a load decides what to show.
void prepareForToday()
{
    dat_vibor = 0;
    Form2->DateEdit1->setDate(Clock::now().date());
    dat_vibor = 1;
    Form7->hide();
    for (QWidget *area : { Form2->Rct_rasp, Form2->Rct_menu, Form2->Rct_osh, Form2->Rct_uch })
        area->hide();
}

} // namespace

void TForm1::ClickRasp()
{
    prepareForToday();
    Form2->LoadRasp();
}

void TForm1::ClickMenu()
{
    prepareForToday();
    Form2->Rectangle3->hide();
    Form2->LoadMenu();
}
