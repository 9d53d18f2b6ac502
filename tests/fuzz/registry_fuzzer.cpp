// Fuzzes the registry's key and value round trip on its database.
//
// The input is a script of operations on a fresh database: open keys below
// the current one, write values of any name, type and bytes, read values
// back (by a fuzzed name, or by a written name in another ASCII case), and
// open the current key again from the root. A model of what was written says
// what every call must answer: values read back byte for byte with their
// type, names compare without regard to ASCII case only, and a bad path or
// name fails with its status and no handle. At the end every written value
// is read once more through fresh handles, and no handle is left open.

#include "platform/registry/registry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<BYTE>;

[[noreturn]] void Finding(const char* what, const std::string& name)
{
    std::fprintf(stderr, "registry finding: %s (name of %zu bytes)\n", what, name.size());
    std::abort();
}

void Require(bool condition, const char* what, const std::string& name = {})
{
    if (!condition)
        Finding(what, name);
}

// The database lives in a folder of its own, on a memory file system when
// there is one: every write is a durable transaction.
class Sandbox {
public:
    Sandbox()
    {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "corvane-registry-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            Finding("no temporary folder", pattern);
        m_path = pattern;
        ::setenv("XDG_CONFIG_HOME", m_path.c_str(), 1);
    }
    ~Sandbox()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    void Reset() const
    {
        std::error_code ignored;
        fs::remove_all(m_path / "corvane", ignored);
    }

private:
    fs::path m_path;
};

std::string Folded(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The name in another ASCII case, as the input's bits say.
std::string Recased(std::string text, FuzzedDataProvider& input)
{
    std::uint64_t bits = input.ConsumeIntegral<std::uint64_t>();
    for (char& c : text) {
        if ((bits & 1) != 0) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        bits = (bits >> 1) | (bits << 63);
    }
    return text;
}

// A name as a C string carries it: up to its first NUL.
std::string CName(std::string text)
{
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

bool SplitLevels(const std::string& subKey, std::vector<std::string>& levels)
{
    levels.clear();
    if (subKey.empty())
        return true;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = subKey.find('\\', start);
        const std::string level = subKey.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (level.empty() || level.size() > 255)
            return false;
        levels.push_back(level);
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

struct Value {
    DWORD type = 0;
    Bytes data;
};

// What the database must hold, by folded key path and folded value name.
struct Model {
    std::set<std::string> keys{""};
    std::map<std::pair<std::string, std::string>, Value> values;
    std::map<std::pair<std::string, std::string>, std::string> spelling; // a name as written
};

HKEY Open(HKEY parent, const std::string& subKey, LONG& status, DWORD& disposition)
{
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    disposition = 0;
    status = RegCreateKeyExA(parent, subKey.c_str(), 0, "", REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                             &disposition);
    Require((status == ERROR_SUCCESS) == (key != nullptr), "a handle that does not match the status", subKey);
    return key;
}

void CheckRead(HKEY key, const std::string& name, const Value* expected)
{
    DWORD type = 0xDEADBEEF;
    DWORD size = 0;
    const LONG sized = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (expected == nullptr) {
        Require(sized == ERROR_FILE_NOT_FOUND, "a value never written was found", name);
        return;
    }
    Require(sized == ERROR_SUCCESS, "a written value was not found", name);
    Require(type == expected->type, "a value came back with another type", name);
    Require(size == expected->data.size(), "a value came back with another size", name);

    // One byte of slack shows that nothing is written past the value.
    Bytes buffer(size + 1, 0xA5);
    DWORD room = static_cast<DWORD>(buffer.size());
    Require(RegQueryValueExA(key, name.c_str(), nullptr, nullptr, buffer.data(), &room) == ERROR_SUCCESS,
            "a value could not be read into a large enough buffer", name);
    Require(room == size, "the bytes read differ in count from the size", name);
    Require(Bytes(buffer.begin(), buffer.begin() + size) == expected->data, "a value came back changed", name);
    Require(buffer[size] == 0xA5, "a read wrote past the value", name);

    if (size > 0) {
        Bytes small(size, 0x5A);
        DWORD smallRoom = size - 1;
        Require(RegQueryValueExA(key, name.c_str(), nullptr, nullptr, small.data(), &smallRoom) == ERROR_MORE_DATA,
                "a value was read into a buffer too small for it", name);
        Require(smallRoom == size, "a refused read did not name the size needed", name);
        Require(small == Bytes(small.size(), 0x5A), "a refused read wrote into the buffer", name);
    }
}

class Script {
public:
    explicit Script(FuzzedDataProvider& input) : m_input(input) {}
    ~Script()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }

    void Run()
    {
        m_key = Open(HKEY_CURRENT_USER, "", m_status, m_disposition);
        Require(m_status == ERROR_SUCCESS, "the root did not open");
        while (m_input.remaining_bytes() > 0) {
            switch (m_input.ConsumeIntegralInRange(0, 4)) {
            case 0:
                OpenBelow();
                break;
            case 1:
                Write();
                break;
            case 2:
                ReadFuzzedName();
                break;
            case 3:
                ReadWrittenName();
                break;
            default:
                ReopenFromRoot();
                break;
            }
        }
        RegCloseKey(m_key);
        m_key = nullptr;
        CheckEverything();
    }

private:
    void OpenBelow()
    {
        const std::string subKey = CName(m_input.ConsumeRandomLengthString(300));
        std::vector<std::string> levels;
        const bool valid = SplitLevels(subKey, levels);
        LONG status = 0;
        DWORD disposition = 0;
        HKEY key = Open(m_key, subKey, status, disposition);
        if (!valid) {
            Require(status == ERROR_BAD_PATHNAME, "a bad key path was not refused as one", subKey);
            return;
        }
        Require(status == ERROR_SUCCESS, "a good key path was refused", subKey);
        std::string path = m_path;
        bool created = false;
        for (const auto& level : levels) {
            path = path.empty() ? Folded(level) : path + "\\" + Folded(level);
            created = m_model.keys.insert(path).second;
        }
        if (!levels.empty())
            Require(disposition == (created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY),
                    "a key's disposition does not tell whether it was new", subKey);
        RegCloseKey(m_key);
        m_key = key;
        m_path = path;
        m_spelledPath = m_spelledPath.empty() || subKey.empty() ? (m_spelledPath + subKey)
                                                                : m_spelledPath + "\\" + subKey;
    }

    void Write()
    {
        std::string name;
        if (m_input.ConsumeIntegralInRange(0, 15) == 0) // at and beyond the longest name
            name.assign(16383 + m_input.ConsumeIntegralInRange(0, 1), 'n');
        else
            name = CName(m_input.ConsumeRandomLengthString(40));
        const DWORD type = m_input.ConsumeIntegral<DWORD>();
        const std::string text = m_input.ConsumeRandomLengthString(200);
        const Bytes data(text.begin(), text.end());
        const LONG status = RegSetValueExA(m_key, name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                                           static_cast<DWORD>(data.size()));
        if (name.size() > 16383) {
            Require(status == ERROR_INVALID_PARAMETER, "a name beyond the longest was written", name);
            return;
        }
        Require(status == ERROR_SUCCESS, "a value could not be written", name);
        const auto place = std::make_pair(m_path, Folded(name));
        m_model.values[place] = Value{type, data};
        m_model.spelling.emplace(place, name);
    }

    void ReadFuzzedName()
    {
        const std::string name = CName(m_input.ConsumeRandomLengthString(40));
        const auto found = m_model.values.find({m_path, Folded(name)});
        CheckRead(m_key, name, found == m_model.values.end() ? nullptr : &found->second);
    }

    void ReadWrittenName()
    {
        if (m_model.values.empty())
            return;
        auto entry = m_model.spelling.begin();
        std::advance(entry, m_input.ConsumeIntegralInRange<std::size_t>(0, m_model.spelling.size() - 1));
        if (entry->first.first != m_path)
            return;
        CheckRead(m_key, Recased(entry->second, m_input), &m_model.values.at(entry->first));
    }

    void ReopenFromRoot()
    {
        LONG status = 0;
        DWORD disposition = 0;
        const std::string path = Recased(m_spelledPath, m_input);
        HKEY key = Open(HKEY_CURRENT_USER, path, status, disposition);
        Require(status == ERROR_SUCCESS, "a key could not be opened again from the root", path);
        if (!path.empty())
            Require(disposition == REG_OPENED_EXISTING_KEY, "a key opened again in another case was new", path);
        RegCloseKey(m_key);
        m_key = key;
    }

    // Every written value through fresh handles, each key opened as it was
    // first spelt.
    void CheckEverything()
    {
        for (const auto& [place, spelt] : m_model.spelling) {
            LONG status = 0;
            DWORD disposition = 0;
            HKEY key = Open(HKEY_CURRENT_USER, place.first, status, disposition);
            Require(status == ERROR_SUCCESS, "a written key could not be opened again", place.first);
            CheckRead(key, spelt, &m_model.values.at(place));
            RegCloseKey(key);
        }
    }

    FuzzedDataProvider& m_input;
    Model m_model;
    HKEY m_key = nullptr;
    std::string m_path;        // folded
    std::string m_spelledPath; // as the input spelt it
    LONG m_status = 0;
    DWORD m_disposition = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Sandbox sandbox;
    static const std::size_t handlesBefore = RegOpenHandleCountForTesting();
    sandbox.Reset();
    FuzzedDataProvider input(data, size);
    {
        Script script(input);
        script.Run();
    }
    Require(RegOpenHandleCountForTesting() == handlesBefore, "a handle was left open");
    return 0;
}
