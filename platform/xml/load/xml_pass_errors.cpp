#include "platform/xml/load/xml_pass_errors.h"

#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_positions.h"
#include "platform/xml/load/xml_reader.h"
#include "platform/xml/references/xml_reference_tracker.h"

#include <xercesc/framework/XMLErrorCodes.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <utility>
#include <vector>

namespace {

namespace xc = xercesc;

} // namespace

PassError MakePassError(std::uint32_t code, std::uint64_t line, std::uint64_t column, std::u16string reason,
                        PassErrorPlace where)
{
    PassError error;
    error.error = MakeXmlLoadError(code, line, column, std::move(reason));
    error.linuxPath = std::move(where.linuxPath);
    error.documentPosition = where.documentPosition;
    error.error.file = std::move(where.referencedFile);
    return error;
}

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
    const std::uint32_t parserCode =
        XmlParserErrorCode(domain, code, severity,
                           inGrammar ? XmlErrorPlace::ReferencedDocument : XmlErrorPlace::Document);
    std::uint32_t errorCode =
        parserCode != 0 ? parserCode
                        : MakeXmlErrorCode(XmlErrorGroup::WellFormedness, XmlErrorSource::Own,
                                           XmlOwnError::UnexpectedFailure);
    std::string reason = WideToAnsi(text);
    // The parser calls a schema hint with a lone location (as some
    // published documents carry) a syntax error. The document is well
    // formed; what fails is finding its schemas.
    if (domain == xc::XMLUni::fgXMLErrDomain && code == xc::XMLErrs::BadSchemaLocation &&
        in.kind == XmlResourceKind::MainDocument) {
        errorCode = XmlOwnErrorCode(XmlOwnError::SchemaHintNotInPairs);
        reason = "The schemas of the document cannot be found: its xsi:schemaLocation attribute holds an odd "
                 "number of values, where it must hold pairs of a namespace and the location of that "
                 "namespace's schema (a schema without a target namespace is named by "
                 "xsi:noNamespaceSchemaLocation)";
    }
    if (in.kind != XmlResourceKind::MainDocument)
        reason += std::string(" (in the ") + XmlResourceKindWord(in.kind) + " " + in.displayName + ")";
    else if (domain == xc::XMLUni::fgValidityDomain && code == xc::XMLValid::UniqueParticleAttributionFail)
        reason += SchemasReadWords();
    const XmlDocumentPosition& reference = m_references.ReferencePosition();
    std::string file = in.linuxPath;
    std::string referencedFile = in.kind == XmlResourceKind::MainDocument ? std::string() : in.displayName;
    if (line == 0) {
        // The parser knows no place (a failed read, say): the reference
        // being followed, or where the document was.
        line = reference.line != 0 && resource == nullptr ? reference.line : m_reader.CurrentLine();
        column = reference.line != 0 && resource == nullptr ? reference.column : m_reader.CurrentColumn();
        file = m_documentPath;
        referencedFile.clear();
        if (domain == xc::XMLUni::fgExceptDomain && in.kind == XmlResourceKind::MainDocument)
            PlaceUndecodableDeclaration(code, line, column);
    }
    const XmlDocumentPosition inDocument =
        in.kind == XmlResourceKind::MainDocument ? XmlDocumentPosition{line, column} : reference;
    PassError error = MakePassError(errorCode, line, column, AnsiToWide(reason),
                                    {std::move(file), inDocument, std::move(referencedFile)});
    error.encodingError = domain == xc::XMLUni::fgExceptDomain && IsXmlEncodingErrorCode(code);
    error.surrogateError = domain == xc::XMLUni::fgXMLErrDomain &&
                           (code == xc::XMLErrs::Expected2ndSurrogateChar ||
                            code == xc::XMLErrs::Unexpected2ndSurrogateChar);
    Record(std::move(error));
}

void XmlPassErrorCapture::CaptureReferenceFailure(std::uint32_t ownError, const std::string& reason,
                                                  const xc::Locator* where)
{
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
    const XmlDocumentPosition inDocument =
        in->kind == XmlResourceKind::MainDocument ? XmlDocumentPosition{line, column} : reference;
    Record(MakePassError(XmlOwnErrorCode(ownError), line, column, AnsiToWide(reason),
                         {in->linuxPath, inDocument,
                          in->kind == XmlResourceKind::MainDocument ? std::string() : in->displayName}));
}

void XmlPassErrorCapture::CaptureLimit(const XmlLimitFailure& limit, std::uint64_t line, std::uint64_t column)
{
    Record(MakePassError(XmlOwnErrorCode(limit.ownError), line, column, AnsiToWide(limit.reason),
                         {m_documentPath, {line, column}, {}}));
}

void XmlPassErrorCapture::CaptureDocumentUnreadable(std::uint32_t ownError, const std::string& reason)
{
    Record(MakePassError(XmlOwnErrorCode(ownError), 0, 0, AnsiToWide(reason), {m_documentPath, {}, {}}));
}

void XmlPassErrorCapture::CaptureException(std::uint32_t code, const XMLCh* message)
{
    std::uint64_t line = m_reader.CurrentLine();
    std::uint64_t column = m_reader.CurrentColumn();
    PlaceUndecodableDeclaration(code, line, column);
    Record(MakePassError(XmlParserErrorCode(xc::XMLUni::fgExceptDomain, code, XmlErrorSeverity::Fatal,
                                            XmlErrorPlace::Document),
                         line, column, message != nullptr ? std::u16string(message) : std::u16string(),
                         {m_documentPath, {line, column}, {}}));
}

// Without collecting, an error replaces any before it (a pass ends at its
// first error anyway); collecting, the first stays first.
void XmlPassErrorCapture::Record(PassError error)
{
    if (!m_collect || !m_error) {
        m_error = std::move(error);
        return;
    }
    if (!Collecting())
        return;
    m_furtherChars += error.error.reason.size();
    m_further.push_back(std::move(error));
}

bool XmlPassErrorCapture::Collecting() const
{
    return m_collect && !ReportedErrorsBoundReached(1 + m_further.size(), m_furtherChars);
}

bool ReportedErrorsBoundReached(std::size_t errors, std::uint64_t furtherChars)
{
    return errors >= XmlLimits::kReportedErrors || furtherChars >= XmlLimits::kReportedErrorTextChars;
}

const PassError* XmlPassErrorCapture::LatestError() const
{
    if (!m_further.empty())
        return &m_further.back();
    return m_error ? &*m_error : nullptr;
}

// Such a failure has no place of its own to order it by: it sorts first.
void XmlPassErrorCapture::CaptureUnexpected(const std::string& what)
{
    Record(MakePassError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), m_reader.CurrentLine(),
                         m_reader.CurrentColumn(), AnsiToWide("The parser failed unexpectedly: " + what),
                         {m_documentPath, {}, {}}));
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
