#include "platform/xml/xml_pass_errors.h"

#include "platform/text_encoding.h"
#include "platform/xml/xml_positions.h"
#include "platform/xml/xml_reader.h"
#include "platform/xml/xml_reference_tracker.h"

#include <xercesc/framework/XMLErrorCodes.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <utility>
#include <vector>

namespace {

namespace xc = xercesc;

long ToLong(std::uint64_t value)
{
    return value > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<long>(value);
}

} // namespace

XmlPassErrorCapture::XmlPassErrorCapture(const std::string& documentPath, const XmlResourceRegistry& registry,
                                         const XmlSaxReader& reader, const XmlReferenceTracker& references)
    : m_documentPath(documentPath)
    , m_registry(registry)
    , m_reader(reader)
    , m_references(references)
{
}

void XmlPassErrorCapture::CaptureParserMessage(const XmlParserMessage& message)
{
    const auto& [domain, code, severity, text, systemId, messageLine, messageColumn] = message;
    std::uint64_t line = messageLine;
    std::uint64_t column = messageColumn;
    const XmlResource* resource = systemId.empty() ? nullptr : m_registry.Find(std::u16string(systemId));
    const XmlResource& in = resource != nullptr ? *resource : m_registry.MainDocument();
    const bool inGrammar = in.kind == XmlResourceKind::Schema || in.kind == XmlResourceKind::SchemaEntity ||
                           in.kind == XmlResourceKind::Dtd || in.kind == XmlResourceKind::SchemaDtd;
    const std::uint32_t errorCode =
        XmlParserErrorCode(domain, code, severity,
                           inGrammar ? XmlErrorPlace::ReferencedDocument : XmlErrorPlace::Document);

    PassError error;
    error.error.code = errorCode != 0
                           ? errorCode
                           : MakeXmlErrorCode(XmlErrorGroup::WellFormedness, XmlErrorSource::Own,
                                              XmlOwnError::UnexpectedFailure);
    std::string reason = WideToAnsi(text);
    if (in.kind != XmlResourceKind::MainDocument)
        reason += std::string(" (in the ") + XmlResourceKindWord(in.kind) + " " + in.displayName + ")";
    else if (domain == xc::XMLUni::fgValidityDomain && code == xc::XMLValid::UniqueParticleAttributionFail)
        reason += SchemasReadWords();
    error.error.reason = AnsiToWide(reason);
    const XmlDocumentPosition& reference = m_references.ReferencePosition();
    if (line == 0) {
        // The parser knows no place (a failed read, say): the reference
        // being followed, or where the document was.
        line = reference.line != 0 && resource == nullptr ? reference.line : m_reader.CurrentLine();
        column = reference.line != 0 && resource == nullptr ? reference.column : m_reader.CurrentColumn();
        error.linuxPath = m_documentPath;
        if (domain == xc::XMLUni::fgExceptDomain && in.kind == XmlResourceKind::MainDocument)
            PlaceUndecodableDeclaration(code, line, column);
    } else {
        error.linuxPath = in.linuxPath;
    }
    error.error.line = ToLong(line);
    error.error.column = ToLong(column);
    error.documentPosition =
        in.kind == XmlResourceKind::MainDocument ? XmlDocumentPosition{line, column} : reference;
    error.encodingError = domain == xc::XMLUni::fgExceptDomain && IsXmlEncodingErrorCode(code);
    error.surrogateError = domain == xc::XMLUni::fgXMLErrDomain &&
                           (code == xc::XMLErrs::Expected2ndSurrogateChar ||
                            code == xc::XMLErrs::Unexpected2ndSurrogateChar);
    m_error = std::move(error);
}

void XmlPassErrorCapture::CaptureReferenceFailure(std::uint32_t ownError, const std::string& reason,
                                                  const xc::Locator* where)
{
    PassError error;
    error.error.code = XmlOwnErrorCode(ownError);
    error.error.reason = AnsiToWide(reason);
    std::uint64_t line = where != nullptr ? where->getLineNumber() : 0;
    std::uint64_t column = where != nullptr ? where->getColumnNumber() : 0;
    const XmlResource* in =
        where != nullptr && where->getSystemId() != nullptr ? m_registry.Find(where->getSystemId()) : nullptr;
    const XmlDocumentPosition& reference = m_references.ReferencePosition();
    if (line == 0 || in == nullptr) {
        line = reference.line != 0 ? reference.line : m_reader.CurrentLine();
        column = reference.line != 0 ? reference.column : m_reader.CurrentColumn();
        in = &m_registry.MainDocument();
    }
    error.error.line = ToLong(line);
    error.error.column = ToLong(column);
    error.linuxPath = in->linuxPath;
    error.documentPosition =
        in->kind == XmlResourceKind::MainDocument ? XmlDocumentPosition{line, column} : reference;
    m_error = std::move(error);
}

void XmlPassErrorCapture::CaptureLimit(const XmlLimitFailure& limit, std::uint64_t line, std::uint64_t column)
{
    PassError error;
    error.error.code = XmlOwnErrorCode(limit.ownError);
    error.error.reason = AnsiToWide(limit.reason);
    error.error.line = ToLong(line);
    error.error.column = ToLong(column);
    error.linuxPath = m_documentPath;
    error.documentPosition = {line, column};
    m_error = std::move(error);
}

void XmlPassErrorCapture::CaptureException(std::uint32_t code, const XMLCh* message)
{
    PassError error;
    error.error.code = XmlParserErrorCode(xc::XMLUni::fgExceptDomain, code, XmlErrorSeverity::Fatal,
                                          XmlErrorPlace::Document);
    error.error.reason = message != nullptr ? std::u16string(message) : std::u16string();
    std::uint64_t line = m_reader.CurrentLine();
    std::uint64_t column = m_reader.CurrentColumn();
    PlaceUndecodableDeclaration(code, line, column);
    error.error.line = ToLong(line);
    error.error.column = ToLong(column);
    error.linuxPath = m_documentPath;
    error.documentPosition = {line, column};
    m_error = std::move(error);
}

void XmlPassErrorCapture::CaptureUnexpected(const std::string& what)
{
    PassError error;
    error.error.code = XmlOwnErrorCode(XmlOwnError::UnexpectedFailure);
    error.error.reason = AnsiToWide("The parser failed unexpectedly: " + what);
    error.error.line = ToLong(m_reader.CurrentLine());
    error.error.column = ToLong(m_reader.CurrentColumn());
    error.linuxPath = m_documentPath;
    m_error = std::move(error);
}

// The parser checks a schema's content models once it has read the schema
// whole, and names no file then.
std::string XmlPassErrorCapture::SchemasReadWords() const
{
    std::vector<std::string> names;
    for (const auto& [systemId, resource] : m_registry.All())
        if (resource.kind == XmlResourceKind::Schema)
            names.push_back(resource.displayName);
    if (names.empty())
        return {};
    if (names.size() == 1)
        return " (in the schema " + names.front() + ")";
    std::string words = " (in one of the schemas ";
    for (std::size_t i = 0; i < names.size(); ++i)
        words += (i == 0 ? "" : ", ") + names[i];
    return words + ")";
}

// The parser gives up on a declaration too long to decode before it has a
// place in the document; the declaration is on the first line.
void XmlPassErrorCapture::PlaceUndecodableDeclaration(std::uint32_t code, std::uint64_t& line,
                                                      std::uint64_t& column) const
{
    if (line != 0 || code != xc::XMLExcepts::Reader_CouldNotDecodeFirstLine)
        return;
    line = 1;
    column = static_cast<std::uint64_t>(EncodingNameColumn(m_documentPath));
}
