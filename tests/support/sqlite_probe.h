#pragma once
// Looks into a registry database from the side, as a user would with the
// sqlite3 shell, through SQLite's C interface. Header-only: it links through
// the platform library, which carries SQLite.

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sqlite_probe {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

inline Connection Open(const std::filesystem::path& path, bool readOnly = false)
{
    sqlite3* raw = nullptr;
    const int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Connection db(raw);
    if (db)
        sqlite3_busy_timeout(db.get(), 30000);
    return db;
}

// Runs statements; "" on success, else SQLite's message.
inline std::string Exec(sqlite3* db, const std::string& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return "";
    std::string text = message ? message : "error";
    sqlite3_free(message);
    return text;
}

// Every row of a query, its columns as text joined by '|', or one row
// "error: ..." when the query fails.
inline std::vector<std::string> Rows(sqlite3* db, const std::string& sql)
{
    std::vector<std::string> rows;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        return {std::string("error: ") + sqlite3_errmsg(db)};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement.get()); ++i) {
            if (i > 0)
                row += '|';
            const auto* text = sqlite3_column_text(statement.get(), i);
            row += text ? reinterpret_cast<const char*>(text) : "NULL";
        }
        rows.push_back(row);
    }
    if (rc != SQLITE_DONE)
        rows.push_back(std::string("error: ") + sqlite3_errmsg(db));
    return rows;
}

inline std::vector<std::string> Rows(const std::filesystem::path& path, const std::string& sql)
{
    auto db = Open(path, true);
    return Rows(db.get(), sql);
}

// PRAGMA integrity_check's verdict: "ok" for a sound database.
inline std::string IntegrityCheck(const std::filesystem::path& path)
{
    const auto rows = Rows(path, "PRAGMA integrity_check");
    return rows.size() == 1 ? rows[0] : (rows.empty() ? "no answer" : rows[0] + " ...");
}

} // namespace sqlite_probe
