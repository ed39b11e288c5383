// The question inside the settings window: a panel with "Да" and "Нет" that Dial waits on in
// an event loop of its own, so timers and windows go on while nobody answers.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "shell/named_control.h"

#include <QEventLoop>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kTitleHeight = 25;

} // namespace

QFrame *TForm3::buildQuestionPanel()
{
    auto *panel = named(new QFrame(this), "Rct_soobDlg");
    panel->setFixedSize(297, 148);
    panel->setStyleSheet(QStringLiteral("#Rct_soobDlg { background: white; "
                                        "border: 1px solid #717171; }"));
    auto *shadow = new QGraphicsDropShadowEffect(panel);
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 2);
    panel->setGraphicsEffect(shadow);
    LabelSoob2 = named(new QLabel(QStringLiteral("Внимание!"), panel), "LabelSoob2");
    LabelSoob2->setGeometry(0, 0, panel->width(), kTitleHeight);
    LabelSoob2->setAlignment(Qt::AlignCenter);
    QFont bold = LabelSoob2->font();
    bold.setBold(true);
    LabelSoob2->setFont(bold);
    LabelSoob1 = named(new QLabel(panel), "LabelSoob1");
    LabelSoob1->setGeometry(10, kTitleHeight, panel->width() - 20, 77);
    LabelSoob1->setAlignment(Qt::AlignCenter);
    LabelSoob1->setWordWrap(true);
    ButtonSoob1 = named(new QPushButton(QStringLiteral("Да"), panel), "ButtonSoob1");
    ButtonSoob1->setGeometry(32, kTitleHeight + 85, 88, 28);
    ButtonSoob1->setAutoDefault(true); // Enter answers "Да": the focus is there
    ButtonSoob2 = named(new QPushButton(QStringLiteral("Нет"), panel), "ButtonSoob2");
    ButtonSoob2->setGeometry(177, kTitleHeight + 85, 88, 28);
    ButtonSoob2->setAutoDefault(true);
    connect(ButtonSoob1, &QPushButton::clicked, this, &TForm3::ButtonSoob1Click);
    connect(ButtonSoob2, &QPushButton::clicked, this, &TForm3::ButtonSoob2Click);
    panel->hide();
    return panel;
}

QString TForm3::Dial(const QString &text)
{
    Rct_soobDlg->move((width() - Rct_soobDlg->width()) / 2, (height() - Rct_soobDlg->height()) / 2);
    Rct_soobDlg->show();
    Rct_soobDlg->raise();
    resDial.clear();
    sGroupBox2->setEnabled(false);
    sGroupBox5->setEnabled(false);
    LabelSoob1->setText(text);
    ButtonSoob1->setFocus();

    QEventLoop wait;
    m_question = &wait;
    if (resDial.isEmpty())
        wait.exec();
    m_question = nullptr;

    Rct_soobDlg->hide();
    sGroupBox2->setEnabled(true);
    sGroupBox5->setEnabled(true);
    return resDial;
}

void TForm3::ButtonSoob1Click()
{
    resDial = QStringLiteral("Да");
    if (m_question)
        m_question->quit();
}

void TForm3::ButtonSoob2Click()
{
    resDial = QStringLiteral("Нет");
    if (m_question)
        m_question->quit();
}
