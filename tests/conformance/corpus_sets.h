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
};

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
