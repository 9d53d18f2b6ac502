// CRegistrySettings over the registry: the key path, reads and writes, the
// closing order, a broken chain, and two programs writing at once.

#include "settings/registry_settings.h"

#include "tests/support/child_process.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/sqlite_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

constexpr const char* kSettingsPath = "Software\\BRANTWELL\\CORVANE\\Settings";

// The Settings key, opened beside the store, as another program would.
class SettingsKey {
public:
    SettingsKey()
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &m_key, nullptr);
    }
    ~SettingsKey()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    LONG Set(const char* name, DWORD type, const Bytes& data) const
    {
        return RegSetValueExA(m_key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
    }
    // Type and bytes as stored.
    std::pair<DWORD, Bytes> Get(const char* name) const
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return {0, {}};
        Bytes data(size);
        RegQueryValueExA(m_key, name, nullptr, &type, data.data(), &size);
        return {type, data};
    }

private:
    HKEY m_key = nullptr;
};

Bytes BytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// Records every close, with the key path it closed.
class CloseLog {
public:
    CloseLog()
    {
        RegSetCloseListenerForTesting([this](HKEY key, const std::string& path, LONG status) {
            m_closed.push_back((key == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER" : path) +
                               (status == ERROR_SUCCESS ? "" : " failed"));
        });
    }
    ~CloseLog() { RegSetCloseListenerForTesting(nullptr); }
    CloseLog(const CloseLog&) = delete;
    CloseLog& operator=(const CloseLog&) = delete;

    const std::vector<std::string>& Closed() const { return m_closed; }

private:
    std::vector<std::string> m_closed;
};

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RegistrySettingsTest : public ::testing::Test {
protected:
    RegistrySandbox sandbox;
};

TEST_F(RegistrySettingsTest, FirstRunCreatesTheKeyPathAndFindsNoValues)
{
    const std::size_t handlesBefore = RegOpenHandleCountForTesting();
    {
        CRegistrySettings settings;
        EXPECT_EQ(settings.Levels(), 5);
        ASSERT_EQ(settings.Keys().size(), 5u);
        EXPECT_EQ(settings.Keys()[0], HKEY_CURRENT_USER);
        const char* paths[] = {"", "Software", "Software\\BRANTWELL", "Software\\BRANTWELL\\CORVANE",
                               kSettingsPath};
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(RegKeyPathForTesting(settings.Keys()[i]), paths[i]) << i;

        CString folder("untouched");
        EXPECT_EQ(settings.ReadValue("Folder", folder), 0);
        EXPECT_EQ(folder, "untouched");
        CString editor;
        EXPECT_EQ(settings.ReadValue("Editor", editor), 0);
        EXPECT_TRUE(editor.IsEmpty());
    }
    EXPECT_EQ(RegOpenHandleCountForTesting(), handlesBefore);
    // The whole path exists after the first run, with no value in it.
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT name FROM keys WHERE name <> '' ORDER BY id"),
              (std::vector<std::string>{"Software", "BRANTWELL", "CORVANE", "Settings"}));
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM vals"),
              std::vector<std::string>{"0"});
    // A second run opens what is there and creates nothing.
    CRegistrySettings again;
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM keys"),
              std::vector<std::string>{"5"});
}

TEST_F(RegistrySettingsTest, TextsRoundTripAsRegSzWithTheirTerminator)
{
    const std::string longText(4000, 'L');
    const std::string cases[] = {
        "Z:\\home\\ann\\xml",
        "",
        "Notepad.exe",
        "Z:\\opt\\my editor\\bin\\edit \"quoted\" %s %1",
        "Z:\\home\\\xC3\xA9l\xC3\xA8ve",
        longText,
    };
    CRegistrySettings settings;
    SettingsKey key;
    for (const std::string& text : cases) {
        ASSERT_EQ(settings.WriteValue("Folder", text.c_str()), 1) << text;
        const auto [type, data] = key.Get("Folder");
        EXPECT_EQ(type, REG_SZ);
        Bytes expected = BytesOf(text);
        expected.push_back(0);
        EXPECT_EQ(data, expected) << "n bytes are stored as n + 1";

        CString read("something else that is longer than some of the texts");
        EXPECT_EQ(settings.ReadValue("Folder", read), 1);
        EXPECT_EQ(read.str(), text);
    }
    // Each setting under its own name; names in any case.
    ASSERT_EQ(settings.WriteValue("Editor", "Z:\\usr\\bin\\gedit"), 1);
    CString editor;
    EXPECT_EQ(settings.ReadValue("EDITOR", editor), 1);
    EXPECT_EQ(editor, "Z:\\usr\\bin\\gedit");
}

TEST_F(RegistrySettingsTest, WhatAnotherProgramStoredIsReadUpToItsFirstNul)
{
    CRegistrySettings settings;
    SettingsKey key;
    const struct {
        const char* what;
        DWORD type;
        Bytes data;
        const char* expected;
    } cases[] = {
        {"the empty string", REG_SZ, {0}, ""},
        {"no bytes at all", REG_SZ, {}, ""},
        {"a number", REG_DWORD, {'C', 'B', 'A', 0}, "CBA"},
        {"a number with no NUL", REG_DWORD, {'4', '3', '2', '1'}, "4321"},
        {"binary with an inner NUL", REG_BINARY, {'a', 'b', 0, 'c', 'd'}, "ab"},
        {"text without its terminator", REG_SZ, {'x', 'y', 'z'}, "xyz"},
        {"a list of strings", REG_MULTI_SZ, {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}, "one"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(key.Set("Editor", c.type, c.data), ERROR_SUCCESS) << c.what;
        // The string held a longer text before: none of it may show behind
        // the value's bytes.
        CString value("0123456789abcdefghij");
        EXPECT_EQ(settings.ReadValue("Editor", value), 1) << c.what;
        EXPECT_EQ(value, c.expected) << c.what;
    }
    // A value of another type is replaced by a string, whatever it was.
    ASSERT_EQ(settings.WriteValue("Editor", "vi"), 1);
    EXPECT_EQ(key.Get("Editor").first, REG_SZ);
}

TEST_F(RegistrySettingsTest, ValuesPersistAndNothingIsCached)
{
    {
        CRegistrySettings first;
        ASSERT_EQ(first.WriteValue("Folder", "Z:\\data"), 1);
    }
    CRegistrySettings second;
    CRegistrySettings third;
    CString folder;
    ASSERT_EQ(second.ReadValue("Folder", folder), 1);
    EXPECT_EQ(folder, "Z:\\data");
    ASSERT_EQ(third.WriteValue("Folder", "Z:\\other"), 1);
    ASSERT_EQ(second.ReadValue("Folder", folder), 1);
    EXPECT_EQ(folder, "Z:\\other");
}

TEST_F(RegistrySettingsTest, DestructionClosesFiveHandlesDeepestFirst)
{
    CloseLog log;
    {
        CRegistrySettings settings;
    }
    EXPECT_EQ(log.Closed(), (std::vector<std::string>{kSettingsPath, "Software\\BRANTWELL\\CORVANE",
                                                      "Software\\BRANTWELL", "Software", "HKEY_CURRENT_USER"}));
    // The root, closed, still serves.
    CRegistrySettings later;
    EXPECT_EQ(later.WriteValue("Folder", "Z:\\"), 1);
}

TEST_F(RegistrySettingsTest, ADamagedDatabaseBreaksTheWholeChainQuietly)
{
    std::mt19937 random(17);
    std::string garbage(16384, '\0');
    for (char& ch : garbage)
        ch = static_cast<char>(random() & 0xFF);
    sandbox.Dir().Write("config/corvane/registry.db", garbage);

    CloseLog log;
    {
        CRegistrySettings settings;
        EXPECT_EQ(settings.Levels(), 5);
        ASSERT_EQ(settings.Keys().size(), 5u);
        EXPECT_EQ(settings.Keys()[0], HKEY_CURRENT_USER);
        for (std::size_t i = 1; i < 5; ++i)
            EXPECT_EQ(settings.Keys()[i], nullptr) << "level " << i;
        CString value("kept");
        EXPECT_EQ(settings.ReadValue("Folder", value), 0);
        EXPECT_EQ(value, "kept");
        EXPECT_EQ(settings.WriteValue("Folder", "Z:\\tmp"), 0);
    }
    EXPECT_EQ(log.Closed(), std::vector<std::string>{"HKEY_CURRENT_USER"}) << "only opened handles are closed";
    EXPECT_EQ(Contents(sandbox.Database()), garbage);
}

TEST_F(RegistrySettingsTest, AChainBrokenHalfWayFailsBelowTheBreak)
{
    // Two levels exist; the database then cannot be written, so the third
    // cannot be created.
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\BRANTWELL", 0, "", REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    namespace fs = std::filesystem;
    fs::permissions(sandbox.Dir().Path(), fs::perms(0755));
    fs::permissions(sandbox.ConfigHome(), fs::perms(0755));
    fs::permissions(sandbox.Folder(), fs::perms(0555));
    fs::permissions(sandbox.Database(), fs::perms(0444));
    const std::string before = Contents(sandbox.Database());

    const int result = RunInUnprivilegedChildProcess([]() {
        CloseLog log;
        int failures = 0;
        {
            CRegistrySettings settings;
            const auto& keys = settings.Keys();
            if (keys.size() != 5 || keys[1] == nullptr || keys[2] == nullptr || keys[3] != nullptr ||
                keys[4] != nullptr)
                failures |= 1;
            CString value("kept");
            if (settings.ReadValue("Folder", value) != 0 || value != "kept")
                failures |= 2;
            if (settings.WriteValue("Folder", "Z:\\tmp") != 0)
                failures |= 4;
        }
        if (log.Closed() != std::vector<std::string>{"Software\\BRANTWELL", "Software", "HKEY_CURRENT_USER"})
            failures |= 8;
        return failures;
    });
    fs::permissions(sandbox.Folder(), fs::perms(0700));
    fs::permissions(sandbox.Database(), fs::perms(0600));
    if (result == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Contents(sandbox.Database()), before);
}

TEST_F(RegistrySettingsTest, TwoProgramsWritingAtOnceLoseNothing)
{
    constexpr int kWrites = 1000;
    const auto writer = [](const char* name, const char* prefix) {
        return [name, prefix]() {
            CRegistrySettings settings;
            int failed = 0;
            for (int i = 0; i < kWrites; ++i) {
                const std::string text = std::string(prefix) + std::to_string(i);
                if (settings.WriteValue(name, text.c_str()) != 1)
                    ++failed;
                // The other program's value is readable all along.
                CString other;
                settings.ReadValue(name[0] == 'F' ? "Editor" : "Folder", other);
            }
            return failed == 0 ? 0 : 1 + std::min(failed, 100);
        };
    };
    // Both start on a database that does not exist yet.
    const int first = StartChildProcess(writer("Folder", "Z:\\folder\\"));
    const int second = StartChildProcess(writer("Editor", "Z:\\editor\\"));
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(WaitForChild(first), 0) << "every write of the first program succeeded";
    EXPECT_EQ(WaitForChild(second), 0) << "every write of the second program succeeded";

    CRegistrySettings settings;
    CString folder;
    CString editor;
    ASSERT_EQ(settings.ReadValue("Folder", folder), 1);
    ASSERT_EQ(settings.ReadValue("Editor", editor), 1);
    EXPECT_EQ(folder, "Z:\\folder\\999");
    EXPECT_EQ(editor, "Z:\\editor\\999");
    EXPECT_EQ(sqlite_probe::IntegrityCheck(sandbox.Database()), "ok");
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM keys WHERE parent IS NULL"),
              std::vector<std::string>{"1"});
    EXPECT_EQ(sqlite_probe::Rows(sandbox.Database(), "SELECT count(*) FROM keys"),
              std::vector<std::string>{"5"});
}

} // namespace
