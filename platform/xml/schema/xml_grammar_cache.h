#pragma once
// Schemas read for one load are kept for the next loads of documents that
// name the very same schemas, so that validating again (after fixing the
// document, say) does not read and check the schemas again.
//
// The parser's own grammar pool finds grammars by namespace alone, which
// would validate a document against another document's schema of the same
// namespace. So a set of grammars is reused only for a document whose root
// element's schema hints resolve to the same files (however the document
// words them), for the same namespaces in the same order, with no DOCTYPE; and only while none of the files read to
// build it has changed (size and modification time). A set is kept only when
// everything in it came from those root hints and from local files. A load
// that would need any further schema is restarted without the cache.

#include "platform/xml/load/xml_load_state.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/schema/xml_grammar_store.h"

#include <xercesc/framework/XMLGrammarPoolImpl.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What identifies a document's schemas before it is parsed: its root
// element's schema hints, resolved against the document.
struct XmlSchemaSetKey {
    std::string text;                    // every hinted namespace with its resolved location, in order
    std::vector<std::u16string> spaces;  // the hinted namespaces
    friend bool operator==(const XmlSchemaSetKey& a, const XmlSchemaSetKey& b) { return a.text == b.text; }
};

// Reads the start of a document up to its root start tag. Nothing when the
// document has a DOCTYPE, hints that are not local files, no hints on the
// root, or a start that cannot be read with certainty (another encoding,
// entity references in the hints, a very long prolog).
std::optional<XmlSchemaSetKey> RootSchemaSetKey(const XmlResource& document);

struct XmlCachedSchemaSet {
    XmlSchemaSetKey key;
    struct Source {
        std::string linuxPath;
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
    };
    std::vector<Source> sources;
    // The schemas' references to other files, as the grammars kept on disk
    // record them.
    std::vector<XmlGrammarReference> references;
    // Declared before the pool: the pool's grammars live in this memory.
    std::unique_ptr<XmlMemoryPool> memory;
    std::unique_ptr<xercesc::XMLGrammarPoolImpl> pool;
};

// A new, empty set to be filled by a load.
std::unique_ptr<XmlCachedSchemaSet> NewSchemaSet(XmlSchemaSetKey key);

// Takes the set for the key out of the cache for the caller's sole use, if
// one is there and none of its files changed; nothing otherwise.
std::unique_ptr<XmlCachedSchemaSet> TakeCachedSchemaSet(const XmlSchemaSetKey& key);
// Returns a set to the cache (the least recently used sets make room).
void KeepSchemaSet(std::unique_ptr<XmlCachedSchemaSet> set);
// Empties the cache, and those that others keep for this process.
void ForgetCachedSchemaSets();
// Makes ForgetCachedSchemaSets call `forget` too: a keeper of sets outside
// this cache (the workers that serve this process's loads) signs up here.
void AlsoOnForgettingSchemaSets(std::function<void()> forget);
