// Places start tags by reading the document's lines again, a bounded
// window of them at a time.

#include "platform/xml/schema/xml_relaxng_start_tags.h"

#include "platform/os/posix_io.h"
#include "platform/xml/references/xml_input_sources.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <string_view>
#include <utility>

namespace xmlrelaxng {

namespace {

// How far back a start tag is looked for: a tag spread over more lines is
// left without a column.
constexpr std::size_t kTagLines = 64;
// A line longer than this is not searched (a document on one line, say).
constexpr std::size_t kSearchedLineBytes = 1024 * 1024;

long CharacterCount(std::string_view bytes)
{
    long count = 0;
    for (const char byte : bytes)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    return count;
}

bool EndsName(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '/' || ch == '>';
}

// The n-th "<name" in a line that a blank, "/" or ">" ends, by its byte offset.
std::optional<std::size_t> NthStartTag(const std::string& line, const std::string& name, int ordinal)
{
    const std::string opening = "<" + name;
    int seen = 0;
    for (std::size_t at = line.find(opening); at != std::string::npos; at = line.find(opening, at + 1)) {
        const std::size_t after = at + opening.size();
        if ((after >= line.size() || EndsName(line[after])) && ++seen == ordinal)
            return at;
    }
    return std::nullopt;
}

// The last "<name" in a line that a blank, "/" or ">" ends, by its byte offset.
std::optional<std::size_t> LastStartTag(const std::string& line, const std::string& name)
{
    const std::string opening = "<" + name;
    for (std::size_t at = line.rfind(opening); at != std::string::npos;
         at = at == 0 ? std::string::npos : line.rfind(opening, at - 1)) {
        const std::size_t after = at + opening.size();
        if (after >= line.size() || EndsName(line[after]))
            return at;
    }
    return std::nullopt;
}

} // namespace

void PlaceStartTags(const std::string& linuxPath, std::vector<StartTagQuery*>& queries)
{
    if (queries.empty())
        return;
    std::stable_sort(queries.begin(), queries.end(),
                     [](const StartTagQuery* a, const StartTagQuery* b) { return a->line < b->line; });
    OpenedLocalFile file = OpenLocalFile(linuxPath);
    if (!file.fd)
        return;
    std::deque<std::pair<std::uint64_t, std::optional<std::string>>> recent;
    std::string current;
    bool currentTooLong = false;
    std::uint64_t lineNumber = 1;
    std::size_t next = 0;
    bool first = true;
    const auto answer = [&](std::uint64_t upTo) {
        while (next < queries.size() && queries[next]->line <= upTo) {
            StartTagQuery& query = *queries[next++];
            for (auto line = recent.rbegin(); line != recent.rend() && !query.name.empty(); ++line) {
                if (line->first > query.line || !line->second)
                    continue;
                // On its own line the engine's count tells which tag it is;
                // a tag begun on an earlier line is the last one there.
                const auto at = line->first == query.line && query.ordinal > 0
                                    ? NthStartTag(*line->second, query.name, query.ordinal)
                                    : LastStartTag(*line->second, query.name);
                if (at) {
                    query.foundLine = static_cast<long>(line->first);
                    query.foundColumn = CharacterCount(std::string_view(*line->second).substr(0, *at)) + 1;
                    break;
                }
            }
        }
    };
    const auto endLine = [&] {
        recent.emplace_back(lineNumber, currentTooLong ? std::nullopt : std::optional<std::string>(current));
        if (recent.size() > kTagLines)
            recent.pop_front();
        answer(lineNumber);
        current.clear();
        currentTooLong = false;
        ++lineNumber;
    };
    char block[64 * 1024];
    while (next < queries.size()) {
        const ssize_t got = ReadSome(file.fd.Get(), block, sizeof block);
        if (got <= 0)
            break;
        std::string_view bytes(block, static_cast<std::size_t>(got));
        // A UTF-16 document's names are not searched byte-wise.
        if (first && bytes.size() >= 2 &&
            (bytes[0] == '\0' || bytes[1] == '\0' || static_cast<unsigned char>(bytes[0]) >= 0xFE))
            return;
        first = false;
        while (!bytes.empty()) {
            const std::size_t newline = bytes.find('\n');
            const std::string_view piece = bytes.substr(0, newline);
            if (!currentTooLong && current.size() + piece.size() <= kSearchedLineBytes)
                current.append(piece);
            else {
                currentTooLong = true;
                current.clear();
            }
            if (newline == std::string_view::npos)
                break;
            endLine();
            bytes.remove_prefix(newline + 1);
        }
    }
    if (next < queries.size())
        endLine();
}

} // namespace xmlrelaxng
