#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void setStayOnTop(QWidget *window, bool onTop)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop); // hides a shown window
    if (shown)
        window->show();
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move((screen->geometry().width() - window->width()) / 2,
                     (screen->geometry().height() - window->height()) / 2);
}
