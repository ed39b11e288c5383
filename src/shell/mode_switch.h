// The on/off switch under "Загружать расписание": a rounded track with a round knob, knob left
// for server mode and right for local mode. It reports where the mouse was released.
#pragma once

#include <QFrame>

class ModeSwitch : public QFrame
{
    Q_OBJECT
public:
    explicit ModeSwitch(QWidget *parent);

    QFrame *Circle1; // the knob

Q_SIGNALS:
    void released(int x);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
