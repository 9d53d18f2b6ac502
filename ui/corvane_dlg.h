#pragma once
// The main window: a modal dialog built from IDD_CORVANE_DIALOG, holding the
// chosen XML file, the folder the XML chooser opens in, the editor, and the
// settings store for as long as it lives.

#include "platform/win/cstring.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "res/resource.h"
#include "settings/registry_settings.h"

// The editor when none has been chosen.
inline constexpr const char* kDefaultEditor = "Notepad.exe";

// The names of the two remembered values.
inline constexpr const char* kFolderValue = "Folder";
inline constexpr const char* kEditorValue = "Editor";

// Posted by OnInitDialog when a file was named on the command line.
inline constexpr UINT WM_OPEN_START_FILE = WM_APP + 1;
// Posted by OnInitDialog: the parser starts once the window shows.
inline constexpr UINT WM_START_PARSER = WM_APP + 2;

class CCorvaneDlg : public CDialog {
public:
    explicit CCorvaneDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_CORVANE_DIALOG };

    BOOL OnInitDialog() override;

    // opened_files.cpp: a file named on the command line, taken and validated
    // once the window is shown. Set before DoModal.
    void OpenAtStart(const CString& strArgument) { m_strStartFile = strArgument; }

protected:
    // The validation run; the dialog stays open afterwards.
    void OnOK() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // about_dlg.cpp: the system menu and its About item.
    void OnSysCommand(UINT nID, LPARAM lParam);
    // corvane_dlg.cpp: start-up, painting, OK.
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBnClickedOk();
    void OnStartParser();
    // file_choosers.cpp: the two "..." buttons.
    void OnBrowseXmlFile();
    void OnConfigureEditor();
    // A confirmed XML file, however it came: shown, its folder remembered,
    // OK and Edit enabled, an earlier verdict cleared.
    void TakeXmlFile(const CString& strXmlPath);
    // opened_files.cpp: the file of the command line, and dropped files.
    void OnOpenStartFile();
    void OnDropFiles(HDROP hDropInfo);
    // editor_launch.cpp: Edit.
    void OnEditXmlFile();
    // help_summary.cpp: Help.
    void OnHelpSummary();

    HICON m_hIcon = nullptr;
    CString m_strXmlPath;
    CString m_strFolder;
    CString m_strEditor;
    CString m_strStartFile;
    // The line of the document itself that the shown error report points at;
    // 0 when there is none.
    LONG m_lErrorLine = 0;
    CRegistrySettings m_settings;

private:
    static const MessageRoute<CCorvaneDlg> messageMap[];
};
