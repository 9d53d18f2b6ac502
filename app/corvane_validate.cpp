// corvane-validate: the validation run for a terminal, a script or an
// editor, on one file or many. The exit status is the worst of the files':
//   exit 0  "Loaded and Validated"
//   exit 1  an error report
//   exit 2  no report could be had (the failure text, or an empty result)
//   exit 64 bad usage (before any file is read)

#include "app/validate_options.h"
#include "app/verdict_output.h"
#include "platform/os/console.h"
#include "platform/text/drive_path.h"
#include "platform/ui/headless_window.h"
#include "platform/xml/component/load_progress.h"
#include "platform/xml/load/xml_load_settings.h"
#include "platform/win/resources.h"
#include "platform/xml/load/standard_input.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "validation/validation_run.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitValid = 0;
constexpr int kExitInvalid = 1;
constexpr int kExitNoReport = 2;
constexpr int kExitUsage = 64;
// Enough to keep every worker busy; more would only hold more requests.
constexpr std::size_t kFilesNamedAhead = 16;

std::string VersionText()
{
    const VersionBlock* version = CorvaneResources().version;
    if (version == nullptr)
        return "unknown";
    const auto* v = version->fileVersion;
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

std::string Megabytes(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

// The status line and the progress, on one terminal line that is rewritten
// in place and erased when the run ends.
class TerminalProgress {
public:
    void ShowStatus(const CString& text)
    {
        m_status = text.str();
        m_lastPercent = -1;
        Draw(m_status);
    }
    void ShowProgress(std::uint64_t done, std::uint64_t total)
    {
        if (m_status.empty() || total == 0)
            return;
        const int percent = static_cast<int>(done * 100 / total);
        if (percent == m_lastPercent)
            return;
        m_lastPercent = percent;
        Draw(m_status + " " + std::to_string(percent) + "% (" + Megabytes(done) + " of " +
             Megabytes(total) + ")");
    }

private:
    static void Draw(const std::string& line)
    {
        std::fputs("\r\033[K", stderr);
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
    }

    std::string m_status;
    int m_lastPercent = -1;
};

int ExitStatusFor(const FileVerdict& verdict)
{
    if (!verdict.unnamable.empty())
        return kExitNoReport;
    switch (verdict.outcome.verdict) {
    case ValidationVerdict::Valid:
        return kExitValid;
    case ValidationVerdict::ErrorReport:
        return kExitInvalid;
    case ValidationVerdict::NoReport:
        break;
    }
    return kExitNoReport;
}

constexpr std::string_view kStandardInput = "-";

// Standard input is read once, at the first "-": a second "-" checks the
// same document again.
class StandardInputOnce {
public:
    // The document's drive path; nothing when standard input cannot be
    // read, and `error` says why.
    std::optional<std::string> DrivePath(std::string& error)
    {
        if (!m_tried) {
            m_tried = true;
            m_document = StandardInputDocument::Read(m_error);
        }
        error = m_error;
        return m_document ? std::optional<std::string>(m_document->DrivePath()) : std::nullopt;
    }

private:
    bool m_tried = false;
    std::unique_ptr<StandardInputDocument> m_document;
    std::string m_error;
};

// The files of one call share the parser's worker, and with it the schemas
// it read: the second file that names a schema does not read it again.
FileVerdict ValidateFile(CHeadlessDialog& window, const std::string& file, bool allErrors,
                         StandardInputOnce& standardInput)
{
    FileVerdict verdict;
    verdict.path = file;
    std::optional<std::string> drivePath;
    if (file == kStandardInput) {
        drivePath = standardInput.DrivePath(verdict.unnamable);
        if (!drivePath)
            return verdict;
    } else {
        drivePath = DrivePathFromCommandLine(file);
    }
    if (!drivePath) {
        verdict.unnamable = "a file whose path holds a backslash cannot be named as a drive path";
        return verdict;
    }
    verdict.drivePath = *drivePath;
    verdict.outcome = RunValidation(window, CString(*drivePath), allErrors);
    return verdict;
}

// What the options change in every load of this call.
void UseLoadOptions(const ValidateOptions& options)
{
    // Tools open the files a gnu or JSON report names: those name Linux
    // paths; the text format is the window's report, in drive paths.
    if (options.format != OutputFormat::Text)
        SetShownPathForm(ShownPathForm::Linux);
    XmlLoadSettings settings = CurrentXmlLoadSettings();
    if (options.offline)
        settings.remote.networkAllowed = false;
    if (options.noGrammarCache)
        settings.grammarCacheMaxBytes = 0;
    SetXmlLoadSettings(settings);
}

// How long the worker waits for the next call once this one is done with
// it: CORVANE_WORKER_STAYS seconds, 0 for not at all. A call that reads
// standard input, or compiles every grammar afresh, neither uses nor leaves
// one: the first hands the worker a descriptor of its own, the second wants
// nothing an earlier call kept.
std::chrono::seconds WorkerStays(const ValidateOptions& options)
{
    constexpr std::chrono::seconds kByDefault{15};
    constexpr std::chrono::seconds kLongest{24 * 60 * 60};
    if (options.noGrammarCache ||
        std::find(options.files.begin(), options.files.end(), kStandardInput) != options.files.end())
        return std::chrono::seconds{0};
    const char* named = std::getenv("CORVANE_WORKER_STAYS");
    if (named == nullptr || *named == '\0')
        return kByDefault;
    char* end = nullptr;
    const long long seconds = std::strtoll(named, &end, 10);
    if (*end != '\0' || seconds < 0)
        return kByDefault;
    return std::min(std::chrono::seconds{seconds}, kLongest);
}

} // namespace

int main(int argc, char** argv)
{
    UseCorvaneResources();

    const ParsedCommandLine parsed = ParseValidateCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        if (!parsed.error.message.empty())
            std::cerr << "corvane-validate: " << parsed.error.message << '\n';
        std::cerr << kValidateUsage;
        return kExitUsage;
    }
    const ValidateOptions& options = *parsed.options;
    if (options.help) {
        std::cout << kValidateUsage << '\n' << kValidateHelp;
        return kExitValid;
    }
    if (options.version) {
        std::cout << VersionText() << '\n';
        return kExitValid;
    }
    UseLoadOptions(options);
    LetLaterRunsUseThisParser(WorkerStays(options));
    // The parser's worker starts while the rest of the call gets ready: on
    // a small file its start is most of the check.
    PrepareValidationRuns();

    CHeadlessDialog window;
    window.AddControl(IDC_RESULT);
    CTextControl& status = window.AddControl(IDC_STATUS);

    const bool showProgress = !options.quiet && StandardErrorIsTerminal();
    TerminalProgress progress;
    if (showProgress) {
        status.ObserveText([&progress](const CString& text) { progress.ShowStatus(text); });
        SetLoadProgressListener([&progress](std::uint64_t done, std::uint64_t total) {
            progress.ShowProgress(done, total);
        });
    }
    // A note (a schema taken from the cache, say) may tell the verdict is
    // not today's: it is written even with --quiet, on standard error.
    const std::string* current = nullptr;
    SetLoadNoticeListener([&current, showProgress](const std::string& notice) {
        if (showProgress)
            std::fputs("\r\033[K", stderr);
        std::cerr << "corvane-validate: " << OneLineText(current != nullptr ? *current : std::string()) << ": "
                  << OneLineText(notice) << std::endl;
    });

    const bool several = options.files.size() > 1;
    // The parser reads the files named ahead (on every processor) while
    // the verdicts before them are written.
    std::size_t namedAhead = 0;
    // Standard input is not named ahead: it is read when its turn comes.
    const auto nameAheadUpTo = [&](std::size_t end) {
        for (; several && namedAhead < std::min(end, options.files.size()); ++namedAhead) {
            const std::string& file = options.files[namedAhead];
            const auto path = file != kStandardInput ? DrivePathFromCommandLine(file) : std::nullopt;
            if (path)
                ExpectValidationRun(CString(*path), options.allErrors);
        }
    };
    StandardInputOnce standardInput;
    int exitStatus = kExitValid;
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        const std::string& file = options.files[i];
        current = &file;
        nameAheadUpTo(i + kFilesNamedAhead);
        const FileVerdict verdict = ValidateFile(window, file, options.allErrors, standardInput);
        if (!verdict.unnamable.empty() && options.format == OutputFormat::Text && !options.quiet)
            std::cerr << "corvane-validate: " << OneLineText(file) << ": " << verdict.unnamable << '\n';
        if (!options.quiet)
            WriteVerdict(std::cout, options.format, verdict, several);
        exitStatus = std::max(exitStatus, ExitStatusFor(verdict));
    }
    current = nullptr;
    SetLoadProgressListener({});
    SetLoadNoticeListener({});
    std::cout.flush();
    return exitStatus;
}
