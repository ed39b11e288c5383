// Build tool: writes the settings template database data.000 from the built-in script.
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-settings-template OUTPUT\n");
        return 2;
    }
    return createSettingsDatabase(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
