// The canteen menu's web view, behind an interface: the web engine lives in a library of its
// own that is loaded the first time a menu is shown, never at start-up, since it costs about
// 100 MB. Nothing else of the program links it.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

class MenuView
{
public:
    virtual ~MenuView() = default;
    virtual QWidget *widget() = 0;
    // The page's HTML source with a base address for its relative links. The page reaches no
    // address but data: ones.
    virtual void setPage(const QString &html, const QUrl &base) = 0;
};

// The web view in `parent`, loading the library on first use; nullptr when it cannot be loaded.
MenuView *createMenuView(QWidget *parent);

// The name of the factory the library exports.
inline constexpr const char *kMenuViewFactory = "bellsCreateMenuView";
using MenuViewFactory = MenuView *(*)(QWidget *parent);
