// A Schematron association: the rules are read as any schema the document
// names is read (xml_associated_schema.h), compiled once and kept between
// loads while none of their files changed, and run on the document in the
// worker, whose stall bound sees them get further element by element. What
// the rules find is an error unless its role makes it a warning or
// information, which a verdict does not show.

#include "platform/os/posix_io.h"
#include "platform/os/unique_fd.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_association_checks.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/references/xml_associated_schema.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/schema/schematron.h"

#include <sys/mman.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace {

// Enough for the schemas a user works with at once; beyond it the oldest
// compilations are dropped together.
constexpr std::size_t kKeptRuleSets = 16;

struct KeptRules {
    std::shared_ptr<const SchematronRules> rules;
    std::vector<std::pair<std::string, LocalFileCheck>> sources; // as they were when compiled
};

struct KeptRuleSets {
    std::mutex mutex;
    std::map<std::string, KeptRules> byKey; // schema location and phase
};

KeptRuleSets& Kept()
{
    static KeptRuleSets kept;
    return kept;
}

bool Unchanged(const KeptRules& kept)
{
    for (const auto& [path, then] : kept.sources) {
        const LocalFileCheck now = CheckLocalFile(path);
        if (now.problem || now.size != then.size || now.modifiedNs != then.modifiedNs)
            return false;
    }
    return true;
}

std::shared_ptr<const SchematronRules> KeptRulesFor(const std::string& key)
{
    KeptRuleSets& kept = Kept();
    std::lock_guard lock(kept.mutex);
    const auto found = kept.byKey.find(key);
    if (found == kept.byKey.end())
        return nullptr;
    if (Unchanged(found->second))
        return found->second.rules;
    kept.byKey.erase(found);
    return nullptr;
}

void Keep(const std::string& key, const std::shared_ptr<const SchematronRules>& rules)
{
    KeptRules entry{rules, {}};
    for (const std::string& source : rules->Sources())
        entry.sources.emplace_back(source, CheckLocalFile(source));
    KeptRuleSets& kept = Kept();
    std::lock_guard lock(kept.mutex);
    if (kept.byKey.size() >= kKeptRuleSets)
        kept.byKey.clear();
    kept.byKey[key] = std::move(entry);
}

XmlLoadError SchemaError(std::uint32_t code, const XmlSchematronCheck& check, const std::string& why)
{
    return MakeXmlLoadError(MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::SchematronErrors, code),
                            static_cast<long>(check.association->line), 0,
                            AnsiToWide("The Schematron schema " + check.schemaShown + " " + check.instruction +
                                       " cannot be used: " + why));
}

XmlLoadError ProblemError(SchematronProblem problem, const XmlSchematronCheck& check, const std::string& why)
{
    switch (problem) {
    case SchematronProblem::CannotCheck:
        return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::AssociatedLanguageNotChecked),
                                static_cast<long>(check.association->line), 0,
                                AnsiToWide("The Schematron schema " + check.schemaShown + " " + check.instruction +
                                           " is not checked: " + why));
    case SchematronProblem::Unreadable:
        return SchemaError(SchematronCode::SchemaUnreadable, check, why);
    case SchematronProblem::NotSchematron:
        return SchemaError(SchematronCode::NotSchematron, check, why);
    case SchematronProblem::DoesNotCompile:
        return SchemaError(SchematronCode::DoesNotCompile, check, why);
    case SchematronProblem::DocumentUnreadable:
        return SchemaError(SchematronCode::DocumentUnreadable, check, why);
    case SchematronProblem::EvaluationFailed:
    case SchematronProblem::None:
        break;
    }
    return SchemaError(SchematronCode::EvaluationFailed, check, why);
}

// A schema from the network is compiled from a copy in memory: the engine
// reads local paths only, and such a schema may name no local file anyway.
struct RulesSource {
    std::string path;
    UniqueFd copy;
    bool remote = false;
};

std::variant<RulesSource, XmlLoadError> SourceOf(const XmlSchematronCheck& check)
{
    const XmlRemoteAccess remote{check.request->settings.remote, check.request->notice};
    auto fetched = FetchResolvedDocument(check.schema, check.association->href, "the Schematron schema",
                                         check.instruction, remote);
    NoteParserProgress();
    if (const auto* failure = std::get_if<XmlFetchFailure>(&fetched))
        return MakeXmlLoadError(XmlOwnErrorCode(failure->ownError), static_cast<long>(check.association->line), 0,
                                AnsiToWide(failure->reason));
    XmlFetchedDocument& document = std::get<XmlFetchedDocument>(fetched);
    if (!document.remote)
        return RulesSource{document.location, UniqueFd(), false};
    UniqueFd copy(::memfd_create("corvane-schematron", MFD_CLOEXEC));
    if (!copy || !WriteAll(copy.Get(), document.bytes))
        return SchemaError(SchematronCode::SchemaUnreadable, check, "no copy of it could be kept in memory");
    std::string path = "/proc/self/fd/" + std::to_string(copy.Get());
    return RulesSource{std::move(path), std::move(copy), true};
}

std::u16string Described(const SchematronFailure& failure, const XmlSchematronCheck& check)
{
    std::string text = failure.message.empty() ? "the test " + failure.test + " " +
                                                     (failure.report ? "holds" : "does not hold")
                                               : failure.message;
    if (!failure.diagnostics.empty())
        text += " (" + failure.diagnostics + ")";
    return AnsiToWide(text + " (Schematron " + (failure.report ? "report" : "assertion") + " of " +
                      check.schemaShown + ")");
}

} // namespace

std::vector<XmlLoadError> CheckSchematronAssociation(const XmlSchematronCheck& check)
{
    const std::string key = check.schema.location + '\n' + check.association->phase;
    std::shared_ptr<const SchematronRules> rules = check.schema.remote ? nullptr : KeptRulesFor(key);
    bool fromNetwork = check.schema.remote;
    if (!rules) {
        auto source = SourceOf(check);
        if (auto* error = std::get_if<XmlLoadError>(&source))
            return {std::move(*error)};
        const RulesSource& read = std::get<RulesSource>(source);
        fromNetwork = read.remote;
        SchematronCompiled compiled = CompileSchematron(read.path, check.association->phase);
        NoteParserProgress();
        if (!compiled.rules)
            return {ProblemError(compiled.problem, check, compiled.error)};
        rules = std::move(compiled.rules);
        if (!fromNetwork)
            Keep(key, rules);
    }
    SchematronLimits limits;
    limits.maxErrors = check.maxErrors;
    limits.documentReadsLocalFiles = !fromNetwork;
    limits.progress = [](unsigned long line) { NoteParserProgress(line); };
    const SchematronOutcome outcome = RunSchematron(*rules, FileToRead(check.request->linuxPath), limits);
    NoteParserProgress();
    if (outcome.problem != SchematronProblem::None)
        return {ProblemError(outcome.problem, check, outcome.error)};
    std::vector<XmlLoadError> errors;
    for (const SchematronFailure& failure : outcome.failures) {
        if (failure.severity != SchematronSeverity::Error)
            continue;
        const std::uint32_t code = failure.report ? SchematronCode::ReportFired : SchematronCode::AssertFailed;
        errors.push_back(MakeXmlLoadError(MakeXmlErrorCode(XmlErrorGroup::Validity, XmlErrorSource::SchematronErrors,
                                                           code),
                                          static_cast<long>(failure.line), 0, Described(failure, check)));
    }
    return errors;
}
