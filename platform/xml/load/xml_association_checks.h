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

#include <cstdint>
#include <vector>

// The errors the associations find, in the order of the instructions and,
// for one association, of the document: the first only when `maxErrors` is
// 1. `documentBytes` is the document's size (for the bounds of an XSD pass).
std::vector<PassError> CheckXmlModelAssociations(const XmlLoadRequest& request, std::uint64_t documentBytes,
                                                 const std::vector<XmlModelAssociation>& associations,
                                                 std::size_t maxErrors);

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
