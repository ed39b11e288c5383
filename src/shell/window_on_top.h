// Gives a window the stay-on-top style or takes it away, keeping it shown if it was.
#pragma once

class QWidget;

void setStayOnTop(QWidget *window, bool onTop);
