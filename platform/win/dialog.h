#pragma once
// Modal dialogs built from the templates of the resource module, with their
// controls, their system menu, their icons and their message routing.
// Implemented by the window services on Qt (platform/qt).

#include "platform/win/cstring.h"
#include "platform/win/drop_files.h"
#include "platform/win/gdi.h"
#include "platform/win/win_types.h"
#include "platform/win/window.h"

#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

// Window messages the dialogs handle.
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
// The first message number a program may give a meaning of its own.
inline constexpr UINT WM_APP = 0x8000;

// Notification of a button in WM_COMMAND, and the code of a command that
// comes from a menu or an accelerator.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT CN_COMMAND = 0;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// System commands. The window system keeps the low four bits of a command
// value for itself.
inline constexpr UINT SC_SIZE = 0xF000;
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_KEYMENU = 0xF100;
inline constexpr UINT SC_RESTORE = 0xF120;

// Menu item flags.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_SEPARATOR = 0x0800;

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high)
{
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
// The signed coordinates of a position packed into an LPARAM.
constexpr int GET_X_LPARAM(LPARAM lParam) { return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))); }
constexpr int GET_Y_LPARAM(LPARAM lParam) { return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))); }

// A menu as the program fills it: items in order, each a separator or a text
// with a command value. "&" marks the access key of a text; a tab separates
// the text from its shortcut.
class CMenu {
public:
    struct Item {
        UINT nFlags;
        UINT nID;
        CString text;
    };

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    UINT GetMenuItemCount() const { return static_cast<UINT>(m_items.size()); }
    // The command value at this position; 0 for a separator, -1 past the end.
    UINT GetMenuItemID(int nPos) const;
    const std::vector<Item>& Items() const { return m_items; }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<Item> m_items;
};

// One line of a message routing table: a message (for WM_COMMAND, a
// notification code and a control identifier) and the member that handles it.
template <class T> struct MessageRoute {
    UINT message;
    UINT code = 0;
    int nID = 0;
    void (T::*onMessage)() = nullptr;
    void (T::*onSysCommand)(UINT, LPARAM) = nullptr;
    HCURSOR (T::*onQueryCursor)() = nullptr;
    void (T::*onDropFiles)(HDROP) = nullptr;

    constexpr MessageRoute(UINT msg, void (T::*handler)()) : message(msg), onMessage(handler) {}
    constexpr MessageRoute(UINT msg, void (T::*handler)(UINT, LPARAM)) : message(msg), onSysCommand(handler) {}
    constexpr MessageRoute(UINT msg, HCURSOR (T::*handler)()) : message(msg), onQueryCursor(handler) {}
    constexpr MessageRoute(UINT msg, void (T::*handler)(HDROP)) : message(msg), onDropFiles(handler) {}
    // A command: WM_COMMAND with this notification code from this control.
    constexpr MessageRoute(UINT notifyCode, int controlID, void (T::*handler)())
        : message(WM_COMMAND), code(notifyCode), nID(controlID), onMessage(handler)
    {
    }
};

// Hands the message to the first route that matches it; FALSE if none does.
template <class T>
BOOL RouteMessage(T& target, std::type_identity_t<std::span<const MessageRoute<T>>> routes, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT* pResult)
{
    for (const MessageRoute<T>& route : routes) {
        if (route.message != message)
            continue;
        if (message == WM_COMMAND &&
            (route.code != HIWORD(wParam) || static_cast<WORD>(route.nID) != LOWORD(wParam)))
            continue;
        LRESULT result = 0;
        if (route.onSysCommand != nullptr)
            (target.*route.onSysCommand)(static_cast<UINT>(wParam), lParam);
        else if (route.onQueryCursor != nullptr)
            result = reinterpret_cast<LRESULT>((target.*route.onQueryCursor)());
        else if (route.onDropFiles != nullptr)
            (target.*route.onDropFiles)(reinterpret_cast<HDROP>(wParam));
        else if (route.onMessage != nullptr)
            (target.*route.onMessage)();
        if (pResult != nullptr)
            *pResult = result;
        return TRUE;
    }
    return FALSE;
}

class DialogWindow; // the dialog's window while it exists (platform/qt)

class CDialog : public CWnd {
public:
    // The dialog of this template, owned by pParentWnd; with no parent the
    // application's main window (or the dialog running at the time) owns it.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window and its controls from the template, initialises it,
    // shows it and runs until EndDialog; returns EndDialog's result, or -1
    // if the window could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();

    // The window's caption; and its controls through GetDlgItem.
    void SetWindowText(const CString& text) override;
    CString GetWindowText() const override;
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowEnabled() const override;
    CWnd* GetDlgItem(int nID) const override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // Delivers a message through the routing table, then the default
    // processing, and returns the result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Delivers the message the same way once the dialog's loop runs again
    // (after initialisation: once the window is shown); dropped if the
    // window is gone by then. FALSE while the dialog has no window.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Whether files dropped from the file manager reach the dialog as
    // WM_DROPFILES (platform/drop_files.h).
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // The window's system menu while the window exists, if its style has
    // one; bRevert restores the default menu and returns null.
    CMenu* GetSystemMenu(BOOL bRevert);
    // Sends WM_SETICON; returns the icon that was set before.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    BOOL IsIconic() const;
    void GetClientRect(LPRECT lpRect) const;
    UINT GetTemplateID() const { return m_nIDTemplate; }
    // Non-zero while the window exists.
    BOOL IsWindowCreated() const { return m_window ? TRUE : FALSE; }

protected:
    virtual void OnOK();
    virtual void OnCancel();
    // The base painting: the background only, which the window system paints.
    void OnPaint() {}
    // The default processing of the message being handled.
    LRESULT Default();

    // The derived dialog's routing table comes first; the base table maps
    // the IDOK and IDCANCEL buttons to OnOK and OnCancel.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class DialogWindow;

    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    CWnd* OwnerWindow() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<DialogWindow> m_window;
    Message m_current;
    CMenu m_systemMenu;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    int m_nModalResult = -1;
    bool m_ended = false;
};
