#pragma once
// The parser component's error codes. Every code is a 32-bit value with the
// high bit set, so that it prints as eight hexadecimal digits:
//
//   bits 31-24  0x8C, the component's own prefix
//   bits 23-20  the domain group (XmlErrorGroup)
//   bits 19-16  the table the code comes from (XmlErrorSource)
//   bits 15-0   the code within that table
//
// A code is stable across runs and releases: it is derived from the group
// and the table's own number, never from the order in which errors occur.
// docs/error-codes.md lists the scheme and the common codes.

#include <cstdint>
#include <string_view>

enum class XmlErrorGroup : std::uint32_t {
    WellFormedness = 1,     // the document is not well-formed XML
    Validity = 2,           // well-formed, but breaks its schema or DTD
    ReferencedDocument = 3, // a schema, DTD or external entity cannot be loaded or is broken
    InputOutput = 4,        // the document itself cannot be read
    ResourceLimits = 5,     // a bound on expansion, depth, size or memory was reached
};

enum class XmlErrorSource : std::uint32_t {
    Own = 0,              // detected by the component itself
    ParserErrors = 1,     // Xerces-C++ XMLErrs (the scanner's table)
    ValidityErrors = 2,   // Xerces-C++ XMLValid (the validators' table)
    ExceptionErrors = 3,  // Xerces-C++ XMLExcepts (I/O, encoding, datatypes)
    // The RELAX NG engine (libxml2): its validity errors by their
    // xmlRelaxNGValidErr number (below 0x100), its schema errors by their
    // xmlParserErrors number (XML_RNGP_*, from 1000), and any other error of
    // the library while it reads a schema or the document for it as
    // 0x8000 + its xmlParserErrors number.
    RelaxNgErrors = 4,
    SchematronErrors = 5, // the Schematron rules (SchematronCode below)
};

inline constexpr std::uint32_t kXmlErrorPrefix = 0x8C000000u;

constexpr std::uint32_t MakeXmlErrorCode(XmlErrorGroup group, XmlErrorSource source,
                                         std::uint32_t code)
{
    return kXmlErrorPrefix | (static_cast<std::uint32_t>(group) << 20) |
           (static_cast<std::uint32_t>(source) << 16) | (code & 0xFFFFu);
}

constexpr XmlErrorGroup XmlErrorGroupOf(std::uint32_t errorCode)
{
    return static_cast<XmlErrorGroup>((errorCode >> 20) & 0xFu);
}

constexpr XmlErrorSource XmlErrorSourceOf(std::uint32_t errorCode)
{
    return static_cast<XmlErrorSource>((errorCode >> 16) & 0xFu);
}

// The component's own errors (source 0). Their numbers are unique across
// groups, so the low half alone names the error.
namespace XmlOwnError {
// The document itself (input/output).
inline constexpr std::uint32_t NotADrivePath = 0x0001;
inline constexpr std::uint32_t FileNotFound = 0x0002;
inline constexpr std::uint32_t IsADirectory = 0x0003;
inline constexpr std::uint32_t PermissionDenied = 0x0004;
inline constexpr std::uint32_t NotARegularFile = 0x0005;
inline constexpr std::uint32_t ReadFailed = 0x0006;
// The load was ended from outside (the window closed while it ran).
inline constexpr std::uint32_t Cancelled = 0x0007;
inline constexpr std::uint32_t UnexpectedFailure = 0x00FF;

// A referenced schema, DTD or external entity.
inline constexpr std::uint32_t ReferencedFileNotFound = 0x0011;
inline constexpr std::uint32_t ReferencedIsADirectory = 0x0012;
inline constexpr std::uint32_t ReferencedPermissionDenied = 0x0013;
inline constexpr std::uint32_t ReferencedNotARegularFile = 0x0014;
inline constexpr std::uint32_t ReferencedReadFailed = 0x0015;
inline constexpr std::uint32_t ReferenceNotResolvable = 0x0016;
inline constexpr std::uint32_t ReferenceRefused = 0x0017;
// An xsi:schemaLocation that is not a list of namespace-location pairs.
inline constexpr std::uint32_t SchemaHintNotInPairs = 0x0018;
inline constexpr std::uint32_t RemoteConnectFailed = 0x0021;
inline constexpr std::uint32_t RemoteTimedOut = 0x0022;
inline constexpr std::uint32_t RemoteHttpStatus = 0x0023;
inline constexpr std::uint32_t RemoteTransferFailed = 0x0024;
inline constexpr std::uint32_t RemoteNotFetchedOffline = 0x0025;
// An xml-model instruction names a schema in a language Corvane does not
// check (the RELAX NG compact syntax, NVDL, an unknown schematypens): never
// a silent pass.
inline constexpr std::uint32_t AssociatedLanguageNotChecked = 0x0026;
// An xml-model instruction whose data is no list of pseudo-attributes, or
// that names no schema (no href).
inline constexpr std::uint32_t AssociationMalformed = 0x0027;

// Resource limits.
inline constexpr std::uint32_t EntityTextLimit = 0x0031;
inline constexpr std::uint32_t DepthLimit = 0x0032;
inline constexpr std::uint32_t MemoryLimit = 0x0033;
inline constexpr std::uint32_t ReferencedDocumentTooLarge = 0x0034;
inline constexpr std::uint32_t ParserStalled = 0x0035;
// The same bound, reached while an XML catalog was being read.
inline constexpr std::uint32_t CatalogTooCostly = 0x0036;

// Not an error: the last of a load's further errors carries it when the
// bound on reported errors ended the list. The component turns it into the
// collection's note (get_boundReached) and never reports it.
inline constexpr std::uint32_t ErrorListBounded = 0x00FE;
} // namespace XmlOwnError

// What Schematron rules report: a failed assert or a fired report in the
// validity group; rules that cannot be used, in the referenced-document
// group.
namespace SchematronCode {
inline constexpr std::uint32_t AssertFailed = 0x0001;
inline constexpr std::uint32_t ReportFired = 0x0002;
inline constexpr std::uint32_t SchemaUnreadable = 0x0011;
inline constexpr std::uint32_t NotSchematron = 0x0012;
inline constexpr std::uint32_t DoesNotCompile = 0x0013;
inline constexpr std::uint32_t DocumentUnreadable = 0x0014;
inline constexpr std::uint32_t EvaluationFailed = 0x0015;
} // namespace SchematronCode

// The code of one of the component's own errors; the group is part of the
// error's definition.
std::uint32_t XmlOwnErrorCode(std::uint32_t ownError);

// Where in the load a parser error arose, which decides its group together
// with the parser's table and code.
enum class XmlErrorPlace {
    Document,           // the document or an external entity of its content
    ReferencedDocument, // a schema, a DTD, or an entity declared in a DTD
};

enum class XmlErrorSeverity { Warning, Error, Fatal };

// The code of an error reported by Xerces-C++ under its domain name
// (XMLUni::fgXMLErrDomain, fgValidityDomain, fgExceptDomain) and its code.
// Returns 0 for a domain the component does not know.
std::uint32_t XmlParserErrorCode(std::u16string_view domain, std::uint32_t code,
                                 XmlErrorSeverity severity, XmlErrorPlace place);

// Whether a Xerces-C++ exception-table code means the bytes could not be
// decoded in the document's encoding (so its position is re-established by
// the component).
bool IsXmlEncodingErrorCode(std::uint32_t exceptionCode);
