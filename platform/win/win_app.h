#pragma once
// The application object and the start of the desktop program. The program
// defines one global object of a class derived from CWinApp; its main()
// installs the resources and hands over to AfxWinMain, which brings up the
// window system and calls InitInstance.

#include "platform/win/cstring.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/win_types.h"
#include "platform/win/window.h"

// The framework's help command.
inline constexpr UINT ID_HELP = 0xE146;

// What the application was started with. The window system takes its own
// options first (-style, -platform, ...); of what is left, other options are
// ignored, "--" ends the options, and the first other argument names the file
// to open, as it was given (a Linux path or a drive path). Later ones are
// ignored: the program opens one file at a time.
class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen };

    // Called for each argument in turn: bFlag when it is an option (without
    // its leading "-"), bLast for the last one.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
    virtual ~CCommandLineInfo() = default;

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};

// Hands every argument the window system left to rCmdInfo.ParseParam; "--"
// is not handed on, and everything after it counts as a name.
void ParseCommandLineArguments(int argc, const char* const argv[], CCommandLineInfo& rCmdInfo);

class CWinApp {
public:
    // Without a name the framework takes the application's own name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE to go on into the application's message loop; FALSE ends the
    // process at once.
    virtual BOOL InitInstance();
    // The message loop, for an application whose InitInstance returned TRUE.
    virtual int Run();
    virtual int ExitInstance();

    // A command of the application's own routing table (such as ID_HELP);
    // FALSE if the table has no route for it.
    virtual BOOL OnCmdMsg(UINT nID);
    // The framework's help: the program has no help file, so it shows nothing.
    void OnHelp() {}

    // The framework's registry key for its profile functions. This program
    // keeps no profile through the framework, so the key changes nothing.
    void SetRegistryKey(const char* /*lpszRegistryKey*/) {}

    // The application's command line, after the window system's own options.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    HICON LoadIcon(UINT nIDResource) const { return LoadIconResource(nIDResource); }

    // The application's wait cursor; calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();
    int WaitCursorDepth() const { return m_nWaitCursorCount; }

    CString m_strAppName;
    CWnd* m_pMainWnd = nullptr;

private:
    int m_nWaitCursorCount = 0;
    bool m_bWaitCursorShown = false;
};

// The application object of the program; a default one when the program has
// constructed none (as in tests).
CWinApp* AfxGetApp();

// Brings up the window system and the application's message boxes, then
// runs the application object; returns the process's exit status.
int AfxWinMain(int argc, char* argv[]);

// Services the program asks for at start; the window system needs nothing
// from them.
inline void InitCommonControls() {}
inline BOOL AfxEnableControlContainer() { return TRUE; }
