// The registry when its database cannot be trusted or reached: damaged,
// foreign, locked, read-only, out of space. Calls fail with a status; the
// file is never changed.

#include "platform/registry/registry.h"

#include "tests/support/child_process.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/sqlite_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>

namespace {

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& ch : bytes)
        ch = static_cast<char>(random() & 0xFF);
    return bytes;
}

LONG SetText(HKEY key, const char* name, const std::string& text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

// The text of a REG_SZ value, or "<status N>".
std::string GetText(HKEY key, const char* name)
{
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return "<status " + std::to_string(status) + ">";
    std::vector<BYTE> data(size + 1, 0);
    status = RegQueryValueExA(key, name, nullptr, nullptr, data.data(), &size);
    if (status != ERROR_SUCCESS)
        return "<status " + std::to_string(status) + ">";
    return reinterpret_cast<const char*>(data.data());
}

LONG Open(HKEY parent, const char* subKey, HKEY& key)
{
    key = nullptr;
    return RegCreateKeyExA(parent, subKey, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr);
}

// What every registry call does against a database it must not touch.
struct Attempt {
    LONG create;
    LONG set;
    LONG query;
};

Attempt TryEverything()
{
    Attempt attempt{};
    HKEY key = nullptr;
    attempt.create = Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key);
    if (key != nullptr)
        RegCloseKey(key);
    attempt.set = SetText(HKEY_CURRENT_USER, "Folder", "Z:\\tmp");
    DWORD size = 0;
    attempt.query = RegQueryValueExA(HKEY_CURRENT_USER, "Folder", nullptr, nullptr, nullptr, &size);
    return attempt;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RegistryDamageTest : public ::testing::Test {
protected:
    // A registry holding Software\BRANTWELL with a value, and nothing open.
    void MakeRegistry()
    {
        HKEY key = nullptr;
        ASSERT_EQ(Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key), ERROR_SUCCESS);
        ASSERT_EQ(SetText(key, "Folder", "Z:\\home\\ann"), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    RegistrySandbox sandbox;
};

TEST_F(RegistryDamageTest, FilesThatAreNotRegistriesAreNeverTouched)
{
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"random bytes", RandomBytes(8192, 3)},
        {"random bytes, one page", RandomBytes(4096, 7)},
        {"a truncated header", std::string("SQLite format 3\0", 16) + RandomBytes(300, 11)},
        {"text", "Folder=Z:\\home\\ann\n"},
    };
    for (const auto& c : cases) {
        sandbox.Dir().Write("config/corvane/registry.db", c.bytes);
        const Attempt attempt = TryEverything();
        EXPECT_EQ(attempt.create, ERROR_BADDB) << c.what;
        EXPECT_EQ(attempt.set, ERROR_BADDB) << c.what;
        EXPECT_EQ(attempt.query, ERROR_BADDB) << c.what;
        EXPECT_EQ(Contents(sandbox.Database()), c.bytes) << c.what << ": the file must stay byte-identical";
        EXPECT_EQ(FolderEntries(sandbox.Folder()), std::vector<std::string>{"registry.db"}) << c.what;
    }
}

TEST_F(RegistryDamageTest, AnotherProgramsDatabaseIsNeverTouched)
{
    std::filesystem::create_directories(sandbox.Folder());
    {
        auto db = sqlite_probe::Open(sandbox.Database());
        ASSERT_EQ(sqlite_probe::Exec(db.get(), "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x')"),
                  "");
    }
    const std::string before = Contents(sandbox.Database());
    const Attempt attempt = TryEverything();
    EXPECT_EQ(attempt.create, ERROR_BADDB);
    EXPECT_EQ(attempt.set, ERROR_BADDB);
    EXPECT_EQ(attempt.query, ERROR_BADDB);
    EXPECT_EQ(Contents(sandbox.Database()), before);
}

TEST_F(RegistryDamageTest, ADamagedButReadableDatabaseIsNotWrittenTo)
{
    MakeRegistry();
    // Enough keys to spread the tables and indexes over several pages.
    for (int i = 0; i < 200; ++i) {
        HKEY key = nullptr;
        ASSERT_EQ(Open(HKEY_CURRENT_USER, ("Software\\Filler " + std::to_string(i)).c_str(), key),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // Garble the page that holds the index of `keys`, leaving the header and
    // the schema readable.
    const auto pages = sqlite_probe::Rows(
        sandbox.Database(), "SELECT rootpage FROM sqlite_master WHERE name = 'sqlite_autoindex_keys_1'");
    ASSERT_EQ(pages.size(), 1u);
    const int indexPage = std::stoi(pages[0]);
    ASSERT_GT(indexPage, 1);
    const int pageSize = std::stoi(sqlite_probe::Rows(sandbox.Database(), "PRAGMA page_size").at(0));
    {
        std::fstream file(sandbox.Database(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(indexPage - 1) * pageSize);
        const std::string garbage = RandomBytes(static_cast<std::size_t>(pageSize), 5);
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    ASSERT_NE(sqlite_probe::IntegrityCheck(sandbox.Database()), "ok");
    const std::string before = Contents(sandbox.Database());

    EXPECT_EQ(SetText(HKEY_CURRENT_USER, "Folder", "Z:\\elsewhere"), ERROR_BADDB);
    HKEY key = nullptr;
    EXPECT_NE(Open(HKEY_CURRENT_USER, "Software\\New key", key), ERROR_SUCCESS);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(Contents(sandbox.Database()), before);
}

TEST_F(RegistryDamageTest, ALockHeldPastTheTimeoutFailsTheCallsAndLosesNothing)
{
    MakeRegistry();
    RegSetBusyTimeoutForTesting(std::chrono::milliseconds(200));
    auto holder = sqlite_probe::Open(sandbox.Database());
    ASSERT_EQ(sqlite_probe::Exec(holder.get(), "BEGIN EXCLUSIVE"), "");

    HKEY key = nullptr;
    EXPECT_EQ(Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key), ERROR_BUSY);
    EXPECT_EQ(SetText(HKEY_CURRENT_USER, "Folder", "Z:\\x"), ERROR_BUSY);
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, "Folder"), "<status " + std::to_string(ERROR_BUSY) + ">");

    ASSERT_EQ(sqlite_probe::Exec(holder.get(), "COMMIT"), "");
    RegSetBusyTimeoutForTesting(std::chrono::milliseconds(0));
    ASSERT_EQ(Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key), ERROR_SUCCESS);
    EXPECT_EQ(GetText(key, "Folder"), "Z:\\home\\ann");
    RegCloseKey(key);
    EXPECT_EQ(sqlite_probe::IntegrityCheck(sandbox.Database()), "ok");
}

TEST_F(RegistryDamageTest, ALockReleasedWithinTheTimeoutIsWaitedFor)
{
    MakeRegistry();
    auto holder = sqlite_probe::Open(sandbox.Database());
    ASSERT_EQ(sqlite_probe::Exec(holder.get(), "BEGIN EXCLUSIVE"), "");
    std::thread release([&holder]() {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite_probe::Exec(holder.get(), "COMMIT");
    });
    const LONG status = SetText(HKEY_CURRENT_USER, "Folder", "Z:\\after the lock");
    release.join();
    EXPECT_EQ(status, ERROR_SUCCESS);
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, "Folder"), "Z:\\after the lock");
}

// Makes the configuration folder and the database read-only for whoever runs
// the check; a child gives up the superuser's rights so that they bind.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const RegistrySandbox& sandbox) : m_sandbox(sandbox)
    {
        namespace fs = std::filesystem;
        // The way down stays open to other users; the folders themselves
        // refuse new entries.
        fs::permissions(sandbox.Dir().Path(), fs::perms(0755));
        fs::permissions(sandbox.ConfigHome(), fs::perms(0555));
        if (fs::exists(sandbox.Folder()))
            fs::permissions(sandbox.Folder(), fs::perms(0555));
        if (fs::exists(sandbox.Database()))
            fs::permissions(sandbox.Database(), fs::perms(0444));
    }
    ~ReadOnlyFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(m_sandbox.ConfigHome(), fs::perms(0700), ignored);
        fs::permissions(m_sandbox.Folder(), fs::perms(0700), ignored);
        fs::permissions(m_sandbox.Database(), fs::perms(0600), ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    const RegistrySandbox& m_sandbox;
};

TEST_F(RegistryDamageTest, AReadOnlyFolderStillReadsButWritesNothing)
{
    MakeRegistry();
    const std::string before = Contents(sandbox.Database());
    ReadOnlyFolder readOnly(sandbox);
    // Each failed expectation sets one bit of the child's result.
    const int result = RunInUnprivilegedChildProcess([]() {
        int failures = 0;
        HKEY key = nullptr;
        if (Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key) != ERROR_SUCCESS || key == nullptr)
            return 1;
        if (GetText(key, "Folder") != "Z:\\home\\ann")
            failures |= 2;
        if (SetText(key, "Folder", "Z:\\elsewhere") == ERROR_SUCCESS)
            failures |= 4;
        HKEY created = nullptr;
        if (Open(key, "New", created) == ERROR_SUCCESS || created != nullptr)
            failures |= 8;
        if (GetText(key, "Folder") != "Z:\\home\\ann")
            failures |= 16;
        RegCloseKey(key);
        return failures;
    });
    if (result == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Contents(sandbox.Database()), before);
    EXPECT_EQ(FolderEntries(sandbox.Folder()), std::vector<std::string>{"registry.db"});
}

TEST_F(RegistryDamageTest, AReadOnlyFolderWithoutADatabaseFailsQuietly)
{
    std::filesystem::create_directories(sandbox.ConfigHome());
    ReadOnlyFolder readOnly(sandbox);
    const int result = RunInUnprivilegedChildProcess([]() {
        const Attempt attempt = TryEverything();
        int failures = 0;
        if (attempt.create != ERROR_ACCESS_DENIED)
            failures |= 1;
        if (attempt.set != ERROR_ACCESS_DENIED)
            failures |= 2;
        if (attempt.query != ERROR_FILE_NOT_FOUND)
            failures |= 4;
        return failures;
    });
    if (result == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(std::filesystem::exists(sandbox.Folder()));
}

TEST_F(RegistryDamageTest, AFullDiskLeavesTheLastGoodValue)
{
    MakeRegistry();
    const auto size = std::filesystem::file_size(sandbox.Database());
    // The child may not grow a file by more than a little: the database runs
    // out of room for a large value, as on a full disk.
    const int result = RunInChildProcess([size]() {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(size + 1024), static_cast<rlim_t>(size + 1024)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 1;
        HKEY key = nullptr;
        if (Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key) != ERROR_SUCCESS)
            return 2;
        const std::string large(256 * 1024, 'x');
        const LONG status = SetText(key, "Folder", large);
        RegCloseKey(key);
        // A real full disk is ERROR_DISK_FULL; a size limit shows as a
        // failed write.
        return (status == ERROR_DISK_FULL || status == ERROR_REGISTRY_IO_FAILED) ? 0 : 3;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(sqlite_probe::IntegrityCheck(sandbox.Database()), "ok");
    HKEY key = nullptr;
    ASSERT_EQ(Open(HKEY_CURRENT_USER, "Software\\BRANTWELL", key), ERROR_SUCCESS);
    EXPECT_EQ(GetText(key, "Folder"), "Z:\\home\\ann");
    RegCloseKey(key);
}

} // namespace
