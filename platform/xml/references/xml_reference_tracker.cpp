#include "platform/xml/references/xml_reference_tracker.h"

#include <utility>

XmlReferenceTracker::XmlReferenceTracker(XmlPassMode mode, XmlGrammarUse use, std::u16string mainSystemId)
    : m_mode(mode)
    , m_use(use)
    , m_mainSystemId(std::move(mainSystemId))
    // The kept schemas are the document's root hints: they are in force from
    // the start.
    , m_schemaRequested(use == XmlGrammarUse::Reuse)
{
}

// A DOCTYPE with a subset names a DTD, and the document is validated against
// it (one that declares nothing leaves every element undeclared). A bare
// <!DOCTYPE name> names no DTD.
bool XmlReferenceTracker::NoteDoctype(std::u16string_view systemId, bool namesDtd, bool internalSubset)
{
    m_doctypeSystemId = systemId;
    m_internalSubset = internalSubset;
    if (!namesDtd)
        return false;
    m_dtdInForce = true;
    return m_mode == XmlPassMode::Probe && Restart();
}

bool XmlReferenceTracker::NoteReference(bool schemaGrammar, const xercesc::Locator* where)
{
    if (where != nullptr && where->getSystemId() != nullptr && m_mainSystemId == where->getSystemId())
        m_referencePosition = {where->getLineNumber(), where->getColumnNumber()};
    if (!schemaGrammar)
        return false;
    m_schemaRequested = true;
    m_schemaAfterRoot = m_schemaAfterRoot || m_inContent;
    // A probe has found what to validate against; a pass on kept schemas has
    // found one they may not cover.
    return (m_mode == XmlPassMode::Probe || m_use == XmlGrammarUse::Reuse) && Restart();
}

bool XmlReferenceTracker::Restart()
{
    m_restart = true;
    return true;
}
