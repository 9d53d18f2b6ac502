// corvane-conformance: runs the validation core in-process over one set of a
// shared corpus and compares each verdict with the corpus' expected one.
//
//   corvane-conformance --set NAME --corpus UNPACKED_DIR --floors FLOORS_TSV --out DIR
//                       [--known KNOWN_TSV] [--limit N] [--warm-run yes]
//
// Writes DIR/NAME.results.tsv (every case) and DIR/NAME.disagreements.tsv,
// prints the agreement, and exits 0 when it reaches the set's floor and every
// disagreement is a known one, 1 when not, 2 when the run could not be set up.
// The cases share one cache folder (tests/support/isolated_environment.cpp),
// which starts empty: the first case to name a DTD or a set of schemas
// compiles it and keeps it on disk, later ones read it back. With --warm-run
// yes the set runs a second time over what the first run kept, and every
// verdict must be the same.

#include "platform/text/drive_path.h"
#include "platform/ui/headless_window.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "tests/conformance/corpus_manifest.h"
#include "tests/conformance/corpus_sets.h"
#include "tests/conformance/isolated_runner.h"
#include "tests/conformance/loopback_guard.h"
#include "validation/validation_run.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kExitPass = 0;
constexpr int kExitBelowFloor = 1;
constexpr int kExitSetup = 2;

// Far beyond any legitimate case: the component's own fetch timeouts are a
// minute, and no corpus case needs more than a few hundred megabytes.
constexpr IsolationLimits kLimits{std::chrono::seconds(300), std::uint64_t{3} << 30};

struct Options {
    std::string set;
    fs::path corpus;
    fs::path floors;
    fs::path out;
    fs::path known;
    std::optional<std::size_t> limit;
    bool warmRun = false;
};

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--set") {
            options.set = value;
        } else if (name == "--corpus") {
            options.corpus = value;
        } else if (name == "--floors") {
            options.floors = value;
        } else if (name == "--out") {
            options.out = value;
        } else if (name == "--known") {
            options.known = value;
        } else if (name == "--warm-run") {
            options.warmRun = std::string_view(value) == "yes";
        } else if (name == "--limit") {
            std::size_t n = 0;
            const std::string_view text = value;
            if (std::from_chars(text.data(), text.data() + text.size(), n).ec != std::errc{})
                return std::nullopt;
            options.limit = n;
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0 || options.set.empty() || options.corpus.empty() || options.floors.empty() ||
        options.out.empty())
        return std::nullopt;
    return options;
}

std::string OneLine(std::string_view text)
{
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return line;
}

// The text between MARKER and the first character not in ALLOWED.
std::string FieldAfter(std::string_view text, std::string_view marker, std::string_view allowed)
{
    const auto at = text.find(marker);
    if (at == std::string_view::npos)
        return {};
    const auto start = at + marker.size();
    const auto end = text.find_first_not_of(allowed, start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

Outcome Classify(const CString& result)
{
    Outcome outcome;
    const std::string_view text = result.str();
    CString header;
    header.LoadString(IDS_ERROR_HEADER);
    if (result == kLoadedAndValidated) {
        outcome.got = Verdict::Valid;
    } else if (!header.IsEmpty() && text.starts_with(header.str())) {
        outcome.got = Verdict::Error;
        outcome.code = FieldAfter(text, "Code = 0x", "0123456789abcdefABCDEF");
        outcome.line = FieldAfter(text, "Line : ", "-0123456789");
        outcome.position = FieldAfter(text, "Char : ", "-0123456789");
        constexpr std::string_view kDescription = "Error Description = ";
        const auto at = text.find(kDescription);
        if (at != std::string_view::npos) {
            auto description = text.substr(at + kDescription.size());
            const auto end = description.rfind("\r\n");
            outcome.description = OneLine(description.substr(0, end));
        }
        return outcome;
    }
    outcome.description = OneLine(text);
    return outcome;
}

Outcome Validate(const fs::path& file)
{
    const auto drivePath = DrivePathFromLinuxPath(file.string());
    if (!drivePath) {
        Outcome outcome;
        outcome.description = "(the harness found no drive path for this file)";
        return outcome;
    }
    CHeadlessDialog window;
    CTextControl& result = window.AddControl(IDC_RESULT);
    window.AddControl(IDC_STATUS);
    const auto start = Clock::now();
    RunValidation(window, CString(*drivePath));
    Outcome outcome = Classify(result.GetWindowText());
    outcome.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return outcome;
}

struct Floor {
    std::optional<std::size_t> agreed;
    std::optional<double> fraction;
    std::string text;
};

// The lines of a list file that carry data: not empty, not a '#' comment.
std::optional<std::vector<std::string>> DataLines(const fs::path& path, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path.string();
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

// floors.tsv: "set<TAB>floor" per line, '#' starts a comment. A floor is an
// agreed-case count ("18190") or a fraction of the cases run ("0.985").
std::optional<Floor> ReadFloor(const fs::path& path, std::string_view set, std::string* error)
{
    const auto lines = DataLines(path, error);
    if (!lines)
        return std::nullopt;
    for (const std::string& line : *lines) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos || std::string_view(line).substr(0, tab) != set)
            continue;
        std::string value = line.substr(tab + 1);
        value = value.substr(0, value.find('\t'));
        Floor floor;
        floor.text = value;
        if (value.find('.') != std::string::npos) {
            char* end = nullptr;
            const double fraction = std::strtod(value.c_str(), &end);
            if (end != value.c_str() && *end == '\0' && fraction >= 0 && fraction <= 1)
                floor.fraction = fraction;
        } else {
            std::size_t count = 0;
            if (std::from_chars(value.data(), value.data() + value.size(), count).ec ==
                    std::errc{} &&
                !value.empty())
                floor.agreed = count;
        }
        if (!floor.agreed && !floor.fraction) {
            *error =
                "unreadable floor '" + value + "' for " + std::string(set) + " in " + path.string();
            return std::nullopt;
        }
        return floor;
    }
    *error = "no floor for " + std::string(set) + " in " + path.string();
    return std::nullopt;
}

// known_disagreements.tsv: "set<TAB>input<TAB>label<TAB>category" per line,
// '#' starts a comment. Returns how often each (input, label) of SET is listed.
std::optional<std::map<std::pair<std::string, std::string>, std::size_t>>
ReadKnownDisagreements(const fs::path& path, std::string_view set, std::string* error)
{
    std::map<std::pair<std::string, std::string>, std::size_t> known;
    if (path.empty())
        return known;
    const auto lines = DataLines(path, error);
    if (!lines)
        return std::nullopt;
    for (const std::string& line : *lines) {
        const auto first = line.find('\t');
        const auto second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) {
            *error = "unreadable line in " + path.string() + ": " + line;
            return std::nullopt;
        }
        if (std::string_view(line).substr(0, first) != set)
            continue;
        const auto third = line.find('\t', second + 1);
        ++known[{line.substr(first + 1, second - first - 1),
                 line.substr(second + 1, third == std::string::npos ? third : third - second - 1)}];
    }
    return known;
}

std::string Percent(std::size_t part, std::size_t whole)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", whole == 0 ? 0.0 : 100.0 * part / whole);
    return text;
}

std::string TopFolder(std::string_view input)
{
    return std::string(input.substr(0, input.find('/')));
}

} // namespace

int main(int argc, char** argv)
{
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: corvane-conformance --set NAME --corpus UNPACKED_DIR --floors "
                     "FLOORS_TSV --out DIR [--known KNOWN_TSV] [--limit N] [--warm-run yes]\n";
        return 64;
    }
    UseCorvaneResources();

    const CorpusSet* set = FindCorpusSet(options->set);
    if (set == nullptr) {
        std::cerr << "unknown set " << options->set << '\n';
        return kExitSetup;
    }
    std::string error;
    const auto floor = ReadFloor(options->floors, set->name, &error);
    if (!floor) {
        std::cerr << error << '\n';
        return kExitSetup;
    }
    auto known = ReadKnownDisagreements(options->known, set->name, &error);
    if (!known) {
        std::cerr << error << '\n';
        return kExitSetup;
    }
    const fs::path folder = fs::absolute(options->corpus / set->folder).lexically_normal();
    const auto manifest = CorpusManifest::Read(folder, &error);
    if (!manifest) {
        std::cerr << error << " (was the corpus unpacked?)\n";
        return kExitSetup;
    }

    std::vector<CorpusCase> cases;
    std::map<std::string, std::size_t> skipped;
    for (std::size_t row = 0; row < manifest->RowCount(); ++row) {
        auto selection = set->select(*manifest, row);
        if (selection.selected)
            cases.push_back(std::move(*selection.selected));
        else if (selection.skipReason != "other part of the suite")
            ++skipped[selection.skipReason];
    }
    if (options->limit && cases.size() > *options->limit)
        cases.resize(*options->limit);

    LoopbackGuard guard;
    if (!guard.Active()) {
        std::cerr << "cannot keep the run off the network: " << guard.Failure() << '\n';
        return kExitSetup;
    }

    const auto runStart = Clock::now();
    const std::vector<Outcome> outcomes = RunIsolated(
        cases.size(), [&](std::size_t i) { return Validate(folder / cases[i].input); }, kLimits,
        &guard);
    const double runSeconds = std::chrono::duration<double>(Clock::now() - runStart).count();
    std::vector<std::string> warmDiffers;
    if (options->warmRun) {
        const std::vector<Outcome> warm = RunIsolated(
            cases.size(), [&](std::size_t i) { return Validate(folder / cases[i].input); }, kLimits, &guard);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Outcome& a = outcomes[i];
            const Outcome& b = warm[i];
            if (a.got != b.got || a.code != b.code || a.line != b.line || a.position != b.position ||
                a.description != b.description)
                warmDiffers.push_back(cases[i].input + ": " + b.code + " " + b.line + ":" + b.position + " " +
                                      b.description + " (first run: " + a.code + " " + a.line + ":" +
                                      a.position + " " + a.description + ")");
        }
    }

    std::error_code ec;
    fs::create_directories(options->out, ec);
    const fs::path resultsPath = options->out / (options->set + ".results.tsv");
    const fs::path disagreementsPath = options->out / (options->set + ".disagreements.tsv");
    std::ofstream results(resultsPath, std::ios::binary);
    std::ofstream disagreements(disagreementsPath, std::ios::binary);
    if (!results || !disagreements) {
        std::cerr << "cannot write to " << options->out << '\n';
        return kExitSetup;
    }
    constexpr const char* kColumns =
        "input\texpected\tlabel\tgot\tcode\tline\tchar\tseconds\tdescription\n";
    results << kColumns;
    disagreements << kColumns;

    std::size_t agreed = 0;
    std::vector<std::string> fresh; // disagreements that are not known ones
    std::map<std::string, std::map<Verdict, std::size_t>> byLabel;
    std::map<std::string, std::pair<std::size_t, std::size_t>> byFolder; // agreed, total
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        const auto& o = outcomes[i];
        const bool agrees = Agrees(c, o);
        agreed += agrees ? 1 : 0;
        ++byLabel[c.label][o.got];
        auto& folderCount = byFolder[TopFolder(c.input)];
        folderCount.first += agrees ? 1 : 0;
        ++folderCount.second;
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.4f", o.seconds);
        const std::string row = c.input + '\t' + std::string(VerdictName(c.expected)) + '\t' +
                                c.label + '\t' + std::string(VerdictName(o.got)) + '\t' + o.code +
                                '\t' + o.line + '\t' + o.position + '\t' + seconds + '\t' +
                                o.description + '\n';
        results << row;
        if (!agrees) {
            disagreements << row;
            auto it = known->find({c.input, c.label});
            if (it != known->end() && it->second > 0)
                --it->second;
            else
                fresh.push_back(row);
        }
    }

    std::size_t floorCount = 0;
    if (floor->agreed)
        floorCount = *floor->agreed;
    else
        floorCount = static_cast<std::size_t>(*floor->fraction * static_cast<double>(cases.size()));
    const bool aboveFloor = agreed >= floorCount && !cases.empty();
    const bool pass = aboveFloor && fresh.empty() && warmDiffers.empty();

    std::cout << set->name << ": " << agreed << " of " << cases.size() << " agree ("
              << Percent(agreed, cases.size()) << "), floor " << floor->text << " -> " << floorCount
              << " cases: "
              << (pass          ? "PASS"
                  : !aboveFloor ? "BELOW FLOOR"
                  : fresh.empty() ? "THE WARM RUN DIFFERS"
                                : "NEW DISAGREEMENTS")
              << '\n';
    if (options->warmRun)
        std::cout << "  a second run over the compiled grammars the first kept on disk: "
                  << (warmDiffers.empty() ? "every verdict alike" : std::to_string(warmDiffers.size()) + " differ")
                  << '\n';
    for (const auto& line : warmDiffers)
        std::cout << "    " << line << '\n';
    if (!fresh.empty()) {
        std::cout << "  " << fresh.size()
                  << " disagreement(s) not in the known list (a regression, or investigate and "
                     "list them):\n";
        for (const auto& row : fresh)
            std::cout << "    " << row;
    }
    std::size_t nowAgreeing = 0;
    for (const auto& [key, count] : *known)
        nowAgreeing += count;
    if (nowAgreeing != 0) {
        std::cout << "  " << nowAgreeing
                  << " known disagreement(s) now agree: remove them from the list and raise the "
                     "floor:\n";
        for (const auto& [key, count] : *known)
            if (count != 0)
                std::cout << "    " << key.first << " (" << key.second << ")\n";
    }
    std::printf("run time %.1f s (%.1f ms per case)\n", runSeconds,
                cases.empty() ? 0.0 : 1000.0 * runSeconds / static_cast<double>(cases.size()));
    for (const auto& [reason, count] : skipped)
        std::cout << "  skipped " << count << ": " << reason << '\n';
    std::cout << "  expected label -> got (valid / error / no-report):\n";
    for (const auto& [label, counts] : byLabel) {
        auto count = [&counts](Verdict v) {
            const auto it = counts.find(v);
            return it == counts.end() ? std::size_t{0} : it->second;
        };
        std::cout << "    " << label << ": " << count(Verdict::Valid) << " / "
                  << count(Verdict::Error) << " / " << count(Verdict::NoReport) << '\n';
    }
    if (byFolder.size() > 1) {
        std::cout << "  by folder:\n";
        for (const auto& [name, counts] : byFolder)
            std::cout << "    " << name << ": " << counts.first << " of " << counts.second << " ("
                      << Percent(counts.first, counts.second) << ")\n";
    }
    std::vector<std::size_t> slowest(cases.size());
    for (std::size_t i = 0; i < slowest.size(); ++i)
        slowest[i] = i;
    const std::size_t shown = std::min<std::size_t>(5, slowest.size());
    std::partial_sort(slowest.begin(), slowest.begin() + static_cast<std::ptrdiff_t>(shown),
                      slowest.end(), [&outcomes](std::size_t a, std::size_t b) {
                          return outcomes[a].seconds > outcomes[b].seconds;
                      });
    std::cout << "  slowest cases:\n";
    for (std::size_t i = 0; i < shown; ++i)
        std::printf("    %.3f s  %s\n", outcomes[slowest[i]].seconds,
                    cases[slowest[i]].input.c_str());
    const auto requests = guard.Requests();
    std::cout << "  remote fetches refused by the loopback guard: " << requests.size() << '\n';
    for (const auto& request : requests)
        std::cout << "    " << request << '\n';
    std::cout << "  every verdict: " << resultsPath.string()
              << "\n  disagreements: " << disagreementsPath.string() << '\n';
    return pass ? kExitPass : kExitBelowFloor;
}
