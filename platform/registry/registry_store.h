#pragma once
// The registry's store: the SQLite database that holds the keys and their
// values, opened for one call at a time (the schema: registry_store.cpp).
// Private to platform/registry/: the Reg* calls in registry.cpp are its only
// user. They keep the handles and their access rights; the store knows rows.

#include "platform/win/win_types.h"

#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace RegistryStore {

// The status a registry call returns for an SQLite result code; the system's
// errno tells apart why a file could not be opened or written.
LONG StatusFromSqlite(int rc, int systemErrno = 0);

// How long a call waits for another program's lock from now on.
void SetBusyTimeout(std::chrono::milliseconds timeout);

// ---------------------------------------------------------------------------
// Connections and write transactions

struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using ConnectionPtr = std::unique_ptr<sqlite3, ConnectionCloser>;

// One write: BEGIN IMMEDIATE takes the write lock at once (waiting for it
// through the busy handler), so that what the write first reads cannot
// change before it commits. Rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(sqlite3* db) : m_db(db) {}
    ~WriteTransaction()
    {
        if (m_open)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    LONG Begin()
    {
        const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        m_open = (rc == SQLITE_OK);
        return StatusFromSqlite(rc, sqlite3_system_errno(m_db));
    }
    LONG Commit()
    {
        const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK)
            m_open = false;
        return StatusFromSqlite(rc, sqlite3_system_errno(m_db));
    }

private:
    sqlite3* m_db;
    bool m_open = false;
};

// Ready: the two tables are there. Empty: a new database, with nothing in it
// yet. Foreign: something else, which is never touched.
enum class SchemaState { Ready, Empty, Foreign };

// Opens the database of a key for one call and checks that it holds the
// registry's tables. A new, empty database is accepted only where the call
// may create the registry in it: a write (`create`) through the root key
// (`root`).
LONG OpenRegistry(const std::string& database, bool root, bool create, ConnectionPtr& db,
                  SchemaState& state);

// Inside a write transaction: makes a new database ready (the tables and the
// root) and checks an existing one before it is written to.
LONG PrepareForWrite(sqlite3* db);

// The root key's row; ERROR_FILE_NOT_FOUND when the database has none.
LONG FindRoot(sqlite3* db, sqlite3_int64& id);
// The row of the key `name` below `parent`; ERROR_FILE_NOT_FOUND when there is none.
LONG FindChild(sqlite3* db, sqlite3_int64 parent, std::string_view name, sqlite3_int64& id);
// Whether the key's row is still there; ERROR_KEY_DELETED when not.
LONG KeyExists(sqlite3* db, sqlite3_int64 id);

// Walks `levels` below `from` without writing. `found` receives how many
// levels exist, `id` the row of the deepest one found.
LONG WalkExisting(sqlite3* db, sqlite3_int64 from, const std::vector<std::string_view>& levels,
                  std::size_t& found, sqlite3_int64& id);

// Inside a write transaction: the root's row, made if a hand-edited database
// lost it.
LONG FindOrMakeRoot(sqlite3* db, sqlite3_int64& id);

// Inside a write transaction: adds the key `name` below `parent`.
LONG MakeChild(sqlite3* db, sqlite3_int64 parent, std::string_view name, sqlite3_int64& id);

// Reads the value `name` of the key `key` and hands its type and bytes to
// `take`, whose status is returned; the bytes are valid only during the call.
LONG ReadValue(sqlite3* db, sqlite3_int64 key, std::string_view name,
               const std::function<LONG(DWORD type, const void* bytes, DWORD size)>& take);

// Inside a write transaction: stores the value `name` of the key `key`. An
// existing value keeps the spelling of its name; type and bytes are replaced.
LONG WriteValue(sqlite3* db, sqlite3_int64 key, std::string_view name, DWORD type, const BYTE* data,
                DWORD size);

} // namespace RegistryStore
