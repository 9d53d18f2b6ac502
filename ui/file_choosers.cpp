// The two browse buttons: the XML file to validate and the editor that Edit
// starts. Each choice is shown and written to the settings at once.

#include "platform/ui/file_dialog.h"
#include "ui/corvane_dlg.h"

namespace {

// The extension both inserts and the default extension of each chooser take.
constexpr const char* kXmlExtension = "xml";
constexpr const char* kEditorExtension = "exe";

// Checked before the chooser is shown, on top of the construction flags.
constexpr DWORD kChooserFlags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

// The most of an editor's file name that its field shows.
constexpr int kEditorNameShown = 100;

// Formats the filter template and converts it in place into the chooser's
// filter list: every "|" becomes a terminator, the walk going on past those
// it has written. Two more terminators behind the text close the list, so
// the chooser finds its closing empty string inside the buffer. The buffer
// stays with strFilter until the handler returns.
LPCSTR PrepareFilterList(CString& strFilter, UINT nTemplateID, const char* extension)
{
    strFilter.FormatMessage(nTemplateID, extension, extension);
    const int nLength = strFilter.GetLength();
    char* pch = strFilter.GetBuffer(nLength + 2);
    for (int i = 0; i < nLength; ++i) {
        if (pch[i] == '|')
            pch[i] = '\0';
    }
    return pch;
}

} // namespace

void CCorvaneDlg::OnBrowseXmlFile()
{
    CFileDialog dlgFile(TRUE);

    CString strTitle;
    strTitle.LoadString(IDS_SELECT_XML_FILE);
    CString strFilter;
    const LPCSTR lpstrFilter = PrepareFilterList(strFilter, IDS_XML_FILTER, kXmlExtension);

    OPENFILENAME& ofn = dlgFile.GetOFN();
    ofn.lpstrInitialDir = m_strFolder;
    ofn.lpstrTitle = strTitle;
    ofn.lpstrFilter = lpstrFilter;
    ofn.Flags |= kChooserFlags;
    ofn.lpstrDefExt = kXmlExtension;

    if (dlgFile.DoModal() != IDOK)
        return;

    TakeXmlFile(dlgFile.GetPathName());
}

void CCorvaneDlg::TakeXmlFile(const CString& strXmlPath)
{
    m_strXmlPath = strXmlPath;
    if (CWnd* pFileName = GetDlgItem(IDC_FILE_NAME))
        pFileName->SetWindowText(m_strXmlPath);

    // A file in a drive's root leaves "Z:" as its folder; the folder rules
    // reject that at the next start, not here.
    const int nSlash = m_strXmlPath.ReverseFind('\\');
    if (nSlash > 0) {
        m_strFolder = m_strXmlPath.Left(nSlash);
        m_settings.WriteValue(kFolderValue, m_strFolder);
    }

    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->EnableWindow(TRUE);
    if (CWnd* pEdit = GetDlgItem(IDC_EDIT_FILE))
        pEdit->EnableWindow(TRUE);
    // The verdict of an earlier run does not belong beside the new file, and
    // neither does the line it pointed at.
    if (CWnd* pResult = GetDlgItem(IDC_RESULT))
        pResult->SetWindowText(CString());
    m_lErrorLine = 0;
}

void CCorvaneDlg::OnConfigureEditor()
{
    CFileDialog dlgFile(TRUE);

    CString strTitle;
    strTitle.LoadString(IDS_SELECT_EDITOR);
    CString strFilter;
    const LPCSTR lpstrFilter = PrepareFilterList(strFilter, IDS_EDITOR_FILTER, kEditorExtension);

    OPENFILENAME& ofn = dlgFile.GetOFN();
    ofn.lpstrTitle = strTitle;
    ofn.lpstrFilter = lpstrFilter;
    ofn.Flags |= kChooserFlags;
    ofn.lpstrDefExt = kEditorExtension;

    if (dlgFile.DoModal() != IDOK)
        return;

    m_strEditor = dlgFile.GetPathName();
    const int nSlash = m_strEditor.ReverseFind('\\');
    if (nSlash > 0) {
        if (CWnd* pEditorName = GetDlgItem(IDC_EDITOR_NAME))
            pEditorName->SetWindowText(m_strEditor.Mid(nSlash + 1, kEditorNameShown));
    }
    m_settings.WriteValue(kEditorValue, m_strEditor);
}
