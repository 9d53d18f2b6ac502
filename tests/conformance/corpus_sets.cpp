#include "tests/conformance/corpus_sets.h"

#include <array>

namespace {

CaseSelection Skip(std::string reason)
{
    return {std::nullopt, std::move(reason)};
}

CaseSelection Select(std::string_view input, Verdict expected, std::string_view label)
{
    return {CorpusCase{std::string(input), expected, std::string(label)}, {}};
}

// The plain two-verdict rule of the schema-based sets.
CaseSelection SelectByExpected(std::string_view input, std::string_view expected)
{
    if (expected == "valid")
        return Select(input, Verdict::Valid, expected);
    if (expected == "invalid")
        return Select(input, Verdict::Error, expected);
    return Skip("no verdict: " + std::string(expected.substr(0, 60)));
}

// The W3C schema suite. Rows the corpus marks EXCLUDE name a schema the
// instance cannot reach through its own hints, or none at all. Tests whose
// status is not settled (submitted, queried, disputed) have no agreed answer;
// rows without a recorded status come from test sets that record none.
CaseSelection SelectXsdTest(const CorpusManifest& m, std::size_t row, bool nist)
{
    const std::string_view input = m.Field(row, "tool_input");
    if (input.starts_with("nistData/") != nist)
        return Skip("other part of the suite");
    const std::string_view note = m.Field(row, "tool_note");
    if (note.starts_with("EXCLUDE"))
        return Skip("excluded by the corpus: " + std::string(note.substr(0, 60)));
    const std::string_view status = m.Field(row, "status");
    if (status == "submitted" || status == "queried" || status.starts_with("disputed"))
        return Skip("test status " + std::string(status));
    return SelectByExpected(input, m.Field(row, "expected"));
}

CaseSelection SelectXsdNist(const CorpusManifest& m, std::size_t row)
{
    return SelectXsdTest(m, row, true);
}

CaseSelection SelectXsdOther(const CorpusManifest& m, std::size_t row)
{
    return SelectXsdTest(m, row, false);
}

// XML 1.0 and Namespaces conformance. An "invalid" document without a
// DOCTYPE breaks validity only by declaring nothing; checked against what it
// references (nothing) it is merely well-formed, and so passes.
CaseSelection SelectXmlConf(const CorpusManifest& m, std::size_t row)
{
    const std::string_view input = m.Field(row, "instance");
    const std::string_view expected = m.Field(row, "expected");
    if (expected == "valid")
        return Select(input, Verdict::Valid, expected);
    if (expected == "not-wf")
        return Select(input, Verdict::Error, expected);
    if (expected == "invalid") {
        if (m.Field(row, "schemas") == "none")
            return Select(input, Verdict::Valid, "invalid-without-doctype");
        return Select(input, Verdict::Error, expected);
    }
    return Skip("no verdict: " + std::string(expected));
}

CaseSelection SelectToolInput(const CorpusManifest& m, std::size_t row)
{
    return SelectByExpected(m.Field(row, "tool_input"), m.Field(row, "expected"));
}

// A configuration whose referenced schema does not exist must be reported:
// passing it would report success for a check that never happened.
CaseSelection SelectPhpUnit(const CorpusManifest& m, std::size_t row)
{
    const std::string_view input = m.Field(row, "tool_input");
    const std::string_view expected = m.Field(row, "expected");
    if (expected == "no-schema-available")
        return Select(input, Verdict::Error, expected);
    return SelectByExpected(input, expected);
}

// The RELAX NG test suite, written out by relaxng-case-writer. An incorrect
// schema must be refused whatever the instance naming it holds: the report is
// about the schema, a referenced document, not about the instance's validity.
CaseSelection SelectRelaxNg(const CorpusManifest& m, std::size_t row)
{
    const std::string_view input = m.Field(row, "instance");
    const std::string_view expected = m.Field(row, "expected");
    if (expected == "no-instance")
        return Skip("a correct schema without instances");
    if (expected == "incorrect-schema") {
        auto selection = Select(input, Verdict::Error, expected);
        selection.selected->group = '3';
        return selection;
    }
    return SelectByExpected(input, expected);
}

constexpr std::array kSets = {
    CorpusSet{"xsdtests-nist", "xsdtests", SelectXsdNist},
    CorpusSet{"xsdtests-other", "xsdtests", SelectXsdOther},
    CorpusSet{"xmlconf", "xmlconf", SelectXmlConf},
    CorpusSet{"landxml", "landxml", SelectToolInput},
    CorpusSet{"maven-pom", "maven-pom", SelectToolInput},
    CorpusSet{"phpunit-config", "phpunit-config", SelectPhpUnit},
    CorpusSet{"mybatis-dtd", "mybatis-dtd", SelectToolInput},
    CorpusSet{"relaxng", "relaxng-spectest", SelectRelaxNg},
};

} // namespace

bool Agrees(const CorpusCase& expected, const Outcome& outcome)
{
    if (outcome.got != expected.expected)
        return false;
    // The code is the eight digits after "0x": 8C, then the group.
    return expected.group == 0 || (outcome.code.size() == 8 && outcome.code[2] == expected.group);
}

std::span<const CorpusSet> CorpusSets()
{
    return kSets;
}

const CorpusSet* FindCorpusSet(std::string_view name)
{
    for (const auto& set : kSets)
        if (set.name == name)
            return &set;
    return nullptr;
}
