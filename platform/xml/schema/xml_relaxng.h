#pragma once
// RELAX NG (XML syntax) through libxml2's engine. A grammar is compiled once
// and kept between loads, keyed by the file it was read from and dropped
// when that file or one it includes changes (size and modification time);
// a grammar read from the network is compiled for each load (its copy comes
// from the cache). The document is validated streaming, node by node, so
// memory stays flat however large it is (save for the subtrees of content
// models the engine cannot check in a stream, which it builds whole).
//
// Positions: the line is the one the engine names for the offending node
// (where its start tag ends); the column is that of the "<" opening the
// element's start tag, found by the element's name on or before that line.
// An error with no element to name (the end of the document) has column 0.

#include "platform/xml/load/xml_load_state.h"
#include "platform/xml/references/xml_associated_schema.h"

#include <atomic>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class XmlRelaxNgGrammar;

// A compiled grammar for the schema at `target` (`reference`: as the
// document wrote it; `context`: the words naming the instruction), from the
// kept ones when its files did not change, or the report of why it cannot be
// had (a group-3 error: the schema or one it includes cannot be read, is not
// well formed, or is no correct grammar).
std::variant<std::shared_ptr<const XmlRelaxNgGrammar>, XmlLoadError>
CompileRelaxNg(const XmlResolvedLocation& target, const std::string& reference, const std::string& context,
               const XmlRemoteAccess& remote);

// The document's errors against the grammar, in the order of the document:
// the first only, or every one up to `maxErrors`. Once `stop` is set, the
// check ends at the next node, with what it found so far.
std::vector<XmlLoadError> ValidateWithRelaxNg(const XmlRelaxNgGrammar& grammar, const XmlResource& document,
                                              std::size_t maxErrors, const XmlRemoteAccess& remote,
                                              const std::atomic<bool>* stop = nullptr);
