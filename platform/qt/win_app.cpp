#include "platform/win/win_app.h"

#include "platform/ui/message_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/load_wait.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QCursor>

#include <memory>
#include <string>
#include <vector>

namespace {

CWinApp* g_application = nullptr;

// The windows' life while the program waits, from the first BeginWaitCursor
// to the last EndWaitCursor.
std::unique_ptr<LoadWaitScope>& LoadWait()
{
    static std::unique_ptr<LoadWaitScope> scope;
    return scope;
}

// The arguments the window system left, program name first.
std::vector<std::string>& RemainingArguments()
{
    static std::vector<std::string> arguments;
    return arguments;
}

bool HaveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_strAppName(lpszAppName != nullptr ? lpszAppName : kApplicationName)
{
    if (g_application == nullptr)
        g_application = this;
}

CWinApp::~CWinApp()
{
    if (m_bWaitCursorShown && HaveWidgets())
        QApplication::restoreOverrideCursor();
    if (g_application == this)
        g_application = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (HaveWidgets())
        QApplication::exec();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::OnCmdMsg(UINT)
{
    return FALSE;
}

void CWinApp::BeginWaitCursor()
{
    if (m_nWaitCursorCount++ == 0 && HaveWidgets()) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_bWaitCursorShown = true;
        LoadWait() = std::make_unique<LoadWaitScope>();
    }
    // The thread is about to block: the cursor, and whatever the caller has
    // just put on the screen, must reach the display first.
    FlushPainting();
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0 && m_bWaitCursorShown) {
        m_bWaitCursorShown = false;
        LoadWait().reset();
        if (HaveWidgets())
            QApplication::restoreOverrideCursor();
    }
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    if (bFlag == FALSE && m_nShellCommand == FileNew && pszParam != nullptr && *pszParam != '\0') {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

void ParseCommandLineArguments(int argc, const char* const argv[], CCommandLineInfo& rCmdInfo)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        const BOOL bLast = i + 1 == argc ? TRUE : FALSE;
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        // A lone "-" is a name, as in the other tools of this system.
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        rCmdInfo.ParseParam(isOption ? argv[i] + 1 : argv[i], isOption ? TRUE : FALSE, bLast);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    std::vector<const char*> argv;
    for (const std::string& argument : RemainingArguments())
        argv.push_back(argument.c_str());
    ParseCommandLineArguments(static_cast<int>(argv.size()), argv.data(), rCmdInfo);
}

CWinApp* AfxGetApp()
{
    if (g_application == nullptr) {
        static CWinApp standIn;
        return &standIn;
    }
    return g_application;
}

int AfxWinMain(int argc, char* argv[])
{
    // The toolkit takes its own options out of argc and argv.
    QApplication application(argc, argv);
    RemainingArguments().assign(argv, argv + argc);
    QApplication::setApplicationName(QStringLiteral("corvane"));
    // The desktop file's name, which Wayland compositors match the window by.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
    // The process ends when InitInstance returns, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBoxService messageBoxes;
    const MessageBoxServiceScope useMessageBoxes(messageBoxes);
    QtFileChooserService fileChoosers;
    const FileChooserServiceScope useFileChoosers(fileChoosers);

    CWinApp* app = AfxGetApp();
    if (app->InitInstance() == FALSE)
        return app->ExitInstance();
    return app->Run();
}
