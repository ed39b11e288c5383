// Windows: a shell shortcut (.lnk) in the startup folder named by the registry, made through
// IShellLinkW and saved through IPersistFile.
#include "settings/autostart_platform.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

// A text value under the machine's shell folders key; empty when the key or value is missing.
std::wstring GetStartup(const wchar_t *par)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key)
        != ERROR_SUCCESS)
        return std::wstring();
    wchar_t value[MAX_PATH * 4] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    const LONG read
        = RegQueryValueExW(key, par, nullptr, &type, reinterpret_cast<BYTE *>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    return std::wstring(value);
}

// COM for the calling thread while it lives.
class ComScope
{
public:
    ComScope() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) { }
    ~ComScope()
    {
        if (m_ok)
            CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    bool m_ok;
};

} // namespace

std::wstring AutostartPlatform::startupFolder()
{
    std::wstring folder = GetStartup(L"Startup");
    if (folder.empty())
        folder = GetStartup(L"Common Startup");
    return folder;
}

std::wstring AutostartPlatform::shortcutExtension()
{
    return L".lnk";
}

bool AutostartPlatform::writeShortcut(const std::wstring &file, const std::wstring &,
                                      const std::wstring &program, const std::wstring &workDir,
                                      const std::wstring &icon)
{
    const ComScope com;
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void **>(&link))))
        return false;
    link->SetPath(program.c_str());
    link->SetIconLocation((icon.empty() ? program : icon).c_str(), 0);
    link->SetArguments(L"");
    link->SetWorkingDirectory(workDir.c_str());
    IPersistFile *persist = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&persist)))) {
        saved = SUCCEEDED(persist->Save(file.c_str(), FALSE));
        persist->Release();
    }
    link->Release();
    return saved;
}

bool AutostartPlatform::shortcutPointsAt(const std::wstring &file, const std::wstring &program)
{
    const ComScope com;
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void **>(&link))))
        return false;
    bool same = false;
    IPersistFile *persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&persist)))) {
        wchar_t target[MAX_PATH * 4] = {};
        if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))
            && SUCCEEDED(link->GetPath(target, MAX_PATH * 4, nullptr, 0)))
            same = lstrcmpiW(target, program.c_str()) == 0;
        persist->Release();
    }
    link->Release();
    return same;
}
