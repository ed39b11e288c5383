// A picture that acts as a button: reports a click and the mouse moving over it.
#pragma once

#include <QLabel>

class PictureButton : public QLabel
{
    Q_OBJECT
public:
    PictureButton(const QString &accessibleName, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};
