#pragma once
// The main window: a modal dialog built from IDD_CORVANE_DIALOG, holding the
// chosen XML file, the folder the XML chooser opens in, the editor, and the
// settings store for as long as it lives.

#include "platform/cstring.h"
#include "platform/dialog.h"
#include "platform/gdi.h"
#include "res/resource.h"
#include "settings/registry_settings.h"

// The editor when none has been chosen.
inline constexpr const char* kDefaultEditor = "Notepad.exe";

// The names of the two remembered values.
inline constexpr const char* kFolderValue = "Folder";
inline constexpr const char* kEditorValue = "Editor";

class CCorvaneDlg : public CDialog {
public:
    explicit CCorvaneDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_CORVANE_DIALOG };

    BOOL OnInitDialog() override;

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
    // file_choosers.cpp: the two "..." buttons.
    void OnBrowseXmlFile();
    void OnConfigureEditor();
    // editor_launch.cpp: Edit.
    void OnEditXmlFile();
    // help_summary.cpp: Help.
    void OnHelpSummary();

    HICON m_hIcon = nullptr;
    CString m_strXmlPath;
    CString m_strFolder;
    CString m_strEditor;
    CRegistrySettings m_settings;

private:
    static const MessageRoute<CCorvaneDlg> messageMap[];
};
