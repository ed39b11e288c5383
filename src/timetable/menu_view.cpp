#include "timetable/menu_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

// Beside the program, or in the build tree for the tests.
QStringList libraryCandidates()
{
    const QString name = QStringLiteral("bells_menu_view");
    const QString here = QCoreApplication::applicationDirPath();
    return { QDir(here).filePath(name), QDir(here).filePath(QStringLiteral("../") + name),
             QStringLiteral(BELLS_BUILD_DIR "/") + name };
}

MenuViewFactory factory()
{
    static MenuViewFactory found = [] {
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX") && runsAsRoot())
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1"); // the engine's sandbox refuses root
        for (const QString &candidate : libraryCandidates()) {
            QLibrary library(candidate);
            if (library.load())
                return reinterpret_cast<MenuViewFactory>(library.resolve(kMenuViewFactory));
        }
        return static_cast<MenuViewFactory>(nullptr);
    }();
    return found;
}

} // namespace

MenuView *createMenuView(QWidget *parent)
{
    const MenuViewFactory make = factory();
    return make ? make(parent) : nullptr;
}
