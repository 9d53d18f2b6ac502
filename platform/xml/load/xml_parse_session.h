#pragma once
// One load of one document: it is streamed through the parser, validated
// against what it references itself, and stopped at the first error.
//
// A document is first read without validation, which is then switched on as
// soon as the document shows something to validate against (a DOCTYPE with
// an internal or external subset, or a schema hint on any element): the load
// restarts from the beginning with strict validation, which costs only what
// was read before the reference (usually the prolog). A document that
// references nothing is thereby checked for well-formedness only, at full
// speed. When a document has both a DTD and schemas, the parser validates
// elements against the schemas only, so a second pass checks the DTD, and
// the earlier of the two first errors is the load's error.

#include "platform/xml/load/xml_load_state.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

struct XmlLoadRequest {
    std::string linuxPath;
    std::string displayPath; // as the user named the file (a drive path)
    bool validate = true;
    // Every error up to XmlLimits::kReportedErrors, not only the first: the
    // load reads on after validity errors (never after any other error).
    bool multipleErrors = false;
    // The file the bytes are read from when another stands in for linuxPath
    // (standard input); empty otherwise.
    std::string readFrom{};
};

// The document's path as reports write it (CurrentShownPathForm).
std::string ShownDocumentPath(const XmlLoadRequest& request);

// Nothing when the document loaded (and, if asked, validated) without error.
// The errors after the first go to `further` when the request asked for
// every error (in the order of the document).
std::optional<XmlLoadError> LoadXmlDocument(const XmlLoadRequest& request,
                                            std::vector<XmlLoadError>* further = nullptr);

// The processor time the parser may use without getting further in the
// document (XmlLimits::kParserStallTime). Tests shorten it; nothing else
// changes it.
std::chrono::milliseconds ParserStallTime();
void SetParserStallTime(std::chrono::milliseconds allowed);

// Whether a validating load uses the quicker checks of our own (keys,
// keyrefs and uniques by our engine where it can, number lists through quick
// item validators; the default). Tests and profiles switch them off to
// compare with the parser's own checks.
bool QuickChecksEnabled();
void SetQuickChecks(bool enabled);

// What a load that reached that bound reports; and when the bound was
// reached while the catalog engine read the catalog `file`.
std::string ParserStalledReason();
std::string CatalogStalledReason(const std::string& file);
