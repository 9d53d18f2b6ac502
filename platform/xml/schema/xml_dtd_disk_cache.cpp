#include "platform/xml/schema/xml_dtd_disk_cache.h"

#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/load/xml_reader.h"
#include "platform/xml/references/xml_entity_resolver.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/schema/xml_grammar_store.h"

#include <xercesc/framework/XMLDTDDescription.hpp>
#include <xercesc/sax/SAXException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>
#include <xercesc/validators/common/Grammar.hpp>

#include <algorithm>
#include <cstring>
#include <new>
#include <set>
#include <string_view>

namespace {

namespace xc = xercesc;

// The builder's side of the resolver: a reference that cannot be followed
// ends the build, which leaves the DTD to the document's own reading.
class BuildEvents final : public XmlReferenceEvents {
public:
    void OnReference(bool, const xc::Locator*) override {}
    [[noreturn]] void FailReference(std::uint32_t, const std::string&, const xc::Locator*) override
    {
        throw XmlParseStop{};
    }
    bool InDocumentContent() const override { return false; }
    std::u16string DoctypeSystemId() const override { return {}; }
};

// The stand-in document's DOCTYPE leads to the DTD's file itself; every
// other reference is followed as in a load.
class BuildResolver final : public xc::XMLEntityResolver {
public:
    BuildResolver(XmlReferenceResolver& inner, std::string dtdPath, xc::MemoryManager* memory)
        : m_inner(inner), m_dtdPath(std::move(dtdPath)), m_memory(memory)
    {
    }
    xc::InputSource* resolveEntity(xc::XMLResourceIdentifier* identifier) override
    {
        if (m_subsetGiven || identifier == nullptr || identifier->getBaseURI() == nullptr ||
            std::u16string_view(identifier->getBaseURI()) != kStandInId)
            return m_inner.resolveEntity(identifier);
        m_subsetGiven = true;
        OpenedLocalFile file = OpenLocalFile(m_dtdPath);
        if (!file.fd)
            throw XmlParseStop{};
        return new (m_memory) LocalFileInputSource(std::move(file), m_dtdPath, AnsiToWide(m_dtdPath), {}, m_memory);
    }

    static constexpr std::u16string_view kStandInId = u"corvane-dtd-stand-in:";

private:
    XmlReferenceResolver& m_inner;
    std::string m_dtdPath;
    xc::MemoryManager* m_memory;
    bool m_subsetGiven = false;
};

// The stand-in document is a DOCTYPE on its first line and the root element
// on its second: every message before the second line is the DTD's, and
// means it is not kept; the second line means the DTD is read whole.
struct DtdReadWhole {};

class BuildObserver final : public XmlReaderObserver {
public:
    void OnParserMessage(std::u16string_view, std::uint32_t, XmlErrorSeverity severity, std::u16string_view,
                         std::u16string_view systemId, std::uint64_t line, std::uint64_t) override
    {
        if (severity == XmlErrorSeverity::Warning)
            return;
        if (systemId == BuildResolver::kStandInId && line >= 2)
            throw DtdReadWhole{};
        throw XmlParseStop{};
    }
    void OnDoctype(std::u16string_view, bool, bool, std::u16string_view) override {}
    void OnRootElement() override { throw DtdReadWhole{}; }
    [[noreturn]] void OnLimitReached(std::uint32_t, std::uint64_t, std::uint64_t) override { throw XmlParseStop{}; }
    [[noreturn]] void OnIdentityChecksDeclined() override { throw XmlParseStop{}; }
};

// The settings of a validating pass over a document (xml_load_pass.cpp) that
// bear on reading a DTD; the grammar goes to the pool under its file's path.
void ConfigureBuild(XmlSaxReader& reader, xc::SecurityManager& security)
{
    reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpaces, true);
    reader.setFeature(xc::XMLUni::fgSAX2CoreNameSpacePrefixes, false);
    reader.setFeature(xc::XMLUni::fgSAX2CoreValidation, true);
    reader.setFeature(xc::XMLUni::fgXercesDynamic, false);
    reader.setFeature(xc::XMLUni::fgXercesSchema, false);
    reader.setFeature(xc::XMLUni::fgXercesLoadExternalDTD, true);
    reader.setFeature(xc::XMLUni::fgXercesDisableDefaultEntityResolution, true);
    reader.setFeature(xc::XMLUni::fgXercesContinueAfterFatalError, false);
    reader.setFeature(xc::XMLUni::fgXercesValidationErrorAsFatal, false);
    reader.setFeature(xc::XMLUni::fgXercesCacheGrammarFromParse, true);
    security.setEntityExpansionLimit(XmlLimits::kEntityExpansions);
    reader.setProperty(xc::XMLUni::fgXercesSecurityManager, &security);
}

std::string EntryKey(const std::string& dtdPath, const std::u16string& rootName)
{
    // A name holds no blank, so the key reads back unambiguously.
    return WideToAnsi(rootName) + " " + dtdPath;
}

std::optional<XmlGrammarEntry> BuildDtdEntry(const std::string& dtdPath, const std::u16string& rootName)
{
    XmlMemoryPool memory(XmlLimits::kParserMemoryFloor);
    XmlResourceRegistry registry;
    const std::u16string standInId(BuildResolver::kStandInId);
    const LocalFileCheck dtdFile = CheckLocalFile(dtdPath);
    if (dtdFile.problem || dtdFile.size > XmlLimits::kReferencedDocumentBytes)
        return std::nullopt;
    registry.SetMainDocument(standInId, {XmlResourceKind::MainDocument, {}, {}, false});
    registry.Add(AnsiToWide(dtdPath),
                 {XmlResourceKind::Dtd, dtdPath, dtdPath, false, dtdFile.size, dtdFile.modifiedNs});

    XmlGrammarEntry entry;
    entry.key = EntryKey(dtdPath, rootName);
    std::set<std::string> readPaths{dtdPath};
    BuildEvents events;
    // Nothing from the network: a grammar that needs it is not kept.
    RemoteFetchLimits offline;
    offline.networkAllowed = false;
    offline.cacheMaxBytes = 0;
    XmlReferenceResolver inner(registry, events, &memory, offline, {});
    inner.ListenToGrammarReads([&](const std::string& publicId, const std::string& written,
                               const XmlResource& referrer, const std::string& target) {
        entry.references.push_back({publicId, written, referrer.linuxPath, target});
        readPaths.insert(target);
    });
    BuildResolver resolver(inner, dtdPath, &memory);
    const auto standIn = std::make_shared<const std::string>("<!DOCTYPE " + WideToAnsi(rootName) +
                                                             " SYSTEM \"dtd\">\n<" + WideToAnsi(rootName) + "/>");
    {
        xc::XMLGrammarPoolImpl pool(&memory);
        xc::SecurityManager security;
        try {
            BuildObserver observer;
            XmlSaxReader reader(&memory, &pool, observer, XmlLimits::kTextAllowanceChars);
            ConfigureBuild(reader, security);
            reader.setXMLEntityResolver(&resolver);
            MemoryInputSource source(standIn, standInId, &memory);
            try {
                reader.parse(source);
                return std::nullopt; // the root element always ends the read
            } catch (const DtdReadWhole&) {
            }
            reader.HandGrammarsToPool();
            entry.payload = GrammarPayload(pool);
            if (entry.payload.empty())
                return std::nullopt;
        } catch (const XmlParseStop&) {
            return std::nullopt;
        } catch (const xc::OutOfMemoryException&) {
            return std::nullopt;
        } catch (const xc::XMLException&) {
            return std::nullopt;
        } catch (const xc::SAXException&) {
            return std::nullopt;
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    }
    for (const std::string& path : readPaths) {
        const XmlResource* read = registry.Find(AnsiToWide(path));
        auto identity = IdentifyGrammarSource(path);
        // Changed while it was compiled: the next load tries again.
        if (read == nullptr || !identity || identity->size != read->size || identity->modifiedNs != read->modifiedNs)
            return std::nullopt;
        entry.files.push_back(std::move(*identity));
    }
    return entry;
}

// The bound on parser work stopped the build or the read-back: the parser
// then reads the DTD in the document under a fresh bound, where it stops
// alike, at the place it would have stopped without the disk.
void ResumeStallGuardIfFired()
{
    if (!ParserStallGuardFired())
        return;
    NoteParserProgress();
    ArmParserStallGuard();
}

} // namespace

std::optional<XmlStoredGrammar> DtdGrammarEntry(const std::string& dtdPath, const std::u16string& rootName,
                                                std::uint64_t maxBytes)
{
    if (auto kept = ReadGrammarEntry(EntryKey(dtdPath, rootName), maxBytes); kept && GrammarReferencesStillHold(kept->entry))
        return kept;
    // Compiled apart, the DTD costs more than in the document: only worth
    // it when the next process finds it.
    if (!GrammarStoreWritable())
        return std::nullopt;
    auto built = BuildDtdEntry(dtdPath, rootName);
    if (!built)
        return std::nullopt;
    WriteGrammarEntry(*built, maxBytes);
    XmlStoredGrammar stored;
    stored.entry = std::move(*built);
    return stored;
}

XmlDtdDiskCachePool::XmlDtdDiskCachePool(XmlMemoryPool* memory, std::uint64_t maxBytes,
                                         std::function<void()> onLocalEntitiesRead)
    : xc::XMLGrammarPoolImpl(memory)
    , m_memory(memory)
    , m_maxBytes(maxBytes)
    , m_onLocalEntitiesRead(std::move(onLocalEntitiesRead))
{
}

XmlDtdDiskCachePool::~XmlDtdDiskCachePool() = default;

xc::Grammar* XmlDtdDiskCachePool::retrieveGrammar(xc::XMLGrammarDescription* description)
{
    if (m_kept)
        return m_kept->retrieveGrammar(description);
    if (!m_expecting || description == nullptr)
        return xc::XMLGrammarPoolImpl::retrieveGrammar(description);
    m_expecting = false; // asked once, whatever the answer
    // The resolver hands the parser local files under their absolute paths.
    const XMLCh* key = description->getGrammarKey();
    const std::string path = key != nullptr ? WideToAnsi(key) : std::string();
    if (!path.starts_with('/'))
        return nullptr;
    const auto entry = DtdGrammarEntry(path, m_rootName, m_maxBytes);
    if (!entry) {
        ResumeStallGuardIfFired();
        return nullptr;
    }
    // The grammar read back takes two to three times its serialized size.
    m_memory->PrefaultSlabs(3 * entry->Payload().size());
    auto kept = std::make_unique<xc::XMLGrammarPoolImpl>(m_memory);
    if (!ReadGrammarPayload(entry->Payload(), *kept)) {
        ResumeStallGuardIfFired();
        return nullptr;
    }
    xc::Grammar* grammar = kept->retrieveGrammar(description);
    if (grammar == nullptr || grammar->getGrammarType() != xc::Grammar::DTDGrammarType)
        return nullptr;
    m_kept = std::move(kept);
    if (!entry->entry.references.empty() && m_onLocalEntitiesRead)
        m_onLocalEntitiesRead();
    return grammar;
}
