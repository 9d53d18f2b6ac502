#include "platform/xml/load/xml_load_pass.h"

#include "platform/text/text_encoding.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/load/xml_limits.h"

#include <xercesc/framework/XMLSchemaDescription.hpp>
#include <xercesc/framework/XMLValidator.hpp>
#include <xercesc/sax/SAXException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>
#include <xercesc/validators/common/Grammar.hpp>

#include <algorithm>
#include <new>
#include <utility>

namespace xc = xercesc;

XmlLoadPass::XmlLoadPass(const XmlLoadRequest& request, std::uint64_t documentBytes, XmlPassMode mode,
                         XmlCachedSchemaSet* schemas, XmlGrammarUse use, XmlIdentityChecks identity, bool keptDtd)
    : m_request(request)
    , m_mode(mode)
    , m_use(schemas != nullptr ? use : XmlGrammarUse::None)
    , m_identity(identity)
    , m_memory(XmlLimits::kParserMemoryFloor + XmlLimits::kParserMemoryPerDocumentByte * documentBytes)
    , m_keptDtds(keptDtd && m_use == XmlGrammarUse::None && mode != XmlPassMode::Probe &&
                         mode != XmlPassMode::WellFormed && request.settings.grammarCacheMaxBytes > 0
                     ? std::make_unique<XmlDtdDiskCachePool>(&m_memory, request.settings.grammarCacheMaxBytes,
                                                             [this] { m_resolver.NoteLocalEntityRead(); })
                     : nullptr)
    , m_references(mode, m_use, AnsiToWide(request.linuxPath))
    , m_reader(&m_memory,
               m_use != XmlGrammarUse::None ? static_cast<xercesc::XMLGrammarPool*>(schemas->pool.get())
                                            : m_keptDtds.get(),
               *this, XmlLimits::kTextAllowanceChars + XmlLimits::kTextCharsPerDocumentByte * documentBytes)
    , m_resolver(m_registry, *this, &m_memory, request.settings.remote, request.notice)
    , m_errors(request.linuxPath, m_registry, m_reader, m_references)
{
    m_registry.SetMainDocument(m_references.MainSystemId(), {XmlResourceKind::MainDocument,
                                                             request.displayPath, request.linuxPath, false});
    if (request.multipleErrors)
        m_errors.CollectFurtherErrors();
    if (m_use == XmlGrammarUse::Collect)
        m_resolver.ListenToGrammarReads([this](const std::string& publicId, const std::string& systemId,
                                               const XmlResource& referrer, const std::string& target) {
            m_schemaReferences.push_back({publicId, systemId, referrer.linuxPath, target});
        });
    ConfigureReader();
}

void XmlLoadPass::Run()
{
    // The document is opened before the parse: the parser would report a
    // file it cannot open in its own words and code.
    OpenedLocalFile document = OpenLocalFile(m_request.linuxPath);
    if (!document.fd) {
        const UnreadableFile unreadable = DescribeUnreadableDocument(document.check, ShownDocumentPath(m_request));
        m_errors.CaptureDocumentUnreadable(unreadable.ownError, unreadable.reason);
        return;
    }
    ArmParserStallGuard();
    LocalFileInputSource source(std::move(document), m_request.linuxPath, m_references.MainSystemId(),
                                m_request.progress, &m_memory);
    try {
        m_reader.parse(source);
    } catch (const XmlParseStop&) {
    } catch (const xc::OutOfMemoryException&) {
        CaptureLimit(ParserStallGuardFired() ? XmlOwnError::ParserStalled : XmlOwnError::MemoryLimit,
                     m_reader.CurrentLine(), m_reader.CurrentColumn());
    } catch (const std::bad_alloc&) {
        CaptureLimit(XmlOwnError::MemoryLimit, m_reader.CurrentLine(), m_reader.CurrentColumn());
    } catch (const xc::XMLException& exception) {
        m_errors.CaptureException(exception.getCode(), exception.getMessage());
    } catch (const xc::SAXException& exception) {
        m_errors.CaptureUnexpected(WideToAnsi(exception.getMessage() ? exception.getMessage() : u""));
    }
    DisarmParserStallGuard();
}

void XmlLoadPass::UseExternalSchema(const std::u16string& space, const std::u16string& location)
{
    if (space.empty()) {
        m_externalSchema = location;
        m_reader.setProperty(xc::XMLUni::fgXercesSchemaExternalNoNameSpaceSchemaLocation, m_externalSchema.data());
    } else {
        m_externalSchema = space + u" " + location;
        m_reader.setProperty(xc::XMLUni::fgXercesSchemaExternalSchemaLocation, m_externalSchema.data());
    }
}

bool XmlLoadPass::KeepCollectedSchemas(const XmlSchemaSetKey& key, xc::XMLGrammarPool& pool)
{
    if (m_use != XmlGrammarUse::Collect || m_references.RestartRequested() ||
        m_references.SchemaNamedAfterRoot() || m_references.DtdInForce() || !m_references.InContent())
        return false;
    for (const PassError* error : {m_errors.Error() ? &*m_errors.Error() : nullptr, m_errors.LatestError()})
        if (error != nullptr && (XmlErrorGroupOf(error->error.code) != XmlErrorGroup::Validity &&
                                 XmlErrorGroupOf(error->error.code) != XmlErrorGroup::WellFormedness))
            return false;
    for (const auto& [systemId, resource] : m_registry.All())
        if (resource.remote)
            return false;
    m_reader.HandGrammarsToPool();
    return !ImportsHintedNamespace(key, pool);
}

// A hinted namespace first met through an import would be read again into
// the kept grammar by a later load.
bool XmlLoadPass::ImportsHintedNamespace(const XmlSchemaSetKey& key, xc::XMLGrammarPool& pool) const
{
    auto grammars = pool.getGrammarEnumerator();
    while (grammars.hasMoreElements()) {
        xc::Grammar& grammar = grammars.nextElement();
        if (grammar.getGrammarType() != xc::Grammar::SchemaGrammarType)
            continue;
        const auto* description = static_cast<const xc::XMLSchemaDescription*>(grammar.getGrammarDescription());
        const XMLCh* space = grammar.getTargetNamespace();
        const std::u16string name = space != nullptr ? std::u16string(space) : std::u16string();
        if (description->getContextType() == xc::XMLSchemaDescription::CONTEXT_IMPORT &&
            std::find(key.spaces.begin(), key.spaces.end(), name) != key.spaces.end())
            return true;
    }
    return false;
}

std::vector<XmlCachedSchemaSet::Source> XmlLoadPass::SchemaSources() const
{
    std::vector<XmlCachedSchemaSet::Source> sources;
    for (const auto& [systemId, resource] : m_registry.All())
        if ((resource.kind == XmlResourceKind::Schema || resource.kind == XmlResourceKind::SchemaEntity) &&
            !resource.remote && !resource.linuxPath.empty())
            sources.push_back({resource.linuxPath, resource.size, resource.modifiedNs});
    return sources;
}

void XmlLoadPass::OnParserMessage(std::u16string_view domain, std::uint32_t code, XmlErrorSeverity severity,
                                  std::u16string_view text, std::u16string_view systemId, std::uint64_t line,
                                  std::uint64_t column)
{
    if (severity == XmlErrorSeverity::Warning)
        return;
    // Until the document names a DTD or a schema, validity messages only say
    // that nothing is declared.
    if (domain == xc::XMLUni::fgValidityDomain && !GrammarInForce())
        return;
    m_errors.CaptureParserMessage({domain, code, severity, text, systemId, line, column});
    // The parser goes on after a validity error by itself; after any other
    // error what follows would only be its echo.
    const PassError* recorded = m_errors.LatestError();
    if (severity == XmlErrorSeverity::Error && m_errors.Collecting() && recorded != nullptr &&
        XmlErrorGroupOf(recorded->error.code) == XmlErrorGroup::Validity)
        return;
    throw XmlParseStop{};
}

void XmlLoadPass::OnProcessingInstruction(std::u16string_view target, std::u16string_view data,
                                          std::uint64_t line, std::uint64_t column)
{
    // Only the prolog associates schemas; an instruction inside the
    // document is the application's own.
    if (target == u"xml-model" && !m_references.InContent())
        m_associations.push_back(ParseXmlModelData(data, line, column));
}

void XmlLoadPass::OnDoctype(std::u16string_view systemId, bool namesDtd, bool internalSubset,
                            std::u16string_view rootName)
{
    if (m_references.NoteDoctype(systemId, namesDtd, internalSubset))
        throw XmlParseStop{};
    if (m_keptDtds && m_plainDeclaration && m_references.DtdFromFilesAlone())
        m_keptDtds->ExpectDtd(std::u16string(rootName));
}

void XmlLoadPass::OnXmlDeclaration(std::u16string_view version, std::u16string_view standalone)
{
    m_plainDeclaration = (version.empty() || version == u"1.0") && standalone != u"yes";
}

void XmlLoadPass::OnRootElement()
{
    m_references.NoteRootElement();
    if (m_keptDtds)
        m_keptDtds->ExpectNoDtd();
    if (m_onPrologRead)
        m_onPrologRead(m_associations);
}

void XmlLoadPass::OnLimitReached(std::uint32_t ownError, std::uint64_t line, std::uint64_t column)
{
    CaptureLimit(ownError, line, column);
    throw XmlParseStop{};
}

void XmlLoadPass::OnIdentityChecksDeclined()
{
    m_needsParserIdentityChecks = true;
    throw XmlParseStop{};
}

void XmlLoadPass::OnReference(bool schemaGrammar, const xc::Locator* where)
{
    if (m_references.NoteReference(schemaGrammar, where))
        throw XmlParseStop{};
}

void XmlLoadPass::FailReference(std::uint32_t ownError, const std::string& reason, const xc::Locator* where)
{
    m_errors.CaptureReferenceFailure(ownError, reason, where);
    throw XmlParseStop{};
}

void XmlLoadPass::ConfigureReader()
{
    const bool validate = m_mode != XmlPassMode::WellFormed;
    const bool schemas = m_mode == XmlPassMode::Probe || m_mode == XmlPassMode::Full;
    m_reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpaces, true);
    m_reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpacePrefixes, false);
    m_reader.setFeature(xc::XMLUni::fgSAX2CoreValidation, validate);
    m_reader.setFeature(xc::XMLUni::fgXercesDynamic, m_mode == XmlPassMode::Probe);
    m_reader.setFeature(xc::XMLUni::fgXercesSchema, schemas);
    m_reader.setFeature(xc::XMLUni::fgXercesSchemaFullChecking, true);
    m_reader.setFeature(xc::XMLUni::fgXercesIdentityConstraintChecking, true);
    m_reader.UseQuickChecks(m_mode == XmlPassMode::Full && m_identity == XmlIdentityChecks::OursWherePossible &&
                            m_request.settings.quickChecks);
    m_reader.setFeature(xc::XMLUni::fgXercesHandleMultipleImports, true);
    m_reader.setFeature(xc::XMLUni::fgXercesLoadSchema, true);
    m_reader.setFeature(xc::XMLUni::fgXercesLoadExternalDTD, true);
    m_reader.setFeature(xc::XMLUni::fgXercesDisableDefaultEntityResolution, true);
    m_reader.setFeature(xc::XMLUni::fgXercesContinueAfterFatalError, false);
    m_reader.setFeature(xc::XMLUni::fgXercesValidationErrorAsFatal, false);
    // A collecting pass leaves its grammars with the parser until the end:
    // the parser's full schema checks (unique particle attribution, particle
    // derivation) see only the grammars it holds itself, and would pass a
    // broken schema that went straight to the pool.
    m_reader.setFeature(xc::XMLUni::fgXercesCacheGrammarFromParse, false);
    m_reader.setFeature(xc::XMLUni::fgXercesUseCachedGrammarInParse, m_use == XmlGrammarUse::Reuse || m_keptDtds);
    // A DTD from the disk serves only a DOCTYPE without an internal subset;
    // with one, the parser reads the subsets itself.
    if (m_keptDtds)
        m_reader.setFeature(xc::XMLUni::fgXercesIgnoreCachedDTD, true);
    m_security.setEntityExpansionLimit(XmlLimits::kEntityExpansions);
    m_reader.setProperty(xc::XMLUni::fgXercesSecurityManager, &m_security);
    m_reader.setXMLEntityResolver(&m_resolver);
}

bool XmlLoadPass::GrammarInForce() const
{
    if (m_references.DtdInForce() || m_references.SchemaRequested())
        return true;
    const xc::XMLValidator* validator = m_reader.getValidator();
    return validator != nullptr && validator->handlesSchema();
}

void XmlLoadPass::CaptureLimit(std::uint32_t ownError, std::uint64_t line, std::uint64_t column)
{
    m_errors.CaptureLimit(DescribeXmlLimit(ownError, m_memory, m_request.settings.stallTime), line, column);
}
