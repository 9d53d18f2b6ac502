// The registry on its SQLite database: keys, values, handles, names.

#include "platform/registry/registry.h"

#include "tests/support/registry_sandbox.h"
#include "tests/support/sqlite_probe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes BytesOf(std::string_view text, bool terminator)
{
    Bytes bytes(text.begin(), text.end());
    if (terminator)
        bytes.push_back(0);
    return bytes;
}

// An open key that closes itself.
class Key {
public:
    explicit Key(HKEY parent, const char* subKey, REGSAM access = KEY_ALL_ACCESS)
    {
        m_status = RegCreateKeyExA(parent, subKey, 0, "", REG_OPTION_NON_VOLATILE, access, nullptr,
                                   &m_key, &m_disposition);
    }
    ~Key()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY get() const { return m_key; }
    LONG status() const { return m_status; }
    DWORD disposition() const { return m_disposition; }

private:
    HKEY m_key = nullptr;
    LONG m_status = -1;
    DWORD m_disposition = 0;
};

LONG Set(HKEY key, const char* name, DWORD type, const Bytes& data)
{
    return RegSetValueExA(key, name, 0, type, data.empty() ? nullptr : data.data(),
                          static_cast<DWORD>(data.size()));
}

struct Read {
    LONG status = -1;
    DWORD type = 0;
    Bytes data;
};

Read Get(HKEY key, const char* name)
{
    Read read;
    DWORD size = 0;
    read.status = RegQueryValueExA(key, name, nullptr, &read.type, nullptr, &size);
    if (read.status != ERROR_SUCCESS)
        return read;
    read.data.resize(size);
    read.status = RegQueryValueExA(key, name, nullptr, &read.type, read.data.data(), &size);
    read.data.resize(size);
    return read;
}

std::string Collapse(const std::string& sql)
{
    return std::regex_replace(sql, std::regex("\\s+"), " ");
}

class RegistryTest : public ::testing::Test {
protected:
    RegistrySandbox sandbox;
};

TEST_F(RegistryTest, FirstUseCreatesFolderAndDatabaseWithTheDocumentedSchema)
{
    ASSERT_FALSE(std::filesystem::exists(sandbox.Folder()));
    Key key(HKEY_CURRENT_USER, "Software");
    ASSERT_EQ(key.status(), ERROR_SUCCESS);
    EXPECT_EQ(key.disposition(), REG_CREATED_NEW_KEY);
    ASSERT_TRUE(std::filesystem::is_regular_file(sandbox.Database()));

    const auto tables = sqlite_probe::Rows(sandbox.Database(),
                                           "SELECT name, sql FROM sqlite_master WHERE type = 'table' "
                                           "ORDER BY name");
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(Collapse(tables[0]),
              "keys|CREATE TABLE keys (id INTEGER PRIMARY KEY, parent INTEGER REFERENCES keys(id), "
              "name TEXT NOT NULL COLLATE NOCASE, UNIQUE (parent, name))");
    EXPECT_EQ(Collapse(tables[1]),
              "vals|CREATE TABLE vals (key INTEGER NOT NULL REFERENCES keys(id), name TEXT NOT NULL "
              "COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (key, name))");
    // The root is the one row without a parent, with the empty name; the
    // top-level keys are its children.
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(),
                                 "SELECT k.name FROM keys k JOIN keys r ON k.parent = r.id "
                                 "WHERE r.parent IS NULL AND r.name = ''"),
              std::vector<std::string>{"Software"});
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM keys WHERE parent IS NULL"),
              std::vector<std::string>{"1"});
}

TEST_F(RegistryTest, ValuesKeepTheirTypeAndExactBytes)
{
    Key key(HKEY_CURRENT_USER, "Software\\Test");
    ASSERT_EQ(key.status(), ERROR_SUCCESS);
    const struct {
        const char* name;
        DWORD type;
        Bytes data;
    } cases[] = {
        {"Text", REG_SZ, BytesOf("Z:\\home\\ann", true)},
        {"Empty text", REG_SZ, BytesOf("", true)},
        {"No bytes", REG_SZ, {}},
        {"Unterminated", REG_SZ, BytesOf("abc", false)},
        {"Binary", REG_BINARY, {0x00, 0xFF, 0x00, 0x5C, 0x80}},
        {"Number", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
        {"Odd type", 0x7FFFFFFFu, {1, 2, 3}},
        {"UTF-8 \xC3\xA9", REG_SZ, BytesOf("caf\xC3\xA9", true)},
        {"", REG_SZ, BytesOf("default value", true)},
    };
    for (const auto& c : cases)
        ASSERT_EQ(Set(key.get(), c.name, c.type, c.data), ERROR_SUCCESS) << c.name;
    for (const auto& c : cases) {
        const Read read = Get(key.get(), c.name);
        EXPECT_EQ(read.status, ERROR_SUCCESS) << c.name;
        EXPECT_EQ(read.type, c.type) << c.name;
        EXPECT_EQ(read.data, c.data) << c.name;
    }
    // Null names the default value as the empty name does.
    EXPECT_EQ(Get(key.get(), nullptr).data, BytesOf("default value", true));
}

TEST_F(RegistryTest, SizeQueryThenDataQueryAndTooSmallBuffers)
{
    Key key(HKEY_CURRENT_USER, "Software\\Test");
    ASSERT_EQ(Set(key.get(), "Folder", REG_SZ, BytesOf("Z:\\tmp", true)), ERROR_SUCCESS);

    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExA(key.get(), "Folder", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);

    Bytes small(6, 0xEE);
    DWORD smallSize = 6;
    EXPECT_EQ(RegQueryValueExA(key.get(), "Folder", nullptr, nullptr, small.data(), &smallSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(smallSize, 7u);
    EXPECT_EQ(small, Bytes(6, 0xEE)) << "a refused buffer is left alone";

    Bytes large(10, 0xEE);
    DWORD largeSize = 10;
    ASSERT_EQ(RegQueryValueExA(key.get(), "Folder", nullptr, nullptr, large.data(), &largeSize),
              ERROR_SUCCESS);
    EXPECT_EQ(largeSize, 7u);
    EXPECT_EQ(Bytes(large.begin(), large.begin() + 7), BytesOf("Z:\\tmp", true));
    EXPECT_EQ(large[7], 0xEE) << "nothing written past the value";

    // Parameters the call cannot work with.
    DWORD reserved = 0;
    EXPECT_EQ(RegQueryValueExA(key.get(), "Folder", &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExA(key.get(), "Folder", nullptr, nullptr, large.data(), nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(key.get(), "Folder", 1, REG_SZ, large.data(), 1), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(key.get(), "Folder", 0, REG_SZ, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Get(key.get(), "Folder").data, BytesOf("Z:\\tmp", true));
    EXPECT_EQ(Get(key.get(), "Missing").status, ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, NamesCompareWithoutRegardToAsciiCase)
{
    Key lower(HKEY_CURRENT_USER, "software\\brantwell");
    ASSERT_EQ(lower.status(), ERROR_SUCCESS);
    Key upper(HKEY_CURRENT_USER, "SOFTWARE\\BrantWell");
    ASSERT_EQ(upper.status(), ERROR_SUCCESS);
    EXPECT_EQ(upper.disposition(), REG_OPENED_EXISTING_KEY);

    ASSERT_EQ(Set(lower.get(), "Folder", REG_SZ, BytesOf("one", true)), ERROR_SUCCESS);
    EXPECT_EQ(Get(upper.get(), "FOLDER").data, BytesOf("one", true));
    ASSERT_EQ(Set(upper.get(), "fOLDER", REG_BINARY, BytesOf("two", false)), ERROR_SUCCESS);
    const Read read = Get(lower.get(), "folder");
    EXPECT_EQ(read.type, REG_BINARY);
    EXPECT_EQ(read.data, BytesOf("two", false));

    // One key and one value, spelt as first written.
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT name FROM keys WHERE name <> '' ORDER BY id"),
              (std::vector<std::string>{"software", "brantwell"}));
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT name FROM vals"),
              std::vector<std::string>{"Folder"});

    // Case folding is ASCII only: these are two names.
    Key accented(HKEY_CURRENT_USER, "Software\\\xC3\xA9t\xC3\xA9");
    Key accentedUpper(HKEY_CURRENT_USER, "Software\\\xC3\x89T\xC3\x89");
    EXPECT_EQ(accentedUpper.disposition(), REG_CREATED_NEW_KEY);
}

TEST_F(RegistryTest, SubKeyPathsAndTheirRefusals)
{
    Key deep(HKEY_CURRENT_USER, "Software\\BRANTWELL\\CORVANE\\Settings");
    ASSERT_EQ(deep.status(), ERROR_SUCCESS);
    EXPECT_EQ(RegKeyPathForTesting(deep.get()), "Software\\BRANTWELL\\CORVANE\\Settings");
    Key step(HKEY_CURRENT_USER, "Software");
    Key below(step.get(), "BRANTWELL\\CORVANE");
    EXPECT_EQ(below.disposition(), REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(RegKeyPathForTesting(below.get()), "Software\\BRANTWELL\\CORVANE");

    // The key itself, opened again.
    Key again(step.get(), "");
    ASSERT_EQ(again.status(), ERROR_SUCCESS);
    EXPECT_NE(again.get(), step.get());
    EXPECT_EQ(RegKeyPathForTesting(again.get()), "Software");

    const std::string tooLong(256, 'k');
    const std::string longest(255, 'k');
    for (const std::string bad : {"\\Software", "Software\\\\X", "Software\\", "\\", tooLong.c_str()}) {
        HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1234});
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, bad.c_str(), 0, "", REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_BAD_PATHNAME)
            << bad;
        EXPECT_EQ(key, nullptr) << "a failed call leaves no handle";
    }
    Key longestKey(HKEY_CURRENT_USER, longest.c_str());
    EXPECT_EQ(longestKey.status(), ERROR_SUCCESS);

    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software", 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software", 1, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software", 0, "", 1, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, HandlesAreCheckedAndTheRootSurvivesClosing)
{
    const std::size_t before = RegOpenHandleCountForTesting();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software", 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegOpenHandleCountForTesting(), before + 1);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenHandleCountForTesting(), before);

    const HKEY madeUp = reinterpret_cast<HKEY>(std::uintptr_t{0xDEAD0});
    for (const HKEY bad : {key, static_cast<HKEY>(nullptr), madeUp}) {
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Set(bad, "x", REG_SZ, BytesOf("x", true)), ERROR_INVALID_HANDLE);
        EXPECT_EQ(Get(bad, "x").status, ERROR_INVALID_HANDLE);
        HKEY child = madeUp;
        EXPECT_EQ(RegCreateKeyExA(bad, "Child", 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &child, nullptr),
                  ERROR_INVALID_HANDLE);
        EXPECT_EQ(child, nullptr);
    }

    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    Key after(HKEY_CURRENT_USER, "Software");
    EXPECT_EQ(after.status(), ERROR_SUCCESS);
    EXPECT_EQ(after.disposition(), REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(Set(HKEY_CURRENT_USER, "At the root", REG_SZ, BytesOf("r", true)), ERROR_SUCCESS);
    EXPECT_EQ(Get(HKEY_CURRENT_USER, "AT THE ROOT").data, BytesOf("r", true));
}

TEST_F(RegistryTest, HandlesAllowOnlyTheAccessTheyWereOpenedWith)
{
    Key writable(HKEY_CURRENT_USER, "Software\\Test");
    ASSERT_EQ(Set(writable.get(), "v", REG_SZ, BytesOf("1", true)), ERROR_SUCCESS);
    Key reader(HKEY_CURRENT_USER, "Software\\Test", KEY_READ);
    Key writer(HKEY_CURRENT_USER, "Software\\Test", KEY_WRITE);
    EXPECT_EQ(Set(reader.get(), "v", REG_SZ, BytesOf("2", true)), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Get(reader.get(), "v").data, BytesOf("1", true));
    EXPECT_EQ(Get(writer.get(), "v").status, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Set(writer.get(), "v", REG_SZ, BytesOf("3", true)), ERROR_SUCCESS);
    // Creating below a key needs the right to; opening what is there does not.
    Key openBelowReader(reader.get(), "");
    EXPECT_EQ(openBelowReader.status(), ERROR_SUCCESS);
    Key createBelowReader(reader.get(), "New");
    EXPECT_EQ(createBelowReader.status(), ERROR_ACCESS_DENIED);
}

TEST_F(RegistryTest, NothingIsCachedAndValuesOutliveTheirHandles)
{
    {
        Key key(HKEY_CURRENT_USER, "Software\\Test");
        ASSERT_EQ(Set(key.get(), "Editor", REG_SZ, BytesOf("Z:\\usr\\bin\\vi", true)), ERROR_SUCCESS);
    }
    Key key(HKEY_CURRENT_USER, "Software\\Test");
    EXPECT_EQ(key.disposition(), REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(Get(key.get(), "Editor").data, BytesOf("Z:\\usr\\bin\\vi", true));

    // Another program changes the value behind an open handle: the next read
    // sees it.
    auto db = sqlite_probe::Open(sandbox.Database());
    ASSERT_EQ(sqlite_probe::Exec(db.get(), "UPDATE vals SET data = CAST('Z:\\opt\\ed' || char(0) AS BLOB)"),
              "");
    EXPECT_EQ(Get(key.get(), "Editor").data, BytesOf("Z:\\opt\\ed", true));
    // ... and a value written by hand as text, without its terminator, is
    // read as its bytes.
    ASSERT_EQ(sqlite_probe::Exec(db.get(), "UPDATE vals SET data = 'Z:\\opt\\ed'"), "");
    EXPECT_EQ(Get(key.get(), "Editor").data, BytesOf("Z:\\opt\\ed", false));

    // A key deleted behind an open handle fails cleanly.
    ASSERT_EQ(sqlite_probe::Exec(db.get(), "DELETE FROM vals; DELETE FROM keys WHERE name = 'Test'"), "");
    EXPECT_EQ(Get(key.get(), "Editor").status, ERROR_KEY_DELETED);
    EXPECT_EQ(Set(key.get(), "Editor", REG_SZ, BytesOf("x", true)), ERROR_KEY_DELETED);
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM vals"),
              std::vector<std::string>{"0"});
}

TEST_F(RegistryTest, ReadsBeforeAnyWriteFindNothingAndCreateNothing)
{
    EXPECT_EQ(Get(HKEY_CURRENT_USER, "Folder").status, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(sandbox.Database()));
    // An empty file is a database with nothing in it yet.
    sandbox.Dir().Write("config/corvane/registry.db", "");
    EXPECT_EQ(Get(HKEY_CURRENT_USER, "Folder").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(std::filesystem::file_size(sandbox.Database()), 0u);
    Key key(HKEY_CURRENT_USER, "Software");
    EXPECT_EQ(key.status(), ERROR_SUCCESS);
    EXPECT_EQ(sqlite_probe::IntegrityCheck(sandbox.Database()), "ok");
}

TEST(RegistryDatabasePathTest, FollowsTheXdgRules)
{
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string config = savedConfig ? savedConfig : "";
    const std::string home = savedHome ? savedHome : "";
    const struct {
        const char* configHome; // null: unset
        const char* home;
        const char* expected;
    } cases[] = {
        {"/cfg", "/home/ann", "/cfg/corvane/registry.db"},
        {"/cfg/", "/home/ann", "/cfg/corvane/registry.db"},
        {nullptr, "/home/ann", "/home/ann/.config/corvane/registry.db"},
        {"", "/home/ann", "/home/ann/.config/corvane/registry.db"},
        {"relative/cfg", "/home/ann/", "/home/ann/.config/corvane/registry.db"},
    };
    for (const auto& c : cases) {
        if (c.configHome)
            setenv("XDG_CONFIG_HOME", c.configHome, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", c.home, 1);
        EXPECT_EQ(RegistryDatabasePath(), c.expected) << (c.configHome ? c.configHome : "(unset)");
    }
    savedConfig ? setenv("XDG_CONFIG_HOME", config.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

} // namespace
