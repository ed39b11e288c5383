#include "shell/arrow_image.h"

#include "shell/pictures.h"

#include <QPainter>
#include <QPainterPath>

ArrowImage::ArrowImage(Direction direction, const QColor &color, QWidget *parent)
    : PictureButton(direction == Left ? QStringLiteral("Предыдущая схема")
                                      : QStringLiteral("Следующая схема"),
                    parent)
{
    constexpr int width = 15;
    constexpr int height = 36;
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = transparentPicture(QSize(width, height), ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    const qreal tip = direction == Left ? 3 : width - 3;
    const qreal base = direction == Left ? width - 3 : 3;
    triangle.moveTo(base, height / 2.0 - 7);
    triangle.lineTo(tip, height / 2.0);
    triangle.lineTo(base, height / 2.0 + 7);
    triangle.closeSubpath();
    painter.fillPath(triangle, color);
    painter.end();
    setPixmap(picture);
    setFixedSize(width, height);
    hide();
}
