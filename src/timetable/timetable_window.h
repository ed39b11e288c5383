// The timetable window: under a top bar (date, teacher, bell status, free rooms and copy), the
// timetable grid of all classes, the canteen menu, or an animated empty state.
#pragma once

#include <QWidget>
#include <memory>

class MenuView;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QScrollArea;
class QTimer;
class QToolButton;

class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    QWidget *Rct_top; // the top bar
    QFrame *Rct_prosl_1, *Rct_dat, *Rct_prosl_2; // spacer, date panel, spacer
    QDateEdit *DateEdit1;
    QWidget *Rct_uch; // the teacher, status and tool panels; hidden in the empty state and menu
    QFrame *Rectangle1; // "учитель"
    QComboBox *ComboBox1; // the teacher selector
    QFrame *Rectangle3; // status plate; property "tag" is 1 while a bell status is available
    QLabel *Label3; // the status text
    QFrame *Rct_prosl_4, *Rectangle5; // spacer, tools panel
    QToolButton *Image2; // "Свободные кабинеты"
    QToolButton *Image9; // "Копировать в буфер обмена"
    QWidget *Rct_rasp; // the grid area
    QScrollArea *ScrollBox1;
    QWidget *Rct_menu; // the canteen menu area
    QWidget *Rct_osh; // the empty state
    QLabel *Image1; // the empty state's animation, 50 x 115
    QTimer *Timer1; // the animation, 40 ms
    int h = 36; // height of a lesson row

    // The grid (timetable_cells.cpp).
    void YachRaskCreate(int i, int j);
    void ShirColon();
    void SbrosVidelen();
    void ComboBox1Change();
    void RaspRctClick();

    // Loading (timetable_load.cpp).
    void LoadRasp();
    void DobVCombo(const QString &s);
    void SortCombo();

    void Image2Click(); // the free rooms of each lesson (free_rooms_query.cpp)
    void Image9Click(); // the timetable to the clipboard (table_copy.cpp)
    // The canteen menu (menu_load.cpp).
    void LoadMenu();
    void TextInWeb(const QString &text);
    bool hasMenuView() const { return m_menuView != nullptr; }

    void Timer1Timer();
    void DateEdit1OpenPicker();
    void DateEdit1ClosePicker();
    void KoordPlashek();
    void showEmptyState(QWidget *areaInUse);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *cellArea() const;
    QStringList teacherItems() const;
    std::unique_ptr<MenuView> m_menuView; // made the first time a menu is shown
};

extern TForm2 *Form2;
