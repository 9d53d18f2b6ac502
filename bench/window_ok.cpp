// Times OK in the main window, as a user presses it: the real dialog and
// its button, the real worker, on a display of its own (run it with
// QT_QPA_PLATFORM=offscreen):
//
//   corvane-window-ok FILE [PRESSES [PAUSE_MS]]
//
// The window opens; after PAUSE_MS (default 500, a user's time to choose the
// file) FILE is taken as chosen and OK is pressed PRESSES times (default
// 11), the worker and its schemas kept between presses. Each press is timed
// from the click until the verdict is in the result field (the repaint that
// shows it is not counted). Every verdict must be "Loaded and Validated".
// Prints each press in milliseconds, and last "FIRST_MS LATER_MEDIAN_MS":
// the first press, and the median of the presses after it.
// The settings go to a scratch folder, removed at the end.

#include "platform/qt/dialog_window.h"
#include "platform/text/drive_path.h"
#include "platform/ui/message_box.h"
#include "res/corvane_resources.h"
#include "ui/corvane_dlg.h"
#include "validation/validation_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A message box would wait for a user who is not there: it is a failure.
class NoMessageBoxes : public MessageBoxService {
public:
    int Show(const CString&, const CString& text, UINT nType) override
    {
        std::fprintf(stderr, "corvane-window-ok: a message box came: %s\n", text.str().c_str());
        failed = true;
        return UnansweredMessageBoxResult(nType);
    }
    bool failed = false;
};

class TimedDialog : public CCorvaneDlg {
public:
    void Choose(const CString& drivePath) { TakeXmlFile(drivePath); }
};

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "corvane-window-ok.XXXXXX").string();
        if (::mkdtemp(name.data()) != nullptr)
            m_path = name;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void Pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane-window-ok FILE [PRESSES [PAUSE_MS]]\n");
        return 2;
    }
    const auto drivePath = DrivePathFromCommandLine(argv[1]);
    const int presses = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    const int pauseMs = argc > 3 ? std::max(0, std::atoi(argv[3])) : 500;
    if (!drivePath || !std::filesystem::is_regular_file(argv[1])) {
        std::fprintf(stderr, "corvane-window-ok: %s is no file\n", argv[1]);
        return 2;
    }
    const ScratchFolder scratch;
    if (scratch.Path().empty()) {
        std::perror("corvane-window-ok: scratch folder");
        return 2;
    }
    ::setenv("XDG_CONFIG_HOME", scratch.Path().c_str(), 1);

    QApplication application(argc, argv);
    UseCorvaneResources();
    NoMessageBoxes boxes;
    const MessageBoxServiceScope boxScope(boxes);

    std::vector<double> times;
    bool wrongVerdict = false;
    TimedDialog dialog;
    WhenNextDialogRuns([&](CDialog&) {
        Pause(pauseMs);
        dialog.Choose(CString(*drivePath));
        auto* ok = qobject_cast<QAbstractButton*>(ControlWidgetOf(dialog, IDOK));
        for (int press = 0; ok != nullptr && ok->isEnabled() && press < presses; ++press) {
            const auto start = std::chrono::steady_clock::now();
            ok->click();
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            times.push_back(took.count());
            const std::string verdict = dialog.GetDlgItem(IDC_RESULT)->GetWindowText().str();
            if (verdict != kLoadedAndValidated) {
                std::fprintf(stderr, "corvane-window-ok: press %d: %s\n", press + 1, verdict.c_str());
                wrongVerdict = true;
                break;
            }
            std::printf("press %d: %.2f ms\n", press + 1, took.count());
        }
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();

    if (wrongVerdict || boxes.failed || static_cast<int>(times.size()) != presses)
        return 1;
    std::vector<double> later(times.begin() + 1, times.end());
    std::sort(later.begin(), later.end());
    const double median = later.empty() ? times.front()
                          : later.size() % 2 ? later[later.size() / 2]
                                             : (later[later.size() / 2 - 1] + later[later.size() / 2]) / 2;
    std::printf("%.2f %.2f\n", times.front(), median);
    return 0;
}
