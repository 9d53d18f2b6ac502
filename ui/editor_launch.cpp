// Edit: the chosen XML file in the configured editor, started as a process
// of its own that nothing waits for.

#include "platform/ui/message_box.h"
#include "platform/os/process.h"
#include "ui/corvane_dlg.h"
#include "ui/editor_line_rules.h"

void CCorvaneDlg::OnEditXmlFile()
{
    // After a report on a line of the document, an editor known to take a
    // line opens the file there (ui/editor_line_rules.cpp).
    CString strCommandLine;
    if (m_lErrorLine > 0)
        strCommandLine = EditorCommandLineAtLine(m_strEditor, m_strXmlPath, m_lErrorLine);
    // Otherwise the editor as it stands, the XML path in quotes so that it
    // stays one argument, blanks included.
    if (strCommandLine.IsEmpty())
        strCommandLine.Format("%s \"%s\"", m_strEditor, m_strXmlPath);

    STARTUPINFO si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi{};

    if (CreateProcessA(nullptr, strCommandLine.GetBuffer(strCommandLine.GetLength()), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else {
        AfxMessageBox(IDS_EDITOR_FAILED, MB_OK);
    }
}
