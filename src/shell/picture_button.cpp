#include "shell/picture_button.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QString &accessibleName, QWidget *parent) : QLabel(parent)
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    Q_EMIT mouseMoved();
    QLabel::enterEvent(event);
}
