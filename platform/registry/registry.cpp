#include "platform/registry/registry.h"
#include "platform/registry/registry_store.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {

using namespace RegistryStore;

// The limits the described registry has; they keep a database that another
// program filled from growing names without bound.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;

bool IsPredefined(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER;
}

// ---------------------------------------------------------------------------
// Handles

struct OpenKey {
    std::string database; // the file the key lives in
    sqlite3_int64 id = 0; // its row; unused for the root, looked up per call
    bool root = false;
    REGSAM access = 0;
    std::string path; // for diagnostics and tests
};

class HandleTable {
public:
    HKEY Add(OpenKey key)
    {
        std::lock_guard lock(m_mutex);
        std::uintptr_t value = m_next++;
        // Handle values never repeat within a process, so a stale handle
        // cannot reach a key opened later.
        if (value >= 0x80000000u && value <= 0x800000FFu) {
            m_next = 0x80000100u;
            value = m_next++;
        }
        m_keys.emplace(value, std::move(key));
        return reinterpret_cast<HKEY>(value);
    }

    // The key behind a handle, the predefined root included.
    std::optional<OpenKey> Find(HKEY hKey) const
    {
        if (IsPredefined(hKey)) {
            const auto database = RegistryDatabasePath();
            if (!database)
                return std::nullopt;
            return OpenKey{*database, 0, true, KEY_ALL_ACCESS, ""};
        }
        std::lock_guard lock(m_mutex);
        const auto found = m_keys.find(reinterpret_cast<std::uintptr_t>(hKey));
        if (found == m_keys.end())
            return std::nullopt;
        return found->second;
    }

    // The path of the key the handle held; nothing if it was not open.
    std::optional<std::string> Remove(HKEY hKey)
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_keys.find(reinterpret_cast<std::uintptr_t>(hKey));
        if (found == m_keys.end())
            return std::nullopt;
        std::string path = std::move(found->second.path);
        m_keys.erase(found);
        return path;
    }

    std::optional<std::string> Path(HKEY hKey) const
    {
        if (IsPredefined(hKey))
            return std::string();
        std::lock_guard lock(m_mutex);
        const auto found = m_keys.find(reinterpret_cast<std::uintptr_t>(hKey));
        if (found == m_keys.end())
            return std::nullopt;
        return found->second.path;
    }

    std::size_t Count() const
    {
        std::lock_guard lock(m_mutex);
        return m_keys.size();
    }

    void SetCloseListener(RegCloseListener listener)
    {
        std::lock_guard lock(m_mutex);
        m_closeListener = std::move(listener);
    }
    RegCloseListener CloseListener() const
    {
        std::lock_guard lock(m_mutex);
        return m_closeListener;
    }

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::uintptr_t, OpenKey> m_keys;
    std::uintptr_t m_next = 1;
    RegCloseListener m_closeListener;
};

// Never destroyed, so that a store closing its keys while the program's
// statics are torn down still finds the table.
HandleTable& Handles()
{
    static union Storage {
        Storage() : table() {}
        ~Storage() {}
        HandleTable table;
    } storage;
    return storage.table;
}

// Splits "A\B\C" into its levels. Empty levels (a leading, doubled or
// trailing backslash) and over-long names are refused.
bool SplitSubKey(std::string_view subKey, std::vector<std::string_view>& levels)
{
    levels.clear();
    if (subKey.empty())
        return true;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = subKey.find('\\', start);
        const std::string_view level =
            subKey.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (level.empty() || level.size() > kMaxKeyNameLength)
            return false;
        levels.push_back(level);
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

std::string JoinPath(const std::string& parent, std::string_view child)
{
    return parent.empty() ? std::string(child) : parent + "\\" + std::string(child);
}

// The row of the key behind a handle, in an open database.
LONG ResolveKey(sqlite3* db, const OpenKey& key, sqlite3_int64& id)
{
    if (key.root)
        return FindRoot(db, id);
    id = key.id;
    return KeyExists(db, id);
}

LONG CreateLevels(const OpenKey& parent, const std::vector<std::string_view>& levels,
                  sqlite3_int64& id, DWORD& disposition)
{
    ConnectionPtr db;
    SchemaState state = SchemaState::Foreign;
    if (const LONG status = OpenRegistry(parent.database, parent.root, true, db, state);
        status != ERROR_SUCCESS)
        return status;

    // Opening what exists needs no write, so it also works on a database
    // that cannot be written.
    if (state == SchemaState::Ready) {
        sqlite3_int64 from = 0;
        std::size_t found = 0;
        LONG status = ResolveKey(db.get(), parent, from);
        if (status == ERROR_SUCCESS)
            status = WalkExisting(db.get(), from, levels, found, id);
        if (status == ERROR_SUCCESS && found == levels.size()) {
            disposition = REG_OPENED_EXISTING_KEY;
            return ERROR_SUCCESS;
        }
        if (status != ERROR_SUCCESS && !(parent.root && status == ERROR_FILE_NOT_FOUND))
            return status;
    }

    if ((parent.access & KEY_CREATE_SUB_KEY) == 0)
        return ERROR_ACCESS_DENIED;

    WriteTransaction transaction(db.get());
    if (const LONG status = transaction.Begin(); status != ERROR_SUCCESS)
        return status;
    if (const LONG status = PrepareForWrite(db.get()); status != ERROR_SUCCESS)
        return status;
    sqlite3_int64 current = 0;
    LONG status = parent.root ? FindOrMakeRoot(db.get(), current) : ResolveKey(db.get(), parent, current);
    if (status != ERROR_SUCCESS)
        return status;
    disposition = REG_OPENED_EXISTING_KEY;
    for (const auto level : levels) {
        sqlite3_int64 child = 0;
        status = FindChild(db.get(), current, level, child);
        if (status == ERROR_FILE_NOT_FOUND) {
            status = MakeChild(db.get(), current, level, child);
            disposition = REG_CREATED_NEW_KEY;
        } else {
            disposition = REG_OPENED_EXISTING_KEY;
        }
        if (status != ERROR_SUCCESS)
            return status;
        current = child;
    }
    if (const LONG status = transaction.Commit(); status != ERROR_SUCCESS)
        return status;
    id = current;
    return ERROR_SUCCESS;
}

} // namespace

std::optional<std::string> RegistryDatabasePath()
{
    const auto withoutTrailingSlashes = [](std::string folder) {
        while (!folder.empty() && folder.back() == '/')
            folder.pop_back();
        return folder;
    };
    std::string base;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is to be ignored, as the XDG rules say.
    if (configHome != nullptr && configHome[0] == '/') {
        base = withoutTrailingSlashes(configHome);
    } else {
        const char* home = std::getenv("HOME");
        if (home != nullptr && home[0] == '/') {
            base = withoutTrailingSlashes(home);
        } else {
            std::vector<char> buffer(16384);
            passwd entry {};
            passwd* result = nullptr;
            if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) != 0 ||
                result == nullptr || result->pw_dir == nullptr || result->pw_dir[0] != '/')
                return std::nullopt;
            base = withoutTrailingSlashes(result->pw_dir);
        }
        base += "/.config";
    }
    return base + "/corvane/registry.db";
}

namespace {

// The key behind a handle for an operation needing the access given (0 for
// none), or the status a registry call returns when there is none.
LONG FindOpenKey(HKEY hKey, REGSAM needed, std::optional<OpenKey>& key)
{
    key = Handles().Find(hKey);
    if (!key)
        return IsPredefined(hKey) ? ERROR_CANTOPEN : ERROR_INVALID_HANDLE;
    if ((key->access & needed) != needed)
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

} // namespace

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPCSTR /*lpClass*/, DWORD dwOptions,
                     REGSAM samDesired, LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/,
                     PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (Reserved != 0 || dwOptions != REG_OPTION_NON_VOLATILE)
        return ERROR_INVALID_PARAMETER;
    std::optional<OpenKey> parent;
    if (const LONG status = FindOpenKey(hKey, 0, parent); status != ERROR_SUCCESS)
        return status;
    std::vector<std::string_view> levels;
    if (!SplitSubKey(lpSubKey != nullptr ? std::string_view(lpSubKey) : std::string_view(), levels))
        return ERROR_BAD_PATHNAME;

    sqlite3_int64 id = 0;
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    const LONG status = CreateLevels(*parent, levels, id, disposition);
    if (status != ERROR_SUCCESS)
        return status;

    std::string path = parent->path;
    for (const auto level : levels)
        path = JoinPath(path, level);
    if (levels.empty() && parent->root) {
        // The root opened again: a handle of its own, still the root.
        *phkResult = Handles().Add(OpenKey{parent->database, 0, true, samDesired, ""});
    } else {
        *phkResult = Handles().Add(OpenKey{parent->database, id, false, samDesired, std::move(path)});
    }
    if (lpdwDisposition != nullptr)
        *lpdwDisposition = disposition;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr))
        return ERROR_INVALID_PARAMETER;
    const std::string_view name = lpValueName != nullptr ? lpValueName : "";
    if (name.size() > kMaxValueNameLength)
        return ERROR_FILE_NOT_FOUND;
    std::optional<OpenKey> key;
    if (const LONG status = FindOpenKey(hKey, KEY_QUERY_VALUE, key); status != ERROR_SUCCESS)
        return status;

    ConnectionPtr db;
    SchemaState state = SchemaState::Foreign;
    if (const LONG status = OpenRegistry(key->database, key->root, false, db, state);
        status != ERROR_SUCCESS)
        return status;
    sqlite3_int64 id = 0;
    if (const LONG status = ResolveKey(db.get(), *key, id); status != ERROR_SUCCESS)
        return status;

    return ReadValue(db.get(), id, name, [&](DWORD type, const void* bytes, DWORD size) -> LONG {
        if (lpType != nullptr)
            *lpType = type;
        if (lpData != nullptr) {
            if (*lpcbData < size) {
                *lpcbData = size;
                return ERROR_MORE_DATA;
            }
            if (size != 0)
                std::memcpy(lpData, bytes, size);
        }
        if (lpcbData != nullptr)
            *lpcbData = size;
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData)
{
    if (Reserved != 0 || (lpData == nullptr && cbData != 0))
        return ERROR_INVALID_PARAMETER;
    const std::string_view name = lpValueName != nullptr ? lpValueName : "";
    if (name.size() > kMaxValueNameLength)
        return ERROR_INVALID_PARAMETER;
    std::optional<OpenKey> key;
    if (const LONG status = FindOpenKey(hKey, KEY_SET_VALUE, key); status != ERROR_SUCCESS)
        return status;

    ConnectionPtr db;
    SchemaState state = SchemaState::Foreign;
    if (const LONG status = OpenRegistry(key->database, key->root, true, db, state);
        status != ERROR_SUCCESS)
        return status;

    WriteTransaction transaction(db.get());
    if (const LONG status = transaction.Begin(); status != ERROR_SUCCESS)
        return status;
    if (const LONG status = PrepareForWrite(db.get()); status != ERROR_SUCCESS)
        return status;
    sqlite3_int64 id = 0;
    const LONG resolved = key->root ? FindOrMakeRoot(db.get(), id) : ResolveKey(db.get(), *key, id);
    if (resolved != ERROR_SUCCESS)
        return resolved;

    if (const LONG status = WriteValue(db.get(), id, name, dwType, lpData, cbData);
        status != ERROR_SUCCESS)
        return status;
    if (const LONG status = transaction.Commit(); status != ERROR_SUCCESS)
        return status;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY hKey)
{
    LONG status = ERROR_SUCCESS;
    std::string path;
    if (!IsPredefined(hKey)) {
        const auto removed = Handles().Remove(hKey);
        status = removed ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
        path = removed.value_or("");
    }
    if (const auto listener = Handles().CloseListener())
        listener(hKey, path, status);
    return status;
}

void RegSetBusyTimeoutForTesting(std::chrono::milliseconds timeout)
{
    SetBusyTimeout(timeout.count() > 0 ? timeout : kRegistryBusyTimeout);
}

std::optional<std::string> RegKeyPathForTesting(HKEY hKey)
{
    return Handles().Path(hKey);
}

std::size_t RegOpenHandleCountForTesting()
{
    return Handles().Count();
}

void RegSetCloseListenerForTesting(RegCloseListener listener)
{
    Handles().SetCloseListener(std::move(listener));
}
