#pragma once
// The checks a document's xml-model associations ask for, run after the
// passes for its xsi hints and its DTD. Each association is checked in the
// order the instructions come: an XSD as if the root hinted it for its own
// namespace, RELAX NG (XML syntax) by libxml2's engine, Schematron by its
// engine (CheckSchematronAssociation below). A language Corvane
// cannot check is reported, never passed: the RELAX NG compact syntax, NVDL,
// a DTD named this way, an unknown schematypens.

#include "platform/xml/load/xml_model_associations.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_pass_errors.h"
#include "platform/xml/references/xml_entity_resolver.h"

#include <pthread.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// The errors the associations find, in the order of the instructions and,
// for one association, of the document: the first only when `maxErrors` is
// 1. `documentBytes` is the document's size (for the bounds of an XSD pass).
// Once `stop` is set, a RELAX NG check ends at its next node.
std::vector<PassError> CheckXmlModelAssociations(const XmlLoadRequest& request, std::uint64_t documentBytes,
                                                 const std::vector<XmlModelAssociation>& associations,
                                                 std::size_t maxErrors, const std::atomic<bool>* stop = nullptr);

// The associations checked beside the passes over the document, on a thread
// of their own, from the moment the passes reach the root element (the
// prolog, and so every association, is known then). The passes' verdict
// still decides whether their errors count: taken only when it asks for
// them; stopped and dropped otherwise. Only a document whose associations
// are all RELAX NG is checked ahead: that check streams the document by
// itself, and its first errors do not depend on how many are asked for. The
// worker's bound on work without progress counts this thread's processor
// time too, so an engine that runs away here still ends in the usual report.
class XmlAssociationsAhead {
public:
    XmlAssociationsAhead(const XmlLoadRequest& request, std::uint64_t documentBytes);
    ~XmlAssociationsAhead(); // stops the check, and waits for it
    XmlAssociationsAhead(const XmlAssociationsAhead&) = delete;
    XmlAssociationsAhead& operator=(const XmlAssociationsAhead&) = delete;

    // Starts the check of the prolog's associations, once.
    void Start(const std::vector<XmlModelAssociation>& associations);
    // Waits for the check, and gives its first `maxErrors` errors when it
    // was started for these associations and ran to its end; nothing when
    // they are to be checked in turn.
    std::optional<std::vector<PassError>> Take(const std::vector<XmlModelAssociation>& associations,
                                               std::size_t maxErrors);

private:
    static void* Main(void* self);

    const XmlLoadRequest& m_request;
    std::uint64_t m_documentBytes;
    std::vector<XmlModelAssociation> m_associations;
    std::atomic<bool> m_stop{false};
    std::optional<pthread_t> m_thread;
    std::vector<PassError> m_found;
    bool m_failed = false;
};

// --- The seam for the Schematron engine -------------------------------------
//
// One Schematron association to check (xml_schematron_check.cpp).
struct XmlSchematronCheck {
    const XmlLoadRequest* request = nullptr;
    const XmlModelAssociation* association = nullptr;
    // Where the association's href leads, catalogs applied (read it with
    // FetchResolvedDocument, xml_associated_schema.h, for the policy).
    XmlResolvedLocation schema;
    std::string schemaShown;  // the schema as reports name it
    std::string instruction;  // "named by the xml-model instruction at line N"
    std::size_t maxErrors = 1;
};

// The document's errors against the rules: failed asserts and fired reports
// in the validity group (table XmlErrorSource::SchematronErrors), a schema
// that cannot be read or compiled in group 3, each with its place (line and
// column in characters; `file` set for a place in the schema), the first
// only when maxErrors is 1. Runs in the worker, on the parsing thread: call
// NoteParserProgress() as the rules get further, or the stall bound ends
// the load.
std::vector<XmlLoadError> CheckSchematronAssociation(const XmlSchematronCheck& check);
