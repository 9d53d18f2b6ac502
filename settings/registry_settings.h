#pragma once
// The program's two remembered settings, "Folder" and "Editor", kept as
// string values under HKEY_CURRENT_USER\Software\BRANTWELL\CORVANE\Settings.
// The store keeps every level of that key open from construction to
// destruction and caches nothing: each read and write goes to the registry.

#include "platform/win/cstring.h"
#include "platform/registry/registry.h"

#include <vector>

class CRegistrySettings {
public:
    // Opens (creating where missing) the four levels below the current
    // user's root. A level that cannot be opened leaves a null handle, and
    // every level below it, every read and every write then fail.
    CRegistrySettings();
    // Closes the handles tail first, the root last; null handles are skipped.
    ~CRegistrySettings();

    CRegistrySettings(const CRegistrySettings&) = delete;
    CRegistrySettings& operator=(const CRegistrySettings&) = delete;

    // 1 and the value's text (its bytes up to the first NUL, whatever its
    // type) in `value`; 0 if it cannot be read, with `value` unchanged when
    // the value is missing.
    int ReadValue(const char* name, CString& value);
    // Stores `value` as REG_SZ with its terminator. 1 if the registry took it.
    int WriteValue(const char* name, const char* value);

    // The handles in opening order, the root first; and their count when
    // construction ended.
    const std::vector<HKEY>& Keys() const { return m_keys; }
    int Levels() const { return m_nLevels; }

private:
    std::vector<HKEY> m_keys;
    int m_nLevels = 0;
};
