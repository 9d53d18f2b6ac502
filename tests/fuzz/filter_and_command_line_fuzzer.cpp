// Fuzzes the file chooser's filter list reader and the command line splitter
// on the same input.
//
// The filter list is the input closed here by two NULs, in a buffer of exactly
// that size, so that AddressSanitizer reports any read past the closing empty
// string. The command line is the input up to its first NUL.

#include "platform/ui/file_dialog.h"
#include "platform/os/command_line.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what, std::size_t size)
{
    if (condition)
        return;
    std::fprintf(stderr, "filter list or command line broke an invariant: %s (input of %zu bytes)\n", what, size);
    std::abort();
}

void CheckFilterList(const std::uint8_t* data, std::size_t size)
{
    const std::size_t length = size + 2;
    const auto list = std::make_unique<char[]>(length);
    std::memcpy(list.get(), data, size);
    list[size] = '\0';
    list[size + 1] = '\0';

    const auto filters = ReadFilterList(list.get());
    const std::string bytes = FilterListBytes(list.get());

    // The bytes are the list as it was given, as far as it is read.
    Require(!bytes.empty() && bytes.size() <= length, "filter bytes length", size);
    Require(std::memcmp(bytes.data(), list.get(), bytes.size()) == 0, "filter bytes differ from the list", size);
    Require(bytes.back() == '\0', "filter bytes not closed", size);

    // Both readers see the same pairs.
    std::string rebuilt;
    for (const FileFilter& filter : filters) {
        Require(filter.description.str().find('\0') == std::string::npos, "NUL in a description", size);
        Require(filter.patterns.str().find('\0') == std::string::npos, "NUL in patterns", size);
        rebuilt.append(filter.description.str()).push_back('\0');
        rebuilt.append(filter.patterns.str()).push_back('\0');
    }
    // A description without patterns ends the list; otherwise the closing
    // empty string does.
    if (filters.empty() || !filters.back().patterns.IsEmpty())
        rebuilt.push_back('\0');
    Require(rebuilt == bytes, "filters and bytes disagree", size);
}

void CheckCommandLine(const std::uint8_t* data, std::size_t size)
{
    std::string_view line(reinterpret_cast<const char*>(data), size);
    line = line.substr(0, line.find('\0'));
    const auto words = SplitCommandLine(line);
    Require(words.size() <= line.size() + 1, "more words than characters", size);
    for (const std::string& word : words)
        Require(word.find('\0') == std::string::npos, "NUL in a word", size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckFilterList(data, size);
    CheckCommandLine(data, size);
    return 0;
}
