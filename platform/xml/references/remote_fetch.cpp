#include "platform/xml/references/remote_fetch.h"

#include "platform/xml/references/network_library.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <regex>
#include <string_view>

namespace {

// Handles exist only once the library is open.
const NetworkLibrary& Net()
{
    return *OpenNetworkLibrary();
}

struct EasyDeleter {
    void operator()(CURL* handle) const { Net().easy_cleanup(handle); }
};
struct UrlDeleter {
    void operator()(CURLU* handle) const { Net().url_cleanup(handle); }
};
struct CurlStringDeleter {
    void operator()(char* text) const { Net().free(text); }
};

struct Transfer {
    std::string* body;
    std::uint64_t maxBytes;
    bool tooLarge = false;
};

struct SlistDeleter {
    void operator()(curl_slist* list) const { Net().slist_free_all(list); }
};

std::string TrimmedHeaderValue(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' ' ||
                              value.back() == '\t'))
        value.remove_suffix(1);
    return std::string(value);
}

bool SameHeaderName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Keeps the cache headers of the last answer only: a redirect's own headers
// say nothing about the document.
size_t KeepCacheHeader(char* data, size_t size, size_t count, void* userData)
{
    auto* result = static_cast<RemoteFetchResult*>(userData);
    const size_t bytes = size * count;
    const std::string_view line(data, bytes);
    if (line.starts_with("HTTP/")) {
        result->cacheControl.clear();
        result->expires.clear();
        result->date.clear();
        result->age.clear();
        result->etag.clear();
        result->lastModified.clear();
        return bytes;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return bytes;
    const std::string_view name = line.substr(0, colon);
    const std::string value = TrimmedHeaderValue(line.substr(colon + 1));
    if (SameHeaderName(name, "Cache-Control"))
        result->cacheControl += (result->cacheControl.empty() ? "" : ", ") + value;
    else if (SameHeaderName(name, "Expires"))
        result->expires = value;
    else if (SameHeaderName(name, "Date"))
        result->date = value;
    else if (SameHeaderName(name, "Age"))
        result->age = value;
    else if (SameHeaderName(name, "ETag"))
        result->etag = value;
    else if (SameHeaderName(name, "Last-Modified"))
        result->lastModified = value;
    return bytes;
}

// A header value holding a line break would smuggle another header in.
bool SafeHeaderValue(const std::string& value)
{
    return !value.empty() && value.find_first_of("\r\n") == std::string::npos;
}

size_t AppendBody(char* data, size_t size, size_t count, void* userData)
{
    auto* transfer = static_cast<Transfer*>(userData);
    const size_t bytes = size * count;
    if (transfer->body->size() + bytes > transfer->maxBytes) {
        transfer->tooLarge = true;
        return 0; // aborts the transfer
    }
    transfer->body->append(data, bytes);
    return bytes;
}

long Seconds(std::chrono::milliseconds duration)
{
    return std::max<long>(1, static_cast<long>((duration.count() + 999) / 1000));
}

bool IsHttpUrl(const std::string& url)
{
    const auto starts = [&](std::string_view prefix) {
        return url.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), url.begin(), [](char a, char b) {
                   return a == static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
               });
    };
    return starts("http://") || starts("https://");
}

// Blanks, non-ASCII bytes and the few characters a URL may not hold
// literally are percent-encoded, so that locations written by hand parse.
std::string EncodeForUrl(const std::string& text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte <= 0x20 || byte >= 0x7F || ch == '"' || ch == '<' || ch == '>' || ch == '\\' ||
            ch == '^' || ch == '`' || ch == '{' || ch == '|' || ch == '}') {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        } else {
            encoded += ch;
        }
    }
    return encoded;
}

std::string SizeText(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

// The network library's description of a failure, without the time the
// attempt took ("after 12 ms"): the verdict on a document must read the same
// however fast the same failure came.
std::string WithoutElapsedTime(const std::string& text)
{
    static const std::regex elapsed(" after [0-9]+ (ms|milliseconds)");
    return std::regex_replace(text, elapsed, "");
}

// Sets the transfer up within the limits. The headers returned must outlive
// the transfer; none unless the cache asked to revalidate its copy.
std::unique_ptr<curl_slist, SlistDeleter> ConfigureTransfer(CURL* curl, const std::string& url,
                                                           const RemoteFetchLimits& limits,
                                                           const RemoteRevalidation& revalidation,
                                                           char* errorText, Transfer& transfer,
                                                           RemoteFetchResult& result)
{
    Net().easy_setopt(curl, CURLOPT_URL, url.c_str());
    Net().easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    Net().easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    Net().easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    Net().easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    Net().easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    Net().easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    Net().easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
    Net().easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalTimeout.count()));
    Net().easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    Net().easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, Seconds(limits.stallTimeout));
    Net().easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    // Compressed answers are welcome; the size cap applies to what they unpack to.
    Net().easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    Net().easy_setopt(curl, CURLOPT_USERAGENT, "Corvane/1.0");
    Net().easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    Net().easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
    Net().easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    Net().easy_setopt(curl, CURLOPT_HEADERFUNCTION, KeepCacheHeader);
    Net().easy_setopt(curl, CURLOPT_HEADERDATA, &result);
    curl_slist* headers = nullptr;
    if (SafeHeaderValue(revalidation.etag))
        headers = Net().slist_append(headers, ("If-None-Match: " + revalidation.etag).c_str());
    if (SafeHeaderValue(revalidation.lastModified))
        headers = Net().slist_append(headers, ("If-Modified-Since: " + revalidation.lastModified).c_str());
    std::unique_ptr<curl_slist, SlistDeleter> headerList(headers);
    if (headerList)
        Net().easy_setopt(curl, CURLOPT_HTTPHEADER, headerList.get());
    return headerList;
}

// The status and the words for what the network library reported.
void ClassifyTransfer(CURLcode code, bool revalidating, bool tooLarge, long proxyStatus, const std::string& reason,
                      RemoteFetchResult& result)
{
    // A proxy that refuses the tunnel answers the CONNECT; the server itself
    // never answers, and its status stays 0.
    const bool proxyRefused = result.httpStatus == 0 && proxyStatus >= 300;
    switch (proxyRefused ? CURLE_COULDNT_CONNECT : code) {
    case CURLE_OK:
        if (result.httpStatus == 304 && revalidating) {
            result.status = RemoteFetchResult::Status::NotModified;
        } else if (result.httpStatus != 0 && (result.httpStatus < 200 || result.httpStatus > 299)) {
            result.status = RemoteFetchResult::Status::HttpStatus;
            result.detail = "the server answered with HTTP status " + std::to_string(result.httpStatus);
        } else {
            result.status = RemoteFetchResult::Status::Ok;
        }
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        result.status = RemoteFetchResult::Status::ConnectFailed;
        result.detail = proxyRefused ? "the proxy refused the connection with HTTP status " +
                                           std::to_string(proxyStatus)
                                     : "the server could not be reached (" + reason + ")";
        break;
    case CURLE_OPERATION_TIMEDOUT:
        result.status = RemoteFetchResult::Status::TimedOut;
        result.detail = "the server did not answer in time (" + reason + ")";
        break;
    case CURLE_HTTP_RETURNED_ERROR:
        result.status = RemoteFetchResult::Status::HttpStatus;
        result.detail = "the server answered with HTTP status " + std::to_string(result.httpStatus);
        break;
    case CURLE_FILESIZE_EXCEEDED:
        result.status = RemoteFetchResult::Status::TooLarge;
        break;
    case CURLE_UNSUPPORTED_PROTOCOL:
        // The location was http or https; with no HTTP status, the server
        // answered with something other than HTTP.
        if (result.httpStatus == 0 && IsHttpUrl(result.effectiveUrl)) {
            result.status = RemoteFetchResult::Status::TransferFailed;
            result.detail = "the server did not answer with HTTP (" + reason + ")";
        } else {
            result.status = RemoteFetchResult::Status::Unsupported;
            result.detail = "only http and https locations can be fetched";
        }
        break;
    default:
        if (tooLarge) {
            result.status = RemoteFetchResult::Status::TooLarge;
        } else {
            result.status = RemoteFetchResult::Status::TransferFailed;
            result.detail = "the transfer failed (" + reason + ")";
        }
        break;
    }
}

} // namespace

std::optional<std::int64_t> ParseHttpDate(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    const NetworkLibrary* net = OpenNetworkLibrary();
    if (net == nullptr)
        return std::nullopt;
    const time_t when = net->getdate(text.c_str(), nullptr);
    if (when == static_cast<time_t>(-1))
        return std::nullopt;
    return static_cast<std::int64_t>(when);
}

RemoteFetchResult FetchRemoteDocument(const std::string& url, const RemoteFetchLimits& limits,
                                      const RemoteRevalidation& revalidation)
{
    RemoteFetchResult result;
    result.effectiveUrl = url;
    if (!IsHttpUrl(url)) {
        result.status = RemoteFetchResult::Status::Unsupported;
        result.detail = "only http and https locations can be fetched";
        return result;
    }
    const NetworkLibrary* net = OpenNetworkLibrary();
    if (net == nullptr) {
        result.detail = NetworkLibraryProblem();
        return result;
    }
    std::unique_ptr<CURL, EasyDeleter> easy(net->easy_init());
    if (!easy) {
        result.detail = "the network library could not start";
        return result;
    }
    CURL* curl = easy.get();
    char errorText[CURL_ERROR_SIZE] = {};
    Transfer transfer{&result.body, limits.maxBytes};
    const auto headerList = ConfigureTransfer(curl, url, limits, revalidation, errorText, transfer, result);

    const CURLcode code = net->easy_perform(curl);
    net->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    char* effective = nullptr;
    if (net->easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective != nullptr)
        result.effectiveUrl = effective;
    long proxyStatus = 0;
    net->easy_getinfo(curl, CURLINFO_HTTP_CONNECTCODE, &proxyStatus);

    const std::string reason = WithoutElapsedTime(errorText[0] != '\0' ? errorText : net->easy_strerror(code));
    ClassifyTransfer(code, headerList != nullptr, transfer.tooLarge, proxyStatus, reason, result);
    if (result.status == RemoteFetchResult::Status::TooLarge)
        result.detail = "the document is larger than " + SizeText(limits.maxBytes);
    if (result.status != RemoteFetchResult::Status::Ok)
        result.body.clear();
    return result;
}

namespace {

bool IsDecimalOctet(std::string_view text)
{
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0'))
        return false;
    if (!std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return false;
    return std::stoi(std::string(text)) <= 255;
}

// A host the network library writes back as it is: lower-case names whose
// last label holds a letter, or four decimal octets. Other numeric forms
// ("127.1", "0x7f.1") are rewritten by it, so they are left to it.
bool IsPlainHost(std::string_view host)
{
    if (host.empty() || !std::all_of(host.begin(), host.end(), [](char ch) {
            return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '.' || ch == '-';
        }))
        return false;
    const std::string_view last = host.substr(host.rfind('.') == std::string_view::npos ? 0 : host.rfind('.') + 1);
    if (std::any_of(last.begin(), last.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; }))
        return true;
    int octets = 0;
    for (std::size_t start = 0; start <= host.size(); ++octets) {
        const std::size_t end = std::min(host.find('.', start), host.size());
        if (!IsDecimalOctet(host.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return octets == 4;
}

bool IsPlainPath(std::string_view path)
{
    if (path.empty() || path[0] != '/')
        return false;
    const bool plainCharacters = std::all_of(path.begin(), path.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) != 0 ||
               std::string_view("-._~!$&'()*+,;=:@/").find(ch) != std::string_view::npos;
    });
    const auto endsWith = [&](std::string_view tail) { return path.ends_with(tail); };
    return plainCharacters && path.find("/./") == std::string_view::npos &&
           path.find("/../") == std::string_view::npos && !endsWith("/.") && !endsWith("/..");
}

// An absolute http or https URL that resolving would return unchanged: no
// dot segments, escapes, query or fragment to normalise, a plain host and
// port. Catalog and DTD references (DocBook's, Maven's) are of this kind,
// and answering them here spares opening the network library for a
// document that the catalogs or the cache then serve.
bool IsPlainAbsoluteUrl(std::string_view url)
{
    std::size_t rest = 0;
    if (url.starts_with("http://"))
        rest = 7;
    else if (url.starts_with("https://"))
        rest = 8;
    else
        return false;
    const std::size_t pathStart = url.find('/', rest);
    if (pathStart == std::string_view::npos)
        return false;
    std::string_view authority = url.substr(rest, pathStart - rest);
    if (const std::size_t colon = authority.find(':'); colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5 || port[0] == '0' ||
            !std::all_of(port.begin(), port.end(), [](char ch) { return ch >= '0' && ch <= '9'; }) ||
            std::stoi(std::string(port)) > 65535)
            return false;
        authority = authority.substr(0, colon);
    }
    return IsPlainHost(authority) && IsPlainPath(url.substr(pathStart));
}

} // namespace

std::string ResolveRemoteReference(const std::string& baseUrl, const std::string& reference)
{
    if (baseUrl.empty() && IsPlainAbsoluteUrl(reference))
        return reference;
    const NetworkLibrary* net = OpenNetworkLibrary();
    if (net == nullptr)
        return {};
    std::unique_ptr<CURLU, UrlDeleter> handle(net->url());
    if (!handle)
        return {};
    if (!baseUrl.empty() &&
        net->url_set(handle.get(), CURLUPART_URL, EncodeForUrl(baseUrl).c_str(), 0) != CURLUE_OK)
        return {};
    if (net->url_set(handle.get(), CURLUPART_URL, EncodeForUrl(reference).c_str(), 0) != CURLUE_OK)
        return {};
    char* resolved = nullptr;
    if (net->url_get(handle.get(), CURLUPART_URL, &resolved, 0) != CURLUE_OK || resolved == nullptr)
        return {};
    std::unique_ptr<char, CurlStringDeleter> owner(resolved);
    return resolved;
}
