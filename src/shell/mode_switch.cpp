#include "shell/mode_switch.h"

#include <QMouseEvent>

ModeSwitch::ModeSwitch(QWidget *parent) : QFrame(parent), Circle1(new QFrame(this))
{
    setObjectName(QStringLiteral("Rectangle21"));
    setFixedSize(56, 22);
    setStyleSheet(QStringLiteral("#Rectangle21 { background: white; border: 1px solid #9a9a9a; "
                                 "border-radius: 10px; }"));
    Circle1->setObjectName(QStringLiteral("Circle1"));
    Circle1->setFixedSize(18, 18);
    Circle1->setStyleSheet(QStringLiteral("background: #0061B0; border-radius: 9px;"));
    Circle1->move(2, 2);
    setCursor(Qt::PointingHandCursor);
}

void ModeSwitch::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT released(qRound(event->position().x()));
    QFrame::mouseReleaseEvent(event);
}
