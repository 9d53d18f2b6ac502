#include "platform/registry/registry.h"

#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
namespace {

constexpr const char* kSchema =
    "CREATE TABLE keys (id INTEGER PRIMARY KEY, parent INTEGER REFERENCES keys(id),"
    "                   name TEXT NOT NULL COLLATE NOCASE, UNIQUE (parent, name));"
    "CREATE TABLE vals (key INTEGER NOT NULL REFERENCES keys(id),"
    "                   name TEXT NOT NULL COLLATE NOCASE,"
    "                   type INTEGER NOT NULL, data BLOB NOT NULL,"
    "                   PRIMARY KEY (key, name));";

// The limits the described registry has; they keep a database that another
// program filled from growing names without bound.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;

std::atomic<int> g_busyTimeoutMs{static_cast<int>(kRegistryBusyTimeout.count())};

void SetBusyTimeout(std::chrono::milliseconds timeout)
{
    g_busyTimeoutMs.store(static_cast<int>(timeout.count()));
}

bool IsPredefined(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER;
}

// ---------------------------------------------------------------------------
// Status codes

LONG StatusFromSqlite(int rc, int systemErrno = 0)
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

// ---------------------------------------------------------------------------
// Connections and statements

struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using ConnectionPtr = std::unique_ptr<sqlite3, ConnectionCloser>;

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

enum class SchemaState { Ready, Empty, Foreign };

// Ready: the two tables are there. Empty: a new database, with nothing in it
// yet. Foreign: something else, which is never touched.
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

LONG Execute(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    return StatusFromSqlite(rc, sqlite3_system_errno(db));
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

// Walks `levels` below `from` without writing. `found` receives how many
// levels exist, `id` the row of the deepest one found.
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

// Opens the database of a key for one call and checks that it holds the
// registry's tables. A new, empty database is accepted only where the call
// may create the registry in it: a write (`create`) through the root key
// (`root`).
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

// Inside a write transaction: makes a new database ready (the tables and the
// root) and checks an existing one before it is written to.
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

// Inside a write transaction: the root's row, made if a hand-edited database
// lost it.
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

// Reads the value `name` of the key `key` and hands its type and bytes to
// `take`, whose status is returned; the bytes are valid only during the call.
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

// Inside a write transaction: stores the value `name` of the key `key`. An
// existing value keeps the spelling of its name; type and bytes are replaced.
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
