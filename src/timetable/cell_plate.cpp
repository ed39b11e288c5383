#include "timetable/cell_plate.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

CellPlate::CellPlate(bool dataCell, QWidget *parent)
    : QFrame(parent), ur(new QLabel(this)), m_dataCell(dataCell)
{
    ur->setAlignment(Qt::AlignCenter);
    if (dataCell) {
        kab = new QLabel(this);
        kab->setAlignment(Qt::AlignCenter);
    } else {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void CellPlate::setColours(const QColor &fill, const QColor &stroke)
{
    m_fill = fill;
    m_stroke = stroke;
    update();
}

void CellPlate::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_fill);
    p.setPen(QPen(m_stroke, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CellPlate::resizeEvent(QResizeEvent *event)
{
    // A data cell: the subject along the top, half the height; the room below it.
    const int strip = height() / 2;
    if (kab) {
        ur->setGeometry(0, 0, width(), strip);
        kab->setGeometry(0, strip, width(), height() - strip);
    } else {
        ur->setGeometry(rect());
    }
    QFrame::resizeEvent(event);
}

void CellPlate::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dataCell && event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}
