// One cell of the timetable grid: a filled rectangle with a 1-pixel stroke holding its labels,
// the subject over the room in a data cell, one centred text in a header or number cell.
#pragma once

#include <QColor>
#include <QFrame>

class QLabel;

class CellPlate : public QFrame
{
    Q_OBJECT
public:
    // A data cell reacts to the mouse; header and number cells let it pass through.
    CellPlate(bool dataCell, QWidget *parent);

    void setColours(const QColor &fill, const QColor &stroke);
    QColor fill() const { return m_fill; }

    QLabel *ur; // the subject, class name or lesson number
    QLabel *kab = nullptr; // the room, in data cells only

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_dataCell;
    QColor m_fill = Qt::white;
    QColor m_stroke;
};
