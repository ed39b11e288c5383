// One of the widget's four scheme arrows: a small drawn triangle that reports clicks.
#pragma once

#include "shell/picture_button.h"

#include <QColor>

class ArrowImage : public PictureButton
{
    Q_OBJECT
public:
    enum Direction { Left, Right };
    ArrowImage(Direction direction, const QColor &color, QWidget *parent);
};
