// Where the program's windows stand: the stay-on-top style, and the centre of the screen.
#pragma once

class QWidget;

// Gives a window the stay-on-top style or takes it away, keeping it shown if it was.
void setStayOnTop(QWidget *window, bool onTop);

// Puts the window in the middle of the primary screen.
void centreOnScreen(QWidget *window);
