#include "platform/xml/schema/xml_schema_disk_cache.h"

#include "platform/xml/schema/xml_grammar_store.h"
#include "platform/xml/schema/xml_number_lists.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// Another kind of entry than a DTD's, whose key starts with its root's name.
std::string EntryKey(const XmlSchemaSetKey& key)
{
    return "schemas " + key.text;
}

} // namespace

std::unique_ptr<XmlCachedSchemaSet> StoredSchemaSet(const XmlSchemaSetKey& key, std::uint64_t maxBytes)
{
    auto stored = ReadGrammarEntry(EntryKey(key), maxBytes);
    if (!stored || !GrammarReferencesStillHold(stored->entry))
        return nullptr;
    auto set = NewSchemaSet(key);
    // The grammars read back take two to three times their serialized size.
    set->memory->PrefaultSlabs(3 * stored->Payload().size());
    if (!ReadGrammarPayload(stored->Payload(), *set->pool))
        return nullptr;
    for (const XmlGrammarSourceFile& file : stored->entry.files)
        set->sources.push_back({file.path, file.size, file.modifiedNs});
    set->references = std::move(stored->entry.references);
    return set;
}

void StoreSchemaSet(XmlCachedSchemaSet& set, std::uint64_t maxBytes)
{
    // An import the catalogs mapped by its namespace alone names no location
    // to follow again.
    const bool followable = std::none_of(set.references.begin(), set.references.end(),
                                         [](const XmlGrammarReference& reference) { return reference.systemId.empty(); });
    if (maxBytes == 0 || !followable || !GrammarStoreWritable())
        return;
    XmlGrammarEntry entry;
    entry.key = EntryKey(set.key);
    entry.references = set.references;
    for (const XmlCachedSchemaSet::Source& source : set.sources) {
        auto identity = IdentifyGrammarSource(source.linuxPath);
        // Changed since it was read: the text hashed is not what was compiled.
        if (!identity || identity->size != source.size || identity->modifiedNs != source.modifiedNs)
            return;
        entry.files.push_back(std::move(*identity));
    }
    RestoreBuiltInNumberTypes(*set.pool);
    entry.payload = GrammarPayload(*set.pool);
    if (!entry.payload.empty())
        WriteGrammarEntry(entry, maxBytes);
}
