// The time widget: the borderless strip over the taskbar showing the scheme in force and the
// bell status, with arrows that step through the schemes. It runs the status engine's tick.
#pragma once

#include "schedule/bell_choice.h"
#include "schedule/media_player.h"

#include <QWidget>
#include <array>
#include <memory>

class ArrowImage;
class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(const PlayerFactory &makePlayer);
    ~TForm1() override;

    QLabel *Label1;
    ArrowImage *Image1; // left, white
    ArrowImage *Image2; // right, white
    ArrowImage *Image3; // left, black
    ArrowImage *Image4; // right, black
    QTimer *Timer2; // status engine tick
    QTimer *Timer1; // break music
    MediaPlayer *MediaPlayer1; // bells
    MediaPlayer *MediaPlayer2; // break music
    QSystemTrayIcon *TrayIcon;
    QMenu *PopupVCL; // the tray icon's menu
    std::array<QAction *, 5> mas_popup_men {}; // [2] "Расписание уроков", [3] "Меню", [4] "Выход"

    void Timer2Timer();
    void Soob();
    void Image1Click();
    void Image2Click();
    void LoadFile(const QString &im);
    // Brings scheme `im` into force and starts the tick; its first status is taken silently.
    void startScheme(const QString &im);

    void MenuVCL(); // one click handler for the tray menu entries
    void TrayDblClick(); // the full settings window
    void PopupVCLPopup(); // the side panel's placement timer rests while the menu is open
    void PopupVCLClose();
    void ClickRasp(); // the timetable of today
    void ClickMenu(); // the canteen menu of today

    // Shows the settings window: 0 full size with every setting, 1 compact with the bell
    // schedules only.
    void LoadOknoNastrojki(int skrit);

    // Bells and break music
    void PlayBell(BellEvent event);
    void StartMusic();
    void StopMusic();
    void Timer1Timer();

    void hideArrows();
    void showArrows(bool whiteText);
    // White text with the white arrows, or near-black text with the black ones.
    void setTextColour(bool white);

    // Bottom edge on the bottom of the desktop, centred across the screen, on top again.
    void placeOverTaskbar();

    // The list item at position shem_num: the scheme the strip names; empty when there is none.
    QString schemeNameInForce() const;

private:
    void buildTray();
    void showTrayIconWhenTrayExists();
    void actOnStateChange(int status);
    void stepToScheme(int position);
    void playNextTrack();
    void musicTrackEnded();
    void musicTrackFailed();
    void startNextTrackOfBreak();

    std::unique_ptr<MediaPlayer> m_bellPlayer;
    std::unique_ptr<MediaPlayer> m_musicPlayer;
    int m_failedTracks = 0;
    int m_trayTries = 0;
};

extern TForm1 *Form1;
