// Fuzzes the reader of the compiled grammars kept on disk
// (platform/xml/schema/xml_grammar_store.h): whatever a cache file holds, the
// reader either refuses it or returns an entry, and never hands on bytes
// that its checksum does not cover.
//
// Each input is read twice: as it is, and with its checksum line set right,
// so that the fuzzer reaches the fields behind the checksum. Both must hold:
//   - an entry the reader returns is written back to bytes it reads again
//     as the same entry;
//   - any change to the bytes of an entry it returned makes it refuse them.

#include "platform/xml/references/cache_files.h"
#include "platform/xml/schema/xml_grammar_store.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kBuild = "fuzz build";

void Require(bool condition, const char* what, std::size_t size)
{
    if (condition)
        return;
    std::fprintf(stderr, "grammar entry reader broke an invariant: %s (input of %zu bytes)\n", what, size);
    std::abort();
}

// The input with the value of its checksum line made to match.
std::string WithChecksumSetRight(std::string bytes)
{
    const auto at = bytes.find("\nchecksum ");
    if (at == std::string::npos)
        return bytes;
    const auto valueStart = at + 10;
    const auto valueEnd = bytes.find('\n', valueStart);
    if (valueEnd == std::string::npos)
        return bytes;
    const std::string_view payload = std::string_view(bytes).substr(valueEnd + 1);
    const std::uint64_t sum = GrammarStoreHash(payload, GrammarStoreHash(std::string_view(bytes).substr(0, at + 1)));
    return bytes.substr(0, valueStart) + CacheHex(sum) + bytes.substr(valueEnd);
}

bool SameEntry(const XmlGrammarEntry& a, const XmlGrammarEntry& b)
{
    return a.key == b.key && a.files == b.files && a.references == b.references && a.payload == b.payload;
}

void Check(const std::string& bytes)
{
    const auto entry = DecodeGrammarEntry(std::string_view(bytes), kBuild);
    if (!entry)
        return;
    const std::string written = EncodeGrammarEntry(*entry, kBuild);
    Require(!written.empty(), "an entry read from one-line fields cannot be written", bytes.size());
    const auto again = DecodeGrammarEntry(std::string_view(written), kBuild);
    Require(again && SameEntry(*entry, *again), "an entry does not read back as itself", bytes.size());
    for (const std::size_t at : {std::size_t{0}, written.size() / 2, written.size() - 1}) {
        std::string damaged = written;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x01);
        Require(!DecodeGrammarEntry(std::string_view(damaged), kBuild), "a changed byte went unnoticed", bytes.size());
    }
    Require(!DecodeGrammarEntry(std::string_view(written).substr(0, written.size() - 1), kBuild),
            "a shortened entry went unnoticed", bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    Check(WithChecksumSetRight(bytes));
    return 0;
}
