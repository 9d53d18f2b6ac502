// corvane-validate: the validation run for a terminal or a script.
//   exit 0  "Loaded and Validated"
//   exit 1  an error report
//   exit 2  no report could be had (the failure text, or an empty result)
//   exit 64 bad usage

#include "platform/console.h"
#include "platform/drive_path.h"
#include "platform/headless_window.h"
#include "platform/load_progress.h"
#include "platform/resources.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "validation/validation_run.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitValid = 0;
constexpr int kExitInvalid = 1;
constexpr int kExitNoReport = 2;
constexpr int kExitUsage = 64;

constexpr const char* kUsage = "usage: corvane-validate [--version] FILE\n";

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

int ExitStatusFor(const CString& result)
{
    if (result == kLoadedAndValidated)
        return kExitValid;
    CString header;
    header.LoadString(IDS_ERROR_HEADER);
    if (!header.IsEmpty() && result.Left(header.GetLength()) == header)
        return kExitInvalid;
    return kExitNoReport;
}

} // namespace

int main(int argc, char** argv)
{
    UseCorvaneResources();

    std::string_view file;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--version") {
            std::cout << VersionText() << '\n';
            return kExitValid;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::cout << kUsage;
            return kExitValid;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            std::cerr << "corvane-validate: unknown option " << arg << '\n' << kUsage;
            return kExitUsage;
        } else if (file.empty()) {
            file = arg;
        } else {
            std::cerr << kUsage;
            return kExitUsage;
        }
    }
    if (file.empty()) {
        std::cerr << kUsage;
        return kExitUsage;
    }

    const auto drivePath = DrivePathFromCommandLine(file);
    if (!drivePath) {
        std::cerr << "corvane-validate: " << file
                  << ": a file whose path holds a backslash cannot be named as a drive path\n";
        return kExitNoReport;
    }

    CHeadlessDialog window;
    CTextControl& result = window.AddControl(IDC_RESULT);
    CTextControl& status = window.AddControl(IDC_STATUS);

    TerminalProgress progress;
    if (StandardErrorIsTerminal()) {
        status.ObserveText([&progress](const CString& text) { progress.ShowStatus(text); });
        SetLoadProgressListener([&progress](std::uint64_t done, std::uint64_t total) {
            progress.ShowProgress(done, total);
        });
    }

    RunValidation(window, CString(*drivePath));
    SetLoadProgressListener({});

    const CString verdict = result.GetWindowText();
    std::cout << verdict.str() << '\n';
    return ExitStatusFor(verdict);
}
