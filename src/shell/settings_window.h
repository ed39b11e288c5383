// The settings window: the settings and the bell schedule editor with the scheme list.
#pragma once

#include "editor/bell_grid.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QRadioButton;

class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QRadioButton *sRadioButton1; // widget text "Белый"
    QRadioButton *sRadioButton2; // widget text "Черный"
    QCheckBox *CheckBox1; // "Оповещение"
    QCheckBox *CheckBox2; // "Информация на панели задач"
    QCheckBox *CheckBox3; // "Музыка на перемене"
    QCheckBox *CheckBox6; // "Проигрывать схемы по порядку"
    QListWidget *sListView2; // the scheme list every part consults
    QGroupBox *sGroupBox6; // the editor panel "Время"
    BellGrid grid;

    // Scheme list and scheme files of the current mode folder.
    void LoadSpisok();
    void SaveSpisokLocal();
    void LoadShema(const QString &im);
    void CreateNewShema(const QString &im);
    void SaveShemaFile(const QString &im); // normalises shema, then writes the scheme's file
    void ListView2Click();
};

extern TForm3 *Form3;
