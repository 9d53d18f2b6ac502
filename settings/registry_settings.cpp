#include "settings/registry_settings.h"

#include "platform/win/lstring.h"

#include <climits>

namespace {

// The key path below the current user's root, outermost first.
constexpr const char* kKeyPath[] = {"Software", "BRANTWELL", "CORVANE", "Settings"};

} // namespace

CRegistrySettings::CRegistrySettings()
{
    m_keys.push_back(HKEY_CURRENT_USER);
    // One handle variable serves every level: each call's result is the
    // parent of the next. A failed call leaves it null, and a null parent
    // makes the deeper calls fail in turn.
    HKEY hKey = HKEY_CURRENT_USER;
    for (const char* level : kKeyPath) {
        DWORD dwDisposition = 0;
        RegCreateKeyExA(hKey, level, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                        &dwDisposition);
        m_keys.push_back(hKey);
    }
    m_nLevels = static_cast<int>(m_keys.size());
}

CRegistrySettings::~CRegistrySettings()
{
    while (!m_keys.empty()) {
        const HKEY hKey = m_keys.back();
        m_keys.pop_back();
        // A level that was never opened has nothing to close.
        if (hKey != nullptr)
            RegCloseKey(hKey);
    }
}

int CRegistrySettings::ReadValue(const char* name, CString& value)
{
    const HKEY hKey = m_keys.back();
    DWORD dwSize = 0;
    if (RegQueryValueExA(hKey, name, nullptr, nullptr, nullptr, &dwSize) != ERROR_SUCCESS)
        return 0;
    // The string class measures its buffers in int.
    if (dwSize >= static_cast<DWORD>(INT_MAX))
        return 0;

    char* buffer = value.GetBuffer(static_cast<int>(dwSize));
    // The buffer holds one byte beyond the size: a NUL there ends data that
    // carries no terminator of its own, so that no text the string held
    // before can show through behind it.
    buffer[dwSize] = '\0';
    const LONG status =
        RegQueryValueExA(hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &dwSize);
    value.ReleaseBuffer(-1);
    return status == ERROR_SUCCESS ? 1 : 0;
}

int CRegistrySettings::WriteValue(const char* name, const char* value)
{
    const HKEY hKey = m_keys.back();
    const char* text = value != nullptr ? value : "";
    const int length = lstrlenA(text);
    // A text whose length and terminator do not fit the count is not stored
    // cut short.
    if (length == INT_MAX)
        return 0;
    const LONG status = RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                       static_cast<DWORD>(length + 1));
    return status == ERROR_SUCCESS ? 1 : 0;
}
