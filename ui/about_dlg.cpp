#include "ui/about_dlg.h"

#include "ui/corvane_dlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

// The window system keeps the low four bits of a system command for itself,
// so they are masked off before the About item is recognised; every other
// command (Close among them) takes the default path.
void CCorvaneDlg::OnSysCommand(UINT nID, LPARAM /*lParam*/)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        Default();
    }
}
