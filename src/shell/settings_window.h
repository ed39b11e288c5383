// The settings window: the settings and the bell schedule editor with the scheme list.
#pragma once

#include "editor/bell_grid.h"
#include "schedule/media_player.h"

#include <QWidget>

class ModeSwitch;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;
class ServerLink;

class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(const PlayerFactory &makePlayer);
    ~TForm3() override;

    QRadioButton *sRadioButton1; // widget text "Белый"
    QRadioButton *sRadioButton2; // widget text "Черный"
    QCheckBox *CheckBox1; // "Оповещение"
    QRadioButton *sRadioButton3; // bell kind "Голос"
    QRadioButton *sRadioButton4; // bell kind "Звонок"
    QSlider *TrackBar1; // bell volume 0..100
    QSlider *TrackBar2; // music volume 0..100
    // Sound choice per event: "Выбранное" / "Случайное" and the voice file list.
    QRadioButton *RadioButton1, *RadioButton2; // lesson start
    QRadioButton *RadioButton3, *RadioButton4; // break
    QRadioButton *RadioButton5, *RadioButton6; // end of lessons
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QToolButton *Image5, *Image6, *Image7; // listen to the list's current file
    MediaPlayer *MediaPlayer1; // the window's own player for listening
    QCheckBox *CheckBox2; // "Информация на панели задач"
    QCheckBox *CheckBox3; // "Музыка на перемене"
    QCheckBox *CheckBox4; // "Есть нулевой урок"
    QCheckBox *CheckBox6; // "Проигрывать схемы по порядку"
    QCheckBox *CheckBox7; // "Перемена вместо окончания уроков"
    QStringList Memo1; // full paths of the music files
    QStringList Memo2, Memo3, Memo4; // full paths of the voice files: start, break, end
    QLineEdit *sEdit2; // server address "Адрес (IP)"
    QLineEdit *sEdit3; // server port "Порт"
    ModeSwitch *Rectangle21; // "Загружать расписание": knob left server, right local
    QListWidget *sListView2; // the scheme list every part consults
    QMenu *PopupMenu3; // the list's context menu, attached in local mode only
    QAction *MenuItem8, *MenuItem9, *E1; // "↑ выше", "↓ ниже", "Удалить"
    QLineEdit *sEdit6; // name of a new scheme
    QToolButton *Image4; // "Добавить"
    QToolButton *Image8; // "Копировать расписание за ..."
    QPushButton *Rectangle9; // "Сохранить"
    QGroupBox *sGroupBox6; // the editor panel "Время"
    BellGrid grid;

    // Scheme list and scheme files of the current mode folder.
    void LoadSpisok();
    void SaveSpisokLocal();
    void LoadShema(const QString &im);
    void CreateNewShema(const QString &im);
    void SaveShemaFile(const QString &im); // normalises shema, then writes the scheme's file
    void ListView2Click();

    // The bell time grid: which boxes the user may change, and the lesson numbers of the rows.
    void ComboEnabl();
    void Pereschet_num_ur();

    // Brings the stored settings into the controls and globals.
    void LoadSetting();

    void Image5Click(); // one handler for the three listen pictures

    // Server or local mode, and the cache of downloaded files.
    ServerLink *link;
    void Rectangle21MouseUp(int x);
    void PologSwitch();
    void DejstvSwitch();
    void ServLockal();
    void SaveWeb(const QString &content, const QString &name);

private:
    QWidget *buildSoundBox();
    void loadServerAddress();
    void applyStoredMode();
    QWidget *buildServerBox();
    QWidget *buildSchemeListTools();
    void loadSchemeNames();
    void enableSchemeEditing(bool enabled);

    std::unique_ptr<MediaPlayer> m_listenPlayer;
};

extern TForm3 *Form3;
