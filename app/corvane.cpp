// corvane: the desktop program. One modal dialog, the main window; the
// process ends when it closes. `corvane FILE` starts with FILE chosen and
// validated.

#include "platform/win/dialog.h"
#include "platform/win/win_app.h"
#include "res/corvane_resources.h"
#include "ui/corvane_dlg.h"

class CCorvaneApp : public CWinApp {
public:
    BOOL InitInstance() override;
    BOOL OnCmdMsg(UINT nID) override;

private:
    static const MessageRoute<CCorvaneApp> messageMap[];
};

const MessageRoute<CCorvaneApp> CCorvaneApp::messageMap[] = {
    {CN_COMMAND, static_cast<int>(ID_HELP), &CCorvaneApp::OnHelp},
};

BOOL CCorvaneApp::OnCmdMsg(UINT nID)
{
    return RouteMessage(*this, std::span(messageMap), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), CN_COMMAND), 0,
                        nullptr);
}

BOOL CCorvaneApp::InitInstance()
{
    InitCommonControls();
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    // The program's own settings live under their own key; the framework's
    // key is set as every application of its kind sets it.
    SetRegistryKey("Local AppWizard-Generated Applications");

    // "corvane FILE", as a file manager's "Open With" starts it.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    {
        CCorvaneDlg dlg;
        if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen)
            dlg.OpenAtStart(cmdInfo.m_strFileName);
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }
    // The dialog has closed: end the process rather than start a message loop.
    return FALSE;
}

CCorvaneApp theApp;

int main(int argc, char* argv[])
{
    UseCorvaneResources();
    return AfxWinMain(argc, argv);
}
