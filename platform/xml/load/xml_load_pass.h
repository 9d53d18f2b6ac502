#pragma once
// One pass of the parser over the document: it answers the reader's and the
// resolver's events, and ends with the pass's first error, or with the
// request to start over in another mode. Asked for every error, it reads on
// past validity errors (never past any other kind) up to a bound.

#include "platform/xml/references/xml_entity_resolver.h"
#include "platform/xml/schema/xml_dtd_disk_cache.h"
#include "platform/xml/schema/xml_grammar_cache.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/load/xml_model_associations.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_pass_errors.h"
#include "platform/xml/load/xml_pass_mode.h"
#include "platform/xml/load/xml_reader.h"
#include "platform/xml/references/xml_reference_tracker.h"

#include <xercesc/util/SecurityManager.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class XmlLoadPass final : public XmlReaderObserver, public XmlReferenceEvents {
public:
    // `keptDtd`: the document's DOCTYPE names an external subset only (as
    // an earlier pass found), so its DTD may come compiled from the disk
    // when the settings allow (xml_dtd_disk_cache.h).
    XmlLoadPass(const XmlLoadRequest& request, std::uint64_t documentBytes, XmlPassMode mode,
                XmlCachedSchemaSet* schemas = nullptr, XmlGrammarUse use = XmlGrammarUse::None,
                XmlIdentityChecks identity = XmlIdentityChecks::OursWherePossible, bool keptDtd = false);

    void Run();
    // Before Run: the document is validated against the schema at
    // `location` for the namespace `space` (empty: no namespace), as if its
    // root hinted it (an xml-model association).
    void UseExternalSchema(const std::u16string& space, const std::u16string& location);

    bool RestartRequested() const { return m_references.RestartRequested(); }
    // Whether the DOCTYPE this pass read lets the DTD come from the disk.
    bool DtdFromFilesAlone() const { return m_references.DtdFromFilesAlone(); }
    bool ValidatedAgainstDtdAndSchema() const
    {
        return m_references.DtdInForce() && m_references.SchemaRequested();
    }
    const std::optional<PassError>& Error() const { return m_errors.Error(); }
    // The errors after the first, when the request asked for every error.
    const std::vector<PassError>& FurtherErrors() const { return m_errors.FurtherErrors(); }
    // The pass's last error: a later error may be of another kind than the first.
    const PassError* LatestError() const { return m_errors.LatestError(); }
    // The pass stopped on an identity constraint that only the parser's own
    // engine checks; it must be run again with that engine.
    bool NeedsParserIdentityChecks() const { return m_needsParserIdentityChecks; }

    // Whether the schemas this pass collected may serve later loads: all of
    // them came from the root's hints, from local files, and loaded whole.
    // If so, they are handed over to the pool.
    bool KeepCollectedSchemas(const XmlSchemaSetKey& key, xercesc::XMLGrammarPool& pool);
    // The xml-model instructions of the document's prolog, in its order.
    const std::vector<XmlModelAssociation>& Associations() const { return m_associations; }
    // Before Run: `heard` hears the prolog's associations when the pass
    // reaches the root element, while it goes on reading.
    void WhenPrologRead(std::function<void(const std::vector<XmlModelAssociation>&)> heard)
    {
        m_onPrologRead = std::move(heard);
    }
    // The files the collected schemas were read from.
    std::vector<XmlCachedSchemaSet::Source> SchemaSources() const;
    // The references the collected schemas followed to other files.
    const std::vector<XmlGrammarReference>& SchemaReferences() const { return m_schemaReferences; }

    // XmlReaderObserver
    void OnParserMessage(std::u16string_view domain, std::uint32_t code, XmlErrorSeverity severity,
                         std::u16string_view text, std::u16string_view systemId, std::uint64_t line,
                         std::uint64_t column) override;
    void OnDoctype(std::u16string_view systemId, bool namesDtd, bool internalSubset,
                   std::u16string_view rootName) override;
    void OnXmlDeclaration(std::u16string_view version, std::u16string_view standalone) override;
    void OnRootElement() override;
    void OnProcessingInstruction(std::u16string_view target, std::u16string_view data, std::uint64_t line,
                                 std::uint64_t column) override;
    [[noreturn]] void OnLimitReached(std::uint32_t ownError, std::uint64_t line, std::uint64_t column) override;
    [[noreturn]] void OnIdentityChecksDeclined() override;

    // XmlReferenceEvents
    void OnReference(bool schemaGrammar, const xercesc::Locator* where) override;
    [[noreturn]] void FailReference(std::uint32_t ownError, const std::string& reason,
                                    const xercesc::Locator* where) override;
    bool InDocumentContent() const override { return m_references.InContent(); }
    std::u16string DoctypeSystemId() const override { return m_references.DoctypeSystemId(); }

private:
    void ConfigureReader();
    bool GrammarInForce() const;
    void CaptureLimit(std::uint32_t ownError, std::uint64_t line, std::uint64_t column);
    bool ImportsHintedNamespace(const XmlSchemaSetKey& key, xercesc::XMLGrammarPool& pool) const;

    const XmlLoadRequest& m_request;
    XmlPassMode m_mode;
    XmlGrammarUse m_use;
    XmlIdentityChecks m_identity;
    bool m_needsParserIdentityChecks = false;
    // Declared first: everything the parser allocates lives in it.
    XmlMemoryPool m_memory;
    // Before the reader, which uses it.
    std::unique_ptr<XmlDtdDiskCachePool> m_keptDtds;
    xercesc::SecurityManager m_security;
    XmlResourceRegistry m_registry;
    XmlReferenceTracker m_references;
    XmlSaxReader m_reader;
    XmlReferenceResolver m_resolver;
    XmlPassErrorCapture m_errors;
    std::vector<XmlModelAssociation> m_associations;
    std::function<void(const std::vector<XmlModelAssociation>&)> m_onPrologRead;
    std::u16string m_externalSchema;
    std::vector<XmlGrammarReference> m_schemaReferences;
    // A standalone document, or one of another XML version, reads its DTD
    // by other rules: it always reads it itself.
    bool m_plainDeclaration = true;
};
