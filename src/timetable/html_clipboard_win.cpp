// Windows: the payload and one zero byte under the registered format "HTML Format", the only
// format offered; the clipboard is closed again whatever happens.
#include "timetable/html_clipboard_platform.h"

#include <cstring>
#include <windows.h>

bool writeHtmlClipboard(const std::string &payload, const std::string &, const std::string &)
{
    const UINT CF_HTML = RegisterClipboardFormatW(L"HTML Format");
    if (CF_HTML == 0 || !OpenClipboard(nullptr))
        return false;
    bool written = false;
    if (EmptyClipboard()) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, payload.size() + 1);
        if (block) {
            if (void *bytes = GlobalLock(block)) {
                std::memcpy(bytes, payload.data(), payload.size());
                static_cast<char *>(bytes)[payload.size()] = '\0';
                GlobalUnlock(block);
                written = SetClipboardData(CF_HTML, block) != nullptr;
            }
            if (!written)
                GlobalFree(block);
        }
    }
    CloseClipboard();
    return written;
}
