// The message window: one small window that tells the user of a failure or a result without
// making the caller wait. A message shown with code 1 ends the program when it is closed.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TForm6 : public QWidget
{
    Q_OBJECT
public:
    TForm6();
    ~TForm6() override;

    QFrame *Rectangle1; // white, fills the window
    QLabel *Label1; // the message
    QLabel *LabError; // the code, never shown
    QPushButton *Button1; // "Понятно"
    QTimer *Timer1; // keeps the side panel's placement timer running

    // Shows `text`, replacing a message still on screen; `er` 1 ends the program on closing.
    void Soob(const QString &text, int er);
    void Button1Click();
    void FClose();
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
};

extern TForm6 *Form6;
