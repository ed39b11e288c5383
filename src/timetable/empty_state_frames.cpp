#include "timetable/empty_state_frames.h"

#include "shell/pictures.h"

#include <QPainter>
#include <QPainterPath>

QPixmap emptyStateFrame(int index, qreal ratio)
{
    const QSize size(50, 115);
    QPixmap frame = transparentPicture(size, ratio);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    // From -30 to +30 degrees across the frames, hanging from the top centre.
    const qreal angle = -30.0 + 60.0 * index / (kEmptyStateFrames - 1);
    p.translate(size.width() / 2.0, 4);
    p.rotate(angle);
    const QColor blue(0x00, 0x61, 0xB0);
    p.setPen(QPen(blue, 2));
    p.drawLine(QPointF(0, 0), QPointF(0, 62));
    QPainterPath bell;
    bell.moveTo(-16, 96);
    bell.cubicTo(-12, 84, -14, 62, 0, 62);
    bell.cubicTo(14, 62, 12, 84, 16, 96);
    bell.closeSubpath();
    p.fillPath(bell, blue);
    p.setBrush(blue);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 101), 4, 4);
    p.end();
    return frame;
}
