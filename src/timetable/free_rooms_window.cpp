#include "timetable/free_rooms_window.h"

#include "shell/window_placement.h"
#include "timetable/timetable_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

TForm7 *Form7 = nullptr;

namespace {

constexpr int kLessonColumnWidth = 35;

} // namespace

TForm7::TForm7()
    : QWidget(nullptr,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Свободные кабинеты"));
    resize(846, 245);
    StringGrid3 = new QTableWidget(0, 2, this);
    StringGrid3->setObjectName(QStringLiteral("StringGrid3"));
    StringGrid3->setAccessibleName(windowTitle());
    StringGrid3->setHorizontalHeaderLabels({ QStringLiteral("Урок"), QStringLiteral("Кабинеты") });
    StringGrid3->verticalHeader()->hide();
    StringGrid3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid3->setColumnWidth(0, kLessonColumnWidth);
    StringGrid3->setColumnWidth(1, 781);
    StringGrid3->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The header: white text, 12 pixels, 4 inside the left edge, on the timetable's blue.
    StringGrid3->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: #0061B0; color: white; "
                       "font-size: 12px; padding-left: 4px; border: none; "
                       "border-right: 1px solid white; border-bottom: 1px solid white; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid3);
}

void TForm7::showFreeRooms(const QStringList &perLesson, int roomsColumnWidth)
{
    StringGrid3->setRowCount(static_cast<int>(perLesson.size()));
    QFont number(QStringLiteral("Times New Roman"));
    number.setPixelSize(12);
    number.setBold(true);
    for (int row = 0; row < perLesson.size(); ++row) {
        auto *lesson = new QTableWidgetItem(QString::number(row + 1));
        lesson->setTextAlignment(Qt::AlignCenter);
        lesson->setFont(number);
        StringGrid3->setItem(row, 0, lesson);
        StringGrid3->setItem(row, 1, new QTableWidgetItem(perLesson[row]));
    }
    StringGrid3->setColumnWidth(1, roomsColumnWidth);
    resize(kLessonColumnWidth + roomsColumnWidth + 53, height());
    centreOnScreen(this);
    Form2->hide();
    show();
    raise();
}

void TForm7::closeEvent(QCloseEvent *event)
{
    Form2->show();
    QWidget::closeEvent(event);
}
