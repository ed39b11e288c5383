// What the autostart needs of the platform, one implementation per platform: the user's
// startup folder, and a shortcut to the program saved as a file there. Plain wide strings, so
// the Windows side needs no Qt.
#pragma once

#include <string>

namespace AutostartPlatform {

// The startup folder without a trailing separator; empty when there is none.
std::wstring startupFolder();

// How a shortcut file's name ends: ".desktop" or ".lnk".
std::wstring shortcutExtension();

// Saves a shortcut to `program`, working in `workDir`, with the icon `icon` (may be empty),
// under the name `name`, as the file `file`. False when it could not be saved.
bool writeShortcut(const std::wstring &file, const std::wstring &name, const std::wstring &program,
                   const std::wstring &workDir, const std::wstring &icon);

// True when the shortcut file `file` starts `program`.
bool shortcutPointsAt(const std::wstring &file, const std::wstring &program);

} // namespace AutostartPlatform
