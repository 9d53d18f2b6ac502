#include "platform/xml/load/xml_reader.h"

#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/schema/xml_number_lists.h"

#include <xercesc/framework/XMLDocumentHandler.hpp>
#include <xercesc/framework/XMLValidator.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/validators/common/GrammarResolver.hpp>
#include <xercesc/validators/schema/SchemaGrammar.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/sax2/DefaultHandler.hpp>
#include <xercesc/util/XMLString.hpp>

namespace {

namespace xc = xercesc;

// The reader keeps its scanner to itself; the validator it hands out can
// name it through a protected getter. A pointer to that getter, formed inside
// a class derived from the validator, calls it on the reader's validator.
struct ScannerOfValidator : xc::XMLValidator {
    static const xc::XMLScanner* Get(const xc::XMLValidator* validator)
    {
        constexpr const xc::XMLScanner* (xc::XMLValidator::*getter)() const =
            &ScannerOfValidator::getScanner;
        return validator == nullptr ? nullptr : (validator->*getter)();
    }
};

// The grammars a parse reads belong to the scanner's grammar resolver,
// which the scanner keeps protected; the same device reaches it.
struct ResolverOfScanner : xc::XMLScanner {
    static xc::GrammarResolver* Get(const xc::XMLScanner* scanner)
    {
        constexpr xc::GrammarResolver* const xc::XMLScanner::*resolver = &ResolverOfScanner::fGrammarResolver;
        return scanner == nullptr ? nullptr : scanner->*resolver;
    }
};

// The reader passes document events on only while some handler listens.
// This one listens and does nothing: the reader's own overrides do the work,
// and never forward the frequent events to it.
class SilentDocumentHandler final : public xc::XMLDocumentHandler {
public:
    void docCharacters(const XMLCh* const, const XMLSize_t, const bool) override {}
    void docComment(const XMLCh* const) override {}
    void docPI(const XMLCh* const, const XMLCh* const) override {}
    void endDocument() override {}
    void endElement(const xc::XMLElementDecl&, const unsigned int, const bool, const XMLCh* const) override {}
    void endEntityReference(const xc::XMLEntityDecl&) override {}
    void ignorableWhitespace(const XMLCh* const, const XMLSize_t, const bool) override {}
    void resetDocument() override {}
    void startDocument() override {}
    void startElement(const xc::XMLElementDecl&, const unsigned int, const XMLCh* const,
                      const xc::RefVectorOf<xc::XMLAttr>&, const XMLSize_t, const bool, const bool) override
    {
    }
    void startEntityReference(const xc::XMLEntityDecl&) override {}
    void XMLDecl(const XMLCh* const, const XMLCh* const, const XMLCh* const, const XMLCh* const) override {}
};

SilentDocumentHandler& ListeningHandler()
{
    static SilentDocumentHandler handler;
    return handler;
}

// DOCTYPE events reach the reader only while a declaration handler is
// installed; this one ignores the declarations.
xc::DefaultHandler& DeclarationListener()
{
    static xc::DefaultHandler handler;
    return handler;
}

// An error handler must be installed, or the reader never calls error().
xc::HandlerBase& SilentHandler()
{
    static xc::HandlerBase handler;
    return handler;
}

std::u16string_view View(const XMLCh* text)
{
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

const xc::SchemaElementDecl* SchemaDeclaration(const xc::XMLElementDecl& element)
{
    return element.getObjectType() == xc::XMLElementDecl::Schema
               ? static_cast<const xc::SchemaElementDecl*>(&element)
               : nullptr;
}

// Whether the checker handles every constraint of every schema the parse has
// read or taken from the pool.
bool HandlesEveryConstraint(XmlIdentityChecker& checker, const xc::GrammarResolver& resolver)
{
    bool all = true;
    const auto visit = [&](xc::RefHashTableOfEnumerator<xc::Grammar> grammars) {
        while (all && grammars.hasMoreElements()) {
            xc::Grammar& grammar = grammars.nextElement();
            if (grammar.getGrammarType() != xc::Grammar::SchemaGrammarType)
                continue;
            auto elements = static_cast<xc::SchemaGrammar&>(grammar).getElemEnumerator();
            while (all && elements.hasMoreElements()) {
                const xc::SchemaElementDecl& element = elements.nextElement();
                all = const_cast<xc::SchemaElementDecl&>(element).getIdentityConstraintCount() == 0 ||
                      checker.Handles(element);
            }
        }
    };
    visit(resolver.getGrammarEnumerator());
    visit(resolver.getReferencedGrammarEnumerator());
    return all;
}

} // namespace

XmlSaxReader::XmlSaxReader(xc::MemoryManager* manager, xc::XMLGrammarPool* grammars,
                           XmlReaderObserver& observer, std::uint64_t textBudget)
    : xc::SAX2XMLReaderImpl(manager, grammars), m_observer(observer), m_textBudget(textBudget)
{
    setErrorHandler(&SilentHandler());
    installAdvDocHandler(&ListeningHandler());
    setDeclarationHandler(&DeclarationListener());
}

void XmlSaxReader::error(const unsigned int errCode, const XMLCh* const errDomain,
                         const xc::XMLErrorReporter::ErrTypes type, const XMLCh* const errorText,
                         const XMLCh* const systemId, const XMLCh* const /*publicId*/,
                         const XMLFileLoc lineNum, const XMLFileLoc colNum)
{
    XmlErrorSeverity severity = XmlErrorSeverity::Error;
    if (type == xc::XMLErrorReporter::ErrType_Warning)
        severity = XmlErrorSeverity::Warning;
    else if (type == xc::XMLErrorReporter::ErrType_Fatal)
        severity = XmlErrorSeverity::Fatal;
    m_observer.OnParserMessage(View(errDomain), errCode, severity, View(errorText), View(systemId),
                               lineNum, colNum);
}

void XmlSaxReader::doctypeDecl(const xc::DTDElementDecl& elemDecl, const XMLCh* const publicId,
                               const XMLCh* const systemId, const bool hasIntSubset,
                               const bool hasExtSubset)
{
    m_observer.OnDoctype(hasExtSubset ? View(systemId) : std::u16string_view(),
                         hasIntSubset || hasExtSubset, hasIntSubset, View(elemDecl.getFullName()));
    xc::SAX2XMLReaderImpl::doctypeDecl(elemDecl, publicId, systemId, hasIntSubset, hasExtSubset);
}

void XmlSaxReader::XMLDecl(const XMLCh* const versionStr, const XMLCh* const encodingStr,
                           const XMLCh* const standaloneStr, const XMLCh* const actualEncodingStr)
{
    m_observer.OnXmlDeclaration(View(versionStr), View(standaloneStr));
    xc::SAX2XMLReaderImpl::XMLDecl(versionStr, encodingStr, standaloneStr, actualEncodingStr);
}

void XmlSaxReader::startElement(const xc::XMLElementDecl& elemDecl, const unsigned int urlId,
                                const XMLCh* const elemPrefix,
                                const xc::RefVectorOf<xc::XMLAttr>& attrList,
                                const XMLSize_t attrCount, const bool isEmpty, const bool isRoot)
{
    NoteParserProgress();
    if (isRoot) {
        m_observer.OnRootElement();
        auto* scanner = const_cast<xc::XMLScanner*>(ScannerOfValidator::Get(getValidator()));
        const xc::GrammarResolver* grammars = ResolverOfScanner::Get(scanner);
        if (m_quickChecks && scanner != nullptr && grammars != nullptr) {
            QuickenNumberLists(*grammars);
            TakeOverIdentityChecks(*scanner, *grammars);
        }
    }
    if (m_identity) {
        if (const xc::SchemaElementDecl* element = SchemaDeclaration(elemDecl)) {
            if (!m_identity->Handles(*element))
                m_observer.OnIdentityChecksDeclined();
            m_identity->StartElement(*element, urlId, elemPrefix, attrList, attrCount);
        }
    }
    if (!isEmpty && ++m_depth > XmlLimits::kElementDepth)
        m_observer.OnLimitReached(XmlOwnError::DepthLimit, CurrentLine(), CurrentColumn());
    // Defaulted values count as much as written ones: a long default repeated
    // on every element delivers text far beyond the document's size, and
    // every element of it is progress to the stall guard.
    std::uint64_t attributeText = 0;
    for (XMLSize_t i = 0; i < attrCount; ++i)
        attributeText += xc::XMLString::stringLen(attrList.elementAt(i)->getValue());
    CountText(attributeText);
}

void XmlSaxReader::endElement(const xc::XMLElementDecl& elemDecl, const unsigned int /*urlId*/,
                              const bool /*isRoot*/, const XMLCh* const /*elemPrefix*/)
{
    NoteParserProgress();
    if (m_identity)
        if (const xc::SchemaElementDecl* element = SchemaDeclaration(elemDecl))
            m_identity->EndElement(*element);
    if (m_depth > 0)
        --m_depth;
}

void XmlSaxReader::docCharacters(const XMLCh* const /*chars*/, const XMLSize_t length,
                                 const bool /*cdataSection*/)
{
    CountText(length);
}

void XmlSaxReader::docPI(const XMLCh* const target, const XMLCh* const data)
{
    m_observer.OnProcessingInstruction(View(target), View(data), CurrentLine(), CurrentColumn());
    xc::SAX2XMLReaderImpl::docPI(target, data);
}

void XmlSaxReader::ignorableWhitespace(const XMLCh* const /*chars*/, const XMLSize_t length,
                                       const bool /*cdataSection*/)
{
    CountText(length);
}

void XmlSaxReader::CountText(std::uint64_t characters)
{
    NoteParserProgress(CurrentLine());
    m_textDelivered += characters;
    if (m_textDelivered > m_textBudget)
        m_observer.OnLimitReached(XmlOwnError::EntityTextLimit, CurrentLine(), CurrentColumn());
}

// The parser's engine has just activated the root's constraints, which it
// will never look at again once switched off: the events reach our engine
// from the root on, at the places the parser's would have been called.
void XmlSaxReader::TakeOverIdentityChecks(xc::XMLScanner& scanner, const xc::GrammarResolver& grammars)
{
    if (!scanner.getIdentityConstraintChecking() || !scanner.getDoSchema() ||
        scanner.getValidationScheme() != xc::XMLScanner::Val_Always)
        return;
    auto checker = std::make_unique<XmlIdentityChecker>(scanner, scanner.getMemoryManager());
    if (!HandlesEveryConstraint(*checker, grammars))
        return;
    scanner.setIdentityConstraintChecking(false);
    m_identity = std::move(checker);
}

void XmlSaxReader::HandGrammarsToPool()
{
    if (xc::GrammarResolver* resolver = ResolverOfScanner::Get(ScannerOfValidator::Get(getValidator())))
        resolver->cacheGrammars();
}

std::uint64_t XmlSaxReader::CurrentLine() const
{
    const xc::XMLScanner* scanner = ScannerOfValidator::Get(getValidator());
    const xc::Locator* locator = scanner == nullptr ? nullptr : scanner->getLocator();
    return locator == nullptr ? 0 : locator->getLineNumber();
}

std::uint64_t XmlSaxReader::CurrentColumn() const
{
    const xc::XMLScanner* scanner = ScannerOfValidator::Get(getValidator());
    const xc::Locator* locator = scanner == nullptr ? nullptr : scanner->getLocator();
    return locator == nullptr ? 0 : locator->getColumnNumber();
}
