#pragma once
// The first error of a pass (or, when asked, every error up to a bound), from whichever side it arises: a parser
// message, a reference that cannot be followed, a bound, or an exception out
// of the parser. Each is placed in the file it lies in and in the main
// document, so that the errors of two passes can be ordered.

#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_limit_reasons.h"
#include "platform/xml/load/xml_load_state.h"

#include <xercesc/sax/Locator.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XmlReferenceTracker;
class XmlSaxReader;

// The first error of a pass, with what is needed to order it against the
// other pass and to re-establish its position in the file it lies in.
struct PassError {
    XmlLoadError error;
    XmlDocumentPosition documentPosition;
    std::string linuxPath; // the local file the position refers to; empty if remote
    bool encodingError = false;
    bool surrogateError = false;
};

// Where a pass's error lies: the file its line and column count in, and its
// place in the main document.
struct PassErrorPlace {
    std::string linuxPath;
    XmlDocumentPosition documentPosition;
    std::string referencedFile; // the referenced document it lies in, as named to the user; empty for the document
};

PassError MakePassError(std::uint32_t code, std::uint64_t line, std::uint64_t column, std::u16string reason,
                        PassErrorPlace where);

struct XmlParserMessage {
    std::u16string_view domain;
    std::uint32_t code = 0;
    XmlErrorSeverity severity = XmlErrorSeverity::Error;
    std::u16string_view text;
    std::u16string_view systemId;
    std::uint64_t line = 0;
    std::uint64_t column = 0;
};

// Whether a load that kept `errors` errors, the further ones with
// descriptions of `furtherChars` characters, has reached the bound on
// reported errors (XmlLimits): it reads no further then.
bool ReportedErrorsBoundReached(std::size_t errors, std::uint64_t furtherChars);

class XmlPassErrorCapture {
public:
    XmlPassErrorCapture(const std::string& documentPath, const XmlResourceRegistry& registry,
                        const XmlSaxReader& reader, const XmlReferenceTracker& references);

    void CaptureParserMessage(const XmlParserMessage& message);
    void CaptureReferenceFailure(std::uint32_t ownError, const std::string& reason,
                                 const xercesc::Locator* where);
    void CaptureLimit(const XmlLimitFailure& limit, std::uint64_t line, std::uint64_t column);
    // The document itself could not be opened: an error with no place in it.
    void CaptureDocumentUnreadable(std::uint32_t ownError, const std::string& reason);
    void CaptureException(std::uint32_t code, const XMLCh* message);
    void CaptureUnexpected(const std::string& what);

    const std::optional<PassError>& Error() const { return m_error; }

    // Asked for, the errors after the first are kept too, in the order they
    // arose, up to the number and text size of XmlLimits; Collecting() turns
    // false once either bound is reached.
    void CollectFurtherErrors() { m_collect = true; }
    bool Collecting() const;
    const std::vector<PassError>& FurtherErrors() const { return m_further; }
    // The error recorded last: the first, or the last of the further ones.
    const PassError* LatestError() const;

private:
    void Record(PassError error);
    std::string SchemasReadWords() const;
    void PlaceUndecodableDeclaration(std::uint32_t code, std::uint64_t& line, std::uint64_t& column) const;

    const std::string& m_documentPath;
    const XmlResourceRegistry& m_registry;
    const XmlSaxReader& m_reader;
    const XmlReferenceTracker& m_references;
    std::optional<PassError> m_error;
    bool m_collect = false;
    std::vector<PassError> m_further;
    std::uint64_t m_furtherChars = 0;
};
