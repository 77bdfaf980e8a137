#include "run_settings.h"

#include <QString>

#include <windows.h>

#include <string>

namespace tavrel::test {
namespace {

// HKEY_CURRENT_USER of this process stands for a key of the run's own until the run ends, when
// that key goes; the runs of several test programs at once keep apart.
struct RunKey {
    std::wstring path = L"Software\\Tavrel test runs\\" + std::to_wstring(GetCurrentProcessId());
    HKEY key = nullptr;

    RunKey()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr) == ERROR_SUCCESS)
            RegOverridePredefKey(HKEY_CURRENT_USER, key);
    }
    ~RunKey()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (key) RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    }
};

}  // namespace

void keepSettingsApart(const QString&) { static const RunKey runKey; }

}  // namespace tavrel::test
