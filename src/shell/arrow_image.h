// One of the widget's four scheme arrows: a small drawn triangle that reports clicks.
#pragma once

#include <QColor>
#include <QLabel>

class ArrowImage : public QLabel
{
    Q_OBJECT
public:
    enum Direction { Left, Right };
    ArrowImage(Direction direction, const QColor &color, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
