// The canteen menu of the chosen date: the school server's HTML page in the web view, or the
// empty state when the server says there is no menu.
#include "shell/window_placement.h"
#include "timetable/timetable_window.h"

#include "common/globals.h"
#include "server/http_fetch.h"
#include "shell/message_window.h"
#include "timetable/menu_view.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLayout>
#include <QTimer>

namespace {

// The page's base: a name reserved never to resolve.
const QUrl kMenuBase(QStringLiteral("http://menu.invalid/"));

} // namespace

void TForm2::LoadMenu()
{
    setWindowTitle(QStringLiteral("Меню ") + organizac);
    const QString body = ZaprosHTTP(
        serverFileUrl(QStringLiteral("menu"), DateEdit1->text() + QStringLiteral(".ini")));
    if (body == kDownloadError) {
        hide();
        Form6->Soob(QStringLiteral("Сервер временно недоступен"), 0);
        return;
    }
    if (body.contains(QStringLiteral("На всех экранах смартфонов"))) {
        showEmptyState(Rct_menu);
        ComboBox1->setFocus();
    } else {
        Rct_menu->show();
        Rct_osh->hide();
        TextInWeb(body);
        resize(480, 700);
        centreOnScreen(this);
    }
    show();
    raise();
}

void TForm2::TextInWeb(const QString &text)
{
    if (!m_menuView) {
        m_menuView.reset(createMenuView(Rct_menu));
        if (m_menuView)
            Rct_menu->layout()->addWidget(m_menuView->widget());
    }
    if (m_menuView)
        m_menuView->setPage(text, kMenuBase);
}
