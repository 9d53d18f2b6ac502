#include "platform/xml/references/catalog_answers_store.h"

#include "platform/xml/references/cache_files.h"
#include "platform/text/fnv_hash.h"

#include <sys/stat.h>

#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view kMagic = "corvane catalog answers 1\n";
constexpr const char* kFileName = "/catalog-answers";
// A store larger than this is not read: answers are short, and a batch asks
// a few hundred questions at most.
constexpr std::size_t kMaxStoreBytes = 4 * 1024 * 1024;

void Put(std::string& out, char tag, std::string_view value)
{
    out += tag;
    out += std::to_string(value.size());
    out += ':';
    out += value;
}

// Reads one "tag length:value" field; false on anything else.
bool Take(std::string_view& in, char tag, std::string& value)
{
    if (in.empty() || in[0] != tag)
        return false;
    const std::size_t colon = in.find(':');
    if (colon == std::string_view::npos || colon == 1 || colon > 8)
        return false;
    std::size_t length = 0;
    for (const char digit : in.substr(1, colon - 1)) {
        if (digit < '0' || digit > '9')
            return false;
        length = length * 10 + static_cast<std::size_t>(digit - '0');
    }
    if (in.size() - colon - 1 < length)
        return false;
    value.assign(in.substr(colon + 1, length));
    in.remove_prefix(colon + 1 + length);
    return true;
}

std::string Serialise(const CatalogAnswerSnapshot& snapshot)
{
    std::string body;
    Put(body, 'R', snapshot.roots);
    for (const auto& [path, identity] : snapshot.files) {
        Put(body, 'F', path);
        Put(body, 'I', identity);
    }
    for (const auto& [question, answer] : snapshot.answers) {
        Put(body, 'Q', question);
        if (answer)
            Put(body, 'A', *answer);
        else
            Put(body, 'N', "");
    }
    char checksum[17];
    std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(Fnv1a(body)));
    return std::string(kMagic) + checksum + "\n" + body;
}

std::optional<CatalogAnswerSnapshot> Parse(std::string_view text)
{
    if (!text.starts_with(kMagic) || text.size() < kMagic.size() + 17 || text[kMagic.size() + 16] != '\n')
        return std::nullopt;
    const std::string_view checksum = text.substr(kMagic.size(), 16);
    std::string_view body = text.substr(kMagic.size() + 17);
    char expected[17];
    std::snprintf(expected, sizeof expected, "%016llx", static_cast<unsigned long long>(Fnv1a(body)));
    if (checksum != expected)
        return std::nullopt;
    CatalogAnswerSnapshot snapshot;
    if (!Take(body, 'R', snapshot.roots))
        return std::nullopt;
    std::string first, second;
    while (!body.empty()) {
        if (Take(body, 'F', first)) {
            if (!Take(body, 'I', second))
                return std::nullopt;
            snapshot.files[first] = second;
        } else if (Take(body, 'Q', first)) {
            if (Take(body, 'A', second))
                snapshot.answers[first] = second;
            else if (Take(body, 'N', second))
                snapshot.answers[first] = std::nullopt;
            else
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return snapshot;
}

} // namespace

std::string CatalogFileIdentity(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return "absent";
    return std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + ":" +
           std::to_string(info.st_size);
}

std::optional<CatalogAnswerSnapshot> ReadStoredCatalogAnswers(const std::string& folder, const std::string& roots)
{
    if (folder.empty())
        return std::nullopt;
    const std::optional<std::string> text = ReadWholeCacheFile(folder + kFileName, kMaxStoreBytes);
    std::optional<CatalogAnswerSnapshot> snapshot = text ? Parse(*text) : std::nullopt;
    if (!snapshot || snapshot->roots != roots)
        return std::nullopt;
    for (const auto& [path, identity] : snapshot->files)
        if (CatalogFileIdentity(path) != identity)
            return std::nullopt;
    return snapshot;
}

void StoreCatalogAnswers(const std::string& folder, const CatalogAnswerSnapshot& snapshot)
{
    const std::string text = Serialise(snapshot);
    if (folder.empty() || text.size() > kMaxStoreBytes || !MakeCacheFolders(folder))
        return;
    WriteCacheFileWhole(folder + kFileName, text, {});
}
