#pragma once
// The About box: the application's icon, its version and legal notice, and
// OK. Everything it shows comes from its template, IDD_ABOUTBOX.

#include "platform/win/dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };
};
