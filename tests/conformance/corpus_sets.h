#pragma once
// Which rows of which corpus make up each conformance set, and what verdict
// a validator that follows only the document's own references should give.

#include "tests/conformance/case_outcome.h"
#include "tests/conformance/corpus_manifest.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct CorpusCase {
    std::string input; // relative to the corpus folder
    Verdict expected;
    std::string label; // the manifest's own verdict, refined where it matters
    // When not 0, an error report agrees only if its code is in this group
    // (the digit after 0x8C: '3' for a referenced document).
    char group = 0;
};

// Whether OUTCOME's verdict (and, where the case asks for one, its code's
// group) is the one the case expects.
bool Agrees(const CorpusCase& expected, const Outcome& outcome);

// A row either becomes a case or is left out for a stated reason.
struct CaseSelection {
    std::optional<CorpusCase> selected;
    std::string skipReason;
};

struct CorpusSet {
    std::string_view name;   // as in floors.tsv and the test names
    std::string_view folder; // the archive's folder, <folder>.tar.xz
    CaseSelection (*select)(const CorpusManifest& manifest, std::size_t row);
};

std::span<const CorpusSet> CorpusSets();
const CorpusSet* FindCorpusSet(std::string_view name);
