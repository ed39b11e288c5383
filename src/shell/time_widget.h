// The time widget: the borderless strip over the taskbar showing the scheme in force and the
// bell status, with arrows that step through the schemes. It runs the status engine's tick.
#pragma once

#include "schedule/bell_sounds.h"

#include <QWidget>
#include <memory>

class ArrowImage;
class QLabel;
class QTimer;

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QLabel *Label1;
    ArrowImage *Image1; // left, white
    ArrowImage *Image2; // right, white
    ArrowImage *Image3; // left, black
    ArrowImage *Image4; // right, black
    QTimer *Timer2; // status engine tick
    QTimer *Timer1; // break music

    void setBellSounds(std::unique_ptr<BellSounds> sounds);

    void Timer2Timer();
    void Soob();
    void Image1Click();
    void Image2Click();
    void LoadFile(const QString &im);

    void hideArrows();
    void showArrows(bool whiteText);

    // Bottom edge on the bottom of the desktop, centred across the screen, on top again.
    void placeOverTaskbar();

private:
    QString schemeNameInForce() const;
    void actOnStateChange(int status);
    void stopBreakMusic();

    std::unique_ptr<BellSounds> m_sounds;
};

extern TForm1 *Form1;
