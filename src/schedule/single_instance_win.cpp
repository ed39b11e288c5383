// Windows: the named auto-reset event "Zu_Radid_Ederoz", created signalled. The first copy's
// wait takes the signal and leaves the event unsignalled while it runs; the system closes the
// handle, and so frees the name, when a copy ends in any way.
#include "schedule/single_instance.h"

#include <windows.h>

namespace {

HANDLE event = nullptr;

} // namespace

bool claimSingleInstance()
{
    if (event)
        return true;
    HANDLE opened = CreateEventW(nullptr, FALSE, TRUE, L"Zu_Radid_Ederoz");
    if (!opened)
        return false;
    if (WaitForSingleObject(opened, 10) != WAIT_OBJECT_0) {
        CloseHandle(opened);
        return false;
    }
    event = opened;
    return true;
}

void releaseSingleInstance()
{
    if (event) {
        SetEvent(event);
        CloseHandle(event);
        event = nullptr;
    }
}
