#include "platform/xml/load/xml_parse_session.h"

#include "platform/text/drive_path.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_association_checks.h"
#include "platform/xml/references/xml_catalog.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/schema/xml_grammar_cache.h"
#include "platform/xml/schema/xml_schema_disk_cache.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/load/xml_limit_reasons.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_load_pass.h"
#include "platform/xml/load/xml_positions.h"

#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <map>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

namespace xc = xercesc;

std::optional<XmlLoadError> DocumentProblem(const XmlLoadRequest& request, std::uint64_t& size)
{
    const LocalFileCheck check = CheckLocalFile(request.linuxPath);
    size = check.size;
    if (!check.problem)
        return std::nullopt;
    const UnreadableFile unreadable = DescribeUnreadableDocument(check, ShownDocumentPath(request));
    return MakeXmlLoadError(XmlOwnErrorCode(unreadable.ownError), 0, 0, AnsiToWide(unreadable.reason));
}

// Lines and columns as the user counts them, in the file the error lies in.
XmlLoadError WithCharacterPositions(PassError passError)
{
    XmlLoadError error = std::move(passError.error);
    if (passError.linuxPath.empty() || error.line <= 0)
        return error;
    if (passError.encodingError) {
        if (const auto at = FindInvalidUtf8(passError.linuxPath)) {
            error.line = at->line;
            error.column = at->column;
        }
        return error;
    }
    if (passError.surrogateError) {
        if (const auto at = FindLoneSurrogate(passError.linuxPath, error.line, error.column)) {
            error.line = at->line;
            error.column = at->column;
            return error;
        }
    }
    if (error.column > 0) {
        if (const auto column = CharacterColumn(passError.linuxPath, error.line, error.column))
            error.column = *column;
    }
    return error;
}

// The parser drops a tail of bytes too short to be a character; a document
// whose last character is cut short is not well formed.
std::optional<XmlLoadError> IncompleteFinalCharacter(const XmlLoadRequest& request)
{
    const auto incomplete = FindIncompleteFinalCharacter(request.linuxPath);
    if (!incomplete)
        return std::nullopt;
    return MakeXmlLoadError(
        XmlParserErrorCode(xc::XMLUni::fgExceptDomain,
                           incomplete->utf16 ? xc::XMLExcepts::Trans_BadSrcSeq : xc::XMLExcepts::UTF8_FormatError,
                           XmlErrorSeverity::Fatal, XmlErrorPlace::Document),
        static_cast<std::uint64_t>(incomplete->at.line), static_cast<std::uint64_t>(incomplete->at.column),
        incomplete->utf16 ? u"The document ends inside a character: an odd byte follows its last whole "
                            u"UTF-16 character (an incomplete character at the end)"
                          : u"The document ends inside a character: its last bytes begin a UTF-8 sequence "
                            u"that the file cuts short (an incomplete character at the end)");
}

// What the passes over the document found: the first error, and whether the
// DTD still needs a pass of its own.
struct PassesOutcome {
    std::optional<PassError> first;
    bool checkDtdToo = false;
    std::vector<PassError> further; // when every error was asked for
    std::vector<XmlModelAssociation> associations; // the prolog's xml-model instructions
    bool keptDtd = false; // the DTD may come compiled from the disk
};

// Debian's library turns every DOCTYPE into an error when this is set; a
// validator must never inherit that.
void KeepDtdsEnabled()
{
    if (std::getenv("XERCES_DISABLE_DTD") != nullptr)
        ::unsetenv("XERCES_DISABLE_DTD");
}

// The associations are checked beside the pass that first reads the prolog.
void CheckAssociationsAhead(XmlLoadPass& pass, XmlAssociationsAhead* ahead)
{
    if (ahead != nullptr)
        pass.WhenPrologRead([ahead](const std::vector<XmlModelAssociation>& associations) { ahead->Start(associations); });
}

std::optional<XmlSchemaSetKey> KeptSchemasKey(const XmlLoadRequest& request)
{
    if (!request.validate)
        return std::nullopt;
    return RootSchemaSetKey({XmlResourceKind::MainDocument, request.displayPath, request.linuxPath});
}

// A validating pass with our own identity-constraint engine where it can
// serve; run again with the parser's own when the schemas need that.
std::unique_ptr<XmlLoadPass> RunValidatingPass(const XmlLoadRequest& request, std::uint64_t size,
                                               XmlCachedSchemaSet* schemas, XmlGrammarUse use, bool keptDtd = false,
                                               XmlAssociationsAhead* ahead = nullptr)
{
    auto pass = std::make_unique<XmlLoadPass>(request, size, XmlPassMode::Full, schemas, use,
                                              XmlIdentityChecks::OursWherePossible, keptDtd);
    CheckAssociationsAhead(*pass, ahead);
    pass->Run();
    if (pass->NeedsParserIdentityChecks()) {
        pass.reset();
        pass = std::make_unique<XmlLoadPass>(request, size, XmlPassMode::Full, schemas, use,
                                             XmlIdentityChecks::Parser, keptDtd);
        pass->Run();
    }
    return pass;
}

// Nothing when no schemas are kept for the document, or when it names a
// schema they do not cover (the load then starts over without them).
std::optional<PassesOutcome> ValidateWithKeptSchemas(const XmlLoadRequest& request, std::uint64_t size,
                                                     const std::optional<XmlSchemaSetKey>& key,
                                                     XmlAssociationsAhead& ahead)
{
    auto kept = key ? TakeCachedSchemaSet(*key) : nullptr;
    if (!kept && key)
        kept = StoredSchemaSet(*key, request.settings.grammarCacheMaxBytes);
    if (!kept)
        return std::nullopt;
    std::optional<PassesOutcome> outcome;
    bool intact = true;
    {
        const auto pass = RunValidatingPass(request, size, kept.get(), XmlGrammarUse::Reuse, false, &ahead);
        if (!pass->RestartRequested())
            outcome = PassesOutcome{pass->Error(), false, pass->FurtherErrors(), pass->Associations(), false};
        const PassError* error = pass->LatestError();
        // The parser completes a grammar's content models when it first needs
        // them; one cut short by a limit is not kept.
        intact = !outcome || error == nullptr ||
                 (XmlErrorGroupOf(error->error.code) != XmlErrorGroup::ResourceLimits &&
                  error->error.code != XmlOwnErrorCode(XmlOwnError::UnexpectedFailure));
    } // the parser lets go of the kept schemas before they return to the cache
    if (intact)
        KeepSchemaSet(std::move(kept));
    return outcome;
}

// Reads the document without validation until it names something to
// validate against, then again from the start with validation, collecting
// the schemas it reads for later loads.
PassesOutcome ProbeThenValidate(const XmlLoadRequest& request, std::uint64_t size,
                                const std::optional<XmlSchemaSetKey>& key, XmlAssociationsAhead& ahead)
{
    auto pass = std::make_unique<XmlLoadPass>(request, size,
                                              request.validate ? XmlPassMode::Probe : XmlPassMode::WellFormed);
    CheckAssociationsAhead(*pass, &ahead);
    pass->Run();
    auto collected = pass->RestartRequested() && key ? NewSchemaSet(*key) : nullptr;
    const bool keptDtd = pass->DtdFromFilesAlone();
    if (pass->RestartRequested()) {
        pass.reset();
        pass = RunValidatingPass(request, size, collected.get(), XmlGrammarUse::Collect, keptDtd);
    }
    PassesOutcome outcome{pass->Error(), pass->ValidatedAgainstDtdAndSchema(), pass->FurtherErrors(),
                          pass->Associations(), keptDtd};
    const bool keep = collected && pass->KeepCollectedSchemas(*key, *collected->pool);
    if (keep) {
        collected->sources = pass->SchemaSources();
        collected->references = pass->SchemaReferences();
    }
    pass.reset(); // the parser lets go of the collected schemas first
    if (keep) {
        StoreSchemaSet(*collected, request.settings.grammarCacheMaxBytes);
        KeepSchemaSet(std::move(collected));
    }
    return outcome;
}

// The parser validates elements against the schemas alone when there are
// both; the DTD gets a pass of its own, and the earlier error wins.
std::optional<PassError> WithDtdChecked(const XmlLoadRequest& request, std::uint64_t size,
                                        std::optional<PassError> first, bool keptDtd)
{
    XmlLoadPass pass(request, size, XmlPassMode::DtdOnly, nullptr, XmlGrammarUse::None,
                     XmlIdentityChecks::OursWherePossible, keptDtd);
    pass.Run();
    const auto& dtdError = pass.Error();
    if (dtdError && (!first || dtdError->documentPosition < first->documentPosition))
        return dtdError;
    return first;
}

// Asked for every error, the errors of both passes are merged in the order
// of the document (the schemas' first where both place one alike).
void WithDtdErrorsMerged(const XmlLoadRequest& request, std::uint64_t size, PassesOutcome& outcome)
{
    XmlLoadPass pass(request, size, XmlPassMode::DtdOnly, nullptr, XmlGrammarUse::None,
                     XmlIdentityChecks::OursWherePossible, outcome.keptDtd);
    pass.Run();
    std::vector<PassError> all;
    const auto add = [&all](const std::optional<PassError>& first, const std::vector<PassError>& further) {
        if (first)
            all.push_back(*first);
        all.insert(all.end(), further.begin(), further.end());
    };
    add(outcome.first, outcome.further);
    add(pass.Error(), pass.FurtherErrors());
    std::stable_sort(all.begin(), all.end(), [](const PassError& a, const PassError& b) {
        return a.documentPosition < b.documentPosition;
    });
    if (all.size() > XmlLimits::kReportedErrors)
        all.resize(XmlLimits::kReportedErrors);
    outcome.first.reset();
    outcome.further.clear();
    if (all.empty())
        return;
    outcome.first = std::move(all.front());
    outcome.further.assign(std::make_move_iterator(all.begin() + 1), std::make_move_iterator(all.end()));
}

// The schemas the document associates through xml-model are checked once
// its xsi hints and its DTD passed (or, asked for every error, found only
// validity errors): their errors follow, in the order of the instructions.
void WithAssociationsChecked(const XmlLoadRequest& request, std::uint64_t size, PassesOutcome& outcome,
                             XmlAssociationsAhead& ahead)
{
    if (!request.validate || outcome.associations.empty())
        return;
    if (outcome.first && (!request.multipleErrors ||
                          XmlErrorGroupOf(outcome.first->error.code) != XmlErrorGroup::Validity))
        return;
    const std::size_t kept = outcome.first ? 1 + outcome.further.size() : 0;
    if (kept >= XmlLimits::kReportedErrors)
        return;
    const std::size_t room = request.multipleErrors ? XmlLimits::kReportedErrors - kept : 1;
    auto found = ahead.Take(outcome.associations, room);
    if (!found)
        found = CheckXmlModelAssociations(request, size, outcome.associations, room);
    for (PassError& error : *found) {
        // An XSD named this way is checked with the document's own hints,
        // whose errors are already there.
        const auto same = [&error](const PassError& known) {
            return known.error.code == error.error.code && known.error.line == error.error.line &&
                   known.error.column == error.error.column && known.error.reason == error.error.reason;
        };
        if ((outcome.first && same(*outcome.first)) ||
            std::any_of(outcome.further.begin(), outcome.further.end(), same))
            continue;
        if (!outcome.first)
            outcome.first = std::move(error);
        else
            outcome.further.push_back(std::move(error));
    }
}

// The further errors, placed as WithCharacterPositions places one error, but
// reading each file once for all the errors in it.
std::vector<XmlLoadError> FurtherWithCharacterPositions(std::vector<PassError> passErrors)
{
    std::vector<XmlLoadError> errors;
    std::vector<TextPosition> positions;
    errors.reserve(passErrors.size());
    positions.reserve(passErrors.size());
    for (const PassError& passError : passErrors)
        positions.push_back({passError.error.line, passError.error.column});
    std::map<std::string, std::vector<TextPosition*>> byFile;
    for (std::size_t i = 0; i < passErrors.size(); ++i) {
        const PassError& passError = passErrors[i];
        // Undecodable text ends the document: such an error is the last,
        // and placed as the first error would be.
        if (passError.encodingError || passError.surrogateError) {
            const XmlLoadError placed = WithCharacterPositions(passError);
            positions[i] = {placed.line, placed.column};
        } else if (!passError.linuxPath.empty() && passError.error.line > 0 && passError.error.column > 0) {
            byFile[passError.linuxPath].push_back(&positions[i]);
        }
    }
    for (auto& [linuxPath, inFile] : byFile)
        ToCharacterColumns(linuxPath, inFile);
    for (std::size_t i = 0; i < passErrors.size(); ++i) {
        errors.push_back(std::move(passErrors[i].error));
        errors.back().line = positions[i].line;
        errors.back().column = positions[i].column;
    }
    return errors;
}

// The passes stop reading at the bound on reported errors, and a merged
// list is cut to it: a list at the bound may have lost errors.
bool ListEndsAtBound(const std::vector<PassError>& further)
{
    std::uint64_t chars = 0;
    for (const PassError& error : further)
        chars += error.error.reason.size();
    return ReportedErrorsBoundReached(1 + further.size(), chars);
}

std::optional<XmlLoadError> LoadOnce(const XmlLoadRequest& request, std::vector<XmlLoadError>* further)
{
    std::uint64_t size = 0;
    if (auto problem = DocumentProblem(request, size))
        return problem;
    KeepDtdsEnabled();
    RecheckCatalogsForNextLoad();
    const auto key = KeptSchemasKey(request);
    XmlAssociationsAhead ahead(request, size);
    auto outcome = ValidateWithKeptSchemas(request, size, key, ahead);
    if (!outcome)
        outcome = ProbeThenValidate(request, size, key, ahead);
    if (outcome->checkDtdToo && request.multipleErrors)
        WithDtdErrorsMerged(request, size, *outcome);
    else if (outcome->checkDtdToo)
        outcome->first = WithDtdChecked(request, size, std::move(outcome->first), outcome->keptDtd);
    WithAssociationsChecked(request, size, *outcome, ahead);
    if (!outcome->first)
        return IncompleteFinalCharacter(request);
    if (further != nullptr) {
        const bool bounded = ListEndsAtBound(outcome->further);
        *further = FurtherWithCharacterPositions(std::move(outcome->further));
        if (bounded)
            further->push_back(MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::ErrorListBounded), 0, 0, {}));
    }
    return WithCharacterPositions(std::move(*outcome->first));
}

} // namespace

std::string ShownDocumentPath(const XmlLoadRequest& request)
{
    return CurrentShownPathForm() == ShownPathForm::Linux ? request.linuxPath : request.displayPath;
}

std::optional<XmlLoadError> LoadXmlDocument(const XmlLoadRequest& request, std::vector<XmlLoadError>* further)
{
    if (further != nullptr)
        further->clear();
    // Descriptions keep what the document wrote, controls and all; they are
    // made visible where they leave the component (its error object).
    return LoadOnce(request, further);
}

std::string ParserStalledReason(std::chrono::milliseconds allowed)
{
    return "The parser worked more than " + SecondsText(allowed) +
           " s of processor time without getting further in the document (a schema too complex to "
           "compile, or a pattern too costly to match); the document is not read further (resource limit)";
}

std::string CatalogStalledReason(const std::string& file, std::chrono::milliseconds allowed)
{
    return "The XML catalog " + file + " is too large: reading it took more than " + SecondsText(allowed) +
           " s of processor time (the catalogs are read for every document that references a schema, a "
           "DTD or an entity); the document is not read further (resource limit)";
}
