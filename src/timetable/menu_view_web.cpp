// The library with the web engine: a QWebEngineView whose page may load nothing but its own
// HTML and data: addresses, so a menu page cannot make a school computer reach the internet.
#include "timetable/menu_view.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

class OnlyDataUrls : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().scheme() != QLatin1String("data"))
            info.block(true);
    }
};

class WebMenuView : public MenuView
{
public:
    explicit WebMenuView(QWidget *parent)
        : m_profile(new QWebEngineProfile(parent)), m_view(new QWebEngineView(parent))
    {
        m_profile->setUrlRequestInterceptor(new OnlyDataUrls(m_profile));
        m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        m_view->setPage(new QWebEnginePage(m_profile, m_view));
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
    }
    QWidget *widget() override { return m_view; }
    void setPage(const QString &html, const QUrl &base) override { m_view->setHtml(html, base); }

private:
    QWebEngineProfile *m_profile; // off the record: nothing of a page is kept on disk
    QWebEngineView *m_view;
};

} // namespace

extern "C" Q_DECL_EXPORT MenuView *bellsCreateMenuView(QWidget *parent)
{
    return new WebMenuView(parent);
}
