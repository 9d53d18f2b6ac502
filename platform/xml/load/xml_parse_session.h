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

#include "platform/xml/component/load_progress.h"
#include "platform/xml/load/xml_load_settings.h"
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
    XmlLoadSettings settings{};
    // Who hears, in the process that loads, how far the load read and what
    // the user should know beside its verdict. They never travel to the
    // worker: there, they relay what they hear to the caller as messages.
    LoadProgressListener progress{};
    LoadNoticeListener notice{};
};

// The document's path as reports write it (CurrentShownPathForm).
std::string ShownDocumentPath(const XmlLoadRequest& request);

// Nothing when the document loaded (and, if asked, validated) without error.
// The errors after the first go to `further` when the request asked for
// every error (in the order of the document).
std::optional<XmlLoadError> LoadXmlDocument(const XmlLoadRequest& request,
                                            std::vector<XmlLoadError>* further = nullptr);

// What a load that reached its bound on parser work (`allowed`,
// XmlLoadSettings::stallTime) reports; and when the bound was reached while
// the catalog engine read the catalog `file`.
std::string ParserStalledReason(std::chrono::milliseconds allowed);
std::string CatalogStalledReason(const std::string& file, std::chrono::milliseconds allowed);
