#pragma once
// Schema documents the load reads itself rather than through the parser: a
// schema an xml-model instruction names, the documents that schema includes,
// and the DTD and entities of the document when another engine reads it
// again. They are found as every other reference is (xml_entity_resolver.h):
// relative to the document naming them, then the catalogs, then the cache,
// then the network; a document from the network may not name a local file,
// and what a catalog names is read wherever it leads.

#include "platform/xml/component/load_progress.h"
#include "platform/xml/load/xml_load_state.h"
#include "platform/xml/references/remote_fetch.h"
#include "platform/xml/references/xml_entity_resolver.h"

#include <libxml/parser.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct XmlFetchedDocument {
    std::string display;  // as the user knows it: a drive path or a URL
    std::string location; // a Linux path or a URL: the base of its own references
    bool remote = false;
    std::string bytes;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
};

// How a document on the network is fetched for one load: the request's
// limits, and who hears a notice beside the verdict (a kept copy used
// because its server could not be reached).
struct XmlRemoteAccess {
    RemoteFetchLimits limits;
    LoadNoticeListener notice;
};

struct XmlFetchFailure {
    std::uint32_t ownError = 0; // an XmlOwnError
    std::string reason;         // a whole sentence, naming the document
};

// Where `reference` leads, the catalogs consulted.
XmlResolvedLocation ResolveReferencedDocument(const std::string& reference, const XmlResource& referrer);
// Reads the document at a resolved place (`reference`: as written, for a
// place that names nothing). `subject` names it in a failure's words ("the
// RELAX NG schema", followed by its location and `context`, such as "named
// by the xml-model instruction at line 2").
std::variant<XmlFetchedDocument, XmlFetchFailure> FetchResolvedDocument(const XmlResolvedLocation& target,
                                                                        const std::string& reference,
                                                                        const std::string& subject,
                                                                        const std::string& context,
                                                                        const XmlRemoteAccess& remote);

// While alive, every external document the XML library reads on its own (a
// grammar's includes, a document's DTD and entities) is read as above, the
// first named relative to `origin`. The local files read are recorded, so a
// grammar built from them can tell when it is out of date; the first
// failure is kept for the report (the library's own words only say that a
// document failed to load).
class ScopedLibxmlDocumentLoader {
public:
    // `keepTexts`: the documents' bytes are kept too (a grammar's, to be
    // looked at again).
    ScopedLibxmlDocumentLoader(XmlResource origin, std::string subject, XmlRemoteAccess remote,
                               bool keepTexts = false);
    ~ScopedLibxmlDocumentLoader();
    ScopedLibxmlDocumentLoader(const ScopedLibxmlDocumentLoader&) = delete;
    ScopedLibxmlDocumentLoader& operator=(const ScopedLibxmlDocumentLoader&) = delete;

    const std::optional<XmlFetchFailure>& Failure() const { return m_failure; }
    const std::vector<XmlResource>& Read() const { return m_read; }
    const std::vector<std::string>& Texts() const { return m_texts; }

    // For the library's callback.
    std::optional<XmlFetchedDocument> Load(const std::string& url, const std::string& publicId);

private:
    XmlResource m_origin;
    std::string m_subject;
    XmlRemoteAccess m_remote;
    std::optional<XmlFetchFailure> m_failure;
    std::vector<XmlResource> m_read;
    bool m_keepTexts;
    std::vector<std::string> m_texts;
    ScopedLibxmlDocumentLoader* m_outer = nullptr;
};
