#include "ui/corvane_dlg.h"

#include "paths/folder_path_rules.h"
#include "platform/win/win_app.h"
#include "validation/validation_run.h"

const MessageRoute<CCorvaneDlg> CCorvaneDlg::messageMap[] = {
    {WM_SYSCOMMAND, &CCorvaneDlg::OnSysCommand},
    {WM_PAINT, &CCorvaneDlg::OnPaint},
    {WM_QUERYDRAGICON, &CCorvaneDlg::OnQueryDragIcon},
    {BN_CLICKED, IDC_BROWSE_FILE, &CCorvaneDlg::OnBrowseXmlFile},
    {BN_CLICKED, IDC_BROWSE_EDITOR, &CCorvaneDlg::OnConfigureEditor},
    {BN_CLICKED, IDC_EDIT_FILE, &CCorvaneDlg::OnEditXmlFile},
    {BN_CLICKED, IDC_HELP_SUMMARY, &CCorvaneDlg::OnHelpSummary},
    {BN_CLICKED, IDOK, &CCorvaneDlg::OnBnClickedOk},
    {WM_OPEN_START_FILE, &CCorvaneDlg::OnOpenStartFile},
    {WM_START_PARSER, &CCorvaneDlg::OnStartParser},
    {WM_DROPFILES, &CCorvaneDlg::OnDropFiles},
};

CCorvaneDlg::CCorvaneDlg(CWnd* pParent) : CDialog(IDD_CORVANE_DIALOG, pParent)
{
    // The three paths start empty and m_settings has opened its keys.
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

BOOL CCorvaneDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (RouteMessage(*this, std::span(messageMap), message, wParam, lParam, pResult))
        return TRUE;
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CCorvaneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CString strFolder;
    strFolder.Empty();
    m_strFolder.Empty();
    // A remembered folder is used only once it exists; PrepareFolder asks
    // about a missing one and tells about a bad one.
    if (m_settings.ReadValue(kFolderValue, strFolder) && PrepareFolder(strFolder) == 0)
        m_strFolder = strFolder;

    if (!m_settings.ReadValue(kEditorValue, m_strEditor))
        m_strEditor = kDefaultEditor;

    if (CWnd* pEditorName = GetDlgItem(IDC_EDITOR_NAME))
        pEditorName->SetWindowText(m_strEditor);

    // Nothing to validate or edit until an XML file has been chosen.
    if (CWnd* pEdit = GetDlgItem(IDC_EDIT_FILE))
        pEdit->EnableWindow(FALSE);
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->EnableWindow(FALSE);

    // The first OK should not wait for the parser's worker to start, nor
    // the window's appearance for its start: it starts once the window is
    // up, and readies itself in its own process while the user chooses.
    PostMessage(WM_START_PARSER);

    // A file from the file manager is taken as a chosen one; so is the file
    // of the command line, once the window is up to show its verdict.
    DragAcceptFiles(TRUE);
    if (!m_strStartFile.IsEmpty())
        PostMessage(WM_OPEN_START_FILE);

    return TRUE;
}

void CCorvaneDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        // The icon, centred in the client rectangle.
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CCorvaneDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CCorvaneDlg::OnBnClickedOk()
{
    OnOK();
}

void CCorvaneDlg::OnStartParser()
{
    PrepareValidationRuns();
}

void CCorvaneDlg::OnOK()
{
    m_lErrorLine = RunValidation(*this, m_strXmlPath).lErrorLineInDocument;
}
