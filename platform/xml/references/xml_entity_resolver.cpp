#include "platform/xml/references/xml_entity_resolver.h"

#include "platform/text/drive_path.h"
#include "platform/xml/component/load_progress.h"
#include "platform/xml/references/remote_cache.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/schema/xml_builtin_schemas.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"

#include <xercesc/util/XMLResourceIdentifier.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>

namespace {

namespace xc = xercesc;

std::u16string ToU16(const XMLCh* text)
{
    return text == nullptr ? std::u16string() : std::u16string(text);
}

std::string Trim(std::string text)
{
    const auto isBlank = [](unsigned char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    while (!text.empty() && isBlank(static_cast<unsigned char>(text.back())))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && isBlank(static_cast<unsigned char>(text[first])))
        ++first;
    return text.substr(first);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// The scheme of an absolute URI ("http", "file", ...), or empty. A single
// letter before the colon is a drive, not a scheme.
std::string SchemeOf(const std::string& reference)
{
    const auto colon = reference.find(':');
    if (colon == std::string::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(reference[0])))
        return {};
    for (std::size_t i = 1; i < colon; ++i) {
        const auto ch = static_cast<unsigned char>(reference[i]);
        if (!std::isalnum(ch) && ch != '+' && ch != '-' && ch != '.')
            return {};
    }
    return Lower(reference.substr(0, colon));
}

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// %XX sequences become the bytes they name, so that a percent-encoded UTF-8
// name reaches the file system as the same UTF-8 bytes. A '%' that starts no
// such sequence stays as it is.
std::string PercentDecode(const std::string& text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

bool Exists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string Normalised(const std::string& path)
{
    return std::filesystem::path(path).lexically_normal().string();
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("/") : path.substr(0, slash + 1);
}

// A local location: absolute as it is, relative against the referring
// document's folder; "%XX" decoded unless only the undecoded name exists.
std::string LocalPath(std::string reference, const std::string& referrerPath)
{
    std::replace(reference.begin(), reference.end(), '\\', '/');
    const auto absolute = [&](const std::string& name) {
        return Normalised(name.starts_with('/') ? name : FolderOf(referrerPath) + name);
    };
    const std::string decoded = absolute(PercentDecode(reference));
    const std::string literal = absolute(reference);
    // A decoded NUL would end the name early, so it names nothing to test.
    const bool cut = decoded.find('\0') != std::string::npos;
    if (decoded != literal && (cut || !Exists(decoded)) && Exists(literal))
        return literal;
    return decoded;
}

XmlResolvedLocation FromFileUrl(const std::string& url)
{
    XmlResolvedLocation target;
    std::string rest = url.substr(5); // after "file:"
    if (rest.starts_with("//")) {
        const auto slash = rest.find('/', 2);
        const std::string host = Lower(rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2));
        if (!host.empty() && host != "localhost") {
            target.Fail(XmlLocationProblem::FileOnAnotherHost, "files on another host cannot be read");
            return target;
        }
        rest = slash == std::string::npos ? std::string("/") : rest.substr(slash);
    }
    const auto cut = rest.find_first_of("?#");
    std::string path = PercentDecode(rest.substr(0, cut));
    // file:///Z:/home/ann/site.xsd names a drive path.
    if (path.size() >= 3 && path[0] == '/' && std::isalpha(static_cast<unsigned char>(path[1])) &&
        path[2] == ':')
        path = path.substr(1);
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
        const auto mapped = LinuxPathFromDrivePath(path);
        if (!mapped) {
            target.Fail(XmlLocationProblem::NoSuchDrive, std::string("drive ") +
                                                             static_cast<char>(std::toupper(path[0])) +
                                                             ": does not exist on this system");
            return target;
        }
        path = *mapped;
    }
    if (!path.starts_with('/')) {
        target.Fail(XmlLocationProblem::NoAbsolutePath, "the file URL names no absolute path");
        return target;
    }
    target.location = Normalised(path);
    return target;
}

std::string DisplayName(const XmlResolvedLocation& target)
{
    if (target.remote)
        return target.location;
    return ShownPath(target.location);
}

std::string Subject(XmlResourceKind kind, const std::string& display, const std::string& referrer)
{
    std::string subject = std::string("the ") + XmlResourceKindWord(kind) + " " + display;
    if (!referrer.empty())
        subject += " referenced from " + referrer;
    return subject;
}

std::string CannotLoad(XmlResourceKind kind, const std::string& display, const std::string& referrer,
                       const std::string& why)
{
    std::string text = "Cannot load " + Subject(kind, display, referrer) + ": " + why;
    return text;
}

std::string MiB(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

// %00 decodes to a NUL, which no file name holds and which would cut the
// name short at the file system.
XmlResolvedLocation WithoutNul(XmlResolvedLocation target)
{
    if (target.location.find('\0') == std::string::npos)
        return target;
    target.location.clear();
    target.Fail(XmlLocationProblem::HoldsNul,
                "the location holds %00 (a NUL character), which no file name can hold");
    return target;
}

// A location the load will not follow is refused; one that names no
// readable place cannot be resolved.
std::uint32_t OwnErrorOf(XmlLocationProblem problem)
{
    return problem == XmlLocationProblem::LocalFileFromNetwork ? XmlOwnError::ReferenceRefused
                                                               : XmlOwnError::ReferenceNotResolvable;
}

// The document's location in the form catalogs name documents by.
std::string CatalogForm(const XmlResolvedLocation& written)
{
    if (!written.Resolved() || written.location.empty())
        return {};
    return written.remote ? written.location : "file://" + written.location;
}

} // namespace

// What the catalogs map a reference to, as a place to read; nothing when no
// catalog maps it. The referrer does not matter: the mapping is the user's.
std::optional<XmlResolvedLocation> CatalogMappedLocation(const XmlCatalogQuery& query)
{
    const std::optional<std::string> uri = ResolveThroughCatalogs(query);
    if (!uri)
        return std::nullopt;
    XmlResolvedLocation target;
    const std::string scheme = SchemeOf(*uri);
    if (scheme == "http" || scheme == "https") {
        target.remote = true;
        target.location = ResolveRemoteReference({}, *uri);
        if (target.location.empty())
            target.Fail(XmlLocationProblem::NotAValidUrl, "a catalog maps it to " + *uri + ", which is not a valid URL");
        return target;
    }
    if (scheme == "file")
        return WithoutNul(FromFileUrl(*uri));
    if (uri->starts_with('/')) {
        target.location = Normalised(*uri);
        return WithoutNul(std::move(target));
    }
    target.Fail(XmlLocationProblem::UnsupportedScheme,
                "a catalog maps it to \"" + *uri + "\", which names neither a file nor an http or https location");
    return target;
}

std::optional<XmlResolvedLocation> CatalogMappedLocation(const std::string& reference, const XmlResolvedLocation& written)
{
    return CatalogMappedLocation({{}, reference, CatalogForm(written), {}});
}

XmlResolvedLocation FollowedLocation(const std::string& publicId, const std::string& systemId,
                                     const XmlResource& referrer)
{
    XmlResolvedLocation written = ResolveXmlLocation(systemId, referrer);
    // A location the catalogs map is read wherever it leads.
    if (auto mapped = CatalogMappedLocation({publicId, systemId, CatalogForm(written), {}}))
        return std::move(*mapped);
    return written;
}

XmlResolvedLocation ResolveXmlLocation(const std::string& reference, const XmlResource& referrer)
{
    XmlResolvedLocation target;
    const std::string trimmed = Trim(reference);
    const std::string scheme = SchemeOf(trimmed);
    if (scheme == "http" || scheme == "https") {
        target.remote = true;
        target.location = ResolveRemoteReference({}, trimmed);
        if (target.location.empty())
            target.Fail(XmlLocationProblem::NotAValidUrl, "the location is not a valid URL");
        return target;
    }
    if (scheme == "file") {
        if (referrer.remote) {
            target.location = trimmed;
            target.Fail(XmlLocationProblem::LocalFileFromNetwork,
                        "a document from the network may not refer to local files");
            return target;
        }
        return WithoutNul(FromFileUrl(trimmed));
    }
    if (!scheme.empty()) {
        target.Fail(XmlLocationProblem::UnsupportedScheme,
                    "locations of the kind \"" + scheme + ":\" are not supported (only files, http and https)");
        return target;
    }
    if (trimmed.empty()) {
        target.Fail(XmlLocationProblem::Empty, "the location is empty");
        return target;
    }
    if (trimmed.size() >= 2 && std::isalpha(static_cast<unsigned char>(trimmed[0])) && trimmed[1] == ':') {
        if (referrer.remote) {
            target.Fail(XmlLocationProblem::LocalFileFromNetwork,
                        "a document from the network may not refer to local files");
            return target;
        }
        const auto mapped = LinuxPathFromDrivePath(trimmed);
        if (!mapped) {
            target.Fail(XmlLocationProblem::NoSuchDrive, std::string("drive ") +
                                                             static_cast<char>(std::toupper(trimmed[0])) +
                                                             ": does not exist on this system");
            return target;
        }
        target.location = Normalised(*mapped);
        return target;
    }
    if (referrer.remote) {
        target.remote = true;
        target.location = ResolveRemoteReference(referrer.displayName, trimmed);
        if (target.location.empty())
            target.Fail(XmlLocationProblem::NotAValidUrl, "the location is not a valid URL");
        return target;
    }
    target.location = LocalPath(trimmed, referrer.linuxPath);
    return WithoutNul(std::move(target));
}

std::uint32_t OwnErrorOfFetch(RemoteFetchResult::Status status)
{
    switch (status) {
    case RemoteFetchResult::Status::Ok:
        return 0;
    case RemoteFetchResult::Status::ConnectFailed:
        return XmlOwnError::RemoteConnectFailed;
    case RemoteFetchResult::Status::TimedOut:
        return XmlOwnError::RemoteTimedOut;
    case RemoteFetchResult::Status::HttpStatus:
        return XmlOwnError::RemoteHttpStatus;
    case RemoteFetchResult::Status::TooLarge:
        return XmlOwnError::ReferencedDocumentTooLarge;
    case RemoteFetchResult::Status::TransferFailed:
        return XmlOwnError::RemoteTransferFailed;
    case RemoteFetchResult::Status::Unsupported:
        return XmlOwnError::ReferenceNotResolvable;
    case RemoteFetchResult::Status::Offline:
        return XmlOwnError::RemoteNotFetchedOffline;
    case RemoteFetchResult::Status::NotModified: // answered by the cache, never seen here
        return XmlOwnError::RemoteTransferFailed;
    }
    return XmlOwnError::RemoteTransferFailed;
}

std::uint32_t OwnErrorOfLocation(XmlLocationProblem problem)
{
    return OwnErrorOf(problem);
}

XmlReferenceResolver::XmlReferenceResolver(XmlResourceRegistry& registry, XmlReferenceEvents& events,
                                           xc::MemoryManager* manager, const RemoteFetchLimits& limits,
                                           LoadNoticeListener notice)
    : m_registry(registry)
    , m_events(events)
    , m_manager(manager)
    , m_limits(limits)
    , m_notice(notice ? std::move(notice) : [](const std::string&) {})
    , m_remoteTimeLeft(m_limits.totalTimeout)
{
}

xc::InputSource* XmlReferenceResolver::resolveEntity(xc::XMLResourceIdentifier* identifier)
{
    if (identifier == nullptr)
        return nullptr;
    const std::u16string systemId = ToU16(identifier->getSystemId());
    const XmlResource* referrer = m_registry.Find(ToU16(identifier->getBaseURI()));
    if (referrer == nullptr)
        referrer = &m_registry.MainDocument();

    m_events.OnReference(identifier->getResourceIdentifierType() == xc::XMLResourceIdentifier::SchemaGrammar,
                         identifier->getLocator());
    XmlResourceKind kind = XmlResourceKind::ContentEntity;
    std::optional<XmlResolvedLocation> importMapped;
    switch (identifier->getResourceIdentifierType()) {
    case xc::XMLResourceIdentifier::SchemaGrammar:
    case xc::XMLResourceIdentifier::SchemaImport:
    case xc::XMLResourceIdentifier::SchemaInclude:
    case xc::XMLResourceIdentifier::SchemaRedefine:
        kind = XmlResourceKind::Schema;
        if (const std::u16string space = ToU16(identifier->getNameSpace()); HasBuiltinSchema(space)) {
            const bool alreadyRead = !m_builtinSpacesRead.insert(space).second;
            if (const XmlBuiltinSchema* builtin = FindBuiltinSchema(space, WideToAnsi(systemId), alreadyRead)) {
                m_registry.Add(builtin->systemId, {XmlResourceKind::Schema, builtin->displayName, {}, false});
                return new (m_manager) MemoryInputSource(builtin->text, builtin->systemId, m_manager);
            }
        }
        // Any other import without a location relies on a grammar already
        // known, unless a catalog names a schema for its namespace.
        if (systemId.empty()) {
            importMapped = CatalogMappedLocation({{}, {}, {}, WideToAnsi(ToU16(identifier->getNameSpace()))});
            if (!importMapped)
                return nullptr;
        }
        break;
    case xc::XMLResourceIdentifier::ExternalEntity:
    case xc::XMLResourceIdentifier::UnKnown:
        // The parser names the DOCTYPE's own subset with a public identifier,
        // empty if the DOCTYPE gave none; an entity declared with SYSTEM alone
        // has none at all. Such an entity holds part of the schema's text.
        if ((referrer->kind == XmlResourceKind::Schema || referrer->kind == XmlResourceKind::SchemaEntity) &&
            identifier->getPublicId() == nullptr)
            kind = XmlResourceKind::SchemaEntity;
        else if (referrer->kind == XmlResourceKind::Schema || referrer->kind == XmlResourceKind::SchemaEntity ||
                 referrer->kind == XmlResourceKind::SchemaDtd)
            kind = XmlResourceKind::SchemaDtd;
        else if (referrer->kind == XmlResourceKind::Dtd || !m_events.InDocumentContent())
            kind = XmlResourceKind::Dtd;
        break;
    }
    return LoadReference(*identifier, systemId, *referrer, kind, importMapped);
}

// Follows a reference whose kind is known: to the stand-in for a DTD that is
// not read, or through the catalogs to the network or a local file.
xc::InputSource* XmlReferenceResolver::LoadReference(const xc::XMLResourceIdentifier& identifier,
                                                     const std::u16string& systemId, const XmlResource& referrer,
                                                     XmlResourceKind kind,
                                                     const std::optional<XmlResolvedLocation>& importMapped)
{
    const xc::Locator* where = identifier.getLocator();
    const std::string raw = WideToAnsi(systemId);
    const std::string referrerName =
        referrer.kind == XmlResourceKind::MainDocument ? std::string() : referrer.displayName;

    if (kind == XmlResourceKind::SchemaDtd) {
        // Stands in for the DTD with an empty one, under the name it was given.
        static const auto empty = std::make_shared<const std::string>();
        const std::u16string standInId = u"corvane-unread-dtd:" + systemId;
        m_registry.Add(standInId, {XmlResourceKind::SchemaDtd, raw, {}, referrer.remote});
        return new (m_manager) MemoryInputSource(empty, standInId, m_manager);
    }

    const std::string publicId = WideToAnsi(ToU16(identifier.getPublicId()));
    const XmlResolvedLocation target = importMapped ? *importMapped : FollowedLocation(publicId, raw, referrer);
    const std::string display = target.location.empty() ? raw : DisplayName(target);
    if (!target.Resolved())
        m_events.FailReference(OwnErrorOf(target.problemKind),
                               CannotLoad(kind, display, referrerName, target.problem), where);
    if (target.remote)
        return LoadRemote(target, kind, display, referrerName, where);
    // The DTD's external subset is the document's own grammar; any other
    // external entity is declared with <!ENTITY> and carries a file's text
    // into the load.
    bool declaredEntity = kind == XmlResourceKind::ContentEntity || kind == XmlResourceKind::SchemaEntity;
    if (kind == XmlResourceKind::Dtd) {
        const bool isSubset = !m_dtdSubsetRead && referrer.kind == XmlResourceKind::MainDocument &&
                              systemId == m_events.DoctypeSystemId();
        m_dtdSubsetRead = m_dtdSubsetRead || isSubset;
        declaredEntity = !isSubset;
        if (m_grammarReads)
            m_grammarReads(publicId, raw, referrer, target.location);
    } else if (m_grammarReads && (kind == XmlResourceKind::Schema || kind == XmlResourceKind::SchemaEntity) &&
               referrer.kind != XmlResourceKind::MainDocument) {
        // A namespace the catalogs map reads as no location at all, which
        // the listener cannot follow again: it hears an empty one.
        m_grammarReads(publicId, importMapped ? std::string() : raw, referrer, target.location);
    }
    return LoadLocal(target, kind, declaredEntity, display, referrerName, where);
}

xc::InputSource* XmlReferenceResolver::LoadLocal(const XmlResolvedLocation& target, XmlResourceKind kind,
                                                 bool declaredEntity, const std::string& display,
                                                 const std::string& referrer, const xc::Locator* where)
{
    // Opened here, not when the parser asks for the bytes: a file that
    // cannot be opened then (no descriptor left, say) would only be warned
    // about, and the document checked without its schema.
    OpenedLocalFile file = OpenLocalFile(target.location);
    const LocalFileCheck& check = file.check;
    if (check.problem) {
        const UnreadableFile unreadable = DescribeUnreadableReference(check);
        m_events.FailReference(unreadable.ownError, CannotLoad(kind, display, referrer, unreadable.reason), where);
    }
    const bool grammar = kind == XmlResourceKind::Schema || kind == XmlResourceKind::SchemaEntity ||
                         kind == XmlResourceKind::Dtd;
    if (grammar && check.size > XmlLimits::kReferencedDocumentBytes)
        m_events.FailReference(XmlOwnError::ReferencedDocumentTooLarge,
                               CannotLoad(kind, display, referrer,
                                          "it is larger than " + MiB(XmlLimits::kReferencedDocumentBytes) +
                                              " (resource limit)"),
                               where);

    if (declaredEntity)
        m_localEntityRead = true;

    const std::u16string systemId = AnsiToWide(target.location);
    m_registry.Add(systemId, {kind, display, target.location, false, check.size, check.modifiedNs});
    return new (m_manager) LocalFileInputSource(std::move(file), target.location, systemId, {}, m_manager);
}

xc::InputSource* XmlReferenceResolver::LoadRemote(const XmlResolvedLocation& target, XmlResourceKind kind,
                                                  const std::string& display, const std::string& referrer,
                                                  const xc::Locator* where)
{
    if (m_localEntityRead)
        m_events.FailReference(
            XmlOwnError::ReferenceRefused,
            CannotLoad(kind, display, referrer,
                       "this document has read a local external entity, and nothing is fetched "
                       "from the network after that, so that no local text can leave the machine"),
            where);
    if (m_remoteTimeLeft.count() <= 0)
        m_events.FailReference(XmlOwnError::RemoteTimedOut,
                               CannotLoad(kind, display, referrer,
                                          "the time allowed for network fetches in one load is used up"),
                               where);

    RemoteFetchLimits limits = m_limits;
    limits.totalTimeout = std::min(limits.totalTimeout, m_remoteTimeLeft);
    if (kind != XmlResourceKind::ContentEntity)
        limits.maxBytes = std::min<std::uint64_t>(limits.maxBytes, XmlLimits::kReferencedDocumentBytes);
    const auto started = std::chrono::steady_clock::now();
    RemoteFetchResult fetched = FetchThroughCache(target.location, limits, m_notice);
    NoteParserProgress(); // waiting for the network is not the parser stalling
    m_remoteTimeLeft -= std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);

    const std::uint32_t code = OwnErrorOfFetch(fetched.status);
    if (fetched.status == RemoteFetchResult::Status::TooLarge)
        fetched.detail += " (resource limit)";
    if (code != 0)
        m_events.FailReference(code, CannotLoad(kind, display, referrer, fetched.detail), where);

    const std::u16string systemId = AnsiToWide(fetched.effectiveUrl);
    m_registry.Add(systemId, {kind, fetched.effectiveUrl, {}, true});
    auto bytes = std::make_shared<const std::string>(std::move(fetched.body));
    return new (m_manager) MemoryInputSource(std::move(bytes), systemId, m_manager);
}
