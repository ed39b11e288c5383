// The tray icon of the time widget and its menu.
#include "shell/time_widget.h"

#include "common/data_folder.h"
#include "shell/named_control.h"
#include "shell/settings_window.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

void TForm1::buildTray()
{
    TrayIcon = new QSystemTrayIcon(this);
    TrayIcon->setToolTip(QStringLiteral("Звенира \"Велмора\""));
    QIcon logo(inDataFolder(QStringLiteral("logo.ico")));
    TrayIcon->setIcon(logo.isNull() ? QApplication::windowIcon() : logo);

    PopupVCL = named(new QMenu(this), "PopupVCL");
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
    TrayIcon->show();
}

void TForm1::MenuVCL()
{
    const QString name = sender() ? sender()->objectName() : QString();
    if (name == QLatin1String("N6"))
        Form3->ServLockal();
    else if (name == QLatin1String("N4"))
        QApplication::quit();
}
