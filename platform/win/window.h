#pragma once
// A window as the program's logic sees it: a dialog or one of its controls.
// The desktop program's windows are Qt widgets (platform/qt); the terminal
// program and the tests use the headless windows of headless_window.h.

#include "platform/win/cstring.h"
#include "platform/win/win_types.h"

class CWnd {
public:
    virtual ~CWnd() = default;

    virtual void SetWindowText(const CString& text) = 0;
    virtual CString GetWindowText() const = 0;
    // Returns non-zero if the window was disabled before the call.
    virtual BOOL EnableWindow(BOOL bEnable = TRUE) = 0;
    virtual BOOL IsWindowEnabled() const = 0;

    // A child control by identifier; null when there is none.
    virtual CWnd* GetDlgItem(int nID) const = 0;

    // The application's wait cursor, shown between the two calls; the window
    // is repainted first so that what the caller just set is visible while
    // the thread blocks.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
