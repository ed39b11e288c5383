// The settings window: the settings and the bell schedule editor with the scheme list.
#pragma once

#include "editor/bell_grid.h"
#include "schedule/media_player.h"
#include "settings/settings_layout.h"

#include <QWidget>

class ModeSwitch;
class QAction;
class QEventLoop;
class QFrame;
class QLabel;
class QCheckBox;
class QComboBox;
class QGridLayout;
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

    QWidget *Rectangle4; // left column: the settings box over the bell schedule box
    QGroupBox *sGroupBox2; // "Настройки"
    QGroupBox *sGroupBox5; // "Расписание звонков"
    QGroupBox *Rct_prochee; // right column "Прочее"
    QLabel *Label1; // hidden: the weekday "1" .. "7" whose times the grid shows
    QLabel *sLabelFX1; // "сегодня " and the day's name

    QRadioButton *sRadioButton1; // widget text "Белый"
    QRadioButton *sRadioButton2; // widget text "Черный"
    QCheckBox *CheckBox1; // "Оповещение"
    QRadioButton *sRadioButton3; // bell kind "Голос"
    QRadioButton *sRadioButton4; // bell kind "Звонок"
    QSlider *TrackBar1; // bell volume 0..100
    QSlider *TrackBar2; // music volume 0..100
    QLabel *Label14; // "Оповещение - " and the bell volume
    QLabel *Label15; // "Музыка - " and the music volume
    QSlider *TrackBar3; // "Ширина колонок в расписании" 55..100
    // Sound choice per event: "Выбранное" / "Случайное" and the voice file list.
    QRadioButton *RadioButton1, *RadioButton2; // lesson start
    QRadioButton *RadioButton3, *RadioButton4; // break
    QRadioButton *RadioButton5, *RadioButton6; // end of lessons
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QToolButton *Image5, *Image6, *Image7; // listen to the list's current file
    MediaPlayer *MediaPlayer1; // the window's own player for listening
    QCheckBox *sCheckBox1; // "Отображать боковую панель"
    QCheckBox *CheckBox2; // "Информация на панели задач"
    QCheckBox *CheckBox3; // "Музыка на перемене"
    QPushButton *Rectangle7; // "Папка..."
    QCheckBox *CheckBox4; // "Есть нулевой урок"
    QCheckBox *CheckBox5; // "Автозапуск"
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
    QMenu *PopupMenu4; // the weekdays to copy from
    QPushButton *Rectangle9; // "Сохранить"
    QToolButton *Image9; // "Копировать в буфер обмена"
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

    // The bell time editor (editor/bell_editor.cpp).
    void sCombChange();
    void LoadDen(int den);
    void DenClick(int k);
    void Image8Click();
    void MenuItem1Click(QAction *item);
    void Rectangle9Click();
    int editorWeekday() const; // Label1's "1" .. "7"

    // Copying tables to the clipboard (timetable/table_copy.cpp).
    void StrToClipboard(const QString &html);
    void Image9Click(); // the bell times of the editor

    // The scheme list in local mode (editor/scheme_list_editing.cpp).
    void Image4Click();
    void E1Click();
    void MenuItem8Click(QAction *item); // "↑ выше" (tag -1) and "↓ ниже" (tag 1)

    // The question inside the window: waits for "Да" or "Нет" while timers and windows go on.
    QFrame *Rct_soobDlg;
    QLabel *LabelSoob1; // the question
    QLabel *LabelSoob2; // "Внимание!"
    QPushButton *ButtonSoob1; // "Да"
    QPushButton *ButtonSoob2; // "Нет"
    QString Dial(const QString &text);
    void ButtonSoob1Click();
    void ButtonSoob2Click();

    // Brings the stored settings into the controls and globals.
    void LoadSetting();
    // Closing the full window: the server as typed, the scheme chosen brought into force.
    void saveOnClose();

    void Image5Click(); // one handler for the three listen pictures

    // Server or local mode, and the cache of downloaded files.
    ServerLink *link;
    void Rectangle21MouseUp(int x);
    void PologSwitch();
    void DejstvSwitch();
    void ServLockal();
    void SaveWeb(const QString &content, const QString &name);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct SoundChoice
    {
        QRadioButton *chosen, *random;
        QComboBox *list;
        QToolButton *listen;
        SettingCell randomCell, indexCell;
        // The list and its listen picture: usable only when chosen and holding a file.
        void enable(bool chosenSound) const;
    };
    void wireSettingControls();
    void wireBellEditor();
    void wireSchemeListEditing();
    void gridIntoShema(int day);
    void markUnsaved(bool unsaved);
    void showBellBoxes(bool bellsOn);
    void buildSoundBox(QGridLayout *settings);
    QGroupBox *buildOtherBox();
    QGroupBox *buildBellScheduleBox();
    QFrame *buildQuestionPanel();
    void nameControlsForAccessibility();
    void loadServerAddress();
    void loadSoundChoice(const SoundChoice &choice);
    void loadGridSize();
    void buildServerBox(QGridLayout *settings);
    void loadSchemeNames();
    void enableSchemeEditing(bool enabled);

    std::unique_ptr<MediaPlayer> m_listenPlayer;
    QString m_designCaption; // `cap`: the caption the organisation's name is put after
    QEventLoop *m_question = nullptr; // the wait of Dial, while the question is open
};

extern TForm3 *Form3;
