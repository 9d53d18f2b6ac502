#pragma once
// Every schema, DTD and external entity a document references is found and
// read here, never by the parser's own resolution (which only warns about a
// missing schema, cannot time out on the network, and decodes %XX as
// Latin-1). The policy:
//
// - Schemas (hints, imports, includes, redefines) and the document's DTD
//   (its external subset and the parameter entities of its DTDs) may be
//   local files or http/https documents; relative locations resolve against
//   the document that names them.
// - External entities of the document's content may be local files or
//   http/https documents as well.
// - A document fetched from the network may refer only to other network
//   documents, never to local files.
// - Once a load has read a local external entity (one declared with
//   <!ENTITY ... SYSTEM>), it fetches nothing more from the network, so that
//   a file's text can never travel into a URL.
// - A DTD named by a schema document is not read: schemas are interpreted
//   by their own rules, and such DTDs are usually only documentation. An
//   entity the schema declares with SYSTEM alone is read, though: its text
//   is part of the schema.
// - Only regular files are read (a device or a pipe could block forever).
//   Schemas and DTDs are capped in size, and network fetches in time.
//
// A reference that cannot be loaded is an error naming its location; the
// load ends there.

#include "platform/xml/component/load_progress.h"
#include "platform/xml/references/remote_fetch.h"
#include "platform/xml/references/xml_catalog.h"
#include "platform/xml/load/xml_load_state.h"

#include <xercesc/framework/MemoryManager.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/util/XMLEntityResolver.hpp>

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>

// The load's side of the resolver: what it needs to know and to be told.
class XmlReferenceEvents {
public:
    virtual ~XmlReferenceEvents() = default;
    // A reference is about to be followed; schemaGrammar when it is a
    // document's schema hint. May end the parse.
    virtual void OnReference(bool schemaGrammar, const xercesc::Locator* where) = 0;
    // A reference could not be followed: records the error and ends the parse.
    [[noreturn]] virtual void FailReference(std::uint32_t ownError, const std::string& reason,
                                            const xercesc::Locator* where) = 0;
    // Whether the root element has started (external entities from then on
    // belong to the document's content).
    virtual bool InDocumentContent() const = 0;
    // The system literal of the document's DOCTYPE, if it has one.
    virtual std::u16string DoctypeSystemId() const = 0;
};

// Why a location names no place this system may read.
enum class XmlLocationProblem {
    None,
    LocalFileFromNetwork, // refused: a document from the network names a local file
    NotAValidUrl,
    FileOnAnotherHost,
    NoSuchDrive,
    NoAbsolutePath,
    UnsupportedScheme,
    Empty,
    HoldsNul,
};

// Resolves a location against the document that names it: an absolute
// http(s) URL, or an absolute Linux path (empty when it names no place this
// system can read, with the kind of problem and its words for the user).
struct XmlResolvedLocation {
    bool remote = false;
    std::string location;
    XmlLocationProblem problemKind = XmlLocationProblem::None;
    std::string problem;

    void Fail(XmlLocationProblem kind, std::string words)
    {
        problemKind = kind;
        problem = std::move(words);
    }
    bool Resolved() const { return problemKind == XmlLocationProblem::None; }
};
XmlResolvedLocation ResolveXmlLocation(const std::string& reference, const XmlResource& referrer);
// Where a DOCTYPE's or a DTD's reference leads: resolved against its
// referrer, then mapped through the catalogs.
XmlResolvedLocation FollowedLocation(const std::string& publicId, const std::string& systemId,
                                     const XmlResource& referrer);

// Where the catalogs map a reference, as a place to read (or why it names
// none); nothing when no catalog maps it. A catalog is the user's own
// mapping, so the referrer's origin does not limit where it leads.
std::optional<XmlResolvedLocation> CatalogMappedLocation(const XmlCatalogQuery& query);
// The same for a location as a document wrote it (`written`: as resolved
// against the document).
std::optional<XmlResolvedLocation> CatalogMappedLocation(const std::string& reference,
                                                         const XmlResolvedLocation& written);

// The component's own error for a fetch that did not deliver a document.
std::uint32_t OwnErrorOfFetch(RemoteFetchResult::Status status);
// The same for a location that names no place to read.
std::uint32_t OwnErrorOfLocation(XmlLocationProblem problem);

class XmlReferenceResolver final : public xercesc::XMLEntityResolver {
public:
    // Remote documents are fetched within `limits` (the load's settings);
    // `notice` hears of a kept copy used in their place.
    XmlReferenceResolver(XmlResourceRegistry& registry, XmlReferenceEvents& events,
                         xercesc::MemoryManager* manager, const RemoteFetchLimits& limits,
                         LoadNoticeListener notice);

    xercesc::InputSource* resolveEntity(xercesc::XMLResourceIdentifier* identifier) override;

    // Hears of every local file a DTD reference, or a schema's reference to
    // another schema or an entity, is about to read, with what named it: a
    // grammar kept on disk is used again only where the same references
    // still lead to the same files. The document's own references are not
    // heard (its DOCTYPE's subset, its schema hints): what they lead to is
    // part of what names the grammar.
    using GrammarReadListener = std::function<void(const std::string& publicId, const std::string& systemId,
                                                   const XmlResource& referrer, const std::string& target)>;
    void ListenToGrammarReads(GrammarReadListener listener) { m_grammarReads = std::move(listener); }
    // The document's DTD came from a kept grammar that read local entities
    // when it was built: the load counts them as read.
    void NoteLocalEntityRead() { m_localEntityRead = true; }

private:
    xercesc::InputSource* LoadReference(const xercesc::XMLResourceIdentifier& identifier,
                                        const std::u16string& systemId, const XmlResource& referrer,
                                        XmlResourceKind kind,
                                        const std::optional<XmlResolvedLocation>& importMapped);
    xercesc::InputSource* LoadLocal(const XmlResolvedLocation& target, XmlResourceKind kind,
                                    bool declaredEntity, const std::string& display,
                                    const std::string& referrer, const xercesc::Locator* where);
    xercesc::InputSource* LoadRemote(const XmlResolvedLocation& target, XmlResourceKind kind,
                                     const std::string& display, const std::string& referrer,
                                     const xercesc::Locator* where);

    XmlResourceRegistry& m_registry;
    XmlReferenceEvents& m_events;
    xercesc::MemoryManager* m_manager;
    bool m_localEntityRead = false;
    bool m_dtdSubsetRead = false;
    // The namespaces with a built-in schema of which a schema has been named.
    std::set<std::u16string> m_builtinSpacesRead;
    RemoteFetchLimits m_limits;
    LoadNoticeListener m_notice;
    std::chrono::milliseconds m_remoteTimeLeft;
    GrammarReadListener m_grammarReads;
};
