#pragma once
// The schemas a document's root hints name, kept on disk (xml_grammar_store.h)
// as well as in the process (xml_grammar_cache.h), so that the next process
// to check a document of the same schemas reads them back compiled.
//
// A set goes to the disk when it may be kept in the process (its schemas all
// came from the root's hints and local files, and loaded whole), and carries
// what a kept set needs to be trusted by another process: every file read to
// build it, with a hash of its text, and where each of the schemas' own
// references led. The entry's key is the set's key, which holds where the
// hints led. A set read back serves as a set kept in the process does: a
// load that needs any further schema starts over without it.

#include "platform/xml/schema/xml_grammar_cache.h"

#include <cstdint>
#include <memory>

// The set for `key` read back from the disk, if an entry is there and still
// holds; nothing otherwise (or when `maxBytes`, the folder's bound, is 0).
std::unique_ptr<XmlCachedSchemaSet> StoredSchemaSet(const XmlSchemaSetKey& key, std::uint64_t maxBytes);
// Writes the set to the disk, unless a file it was read from has changed
// since, or a reference it followed cannot be followed again.
void StoreSchemaSet(XmlCachedSchemaSet& set, std::uint64_t maxBytes);
