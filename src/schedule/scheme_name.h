// Scheme names are file names in the mode folder; this decides which names are safe to use.
#pragma once

#include <QString>

// False for a name that could not be a plain file name in the mode folder on Windows and Linux,
// whose file name (name + ".ini") is longer than 255 bytes in UTF-8 or 255 UTF-16 units, or that
// would clash with the list file "spisok".
bool isUsableSchemeName(const QString &name);
