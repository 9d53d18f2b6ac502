#pragma once
// A document's external DTD taken from the compiled grammars kept on disk
// (xml_grammar_store.h), or compiled on its own and kept there for the next
// process.
//
// Only a DOCTYPE with an external subset and no internal subset uses it (an
// internal subset belongs to its document and changes what the external one
// means), in a document of XML 1.0 that is not declared standalone (both
// change how a DTD is read). The DTD is compiled apart from the document as
// the document itself would read it: a document of a DOCTYPE alone, naming
// the same root element, read up to its root element. The grammar depends on
// the root's name, which is part of the entry's key. A DTD that gives any
// error (warnings do not count: a pass ignores them), reads anything from the
// network, or cannot be written and read back is not kept, and the parser
// then reads it in the document as it always does, with the same errors.
// Whatever the grammar came from, the document gets the grammar read back
// from its serialized form, so a first load and a later one validate alike.

#include <xercesc/framework/XMLGrammarPoolImpl.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

struct XmlStoredGrammar;
class XmlMemoryPool;

// The pass's grammar pool: it finds nothing but the DTD, and that only
// while the DOCTYPE is read (the parser asks for it by its file's path).
class XmlDtdDiskCachePool final : public xercesc::XMLGrammarPoolImpl {
public:
    // `memory` holds the grammar the document uses (the pass's, so that its
    // bound counts it); the entries take at most `maxBytes` on disk.
    // `onLocalEntitiesRead` hears that the grammar read local parameter
    // entities when it was built, as the document's own reading would have.
    XmlDtdDiskCachePool(XmlMemoryPool* memory, std::uint64_t maxBytes, std::function<void()> onLocalEntitiesRead);
    ~XmlDtdDiskCachePool() override;

    // From a DOCTYPE with an external subset and no internal one, naming the
    // root element `rootName`, up to the root element.
    void ExpectDtd(std::u16string rootName)
    {
        m_rootName = std::move(rootName);
        m_expecting = true;
    }
    void ExpectNoDtd() { m_expecting = false; }

    xercesc::Grammar* retrieveGrammar(xercesc::XMLGrammarDescription* description) override;

private:
    XmlMemoryPool* m_memory;
    bool m_expecting = false;
    std::u16string m_rootName;
    std::uint64_t m_maxBytes;
    std::function<void()> m_onLocalEntitiesRead;
    std::unique_ptr<xercesc::XMLGrammarPoolImpl> m_kept;
};

// The entry for the DTD at `dtdPath` (a local file the DOCTYPE led to) as
// read for the root element `rootName`: read from disk when one is there and
// still holds, else compiled and written. Nothing when the DTD is not to be
// kept.
std::optional<XmlStoredGrammar> DtdGrammarEntry(const std::string& dtdPath, const std::u16string& rootName,
                                                std::uint64_t maxBytes);
