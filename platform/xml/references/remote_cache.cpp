#include "platform/xml/references/remote_cache.h"

#include "platform/text/fnv_hash.h"
#include "platform/xml/references/cache_files.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kMagic = "corvane-cache 1\n";
constexpr std::string_view kEntrySuffix = ".entry";
// The header of an entry: a few short lines. A larger one is damage.
constexpr std::size_t kLargestHeader = 64 * 1024;

std::int64_t Now()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

struct CacheEntry {
    std::string url;
    std::string effectiveUrl;
    std::int64_t stored = 0;
    // Used without asking the server until then; 0 means always ask.
    std::int64_t freshUntil = 0;
    std::string etag;
    std::string lastModified;
    std::string body;
};

// Header values come from URLs and server headers; a line break in one would
// shift every field after it, so such a value is not kept.
bool OneLine(const std::string& value)
{
    return value.find_first_of("\r\n") == std::string::npos;
}

// The header only: the body follows it as it is, so that a large document
// is not copied to be written.
std::string EncodeHeader(const CacheEntry& entry)
{
    std::string text(kMagic);
    const auto field = [&text](std::string_view name, const std::string& value) {
        text.append(name).append(" ").append(OneLine(value) ? value : std::string()).append("\n");
    };
    field("url", entry.url);
    field("effective", entry.effectiveUrl);
    field("stored", std::to_string(entry.stored));
    field("fresh-until", std::to_string(entry.freshUntil));
    field("etag", entry.etag);
    field("last-modified", entry.lastModified);
    field("length", std::to_string(entry.body.size()));
    field("checksum", CacheHex(Fnv1a(entry.body)));
    text += "\n";
    return text;
}

std::optional<std::int64_t> Number(const std::string& text)
{
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

// Nothing unless every field is there and the body is whole and unchanged.
std::optional<CacheEntry> Decode(const std::string& text)
{
    if (!std::string_view(text).starts_with(kMagic))
        return std::nullopt;
    const auto headerEnd = text.find("\n\n", kMagic.size() - 1);
    if (headerEnd == std::string::npos || headerEnd > kLargestHeader)
        return std::nullopt;
    CacheEntry entry;
    std::optional<std::int64_t> stored, freshUntil, length;
    std::string checksum;
    std::size_t position = kMagic.size();
    while (position < headerEnd) {
        const auto lineEnd = text.find('\n', position);
        const std::string line = text.substr(position, lineEnd - position);
        position = lineEnd + 1;
        const auto blank = line.find(' ');
        if (blank == std::string::npos)
            return std::nullopt;
        const std::string name = line.substr(0, blank);
        std::string value = line.substr(blank + 1);
        if (name == "url")
            entry.url = std::move(value);
        else if (name == "effective")
            entry.effectiveUrl = std::move(value);
        else if (name == "stored")
            stored = Number(value);
        else if (name == "fresh-until")
            freshUntil = Number(value);
        else if (name == "etag")
            entry.etag = std::move(value);
        else if (name == "last-modified")
            entry.lastModified = std::move(value);
        else if (name == "length")
            length = Number(value);
        else if (name == "checksum")
            checksum = std::move(value);
    }
    const std::size_t bodyStart = headerEnd + 2;
    if (!stored || !freshUntil || !length || entry.url.empty() || entry.effectiveUrl.empty() ||
        text.size() - bodyStart != static_cast<std::uint64_t>(*length))
        return std::nullopt;
    entry.body = text.substr(bodyStart);
    if (CacheHex(Fnv1a(entry.body)) != checksum)
        return std::nullopt;
    entry.stored = *stored;
    entry.freshUntil = *freshUntil;
    return entry;
}

class RemoteCache {
public:
    RemoteCache(std::string folder, const std::string& url, std::uint64_t maxBytes)
        : m_folder(std::move(folder))
        , m_path(m_folder.empty() ? std::string() : m_folder + "/" + CacheHex(Fnv1a(url)) +
                                                          std::string(kEntrySuffix))
        , m_url(url)
        , m_maxBytes(maxBytes)
    {
    }

    // Another location with the same name, or a damaged file, is no copy.
    std::optional<CacheEntry> Read(std::uint64_t largestBody) const
    {
        if (m_path.empty())
            return std::nullopt;
        auto text = ReadWholeCacheFile(m_path, largestBody + kLargestHeader);
        if (!text)
            return std::nullopt;
        auto entry = Decode(*text);
        if (!entry || entry->url != m_url)
            return std::nullopt;
        return entry;
    }

    void MarkUsed() const { MarkCacheFileUsed(m_path); }

    // A copy that cannot be written costs only the next fetch.
    void Write(const CacheEntry& entry) const
    {
        const std::string header = EncodeHeader(entry);
        if (m_path.empty() || header.size() + entry.body.size() > m_maxBytes || !MakeCacheFolders(m_folder) ||
            !WriteCacheFileWhole(m_path, header, entry.body))
            return;
        KeepCacheFilesWithin(m_folder, kEntrySuffix, m_maxBytes, m_path);
    }

private:
    std::string m_folder;
    std::string m_path;
    std::string m_url;
    std::uint64_t m_maxBytes;
};

// Cache-Control directives are case-insensitive.
std::string AsciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

bool HasDirective(const std::string& cacheControl, std::string_view directive)
{
    const std::string lower = AsciiLower(cacheControl);
    for (std::size_t at = lower.find(directive); at != std::string::npos; at = lower.find(directive, at + 1)) {
        const bool startsToken = at == 0 || lower[at - 1] == ',' || lower[at - 1] == ' ';
        const std::size_t after = at + directive.size();
        const bool endsToken = after == lower.size() || lower[after] == ',' || lower[after] == ' ' ||
                               lower[after] == '=';
        if (startsToken && endsToken)
            return true;
    }
    return false;
}

std::optional<std::int64_t> MaxAge(const std::string& cacheControl)
{
    const std::string lower = AsciiLower(cacheControl);
    for (std::size_t at = lower.find("max-age="); at != std::string::npos; at = lower.find("max-age=", at + 1)) {
        if (at != 0 && lower[at - 1] != ',' && lower[at - 1] != ' ')
            continue; // s-max-age and the like
        std::size_t end = at + 8;
        if (end < lower.size() && lower[end] == '"')
            ++end;
        std::size_t digits = end;
        while (digits < lower.size() && std::isdigit(static_cast<unsigned char>(lower[digits])))
            ++digits;
        if (digits == end)
            return std::nullopt;
        return Number(lower.substr(end, std::min<std::size_t>(digits - end, 12)));
    }
    return std::nullopt;
}

// How long the answer may be used without asking the server again. Without
// a lifetime from the server, every use asks (a cheap "not modified" when the
// server supports it).
std::int64_t FreshUntil(const RemoteFetchResult& answer, std::int64_t now)
{
    if (HasDirective(answer.cacheControl, "no-cache") || HasDirective(answer.cacheControl, "must-revalidate"))
        return 0;
    const std::int64_t age = Number(answer.age).value_or(0);
    if (const auto maxAge = MaxAge(answer.cacheControl))
        return *maxAge > age ? now + *maxAge - age : 0;
    if (const auto expires = ParseHttpDate(answer.expires)) {
        const std::int64_t sent = ParseHttpDate(answer.date).value_or(now);
        return *expires > sent ? now + (*expires - sent) : 0;
    }
    return 0;
}

std::string UtcTime(std::int64_t seconds)
{
    const auto when = static_cast<time_t>(seconds);
    struct tm parts {};
    char text[32] = {};
    if (::gmtime_r(&when, &parts) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &parts) == 0)
        return "an earlier run";
    return text;
}

RemoteFetchResult FromCopy(const CacheEntry& entry)
{
    RemoteFetchResult result;
    result.status = RemoteFetchResult::Status::Ok;
    result.httpStatus = 200;
    result.effectiveUrl = entry.effectiveUrl;
    result.body = entry.body;
    result.etag = entry.etag;
    result.lastModified = entry.lastModified;
    return result;
}

bool ServerUnreachable(RemoteFetchResult::Status status)
{
    return status == RemoteFetchResult::Status::ConnectFailed || status == RemoteFetchResult::Status::TimedOut ||
           status == RemoteFetchResult::Status::TransferFailed;
}

} // namespace

std::string RemoteCacheFolder()
{
    return CorvaneCacheFolder();
}

RemoteFetchResult FetchThroughCache(const std::string& url, const RemoteFetchLimits& limits,
                                    const std::function<void(const std::string&)>& notice)
{
    const RemoteCache cache(limits.cacheMaxBytes == 0 ? std::string() : RemoteCacheFolder(), url,
                            limits.cacheMaxBytes);
    const std::optional<CacheEntry> copy = cache.Read(limits.maxBytes);
    const std::int64_t now = Now();
    if (copy && now < copy->freshUntil) {
        cache.MarkUsed();
        return FromCopy(*copy);
    }
    // A copy past its freshness that stands in for the server is always
    // named, whether the server could not be asked or was not to be.
    const auto standIn = [&](const std::string& why) {
        if (notice)
            notice("using the copy of " + url + " cached on " + UtcTime(copy->stored) + ": " + why);
        cache.MarkUsed();
        return FromCopy(*copy);
    };
    if (!limits.networkAllowed) {
        if (copy)
            return standIn("the network is off");
        RemoteFetchResult offline;
        offline.status = RemoteFetchResult::Status::Offline;
        offline.effectiveUrl = url;
        offline.detail = "the network is off, and neither a catalog nor the cache holds this document";
        return offline;
    }

    RemoteFetchResult answer =
        FetchRemoteDocument(url, limits, copy ? RemoteRevalidation{copy->etag, copy->lastModified} : RemoteRevalidation{});
    if (answer.status == RemoteFetchResult::Status::NotModified && copy) {
        CacheEntry renewed = *copy;
        renewed.freshUntil = FreshUntil(answer, now);
        if (!answer.etag.empty())
            renewed.etag = answer.etag;
        if (!answer.lastModified.empty())
            renewed.lastModified = answer.lastModified;
        cache.Write(renewed);
        return FromCopy(renewed);
    }
    if (answer.status == RemoteFetchResult::Status::Ok) {
        if (!HasDirective(answer.cacheControl, "no-store"))
            cache.Write({url, answer.effectiveUrl, now, FreshUntil(answer, now), answer.etag, answer.lastModified,
                         answer.body});
        return answer;
    }
    if (copy && ServerUnreachable(answer.status))
        return standIn(answer.detail);
    return answer;
}
