#pragma once
// The streaming reader: Xerces-C++'s SAX2 reader with the hooks a load
// needs. The parser's error path is the only place where an error's code and
// table are known, so errors are taken there; the document handler's element
// and text events carry the depth and text bounds, checked without a content
// handler so that they cost next to nothing.

#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/schema/xml_identity_constraints.h"

#include <xercesc/parsers/SAX2XMLReaderImpl.hpp>
#include <xercesc/validators/common/GrammarResolver.hpp>

#include <cstdint>
#include <memory>
#include <string_view>

// The load's side of the reader.
class XmlReaderObserver {
public:
    virtual ~XmlReaderObserver() = default;
    // Every message of the parser, warnings included. May end the parse.
    virtual void OnParserMessage(std::u16string_view domain, std::uint32_t code,
                                 XmlErrorSeverity severity, std::u16string_view text,
                                 std::u16string_view systemId, std::uint64_t line,
                                 std::uint64_t column) = 0;
    // The DOCTYPE, before its subsets are read: the system literal of its
    // external subset (empty if none), and whether it names a DTD at all (an
    // internal or an external subset), whether it has an internal subset,
    // and the root element it names. May end the parse.
    virtual void OnDoctype(std::u16string_view systemId, bool namesDtd, bool internalSubset,
                           std::u16string_view rootName) = 0;
    // The document's XML declaration, if it has one: its version and its
    // standalone declaration (empty where it gives none).
    virtual void OnXmlDeclaration(std::u16string_view /*version*/, std::u16string_view /*standalone*/) {}
    // The root element's start tag has been read.
    virtual void OnRootElement() = 0;
    // A processing instruction of the document (not of its DTD), where the
    // parser stands after it.
    virtual void OnProcessingInstruction(std::u16string_view /*target*/, std::u16string_view /*data*/,
                                         std::uint64_t /*line*/, std::uint64_t /*column*/)
    {
    }
    // A bound was reached at the given place in the document. Ends the parse.
    [[noreturn]] virtual void OnLimitReached(std::uint32_t ownError, std::uint64_t line,
                                             std::uint64_t column) = 0;
    // The document met an identity constraint that our engine leaves to the
    // parser, after the parser's engine was switched off. Ends the parse, to
    // be read again with the parser's engine.
    [[noreturn]] virtual void OnIdentityChecksDeclined() = 0;
};

class XmlSaxReader final : public xercesc::SAX2XMLReaderImpl {
public:
    // The grammar pool, if any, holds schemas kept from earlier loads or
    // collects this load's.
    XmlSaxReader(xercesc::MemoryManager* manager, xercesc::XMLGrammarPool* grammars,
                 XmlReaderObserver& observer, std::uint64_t textBudget);

    void error(const unsigned int errCode, const XMLCh* const errDomain,
               const xercesc::XMLErrorReporter::ErrTypes type, const XMLCh* const errorText,
               const XMLCh* const systemId, const XMLCh* const publicId,
               const XMLFileLoc lineNum, const XMLFileLoc colNum) override;

    void doctypeDecl(const xercesc::DTDElementDecl& elemDecl, const XMLCh* const publicId,
                     const XMLCh* const systemId, const bool hasIntSubset,
                     const bool hasExtSubset) override;

    void startElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId,
                      const XMLCh* const elemPrefix, const xercesc::RefVectorOf<xercesc::XMLAttr>& attrList,
                      const XMLSize_t attrCount, const bool isEmpty, const bool isRoot) override;
    void endElement(const xercesc::XMLElementDecl& elemDecl, const unsigned int urlId,
                    const bool isRoot, const XMLCh* const elemPrefix) override;
    void docCharacters(const XMLCh* const chars, const XMLSize_t length,
                       const bool cdataSection) override;
    void docPI(const XMLCh* const target, const XMLCh* const data) override;
    void XMLDecl(const XMLCh* const versionStr, const XMLCh* const encodingStr, const XMLCh* const standaloneStr,
                 const XMLCh* const actualEncodingStr) override;
    void ignorableWhitespace(const XMLCh* const chars, const XMLSize_t length,
                             const bool cdataSection) override;

    // Whether the quicker checks of our own are used once the root's schemas
    // are read: keys, keyrefs and uniques by our engine
    // (xml_identity_constraints.h) when every constraint of the schemas is
    // within its reach, and number lists through quick item validators
    // (xml_number_lists.h).
    void UseQuickChecks(bool quick) { m_quickChecks = quick; }
    // Whether this parse did.
    bool IdentityConstraintsCheckedOurselves() const { return m_identity != nullptr; }

    // Moves the grammars this parse read into the grammar pool given at
    // construction, where they outlive the reader.
    void HandGrammarsToPool();

    // The parser's current place in the document being read.
    std::uint64_t CurrentLine() const;
    std::uint64_t CurrentColumn() const;

private:
    void CountText(std::uint64_t characters);
    void TakeOverIdentityChecks(xercesc::XMLScanner& scanner, const xercesc::GrammarResolver& grammars);

    XmlReaderObserver& m_observer;
    std::uint64_t m_textBudget;
    std::uint64_t m_textDelivered = 0;
    std::uint32_t m_depth = 0;
    bool m_quickChecks = false;
    std::unique_ptr<XmlIdentityChecker> m_identity;
};
