// The settings window's scheme list in local mode: adding a scheme, deleting one after asking,
// and moving one up or down, the list file written after every change.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "schedule/scheme_list.h"
#include "schedule/scheme_name.h"
#include "schedule/scheme_paths.h"
#include "shell/message_window.h"
#include "shell/time_widget.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

void TForm3::wireSchemeListEditing()
{
    connect(Image4, &QToolButton::clicked, this, &TForm3::Image4Click);
    connect(E1, &QAction::triggered, this, &TForm3::E1Click);
    connect(MenuItem8, &QAction::triggered, this, [this] { MenuItem8Click(MenuItem8); });
    connect(MenuItem9, &QAction::triggered, this, [this] { MenuItem8Click(MenuItem9); });
    connect(sEdit6, &QLineEdit::returnPressed, this, &TForm3::Image4Click);
}

void TForm3::Image4Click()
{
    const QString name = sEdit6->text().trimmed();
    const int count = sListView2->count();
    if (name.isEmpty() || count >= kMaxSchemes) {
        if (count == kMaxSchemes)
            Form6->Soob(QStringLiteral("Количество распианий должно быть не более 10"), 0);
        return;
    }
    if (!isUsableSchemeName(name)) {
        Form6->Soob(QStringLiteral("Недопустимое имя расписания"), 0);
        return;
    }
    if (!sListView2->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        Form6->Soob(QStringLiteral("Такой расписание уже существует"), 0);
        return;
    }
    sListView2->addItem(name);
    sListView2->setCurrentRow(sListView2->count() - 1);
    SaveSpisokLocal();
    CreateNewShema(name);
    ListView2Click();
    sEdit6->clear();
    sEdit6->setFocus();
    sGroupBox6->setEnabled(true);
    ComboEnabl();
}

void TForm3::E1Click()
{
    const QListWidgetItem *selected = sListView2->currentItem();
    if (!selected)
        return;
    const QString name = selected->text();
    if (Dial(QStringLiteral("Вы действительно хотите удалить расписание звонков\r\n") + name
             + QStringLiteral("?"))
        != QStringLiteral("Да"))
        return;
    Form1->Timer2->stop();
    if (sListView2->count() == 1) {
        sGroupBox6->setEnabled(false);
        setBellGridBlank(grid);
        Form1->hideArrows();
        Form1->Label1->hide();
    }
    QFile::remove(schemeFilePath(name));
    delete sListView2->takeItem(sListView2->row(selected));
    shema = {};
    setBellGridBlank(grid);
    SaveSpisokLocal();
    if (sListView2->count() == 0)
        return;
    sListView2->setCurrentRow(0);
    shem_num = 1;
    LoadShema(sListView2->item(0)->text());
    ListView2Click();
    Form1->startScheme(sListView2->item(0)->text());
}

void TForm3::MenuItem8Click(QAction *item)
{
    const int s = sListView2->currentRow();
    const int t = item->property("tag").toInt();
    if (s < 0 || s + t < 0 || s + t >= sListView2->count())
        return;
    // The scheme in force keeps its place in the widget: shem_num follows it.
    const int inForce = shem_num - 1;
    QListWidgetItem *moved = sListView2->takeItem(s);
    sListView2->insertItem(s + t, moved);
    sListView2->setCurrentRow(s + t);
    if (inForce == s)
        shem_num = s + t + 1;
    else if (inForce == s + t)
        shem_num = s + 1;
    SaveSpisokLocal();
    ListView2Click();
    ComboEnabl();
}
