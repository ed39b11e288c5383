#include "timetable/timetable_window.h"

#include "common/globals.h"
#include "shell/pictures.h"
#include "shell/window_placement.h"
#include "timetable/empty_state_frames.h"
#include "timetable/free_rooms_window.h"
#include "timetable/menu_view.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TForm2 *Form2 = nullptr;

namespace {

const QString kPanelStyle = QStringLiteral("background: white; border: 1px solid #9E9E9E; "
                                           "border-radius: 5px;");

QFrame *panel(const char *name, QWidget *parent, int x, int width, bool visible = true)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(x, 0, width, 33);
    if (visible)
        frame->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(QLatin1String(name), kPanelStyle));
    return frame;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->move(8, 8);
    label->setStyleSheet(QStringLiteral("border: none; background: transparent;"));
    return label;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint
                  | Qt::WindowMaximizeButtonHint)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Расписание Меню Звонки"));
    resize(927, 480);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    Rct_top = new QWidget(this);
    Rct_top->setObjectName(QStringLiteral("Rct_top"));
    Rct_top->setFixedHeight(33);
    Rct_prosl_1 = panel("Rct_prosl_1", Rct_top, 0, 10, false);
    Rct_dat = panel("Rct_dat", Rct_top, 10, 137);
    caption(QStringLiteral("дата"), Rct_dat);
    DateEdit1 = new QDateEdit(QDate::currentDate(), Rct_dat);
    DateEdit1->setObjectName(QStringLiteral("DateEdit1"));
    DateEdit1->setAccessibleName(QStringLiteral("Дата"));
    DateEdit1->setCalendarPopup(true);
    DateEdit1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    DateEdit1->setGeometry(45, 5, 81, 22);
    QFont small = DateEdit1->font();
    small.setPixelSize(11); // the whole date fits beside the picker's button
    DateEdit1->setFont(small);
    DateEdit1->calendarWidget()->installEventFilter(this);
    Rct_prosl_2 = panel("Rct_prosl_2", Rct_top, 147, 10, false);
    Rct_uch = new QWidget(Rct_top);
    Rct_uch->setObjectName(QStringLiteral("Rct_uch"));
    Rct_uch->setGeometry(157, 0, 700, 33);
    Rectangle1 = panel("Rectangle1", Rct_uch, 0, 232);
    caption(QStringLiteral("учитель"), Rectangle1);
    ComboBox1 = new QComboBox(Rectangle1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Учитель"));
    ComboBox1->setGeometry(56, 5, 161, 22);
    ComboBox1->setMaxVisibleItems(12);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm2::ComboBox1Change);
    Rectangle3 = panel("Rectangle3", Rct_uch, 232, 280, false);
    Rectangle3->setProperty("tag", 0);
    auto *statusBox = panel("Rectangle33", Rectangle3, 10, 270);
    Label3 = new QLabel(statusBox);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(1, 1, 268, 31);
    Label3->setStyleSheet(QStringLiteral("border: none; background: transparent;"));
    Rct_prosl_4 = panel("Rct_prosl_4", Rct_uch, 512, 10, false);
    Rectangle5 = panel("Rectangle5", Rct_uch, 522, 84);
    Image2 = new QToolButton(Rectangle5);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setIcon(freeRoomsIcon());
    Image2->setIconSize(QSize(26, 26));
    Image2->setToolTip(QStringLiteral("Свободные кабинеты"));
    Image2->setAccessibleName(Image2->toolTip());
    Image2->setGeometry(10, 0, 33, 33);
    connect(Image2, &QToolButton::clicked, this, &TForm2::Image2Click);
    Image9 = new QToolButton(Rectangle5);
    Image9->setObjectName(QStringLiteral("Image9"));
    Image9->setToolTip(QStringLiteral("Копировать в буфер обмена"));
    Image9->setAccessibleName(Image9->toolTip());
    Image9->setGeometry(53, 5, 22, 22);
    Image9->setIcon(copyIcon());
    connect(Image9, &QToolButton::clicked, this, &TForm2::Image9Click);

    Rct_rasp = new QWidget(this);
    Rct_rasp->setObjectName(QStringLiteral("Rct_rasp"));
    ScrollBox1 = new QScrollArea(Rct_rasp);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidget(new QWidget);
    ScrollBox1->widget()->setAutoFillBackground(true);
    ScrollBox1->widget()->setPalette(white);
    (new QVBoxLayout(Rct_rasp))->addWidget(ScrollBox1);
    Rct_rasp->layout()->setContentsMargins(0, 0, 0, 0);
    Rct_menu = new QWidget(this);
    Rct_menu->setObjectName(QStringLiteral("Rct_menu"));
    Rct_menu->hide();
    auto *menuLayout = new QVBoxLayout(Rct_menu);
    menuLayout->setContentsMargins(0, 0, 0, 0);
    Rct_osh = new QWidget(this);
    Rct_osh->setObjectName(QStringLiteral("Rct_osh"));
    Rct_osh->hide();
    Image1 = new QLabel(Rct_osh);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(50, 115);
    auto *centred = new QVBoxLayout(Rct_osh);
    centred->addWidget(Image1, 0, Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(Rct_top);
    layout->addWidget(Rct_rasp, 1);
    layout->addWidget(Rct_menu, 1);
    layout->addWidget(Rct_osh, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(40);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
}

TForm2::~TForm2() = default;

QWidget *TForm2::cellArea() const
{
    return ScrollBox1->widget();
}

void TForm2::Timer1Timer()
{
    Image1->setPixmap(emptyStateFrame(kart, devicePixelRatioF()));
    kart += napr_kart;
    if (kart == kEmptyStateFrames - 1 || kart == 0)
        napr_kart = -napr_kart;
}

void TForm2::showEmptyState(QWidget *areaInUse)
{
    Timer1->start();
    areaInUse->hide();
    if (areaInUse == Rct_rasp)
        Rct_uch->hide();
    Rct_osh->show();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DateEdit1->calendarWidget()) {
        if (event->type() == QEvent::Show)
            DateEdit1OpenPicker();
        else if (event->type() == QEvent::Hide)
            QTimer::singleShot(0, this, &TForm2::DateEdit1ClosePicker);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::DateEdit1OpenPicker()
{
    vibr_dat = DateEdit1->text();
}

void TForm2::DateEdit1ClosePicker()
{
    if (dat_vibor != 1 || DateEdit1->text() == vibr_dat)
        return;
    if (Form7->isVisible())
        Form7->close();
    // After a menu load the caption begins with "Меню", so at most one of the two runs.
    if (windowTitle().left(4) == QStringLiteral("Меню"))
        LoadMenu();
    if (windowTitle().left(10) == QStringLiteral("Расписание"))
        LoadRasp();
}

void TForm2::KoordPlashek()
{
    Rct_prosl_1->move(0, 0);
    Rct_dat->move(10, 0);
    Rct_prosl_2->move(147, 0);
    Rectangle1->move(0, 0);
    Rectangle3->move(232, 0);
    Rct_prosl_4->move(512, 0);
    Rectangle5->move(522, 0);
}

void TForm2::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    if (Form7)
        Form7->hide();
    QWidget::closeEvent(event);
}
