#pragma once
// Compiled grammars kept on disk, so that a DTD that many documents name is
// compiled once for all the processes that check them, not once in each.
//
// An entry lives in ${XDG_CACHE_HOME:-~/.cache}/corvane/grammars/, named
// after the grammar's own file. It holds what the grammar was built from:
// every file read (path, size, modification time and a hash of its text),
// every reference followed while building it and where that led, and the
// build of this program and of the parser that wrote it. An entry is used
// only when all of it still holds and its checksum matches; anything else
// (another build, a changed or missing file, a catalog that now maps a name
// elsewhere, damage) makes it no entry, and the grammar is built and written
// again. The folder is bounded: the least recently used entries go first.

#include "platform/xml/references/cache_files.h"

#include <xercesc/framework/XMLGrammarPoolImpl.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct XmlGrammarSourceFile {
    std::string path;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t contentHash = 0;
    friend bool operator==(const XmlGrammarSourceFile&, const XmlGrammarSourceFile&) = default;
};

// A reference followed while the grammar was built: its public and system
// identifiers as written, the file that wrote it, and the file it led to.
struct XmlGrammarReference {
    std::string publicId;
    std::string systemId;
    std::string referrer;
    std::string target;
    friend bool operator==(const XmlGrammarReference&, const XmlGrammarReference&) = default;
};

struct XmlGrammarEntry {
    std::string key; // the grammar's own file
    std::vector<XmlGrammarSourceFile> files;
    std::vector<XmlGrammarReference> references;
    std::string payload; // the parser's serialized grammar pool
};

// What makes an entry this build's: the entry format, this program's version
// and the parser's version and grammar serialization level.
std::string GrammarStoreBuild();

// The entry as it is written; empty when a field cannot be written on one
// line (a path with a line break, say): such a grammar is not kept.
std::string EncodeGrammarEntry(const XmlGrammarEntry& entry, std::string_view build = GrammarStoreBuild());
// Nothing unless the bytes are a whole entry of this build, intact.
std::optional<XmlGrammarEntry> DecodeGrammarEntry(std::string_view bytes,
                                                  std::string_view build = GrammarStoreBuild());

// The hash of an entry's bytes (its header up to the checksum line, then its
// payload) and of the files it records: eight bytes a step, so that a
// compiled DocBook of 2.5 MB costs about a millisecond to check.
std::uint64_t GrammarStoreHash(std::string_view bytes, std::uint64_t seed = 0);

// A local file as an entry records it; nothing when it cannot be read.
std::optional<XmlGrammarSourceFile> IdentifyGrammarSource(const std::string& path);

// The folder and the file of the entry for `key`; empty without a cache folder.
std::string GrammarStoreFolder();
// Whether entries can be written there: without a folder to keep them in, a
// grammar compiled to be kept would be compiled in every process again.
bool GrammarStoreWritable();
std::string GrammarEntryPath(const std::string& key);

// An entry read from disk, its payload left in the bytes read; or one just
// built, with its payload.
struct XmlStoredGrammar {
    XmlGrammarEntry entry;
    CacheFileBytes bytes;
    std::size_t payloadAt = 0;
    std::string_view Payload() const
    {
        return bytes.View().empty() ? std::string_view(entry.payload) : bytes.View().substr(payloadAt);
    }
};

// The entry for `key`, if one is there, of this build, intact, and none of
// its files changed. The caller checks its references.
std::optional<XmlStoredGrammar> ReadGrammarEntry(const std::string& key, std::uint64_t maxBytes);
// Keeps the entry, and makes room within `maxBytes` for the folder.
void WriteGrammarEntry(const XmlGrammarEntry& entry, std::uint64_t maxBytes);

// The parser's grammar pool as an entry's payload; empty when it cannot be
// written (an empty pool, say).
std::string GrammarPayload(xercesc::XMLGrammarPoolImpl& pool);
// The parser's grammar pool read back from an entry's payload into `pool`
// (empty); false, and the pool empty, when the payload is not one.
bool ReadGrammarPayload(std::string_view payload, xercesc::XMLGrammarPoolImpl& pool);
// The references of the entry still lead where they led when it was built
// (the catalogs may have changed since).
bool GrammarReferencesStillHold(const XmlGrammarEntry& entry);
