// The settings window's server part: address and port fields, the server/local switch, applying
// a mode, and the cache that stores downloaded files in the server folder.
#include "shell/settings_window.h"

#include "common/error_report.h"
#include "common/globals.h"
#include "common/text_file.h"
#include "schedule/scheme_name.h"
#include "schedule/scheme_paths.h"
#include "server/server_link.h"
#include "settings/settings_layout.h"
#include "shell/mode_switch.h"
#include "shell/named_control.h"
#include "shell/time_widget.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QToolButton>

void TForm3::buildServerBox(QGridLayout *settings)
{
    QWidget *box = sGroupBox2;
    auto *serverBox = new QGroupBox(QStringLiteral("Сервер"), box);
    sEdit2 = named(new QLineEdit(serverBox), "sEdit2");
    sEdit2->setAccessibleName(QStringLiteral("Адрес (IP)"));
    sEdit3 = named(new QLineEdit(serverBox), "sEdit3");
    sEdit3->setAccessibleName(QStringLiteral("Порт"));
    sEdit2->setMinimumWidth(120); // room for "255.255.255.255"
    auto *serverLayout = new QGridLayout(serverBox);
    serverLayout->addWidget(new QLabel(QStringLiteral("Адрес (IP)"), serverBox), 0, 0);
    serverLayout->addWidget(sEdit2, 0, 1);
    serverLayout->addWidget(new QLabel(QStringLiteral("Порт"), serverBox), 1, 0);
    serverLayout->addWidget(sEdit3, 1, 1);

    auto *modeBox = new QGroupBox(QStringLiteral("Загружать расписание"), box);
    Rectangle21 = new ModeSwitch(modeBox);
    Rectangle21->setAccessibleName(QStringLiteral("Загружать расписание: с сервера или локально"));
    connect(Rectangle21, &ModeSwitch::released, this, &TForm3::Rectangle21MouseUp);
    auto *modeLayout = new QHBoxLayout(modeBox);
    modeLayout->addWidget(new QLabel(QStringLiteral("Сервер"), modeBox));
    modeLayout->addWidget(Rectangle21);
    modeLayout->addWidget(new QLabel(QStringLiteral("Локально"), modeBox));

    link = new ServerLink(this);
    settings->addWidget(serverBox, 0, 3);
    settings->addWidget(modeBox, 1, 3);
}

void TForm3::Rectangle21MouseUp(int x)
{
    Switch = x > Rectangle21->width() / 2 ? 1 : 0;
    PologSwitch();
    DejstvSwitch();
}

void TForm3::PologSwitch()
{
    QFrame *knob = Rectangle21->Circle1;
    knob->move(Switch == 1 ? Rectangle21->width() - knob->width() - 2 : 2, knob->y());
}

void TForm3::DejstvSwitch()
{
    // A mode that cannot be stored (a read-only data folder) is reported, and still applied:
    // the schedule must run either way.
    reportingErrors([] { writeSetting(Cell::LocalMode, QString::number(Switch)); });
    Form1->Timer2->stop();
    link->Timer2->stop();
    ServLockal();
    Pereschet_num_ur();
}

void TForm3::enableSchemeEditing(bool enabled)
{
    for (QWidget *tool : std::initializer_list<QWidget *> { sEdit6, Image8, Image4, Rectangle9 })
        tool->setEnabled(enabled);
    Image8->setVisible(enabled);
    sListView2->setContextMenuPolicy(enabled ? Qt::CustomContextMenu : Qt::NoContextMenu);
    Form1->mas_popup_men[2]->setEnabled(!enabled);
    Form1->mas_popup_men[3]->setEnabled(!enabled);
}

void TForm3::ServLockal()
{
    Form1->Timer2->stop();
    link->Timer2->stop();
    if (Switch != 0) {
        tek_spis.clear();
        // Also while the server is closing: a reply polled later must never reach local/.
        link->TCPDis();
        dir_spis = QStringLiteral("local");
        enableSchemeEditing(true);
        LoadSpisok();
    } else {
        dir_spis = QStringLiteral("server");
        sListView2->clear();
        enableSchemeEditing(false);
        link->ServerConekt();
    }
    ComboEnabl();
}

void TForm3::SaveWeb(const QString &content, const QString &name)
{
    if (dir_spis != QLatin1String("server"))
        return; // downloads go to the cache only, never over the user's local schemes
    if (name == QLatin1String("spisok")) {
        // A list that cannot be stored leaves the cached one, which is loaded all the same.
        reportingErrors([&] { TextFile::writeText(schemeListPath(), content); });
        LoadSpisok();
    } else if (isUsableSchemeName(name)) {
        TextFile::writeText(schemeFilePath(name), content);
    }
}
