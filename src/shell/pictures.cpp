#include "shell/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

const QColor kBlue(0x00, 0x61, 0xB0);

// A bell in the square `box`.
void drawBell(QPainter &p, const QRectF &box, const QColor &colour)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath bell;
    bell.moveTo(box.left() + 0.15 * w, box.top() + 0.75 * h);
    bell.cubicTo(box.left() + 0.25 * w, box.top() + 0.6 * h, box.left() + 0.2 * w,
                 box.top() + 0.15 * h, box.center().x(), box.top() + 0.15 * h);
    bell.cubicTo(box.right() - 0.2 * w, box.top() + 0.15 * h, box.right() - 0.25 * w,
                 box.top() + 0.6 * h, box.right() - 0.15 * w, box.top() + 0.75 * h);
    bell.closeSubpath();
    p.fillPath(bell, colour);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(box.center().x(), box.top() + 0.84 * h), 0.09 * w, 0.09 * h);
    p.drawEllipse(QPointF(box.center().x(), box.top() + 0.12 * h), 0.05 * w, 0.05 * h);
}

// A sheet with a grid of lines: the timetable.
void drawTimetable(QPainter &p, const QRectF &box, const QColor &colour)
{
    p.setPen(QPen(colour, box.width() / 16));
    p.setBrush(Qt::NoBrush);
    const QRectF sheet = box.adjusted(box.width() * 0.1, box.height() * 0.1, -box.width() * 0.1,
                                      -box.height() * 0.1);
    p.drawRoundedRect(sheet, 3, 3);
    for (int i = 1; i < 4; ++i) {
        const qreal y = sheet.top() + sheet.height() * i / 4;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    const qreal x = sheet.left() + sheet.width() / 3;
    p.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
}

// A plate with a fork and a knife: the canteen menu.
void drawMenu(QPainter &p, const QRectF &box, const QColor &colour)
{
    const qreal w = box.width();
    p.setPen(QPen(colour, w / 16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box.center(), w * 0.26, w * 0.26);
    const qreal top = box.top() + box.height() * 0.12;
    const qreal bottom = box.bottom() - box.height() * 0.12;
    const qreal fork = box.left() + w * 0.08;
    const qreal knife = box.right() - w * 0.08;
    p.drawLine(QPointF(fork, top), QPointF(fork, bottom));
    p.drawLine(QPointF(knife, top), QPointF(knife, bottom));
    p.drawLine(QPointF(fork - w * 0.04, top), QPointF(fork - w * 0.04, top + w * 0.2));
    p.drawLine(QPointF(fork + w * 0.04, top), QPointF(fork + w * 0.04, top + w * 0.2));
}

// An icon drawn at the usual sizes by `draw`, given the square to fill.
QIcon drawnIcon(const std::function<void(QPainter &, qreal)> &draw)
{
    QIcon icon;
    for (int size : { 16, 22, 32, 48, 64, 128 }) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, size);
        p.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace

QIcon playIcon()
{
    return drawnIcon([](QPainter &p, qreal size) {
        QPainterPath triangle;
        triangle.moveTo(size * 0.3, size * 0.2);
        triangle.lineTo(size * 0.8, size * 0.5);
        triangle.lineTo(size * 0.3, size * 0.8);
        triangle.closeSubpath();
        p.fillPath(triangle, kBlue);
    });
}

QIcon copyIcon()
{
    return drawnIcon([](QPainter &p, qreal size) {
        p.setPen(QPen(kBlue, qMax<qreal>(1, size / 14)));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(size * 0.15, size * 0.1, size * 0.5, size * 0.6), 2, 2);
        p.drawRoundedRect(QRectF(size * 0.35, size * 0.3, size * 0.5, size * 0.6), 2, 2);
    });
}

QIcon freeRoomsIcon()
{
    return drawnIcon([](QPainter &p, qreal size) {
        p.setPen(QPen(kBlue, qMax<qreal>(1, size / 14)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(size * 0.25, size * 0.1, size * 0.5, size * 0.8));
        QPainterPath door;
        door.moveTo(size * 0.25, size * 0.1);
        door.lineTo(size * 0.55, size * 0.2);
        door.lineTo(size * 0.55, size * 0.95);
        door.lineTo(size * 0.25, size * 0.9);
        door.closeSubpath();
        p.fillPath(door, kBlue);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(size * 0.48, size * 0.55), size * 0.04, size * 0.04);
    });
}

QIcon programIcon()
{
    return drawnIcon([](QPainter &p, qreal size) {
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0, 0, size, size));
        drawBell(p, QRectF(size * 0.2, size * 0.18, size * 0.6, size * 0.6), Qt::white);
    });
}

QPixmap transparentPicture(const QSize &size, qreal ratio)
{
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

QPixmap panelButtonPicture(PanelButton kind, qreal ratio)
{
    const QSize size(105, 100);
    QPixmap picture = transparentPicture(size, ratio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1, 2, size.width() - 2, size.height() - 4), 10, 10);
    const QRectF glyph(32, 12, 40, 40);
    QString caption;
    switch (kind) {
    case PanelButton::Timetable:
        drawTimetable(p, glyph, Qt::white);
        caption = QStringLiteral("Расписание");
        break;
    case PanelButton::Menu:
        drawMenu(p, glyph, Qt::white);
        caption = QStringLiteral("Меню");
        break;
    case PanelButton::Bells:
        drawBell(p, glyph, Qt::white);
        caption = QStringLiteral("Звонки");
        break;
    }
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 60, size.width(), 30), Qt::AlignCenter, caption);
    p.end();
    return picture;
}
