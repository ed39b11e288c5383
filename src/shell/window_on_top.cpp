#include "shell/window_on_top.h"

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
