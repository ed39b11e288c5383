// Where the scheme list and the scheme files of the current mode folder lie.
#pragma once

#include <QString>

QString schemeListPath(); // adr/dir_spis/spisok.ini
QString schemeFilePath(const QString &name); // adr/dir_spis/<name>.ini
