#include "platform/registry/registry_store.h"

#include "platform/registry/registry.h"
#include "platform/win/win_errors.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include <sys/stat.h>

// The database. The root key is the row whose parent is NULL and whose name
// is empty; `type` holds the value type numbers, `data` the value's bytes
// exactly as written (a string's terminator included). NOCASE folds ASCII
// letters only, as key and value names compare.
//
// Journal mode: the rollback journal that SQLite uses unless told otherwise.
// The database is small and written a few times per session, so WAL's speed
// buys nothing, while the journal keeps the settings in the one file a user
// backs up or copies (WAL keeps committed data in a side file until a
// checkpoint), and works on network home folders, where WAL's shared memory
// does not. A database that someone switched to WAL stays as it is: the mode
// is never changed here, since changing it is a write.
namespace RegistryStore {
namespace {

constexpr const char* kSchema =
    "CREATE TABLE keys (id INTEGER PRIMARY KEY, parent INTEGER REFERENCES keys(id),"
    "                   name TEXT NOT NULL COLLATE NOCASE, UNIQUE (parent, name));"
    "CREATE TABLE vals (key INTEGER NOT NULL REFERENCES keys(id),"
    "                   name TEXT NOT NULL COLLATE NOCASE,"
    "                   type INTEGER NOT NULL, data BLOB NOT NULL,"
    "                   PRIMARY KEY (key, name));";

std::atomic<int> g_busyTimeoutMs{static_cast<int>(kRegistryBusyTimeout.count())};

} // namespace

void SetBusyTimeout(std::chrono::milliseconds timeout)
{
    g_busyTimeoutMs.store(static_cast<int>(timeout.count()));
}

// ---------------------------------------------------------------------------
// Status codes

LONG StatusFromSqlite(int rc, int systemErrno)
{
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_BUSY;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_TOOBIG:
        return ERROR_INVALID_PARAMETER;
    case SQLITE_CANTOPEN:
        if (systemErrno == ENOENT || systemErrno == ENOTDIR)
            return ERROR_FILE_NOT_FOUND;
        if (systemErrno == EACCES || systemErrno == EPERM || systemErrno == EROFS)
            return ERROR_ACCESS_DENIED;
        return ERROR_CANTOPEN;
    case SQLITE_IOERR:
        if (systemErrno == ENOSPC || systemErrno == EDQUOT || systemErrno == EFBIG)
            return ERROR_DISK_FULL;
        return ERROR_REGISTRY_IO_FAILED;
    default:
        // SQLITE_CORRUPT, SQLITE_NOTADB, a schema that lacks what the
        // statements name (SQLITE_ERROR), a constraint a hand-edited
        // database breaks...
        return ERROR_BADDB;
    }
}

namespace {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        sqlite3_stmt* raw = nullptr;
        m_rc = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
        m_statement.reset(raw);
    }

    bool Prepared() const { return m_rc == SQLITE_OK && m_statement != nullptr; }
    int PrepareStatus() const { return m_rc == SQLITE_OK ? SQLITE_ERROR : m_rc; }

    void Bind(int index, sqlite3_int64 value) { sqlite3_bind_int64(m_statement.get(), index, value); }
    void Bind(int index, std::string_view text)
    {
        // A null pointer would bind NULL; an empty name is an empty text.
        sqlite3_bind_text(m_statement.get(), index, text.data() != nullptr ? text.data() : "",
                          static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void BindBytes(int index, const BYTE* data, DWORD size)
    {
        // A null pointer would bind NULL, which `data` does not allow: an
        // empty value is a zero-length blob.
        if (size == 0)
            sqlite3_bind_zeroblob(m_statement.get(), index, 0);
        else
            sqlite3_bind_blob64(m_statement.get(), index, data, size, SQLITE_TRANSIENT);
    }

    int Step() { return sqlite3_step(m_statement.get()); }

    sqlite3_int64 Int64(int column) const { return sqlite3_column_int64(m_statement.get(), column); }
    const char* Text(int column) const
    {
        return reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
    }
    const void* Blob(int column) const { return sqlite3_column_blob(m_statement.get(), column); }
    int Bytes(int column) const { return sqlite3_column_bytes(m_statement.get(), column); }

private:
    int m_rc = SQLITE_ERROR;
    std::unique_ptr<sqlite3_stmt, StatementFinalizer> m_statement;
};

// Waits for another program's lock, looking again every few milliseconds
// until the busy timeout has passed since this wait began. Short, even steps
// keep one program from starving while another saves in a tight loop, which
// the lengthening sleeps of SQLite's own timeout handler allow.
int WaitWhileBusy(void* /*context*/, int attempts)
{
    using Clock = std::chrono::steady_clock;
    thread_local Clock::time_point started;
    const Clock::time_point now = Clock::now();
    if (attempts == 0)
        started = now;
    if (now - started >= std::chrono::milliseconds(g_busyTimeoutMs.load()))
        return 0;
    const int step = attempts < 4 ? (1 << attempts) : 10;
    std::this_thread::sleep_for(std::chrono::milliseconds(step));
    return 1;
}

// Creates the missing folders of `folder`, private to the user as the XDG
// base directory rules ask.
LONG MakeFolders(const std::string& folder)
{
    std::size_t next = 1;
    while (next <= folder.size()) {
        const std::size_t slash = folder.find('/', next);
        const std::size_t end = (slash == std::string::npos) ? folder.size() : slash;
        const std::string level = folder.substr(0, end);
        struct stat info {};
        if (stat(level.c_str(), &info) != 0) {
            if (mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
                if (errno == EACCES || errno == EPERM || errno == EROFS)
                    return ERROR_ACCESS_DENIED;
                if (errno == ENOSPC || errno == EDQUOT)
                    return ERROR_DISK_FULL;
                return ERROR_CANTOPEN;
            }
        }
        next = end + 1;
    }
    return ERROR_SUCCESS;
}

// Opens the database for one call. `create` makes the file and its folder
// when missing; without it a missing file is ERROR_FILE_NOT_FOUND. Nothing is
// written to the file here.
LONG OpenDatabase(const std::string& path, bool create, ConnectionPtr& out)
{
    if (create) {
        const auto slash = path.rfind('/');
        if (slash != std::string::npos && slash > 0) {
            if (const LONG status = MakeFolders(path.substr(0, slash)); status != ERROR_SUCCESS)
                return status;
        }
    }
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    ConnectionPtr db(raw);
    if (rc != SQLITE_OK)
        return StatusFromSqlite(rc, db ? sqlite3_system_errno(db.get()) : 0);

    sqlite3_busy_handler(db.get(), WaitWhileBusy, nullptr);
    // Schema objects of a database someone else wrote run nothing, and the
    // schema itself cannot be altered through this connection.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    // Per-connection settings only: none of these writes to the file. A write
    // is durable once COMMIT returns.
    sqlite3_exec(db.get(), "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;", nullptr, nullptr,
                 nullptr);
    out = std::move(db);
    return ERROR_SUCCESS;
}

LONG ReadSchemaState(sqlite3* db, SchemaState& state)
{
    Statement query(db, "SELECT count(*), "
                        "count(CASE WHEN type = 'table' AND name IN ('keys', 'vals') THEN 1 END) "
                        "FROM sqlite_master");
    if (!query.Prepared())
        return StatusFromSqlite(query.PrepareStatus(), sqlite3_system_errno(db));
    const int rc = query.Step();
    if (rc != SQLITE_ROW)
        return StatusFromSqlite(rc, sqlite3_system_errno(db));
    const auto objects = query.Int64(0);
    const auto ours = query.Int64(1);
    state = (ours == 2) ? SchemaState::Ready : (objects == 0 ? SchemaState::Empty : SchemaState::Foreign);
    return ERROR_SUCCESS;
}

// A write goes only into a database whose structure is sound, so that a
// damaged file is never made worse.
LONG CheckSound(sqlite3* db)
{
    Statement check(db, "PRAGMA quick_check(1)");
    if (!check.Prepared())
        return StatusFromSqlite(check.PrepareStatus(), sqlite3_system_errno(db));
    const int rc = check.Step();
    if (rc != SQLITE_ROW)
        return StatusFromSqlite(rc, sqlite3_system_errno(db));
    const char* verdict = check.Text(0);
    return (verdict != nullptr && std::strcmp(verdict, "ok") == 0) ? ERROR_SUCCESS : ERROR_BADDB;
}

} // namespace

LONG FindRoot(sqlite3* db, sqlite3_int64& id)
{
    Statement query(db, "SELECT id FROM keys WHERE parent IS NULL AND name = '' ORDER BY id LIMIT 1");
    if (!query.Prepared())
        return StatusFromSqlite(query.PrepareStatus(), sqlite3_system_errno(db));
    const int rc = query.Step();
    if (rc == SQLITE_ROW) {
        id = query.Int64(0);
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : StatusFromSqlite(rc, sqlite3_system_errno(db));
}

LONG FindChild(sqlite3* db, sqlite3_int64 parent, std::string_view name, sqlite3_int64& id)
{
    Statement query(db, "SELECT id FROM keys WHERE parent = ?1 AND name = ?2");
    if (!query.Prepared())
        return StatusFromSqlite(query.PrepareStatus(), sqlite3_system_errno(db));
    query.Bind(1, parent);
    query.Bind(2, name);
    const int rc = query.Step();
    if (rc == SQLITE_ROW) {
        id = query.Int64(0);
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : StatusFromSqlite(rc, sqlite3_system_errno(db));
}

LONG KeyExists(sqlite3* db, sqlite3_int64 id)
{
    Statement query(db, "SELECT 1 FROM keys WHERE id = ?1");
    if (!query.Prepared())
        return StatusFromSqlite(query.PrepareStatus(), sqlite3_system_errno(db));
    query.Bind(1, id);
    const int rc = query.Step();
    if (rc == SQLITE_ROW)
        return ERROR_SUCCESS;
    return rc == SQLITE_DONE ? ERROR_KEY_DELETED : StatusFromSqlite(rc, sqlite3_system_errno(db));
}

namespace {

LONG Execute(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    return StatusFromSqlite(rc, sqlite3_system_errno(db));
}

} // namespace

LONG WalkExisting(sqlite3* db, sqlite3_int64 from, const std::vector<std::string_view>& levels,
                  std::size_t& found, sqlite3_int64& id)
{
    found = 0;
    id = from;
    for (const auto level : levels) {
        sqlite3_int64 child = 0;
        const LONG status = FindChild(db, id, level, child);
        if (status == ERROR_FILE_NOT_FOUND)
            return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS)
            return status;
        id = child;
        ++found;
    }
    return ERROR_SUCCESS;
}

LONG OpenRegistry(const std::string& database, bool root, bool create, ConnectionPtr& db,
                  SchemaState& state)
{
    // Only the root may bring a database into being: a key opened earlier
    // whose file has gone is gone with it.
    if (const LONG status = OpenDatabase(database, create && root, db); status != ERROR_SUCCESS)
        return status;
    if (const LONG status = ReadSchemaState(db.get(), state); status != ERROR_SUCCESS)
        return status;
    if (state == SchemaState::Foreign)
        return ERROR_BADDB;
    if (state == SchemaState::Empty && !(create && root))
        return root ? ERROR_FILE_NOT_FOUND : ERROR_KEY_DELETED;
    return ERROR_SUCCESS;
}

LONG PrepareForWrite(sqlite3* db)
{
    SchemaState state = SchemaState::Foreign;
    if (const LONG status = ReadSchemaState(db, state); status != ERROR_SUCCESS)
        return status;
    if (state == SchemaState::Foreign)
        return ERROR_BADDB;
    if (state == SchemaState::Empty)
        return Execute(db, kSchema);
    return CheckSound(db);
}

LONG FindOrMakeRoot(sqlite3* db, sqlite3_int64& id)
{
    const LONG status = FindRoot(db, id);
    if (status != ERROR_FILE_NOT_FOUND)
        return status;
    if (const LONG made = Execute(db, "INSERT INTO keys (parent, name) VALUES (NULL, '')");
        made != ERROR_SUCCESS)
        return made;
    id = sqlite3_last_insert_rowid(db);
    return ERROR_SUCCESS;
}

LONG MakeChild(sqlite3* db, sqlite3_int64 parent, std::string_view name, sqlite3_int64& id)
{
    Statement insert(db, "INSERT INTO keys (parent, name) VALUES (?1, ?2)");
    if (!insert.Prepared())
        return StatusFromSqlite(insert.PrepareStatus(), sqlite3_system_errno(db));
    insert.Bind(1, parent);
    insert.Bind(2, name);
    const int rc = insert.Step();
    if (rc != SQLITE_DONE)
        return StatusFromSqlite(rc, sqlite3_system_errno(db));
    id = sqlite3_last_insert_rowid(db);
    return ERROR_SUCCESS;
}

LONG ReadValue(sqlite3* db, sqlite3_int64 key, std::string_view name,
               const std::function<LONG(DWORD type, const void* bytes, DWORD size)>& take)
{
    Statement query(db, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
    if (!query.Prepared())
        return StatusFromSqlite(query.PrepareStatus(), sqlite3_system_errno(db));
    query.Bind(1, key);
    query.Bind(2, name);
    const int rc = query.Step();
    if (rc == SQLITE_DONE)
        return ERROR_FILE_NOT_FOUND;
    if (rc != SQLITE_ROW)
        return StatusFromSqlite(rc, sqlite3_system_errno(db));

    const DWORD type = static_cast<DWORD>(query.Int64(0));
    // Blob first, then its size, as SQLite asks; a value written as text by
    // hand is taken as its bytes.
    const void* bytes = query.Blob(1);
    const auto size = static_cast<DWORD>(query.Bytes(1));
    if (bytes == nullptr && size != 0)
        return ERROR_NOT_ENOUGH_MEMORY;
    return take(type, bytes, size);
}

LONG WriteValue(sqlite3* db, sqlite3_int64 key, std::string_view name, DWORD type, const BYTE* data,
                DWORD size)
{
    Statement upsert(db, "INSERT INTO vals (key, name, type, data) VALUES (?1, ?2, ?3, ?4) "
                         "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, "
                         "data = excluded.data");
    if (!upsert.Prepared())
        return StatusFromSqlite(upsert.PrepareStatus(), sqlite3_system_errno(db));
    upsert.Bind(1, key);
    upsert.Bind(2, name);
    upsert.Bind(3, static_cast<sqlite3_int64>(type));
    upsert.BindBytes(4, data, size);
    if (const int rc = upsert.Step(); rc != SQLITE_DONE)
        return StatusFromSqlite(rc, sqlite3_system_errno(db));
    return ERROR_SUCCESS;
}

} // namespace RegistryStore
