#include "platform/xml/xml_parse_session.h"

#include "platform/text_encoding.h"
#include "platform/xml/xml_entity_resolver.h"
#include "platform/xml/xml_error_codes.h"
#include "platform/xml/xml_grammar_cache.h"
#include "platform/xml/xml_input_sources.h"
#include "platform/xml/xml_limits.h"
#include "platform/xml/xml_memory.h"
#include "platform/xml/xml_positions.h"
#include "platform/xml/xml_reader.h"

#include <xercesc/framework/XMLErrorCodes.hpp>
#include <xercesc/framework/XMLSchemaDescription.hpp>
#include <xercesc/framework/XMLValidator.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/validators/common/Grammar.hpp>
#include <xercesc/sax/SAXException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

namespace xc = xercesc;

std::atomic<std::int64_t> g_stallMilliseconds{
    std::chrono::duration_cast<std::chrono::milliseconds>(XmlLimits::kParserStallTime).count()};

enum class PassMode {
    WellFormed, // validation switched off by the caller
    Probe,      // reading until the document shows what to validate against
    Full,       // strict validation against the DTD or the schemas
    DtdOnly,    // strict validation against the DTD alone (when schemas are used too)
};

// How a pass uses a set of schemas kept between loads.
enum class GrammarUse {
    None,
    Reuse,   // validate with the kept set; any further schema restarts the load without it
    Collect, // keep what this pass reads, for later loads
};

// The first error of a pass, with what is needed to order it against the
// other pass and to re-establish its position in the file it lies in.
struct PassError {
    XmlLoadError error;
    XmlDocumentPosition documentPosition;
    std::string linuxPath; // the local file the position refers to; empty if remote
    bool encodingError = false;
    bool surrogateError = false;
};

std::string Utf8(std::u16string_view text)
{
    return WideToAnsi(text);
}

std::string MiB(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

std::string SecondsText(std::chrono::milliseconds duration)
{
    const auto tenths = duration.count() / 100;
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

long ToLong(std::uint64_t value)
{
    return value > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<long>(value);
}

class LoadPass final : public XmlReaderObserver, public XmlReferenceEvents {
public:
    LoadPass(const XmlLoadRequest& request, std::uint64_t documentBytes, PassMode mode,
             XmlCachedSchemaSet* schemas = nullptr, GrammarUse use = GrammarUse::None)
        : m_request(request)
        , m_mode(mode)
        , m_use(schemas != nullptr ? use : GrammarUse::None)
        , m_memory(XmlLimits::kParserMemoryFloor + XmlLimits::kParserMemoryPerDocumentByte * documentBytes)
        , m_reader(&m_memory, m_use == GrammarUse::None ? nullptr : schemas->pool.get(), *this,
                   XmlLimits::kTextAllowanceChars + XmlLimits::kTextCharsPerDocumentByte * documentBytes)
        , m_resolver(m_registry, *this, &m_memory)
    {
        m_mainSystemId = AnsiToWide(request.linuxPath);
        m_registry.SetMainDocument(m_mainSystemId, {XmlResourceKind::MainDocument, request.displayPath,
                                                    request.linuxPath, false});
        // The kept schemas are the document's root hints: they are in force
        // from the start.
        m_schemaRequested = m_use == GrammarUse::Reuse;
        Configure();
    }

    void Run()
    {
        ArmParserStallGuard();
        LocalFileInputSource source(m_request.linuxPath, m_mainSystemId, true, &m_memory);
        try {
            m_reader.parse(source);
        } catch (const XmlParseStop&) {
        } catch (const xc::OutOfMemoryException&) {
            if (ParserStallGuardFired())
                RecordLimit(XmlOwnError::ParserStalled, m_reader.CurrentLine(), m_reader.CurrentColumn());
            else
                RecordLimit(XmlOwnError::MemoryLimit, m_reader.CurrentLine(), m_reader.CurrentColumn());
        } catch (const std::bad_alloc&) {
            RecordLimit(XmlOwnError::MemoryLimit, m_reader.CurrentLine(), m_reader.CurrentColumn());
        } catch (const xc::XMLException& exception) {
            RecordException(exception.getCode(), exception.getMessage());
        } catch (const xc::SAXException& exception) {
            RecordUnexpected(Utf8(exception.getMessage() ? exception.getMessage() : u""));
        }
        DisarmParserStallGuard();
    }

    bool RestartRequested() const { return m_restart; }

    // Whether the schemas this pass collected may serve later loads: all of
    // them came from the root's hints, from local files, and loaded whole.
    // If so, they are handed over to the pool.
    bool KeepCollectedSchemas(const XmlSchemaSetKey& key, xercesc::XMLGrammarPool& pool)
    {
        if (m_use != GrammarUse::Collect || m_restart || m_schemaAfterRoot || m_dtdInForce || !m_inContent)
            return false;
        if (m_error && (XmlErrorGroupOf(m_error->error.code) != XmlErrorGroup::Validity &&
                        XmlErrorGroupOf(m_error->error.code) != XmlErrorGroup::WellFormedness))
            return false;
        for (const auto& [systemId, resource] : m_registry.All())
            if (resource.remote)
                return false;
        m_reader.HandGrammarsToPool();
        // A hinted namespace first met through an import would be read again
        // into the kept grammar by a later load.
        auto grammars = pool.getGrammarEnumerator();
        while (grammars.hasMoreElements()) {
            xercesc::Grammar& grammar = grammars.nextElement();
            if (grammar.getGrammarType() != xercesc::Grammar::SchemaGrammarType)
                continue;
            const auto* description =
                static_cast<const xercesc::XMLSchemaDescription*>(grammar.getGrammarDescription());
            const XMLCh* space = grammar.getTargetNamespace();
            const std::u16string name = space != nullptr ? std::u16string(space) : std::u16string();
            if (description->getContextType() == xercesc::XMLSchemaDescription::CONTEXT_IMPORT &&
                std::find(key.spaces.begin(), key.spaces.end(), name) != key.spaces.end())
                return false;
        }
        return true;
    }

    // The files the collected schemas were read from.
    std::vector<XmlCachedSchemaSet::Source> SchemaSources() const
    {
        std::vector<XmlCachedSchemaSet::Source> sources;
        for (const auto& [systemId, resource] : m_registry.All())
            if ((resource.kind == XmlResourceKind::Schema || resource.kind == XmlResourceKind::SchemaEntity) &&
                !resource.remote && !resource.linuxPath.empty())
                sources.push_back({resource.linuxPath, resource.size, resource.modifiedNs});
        return sources;
    }
    bool ValidatedAgainstDtdAndSchema() const { return m_dtdInForce && m_schemaRequested; }
    const std::optional<PassError>& Error() const { return m_error; }

    // XmlReaderObserver
    void OnParserMessage(std::u16string_view domain, std::uint32_t code, XmlErrorSeverity severity,
                         std::u16string_view text, std::u16string_view systemId, std::uint64_t line,
                         std::uint64_t column) override
    {
        if (severity == XmlErrorSeverity::Warning)
            return;
        // Until the document names a DTD or a schema,
        // validity messages only say that nothing is declared.
        if (domain == xc::XMLUni::fgValidityDomain && !GrammarInForce())
            return;
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
        std::string reason = Utf8(text);
        if (in.kind != XmlResourceKind::MainDocument)
            reason += std::string(" (in the ") + XmlResourceKindWord(in.kind) + " " + in.displayName + ")";
        else if (domain == xc::XMLUni::fgValidityDomain && code == xc::XMLValid::UniqueParticleAttributionFail)
            reason += SchemasReadWords();
        error.error.reason = AnsiToWide(reason);
        if (line == 0) {
            // The parser knows no place (a failed read, say): the reference
            // being followed, or where the document was.
            line = m_referencePosition.line != 0 && resource == nullptr ? m_referencePosition.line
                                                                         : m_reader.CurrentLine();
            column = m_referencePosition.line != 0 && resource == nullptr ? m_referencePosition.column
                                                                           : m_reader.CurrentColumn();
            error.linuxPath = m_request.linuxPath;
            if (domain == xc::XMLUni::fgExceptDomain && in.kind == XmlResourceKind::MainDocument)
                PlaceUndecodableDeclaration(code, line, column);
        } else {
            error.linuxPath = in.linuxPath;
        }
        error.error.line = ToLong(line);
        error.error.column = ToLong(column);
        error.documentPosition = in.kind == XmlResourceKind::MainDocument
                                     ? XmlDocumentPosition{line, column}
                                     : m_referencePosition;
        error.encodingError = domain == xc::XMLUni::fgExceptDomain && IsXmlEncodingErrorCode(code);
        error.surrogateError = domain == xc::XMLUni::fgXMLErrDomain &&
                               (code == xc::XMLErrs::Expected2ndSurrogateChar ||
                                code == xc::XMLErrs::Unexpected2ndSurrogateChar);
        m_error = std::move(error);
        throw XmlParseStop{};
    }

    // A DOCTYPE with a subset names a DTD, and the document is validated
    // against it (one that declares nothing leaves every element undeclared).
    // A bare <!DOCTYPE name> names no DTD.
    void OnDoctype(std::u16string_view systemId, bool namesDtd) override
    {
        m_doctypeSystemId = systemId;
        if (!namesDtd)
            return;
        m_dtdInForce = true;
        RestartIfProbing();
    }

    void OnRootElement() override { m_inContent = true; }

    [[noreturn]] void OnLimitReached(std::uint32_t ownError, std::uint64_t line,
                                     std::uint64_t column) override
    {
        RecordLimit(ownError, line, column);
        throw XmlParseStop{};
    }

    // XmlReferenceEvents
    void OnReference(bool schemaGrammar, const xc::Locator* where) override
    {
        if (where != nullptr && where->getSystemId() != nullptr &&
            m_mainSystemId == where->getSystemId())
            m_referencePosition = {where->getLineNumber(), where->getColumnNumber()};
        if (schemaGrammar) {
            m_schemaRequested = true;
            m_schemaAfterRoot = m_schemaAfterRoot || m_inContent;
            RestartIfProbing();
            if (m_use == GrammarUse::Reuse) {
                m_restart = true;
                throw XmlParseStop{};
            }
        }
    }

    [[noreturn]] void FailReference(std::uint32_t ownError, const std::string& reason,
                                    const xc::Locator* where) override
    {
        PassError error;
        error.error.code = XmlOwnErrorCode(ownError);
        error.error.reason = AnsiToWide(reason);
        std::uint64_t line = where != nullptr ? where->getLineNumber() : 0;
        std::uint64_t column = where != nullptr ? where->getColumnNumber() : 0;
        const XmlResource* in = where != nullptr && where->getSystemId() != nullptr
                                    ? m_registry.Find(where->getSystemId())
                                    : nullptr;
        if (line == 0 || in == nullptr) {
            line = m_referencePosition.line != 0 ? m_referencePosition.line : m_reader.CurrentLine();
            column = m_referencePosition.line != 0 ? m_referencePosition.column : m_reader.CurrentColumn();
            in = &m_registry.MainDocument();
        }
        error.error.line = ToLong(line);
        error.error.column = ToLong(column);
        error.linuxPath = in->linuxPath;
        error.documentPosition =
            in->kind == XmlResourceKind::MainDocument ? XmlDocumentPosition{line, column} : m_referencePosition;
        m_error = std::move(error);
        throw XmlParseStop{};
    }

    bool InDocumentContent() const override { return m_inContent; }
    std::u16string DoctypeSystemId() const override { return m_doctypeSystemId; }

private:
    void Configure()
    {
        const bool validate = m_mode != PassMode::WellFormed;
        const bool schemas = m_mode == PassMode::Probe || m_mode == PassMode::Full;
        m_reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpaces, true);
        m_reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpacePrefixes, false);
        m_reader.setFeature(xc::XMLUni::fgSAX2CoreValidation, validate);
        m_reader.setFeature(xc::XMLUni::fgXercesDynamic, m_mode == PassMode::Probe);
        m_reader.setFeature(xc::XMLUni::fgXercesSchema, schemas);
        m_reader.setFeature(xc::XMLUni::fgXercesSchemaFullChecking, true);
        m_reader.setFeature(xc::XMLUni::fgXercesIdentityConstraintChecking, true);
        m_reader.setFeature(xc::XMLUni::fgXercesHandleMultipleImports, true);
        m_reader.setFeature(xc::XMLUni::fgXercesLoadSchema, true);
        m_reader.setFeature(xc::XMLUni::fgXercesLoadExternalDTD, true);
        m_reader.setFeature(xc::XMLUni::fgXercesDisableDefaultEntityResolution, true);
        m_reader.setFeature(xc::XMLUni::fgXercesContinueAfterFatalError, false);
        m_reader.setFeature(xc::XMLUni::fgXercesValidationErrorAsFatal, false);
        // A collecting pass leaves its grammars with the parser until the end:
        // the parser's full schema checks (unique particle attribution,
        // particle derivation) see only the grammars it holds itself, and
        // would pass a broken schema that went straight to the pool.
        m_reader.setFeature(xc::XMLUni::fgXercesCacheGrammarFromParse, false);
        m_reader.setFeature(xc::XMLUni::fgXercesUseCachedGrammarInParse, m_use == GrammarUse::Reuse);
        m_security.setEntityExpansionLimit(XmlLimits::kEntityExpansions);
        m_reader.setProperty(xc::XMLUni::fgXercesSecurityManager, &m_security);
        m_reader.setXMLEntityResolver(&m_resolver);
    }

    // The parser checks a schema's content models once it has read the
    // schema whole, and names no file then.
    std::string SchemasReadWords() const
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

    // The parser gives up on a declaration too long to decode before it has
    // a place in the document; the declaration is on the first line.
    void PlaceUndecodableDeclaration(std::uint32_t code, std::uint64_t& line, std::uint64_t& column) const
    {
        if (line != 0 || code != xc::XMLExcepts::Reader_CouldNotDecodeFirstLine)
            return;
        line = 1;
        column = static_cast<std::uint64_t>(EncodingNameColumn(m_request.linuxPath));
    }

    bool GrammarInForce() const
    {
        if (m_dtdInForce || m_schemaRequested)
            return true;
        const xc::XMLValidator* validator = m_reader.getValidator();
        return validator != nullptr && validator->handlesSchema();
    }

    void RestartIfProbing()
    {
        if (m_mode != PassMode::Probe)
            return;
        m_restart = true;
        throw XmlParseStop{};
    }

    void RecordLimit(std::uint32_t ownError, std::uint64_t line, std::uint64_t column)
    {
        std::string reason;
        switch (ownError) {
        case XmlOwnError::DepthLimit:
            reason = "Elements are nested more than " + std::to_string(XmlLimits::kElementDepth) +
                     " levels deep; the document is not read further (resource limit)";
            break;
        case XmlOwnError::ParserStalled:
            reason = ParserStalledReason();
            break;
        case XmlOwnError::EntityTextLimit:
            reason = "Entity references expand to far more text than the document holds (more than " +
                     std::to_string(XmlLimits::kTextAllowanceChars / (1024 * 1024)) +
                     " million characters beyond its size); the document is not read further "
                     "(resource limit)";
            break;
        default:
            if (m_memory.CeilingReached())
                reason = "The parser needed more than " + MiB(m_memory.Ceiling()) +
                         " of memory for this document; the document is not read further (resource limit)";
            else
                reason = "The parser needed more memory than a load may use; the document is not read "
                         "further (resource limit)";
            ownError = XmlOwnError::MemoryLimit;
            break;
        }
        PassError error;
        error.error.code = XmlOwnErrorCode(ownError);
        error.error.reason = AnsiToWide(reason);
        error.error.line = ToLong(line);
        error.error.column = ToLong(column);
        error.linuxPath = m_request.linuxPath;
        error.documentPosition = {line, column};
        m_error = std::move(error);
    }

    void RecordException(std::uint32_t code, const XMLCh* message)
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
        error.linuxPath = m_request.linuxPath;
        error.documentPosition = {line, column};
        m_error = std::move(error);
    }

    void RecordUnexpected(const std::string& what)
    {
        PassError error;
        error.error.code = XmlOwnErrorCode(XmlOwnError::UnexpectedFailure);
        error.error.reason = AnsiToWide("The parser failed unexpectedly: " + what);
        error.error.line = ToLong(m_reader.CurrentLine());
        error.error.column = ToLong(m_reader.CurrentColumn());
        error.linuxPath = m_request.linuxPath;
        m_error = std::move(error);
    }

    const XmlLoadRequest& m_request;
    PassMode m_mode;
    GrammarUse m_use;
    // Declared first: everything the parser allocates lives in it.
    XmlMemoryPool m_memory;
    xc::SecurityManager m_security;
    XmlResourceRegistry m_registry;
    std::u16string m_mainSystemId;
    XmlSaxReader m_reader;
    XmlReferenceResolver m_resolver;

    bool m_restart = false;
    bool m_dtdInForce = false;
    bool m_schemaRequested = false;
    bool m_schemaAfterRoot = false;
    bool m_inContent = false;
    std::u16string m_doctypeSystemId;
    XmlDocumentPosition m_referencePosition;
    std::optional<PassError> m_error;
};

std::optional<XmlLoadError> DocumentProblem(const XmlLoadRequest& request, std::uint64_t& size)
{
    const LocalFileCheck check = CheckLocalFile(request.linuxPath);
    size = check.size;
    if (!check.problem)
        return std::nullopt;
    XmlLoadError error;
    std::string reason;
    switch (*check.problem) {
    case LocalFileProblem::NotFound:
        error.code = XmlOwnErrorCode(XmlOwnError::FileNotFound);
        reason = "The file " + request.displayPath + " does not exist";
        break;
    case LocalFileProblem::IsADirectory:
        error.code = XmlOwnErrorCode(XmlOwnError::IsADirectory);
        reason = request.displayPath + " is a folder, not a file";
        break;
    case LocalFileProblem::PermissionDenied:
        error.code = XmlOwnErrorCode(XmlOwnError::PermissionDenied);
        reason = "The file " + request.displayPath + " cannot be read: permission denied";
        break;
    case LocalFileProblem::NotARegularFile:
        error.code = XmlOwnErrorCode(XmlOwnError::NotARegularFile);
        reason = request.displayPath + " is not a regular file";
        break;
    case LocalFileProblem::ReadFailed:
        error.code = XmlOwnErrorCode(XmlOwnError::ReadFailed);
        reason = "The file " + request.displayPath + " cannot be read: " + check.detail;
        break;
    }
    error.reason = AnsiToWide(reason);
    return error;
}

// Lines and columns as the user counts them, in the file the error lies in.
XmlLoadError WithCharacterPositions(PassError passError)
{
    XmlLoadError error = std::move(passError.error);
    if (passError.linuxPath.empty() || error.line <= 0)
        return error;
    if (passError.encodingError) {
        if (const auto at = FindInvalidUtf8(passError.linuxPath)) {
            error.line = at->line;
            error.column = at->column;
        }
        return error;
    }
    if (passError.surrogateError) {
        if (const auto at = FindLoneSurrogate(passError.linuxPath, error.line, error.column)) {
            error.line = at->line;
            error.column = at->column;
            return error;
        }
    }
    if (error.column > 0) {
        if (const auto column = CharacterColumn(passError.linuxPath, error.line, error.column))
            error.column = *column;
    }
    return error;
}

// The parser drops a tail of bytes too short to be a character; a document
// whose last character is cut short is not well formed.
std::optional<XmlLoadError> IncompleteFinalCharacter(const XmlLoadRequest& request)
{
    const auto incomplete = FindIncompleteFinalCharacter(request.linuxPath);
    if (!incomplete)
        return std::nullopt;
    XmlLoadError error;
    error.code = XmlParserErrorCode(xc::XMLUni::fgExceptDomain,
                                    incomplete->utf16 ? xc::XMLExcepts::Trans_BadSrcSeq
                                                      : xc::XMLExcepts::UTF8_FormatError,
                                    XmlErrorSeverity::Fatal, XmlErrorPlace::Document);
    error.reason = incomplete->utf16
                       ? u"The document ends inside a character: an odd byte follows its last whole "
                         u"UTF-16 character (an incomplete character at the end)"
                       : u"The document ends inside a character: its last bytes begin a UTF-8 sequence "
                         u"that the file cuts short (an incomplete character at the end)";
    error.line = incomplete->at.line;
    error.column = incomplete->at.column;
    return error;
}

std::optional<XmlLoadError> LoadOnce(const XmlLoadRequest& request)
{
    std::uint64_t size = 0;
    if (auto problem = DocumentProblem(request, size))
        return problem;

    // Debian's library turns every DOCTYPE into an error when this is set;
    // a validator must never inherit that.
    if (std::getenv("XERCES_DISABLE_DTD") != nullptr)
        ::unsetenv("XERCES_DISABLE_DTD");

    std::optional<PassError> first;
    bool checkDtdToo = false;
    bool done = false;
    const auto key = request.validate
                         ? RootSchemaSetKey({XmlResourceKind::MainDocument, request.displayPath, request.linuxPath})
                         : std::nullopt;
    if (key) {
        if (auto kept = TakeCachedSchemaSet(*key)) {
            bool intact = true;
            {
                LoadPass pass(request, size, PassMode::Full, kept.get(), GrammarUse::Reuse);
                pass.Run();
                if (!pass.RestartRequested()) {
                    first = pass.Error();
                    done = true;
                }
                // The parser completes a grammar's content models when it first
                // needs them; one cut short by a limit is not kept.
                intact = !first || (XmlErrorGroupOf(first->error.code) != XmlErrorGroup::ResourceLimits &&
                                    first->error.code != XmlOwnErrorCode(XmlOwnError::UnexpectedFailure));
            } // the parser lets go of the kept schemas before they return to the cache
            if (intact)
                KeepSchemaSet(std::move(kept));
        }
    }
    if (!done) {
        auto pass = std::make_unique<LoadPass>(request, size,
                                               request.validate ? PassMode::Probe : PassMode::WellFormed);
        pass->Run();
        auto collected = pass->RestartRequested() && key ? NewSchemaSet(*key) : nullptr;
        if (pass->RestartRequested()) {
            pass = std::make_unique<LoadPass>(request, size, PassMode::Full, collected.get(), GrammarUse::Collect);
            pass->Run();
        }
        first = pass->Error();
        checkDtdToo = pass->ValidatedAgainstDtdAndSchema();
        const bool keep = collected && pass->KeepCollectedSchemas(*key, *collected->pool);
        if (keep)
            collected->sources = pass->SchemaSources();
        pass.reset(); // the parser lets go of the collected schemas first
        if (keep)
            KeepSchemaSet(std::move(collected));
    }
    if (checkDtdToo) {
        auto dtdPass = std::make_unique<LoadPass>(request, size, PassMode::DtdOnly);
        dtdPass->Run();
        const auto& dtdError = dtdPass->Error();
        if (dtdError && (!first || dtdError->documentPosition < first->documentPosition))
            first = dtdError;
    }
    if (!first)
        return IncompleteFinalCharacter(request);
    return WithCharacterPositions(std::move(*first));
}

} // namespace

std::optional<XmlLoadError> LoadXmlDocument(const XmlLoadRequest& request)
{
    // Descriptions echo names and locations as the document wrote them.
    auto error = LoadOnce(request);
    if (error)
        error->reason = VisibleText(error->reason);
    return error;
}

std::string ParserStalledReason()
{
    return "The parser worked more than " + SecondsText(ParserStallTime()) +
           " s of processor time without getting further in the document (a schema too complex to "
           "compile, or a pattern too costly to match); the document is not read further (resource limit)";
}

std::chrono::milliseconds ParserStallTime()
{
    return std::chrono::milliseconds(g_stallMilliseconds.load());
}

void SetParserStallTime(std::chrono::milliseconds allowed)
{
    g_stallMilliseconds = allowed.count();
}
