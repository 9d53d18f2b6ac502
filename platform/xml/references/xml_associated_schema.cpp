#include "platform/xml/references/xml_associated_schema.h"
#include "platform/xml/load/libxml_library.h"

#include "platform/text/drive_path.h"
#include "platform/os/posix_io.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/references/remote_cache.h"
#include "platform/xml/references/xml_entity_resolver.h"
#include "platform/xml/references/xml_input_sources.h"

#include <libxml/parserInternals.h>
#include <libxml/xmlIO.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <cstring>
#include <mutex>
#include <utility>

namespace {

thread_local ScopedLibxmlDocumentLoader* t_loader = nullptr;

std::string Sentence(const std::string& subject, const std::string& display, const std::string& context,
                     const std::string& why)
{
    std::string text = "Cannot load " + subject + " " + display;
    if (!context.empty())
        text += " " + context;
    return text + ": " + why;
}

std::string MiB(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

// The whole file behind an opened descriptor; false when reading fails.
bool ReadWhole(int fd, std::string& bytes, std::string& why)
{
    char block[64 * 1024];
    while (true) {
        const ssize_t got = ReadSome(fd, block, sizeof block);
        if (got == 0)
            return true;
        if (got < 0) {
            why = std::strerror(errno);
            return false;
        }
        bytes.append(block, static_cast<std::size_t>(got));
        if (bytes.size() > XmlLimits::kReferencedDocumentBytes)
            return true; // the caller reports the size
    }
}

std::variant<XmlFetchedDocument, XmlFetchFailure> FetchTarget(const XmlResolvedLocation& target,
                                                              const std::string& reference,
                                                              const std::string& subject,
                                                              const std::string& context,
                                                              const XmlRemoteAccess& remote)
{
    const std::string display =
        target.location.empty() ? reference : (target.remote ? target.location : ShownPath(target.location));
    if (!target.Resolved())
        return XmlFetchFailure{OwnErrorOfLocation(target.problemKind),
                               Sentence(subject, display, context, target.problem)};
    XmlFetchedDocument document;
    document.display = display;
    if (target.remote) {
        RemoteFetchLimits limits = remote.limits;
        limits.maxBytes = std::min<std::uint64_t>(limits.maxBytes, XmlLimits::kReferencedDocumentBytes);
        RemoteFetchResult fetched = FetchThroughCache(target.location, limits, remote.notice);
        NoteParserProgress(); // waiting for the network is not the engine stalling
        if (const std::uint32_t code = OwnErrorOfFetch(fetched.status); code != 0) {
            if (fetched.status == RemoteFetchResult::Status::TooLarge)
                fetched.detail += " (resource limit)";
            return XmlFetchFailure{code, Sentence(subject, display, context, fetched.detail)};
        }
        document.remote = true;
        document.location = fetched.effectiveUrl.empty() ? target.location : fetched.effectiveUrl;
        document.bytes = std::move(fetched.body);
        document.size = document.bytes.size();
        return document;
    }
    OpenedLocalFile file = OpenLocalFile(target.location);
    if (file.check.problem) {
        const UnreadableFile unreadable = DescribeUnreadableReference(file.check);
        return XmlFetchFailure{unreadable.ownError, Sentence(subject, display, context, unreadable.reason)};
    }
    const auto tooLarge = [&] {
        return XmlFetchFailure{XmlOwnError::ReferencedDocumentTooLarge,
                               Sentence(subject, display, context,
                                        "it is larger than " + MiB(XmlLimits::kReferencedDocumentBytes) +
                                            " (resource limit)")};
    };
    if (file.check.size > XmlLimits::kReferencedDocumentBytes)
        return tooLarge();
    std::string why;
    if (!ReadWhole(file.fd.Get(), document.bytes, why))
        return XmlFetchFailure{XmlOwnError::ReferencedReadFailed, Sentence(subject, display, context, why)};
    if (document.bytes.size() > XmlLimits::kReferencedDocumentBytes)
        return tooLarge();
    document.location = target.location;
    document.size = file.check.size;
    document.modifiedNs = file.check.modifiedNs;
    return document;
}

// The library's way in: every external document it would open itself.
// The library's loader, for threads where no scope is alive.
std::atomic<xmlExternalEntityLoader> g_libraryLoader{nullptr};

xmlParserInputPtr LoadThroughPolicy(const char* url, const char* id, xmlParserCtxtPtr context)
{
    if (t_loader == nullptr) {
        const xmlExternalEntityLoader library = g_libraryLoader.load();
        return library != nullptr ? library(url, id, context) : nullptr;
    }
    if (url == nullptr)
        return nullptr;
    std::optional<XmlFetchedDocument> document = t_loader->Load(url, id == nullptr ? std::string() : id);
    if (!document)
        return nullptr;
    xmlParserInputBufferPtr buffer = Libxml().xmlParserInputBufferCreateMem(
        document->bytes.data(), static_cast<int>(document->bytes.size()), XML_CHAR_ENCODING_NONE);
    if (buffer == nullptr)
        return nullptr;
    xmlParserInputPtr input = Libxml().xmlNewIOInputStream(context, buffer, XML_CHAR_ENCODING_NONE);
    if (input == nullptr) {
        Libxml().xmlFreeParserInputBuffer(buffer);
        return nullptr;
    }
    // The base of the document's own relative references.
    input->filename = reinterpret_cast<char*>(Libxml().xmlStrdup(reinterpret_cast<const xmlChar*>(document->location.c_str())));
    return input;
}

} // namespace

XmlResolvedLocation ResolveReferencedDocument(const std::string& reference, const XmlResource& referrer)
{
    XmlResolvedLocation written = ResolveXmlLocation(reference, referrer);
    std::optional<XmlResolvedLocation> mapped = CatalogMappedLocation(reference, written);
    return mapped ? std::move(*mapped) : std::move(written);
}

std::variant<XmlFetchedDocument, XmlFetchFailure> FetchResolvedDocument(const XmlResolvedLocation& target,
                                                                        const std::string& reference,
                                                                        const std::string& subject,
                                                                        const std::string& context,
                                                                        const XmlRemoteAccess& remote)
{
    return FetchTarget(target, reference, subject, context, remote);
}

ScopedLibxmlDocumentLoader::ScopedLibxmlDocumentLoader(XmlResource origin, std::string subject,
                                                       XmlRemoteAccess remote, bool keepTexts)
    : m_origin(std::move(origin)), m_subject(std::move(subject)), m_remote(std::move(remote)),
      m_keepTexts(keepTexts),
      m_outer(t_loader)
{
    // The library's loader is one for the whole process: it is set once, and
    // stays, so that a scope on one thread never takes it from another.
    static std::once_flag installed;
    std::call_once(installed, [] {
        g_libraryLoader = Libxml().xmlGetExternalEntityLoader();
        Libxml().xmlSetExternalEntityLoader(LoadThroughPolicy);
    });
    t_loader = this;
}

ScopedLibxmlDocumentLoader::~ScopedLibxmlDocumentLoader()
{
    t_loader = m_outer;
}

std::optional<XmlFetchedDocument> ScopedLibxmlDocumentLoader::Load(const std::string& url, const std::string& publicId)
{
    if (m_failure)
        return std::nullopt;
    // The library hands over locations already resolved against the
    // document naming them; the origin decides whether local files may be
    // named at all.
    const XmlResolvedLocation written = ResolveXmlLocation(url, m_origin);
    std::optional<XmlResolvedLocation> mapped = CatalogMappedLocation({publicId, url, url, {}});
    auto fetched = FetchTarget(mapped ? *mapped : written, url, m_subject,
                               "(read by " + m_origin.displayName + ")", m_remote);
    if (auto* failure = std::get_if<XmlFetchFailure>(&fetched)) {
        m_failure = std::move(*failure);
        return std::nullopt;
    }
    auto& document = std::get<XmlFetchedDocument>(fetched);
    m_read.push_back({XmlResourceKind::Schema, document.display, document.remote ? std::string() : document.location,
                      document.remote, document.size, document.modifiedNs});
    if (m_keepTexts)
        m_texts.push_back(document.bytes);
    return std::move(document);
}
