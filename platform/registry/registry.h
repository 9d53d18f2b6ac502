#pragma once
// The registry: a tree of keys holding named, typed values, of which the
// program uses the current user's branch. It lives in a per-user SQLite
// database, ${XDG_CONFIG_HOME:-$HOME/.config}/corvane/registry.db, created
// with its folder on first use (the schema: registry_store.cpp, docs/settings.md).
//
// Every call opens the database, does its work and closes it again, so
// several programs can share the file; each write is one durable transaction.
// A database that is damaged, locked for longer than the busy timeout, or not
// writable makes the calls fail with a status code; it is never deleted,
// repaired or overwritten. Handles belong to this process.

#include "platform/win/win_errors.h"
#include "platform/win/win_types.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

// An open key. Null is no key at all; a failed create-or-open leaves null.
struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

// Only a null pointer is accepted where the calls take security attributes.
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// The current user's root. It is always open: closing it does nothing.
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));

// Value types.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

// Key options: keys always persist here, so only the non-volatile option exists.
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0x00000000u;

// Access rights. A handle allows what it was opened with.
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001u;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002u;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004u;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008u;
inline constexpr REGSAM KEY_NOTIFY = 0x0010u;
inline constexpr REGSAM KEY_CREATE_LINK = 0x0020u;
inline constexpr REGSAM KEY_READ = 0x00020019u;
inline constexpr REGSAM KEY_WRITE = 0x00020006u;
inline constexpr REGSAM KEY_ALL_ACCESS = 0x000F003Fu;

// What RegCreateKeyExA found.
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens the subkey path lpSubKey (levels separated by backslashes) below hKey,
// creating the levels that are missing, all in one transaction. An empty or
// null lpSubKey opens hKey itself again. The new handle goes to *phkResult
// (null on failure); *lpdwDisposition, when given, tells whether the last
// level was created or already there. Reserved must be 0, and the class and
// security attributes are ignored. Key names are at most 255 bytes and
// compare without regard to ASCII case.
LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPCSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                     PHKEY phkResult, LPDWORD lpdwDisposition);

// Reads the value lpValueName of hKey (null or empty: the key's default value).
// With lpData null, only the type and the size in bytes are reported. With
// lpData given, *lpcbData holds the buffer's size; the value's bytes are
// copied exactly as stored (no terminator is added) and *lpcbData receives
// their count, or ERROR_MORE_DATA is returned with the size needed and the
// buffer untouched.
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData);

// Stores cbData bytes of type dwType as the value lpValueName of hKey,
// replacing any value of that name, whatever its type.
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);

LONG RegCloseKey(HKEY hKey);

// Where the current user's database lives now:
// ${XDG_CONFIG_HOME:-$HOME/.config}/corvane/registry.db. Nothing when neither
// an absolute XDG_CONFIG_HOME nor a home folder is known.
std::optional<std::string> RegistryDatabasePath();

// How long a call waits for another program that holds the database.
inline constexpr std::chrono::milliseconds kRegistryBusyTimeout{5000};

// For tests: waits at most this long instead (a zero or negative value
// restores the default).
void RegSetBusyTimeoutForTesting(std::chrono::milliseconds timeout);

// For tests: the key path of an open handle below the root ("" for the root,
// "Software\BRANTWELL" ...), as it was named when opened; nothing for a handle
// that is not open.
std::optional<std::string> RegKeyPathForTesting(HKEY hKey);

// For tests: the number of handles open in this process (the root not counted).
std::size_t RegOpenHandleCountForTesting();

// For tests: called after each RegCloseKey with the handle, the key path it
// had (as RegKeyPathForTesting gave it; "" for the root or a handle that was
// not open) and the status.
using RegCloseListener = std::function<void(HKEY hKey, const std::string& path, LONG status)>;
void RegSetCloseListenerForTesting(RegCloseListener listener);
