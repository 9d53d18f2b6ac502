// Files that reach the window from outside the choosers: the one named on
// the command line ("Open With" in a file manager) and those dropped onto the
// window. Each is taken as a confirmed choice in the XML chooser is; the one
// of the command line is validated at once, as OK would.

#include "platform/text/drive_path.h"
#include "platform/os/file_system.h"
#include "platform/ui/message_box.h"
#include "ui/corvane_dlg.h"

void CCorvaneDlg::OnOpenStartFile()
{
    // A Linux path, or a drive path as the window shows them.
    const auto drivePath = DrivePathFromCommandLine(m_strStartFile.str());
    CString strMessage;
    if (!drivePath) {
        strMessage.Format(IDS_NAME_HOLDS_BACKSLASH, m_strStartFile);
    } else if (_access(drivePath->c_str(), 0) != 0) {
        // As the chooser does, a name that names nothing is refused rather
        // than remembered as the folder to start in.
        strMessage.Format(IDS_FILE_NOT_FOUND, m_strStartFile);
    }
    if (!strMessage.IsEmpty()) {
        AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    TakeXmlFile(CString(*drivePath));
    OnOK();
}

void CCorvaneDlg::OnDropFiles(HDROP hDropInfo)
{
    // One file at a time: of several dropped together, the first.
    CString strDropped;
    if (DragQueryFile(hDropInfo, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT nLength = DragQueryFile(hDropInfo, 0, nullptr, 0);
        DragQueryFile(hDropInfo, 0, strDropped.GetBuffer(static_cast<int>(nLength)), nLength + 1);
        strDropped.ReleaseBuffer();
    }
    DragFinish(hDropInfo);
    if (!strDropped.IsEmpty())
        TakeXmlFile(strDropped);
}
