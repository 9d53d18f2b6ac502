#include "platform/ui/message_box.h"
#include "res/resource.h"
#include "ui/corvane_dlg.h"

// The summary is the introduction followed by one section for each area and
// button of the dialog, in the order the user meets them.
void CCorvaneDlg::OnHelpSummary()
{
    CString strHelp;
    CString strPiece;
    strHelp.LoadString(IDS_HELP_INTRO);
    for (const UINT nID : {IDS_HELP_SCHEMA, IDS_HELP_PARSER, IDS_HELP_FILE, IDS_HELP_EDITOR, IDS_HELP_RESULT,
                           IDS_HELP_EDIT, IDS_HELP_OK}) {
        strPiece.LoadString(nID);
        strHelp += strPiece;
    }
    AfxMessageBox(strHelp, MB_OK, 0);
}
