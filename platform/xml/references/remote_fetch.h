#pragma once
// Fetching a referenced document over http or https. Every fetch is bounded
// in time and size, so a dead, refusing or silent server ends in a clear
// failure rather than a hang.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

struct RemoteFetchLimits {
    std::chrono::milliseconds connectTimeout{10'000};
    // A transfer that delivers nothing for this long is abandoned.
    std::chrono::milliseconds stallTimeout{15'000};
    // No single fetch lasts longer than this.
    std::chrono::milliseconds totalTimeout{45'000};
    std::uint64_t maxBytes = 64ull * 1024 * 1024;
    // Off: nothing is fetched; referenced documents come from the catalogs
    // and the cache only.
    bool networkAllowed = true;
    // The cache of fetched documents keeps at most this many bytes.
    std::uint64_t cacheMaxBytes = 256ull * 1024 * 1024;
};

struct RemoteFetchResult {
    enum class Status {
        Ok,
        ConnectFailed,   // name lookup failed, refused, unreachable
        TimedOut,        // connect, stall or total timeout
        HttpStatus,      // the server answered with an HTTP error status
        NotModified,     // the copy named in the revalidation is still current
        TooLarge,        // more than maxBytes
        TransferFailed,  // the connection broke, or the answer was malformed
        Unsupported,     // not an http or https URL
        Offline,         // the network is off and no copy is kept
    };
    Status status = Status::TransferFailed;
    long httpStatus = 0;
    std::string body;
    // The URL the body came from, after redirects: the base for the
    // document's own relative references.
    std::string effectiveUrl;
    // What went wrong, in a few words, for the error's description.
    std::string detail;
    // The final answer's cache headers, as the server sent them.
    std::string cacheControl;
    std::string expires;
    std::string date;
    std::string age;
    std::string etag;
    std::string lastModified;
};

// The time an HTTP date names, in seconds since 1970; nothing if it names none.
std::optional<std::int64_t> ParseHttpDate(const std::string& text);

// What a cache knows of its copy, so that the server can answer "not
// modified" instead of sending the document again.
struct RemoteRevalidation {
    std::string etag;
    std::string lastModified;
};

RemoteFetchResult FetchRemoteDocument(const std::string& url, const RemoteFetchLimits& limits,
                                      const RemoteRevalidation& revalidation = {});

// Resolves a reference against an absolute http or https URL (with an empty
// base, the reference must itself be absolute). Blanks and non-ASCII bytes
// are percent-encoded. An empty result when either cannot be parsed.
std::string ResolveRemoteReference(const std::string& baseUrl, const std::string& reference);
