#pragma once
// What the document has named to validate against so far, and where: the
// pass decides from it whether to start over with validation, whether the
// schemas it read may be kept, and where an error inside a referenced
// document lies in the document itself.

#include "platform/xml/load/xml_load_state.h"
#include "platform/xml/load/xml_pass_mode.h"

#include <xercesc/sax/Locator.hpp>

#include <string>
#include <string_view>

class XmlReferenceTracker {
public:
    XmlReferenceTracker(XmlPassMode mode, XmlGrammarUse use, std::u16string mainSystemId);

    // Each returns whether the pass must stop here to start over.
    [[nodiscard]] bool NoteDoctype(std::u16string_view systemId, bool namesDtd, bool internalSubset);
    [[nodiscard]] bool NoteReference(bool schemaGrammar, const xercesc::Locator* where);
    void NoteRootElement() { m_inContent = true; }

    bool RestartRequested() const { return m_restart; }
    bool InContent() const { return m_inContent; }
    bool DtdInForce() const { return m_dtdInForce; }
    bool SchemaRequested() const { return m_schemaRequested; }
    bool SchemaNamedAfterRoot() const { return m_schemaAfterRoot; }
    const std::u16string& MainSystemId() const { return m_mainSystemId; }
    const std::u16string& DoctypeSystemId() const { return m_doctypeSystemId; }
    // The DOCTYPE names an external subset and has no internal one: its DTD
    // depends on its files alone, and may come compiled from the disk.
    bool DtdFromFilesAlone() const { return !m_doctypeSystemId.empty() && !m_internalSubset; }
    // In the main document: the reference being followed (zero if none yet).
    const XmlDocumentPosition& ReferencePosition() const { return m_referencePosition; }

private:
    bool Restart();

    XmlPassMode m_mode;
    XmlGrammarUse m_use;
    std::u16string m_mainSystemId;
    bool m_restart = false;
    bool m_dtdInForce = false;
    bool m_schemaRequested = false;
    bool m_schemaAfterRoot = false;
    bool m_inContent = false;
    std::u16string m_doctypeSystemId;
    bool m_internalSubset = false;
    XmlDocumentPosition m_referencePosition;
};
