#include "platform/win/dialog.h"

#include "platform/qt/dialog_window.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/win/resources.h"
#include "platform/win/win_app.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

// Dialogs running modally, the innermost last.
std::vector<CDialog*>& RunningDialogs()
{
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

constexpr const char* kCloseItem = "&Close\tAlt+F4";

} // namespace

// --- CMenu ----------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem)
{
    if ((nFlags & MF_SEPARATOR) != 0)
        m_items.push_back({nFlags, 0, CString()});
    else
        m_items.push_back({nFlags, static_cast<UINT>(nIDNewItem), CString(lpszNewItem)});
    return TRUE;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    if (nPos < 0 || static_cast<std::size_t>(nPos) >= m_items.size())
        return static_cast<UINT>(-1);
    return m_items[static_cast<std::size_t>(nPos)].nID;
}

// --- CPaintDC -------------------------------------------------------------

CPaintDC::CPaintDC(CDialog* pWnd)
{
    DialogWindow* window = pWnd == nullptr ? nullptr : DialogWindow::Of(*pWnd);
    if (window != nullptr)
        m_context = window->BeginPaint();
    m_hDC = m_context.get();
}

CPaintDC::~CPaintDC() = default;

// --- CDialog --------------------------------------------------------------

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog()
{
    auto& running = RunningDialogs();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
}

CWnd* CDialog::OwnerWindow() const
{
    if (m_pParentWnd != nullptr)
        return m_pParentWnd;
    CWnd* mainWindow = AfxGetApp()->m_pMainWnd;
    if (mainWindow != nullptr && mainWindow != this) {
        const auto* mainDialog = dynamic_cast<const CDialog*>(mainWindow);
        if (mainDialog == nullptr || mainDialog->m_window)
            return mainWindow;
    }
    const auto& running = RunningDialogs();
    for (auto it = running.rbegin(); it != running.rend(); ++it) {
        if (*it != this)
            return *it;
    }
    return nullptr;
}

INT_PTR CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dialogTemplate == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        m_window)
        return -1;

    QWidget* ownerWidget = nullptr;
    if (const auto* owner = dynamic_cast<const CDialog*>(OwnerWindow()); owner != nullptr && owner->m_window)
        ownerWidget = &owner->m_window->Widget();

    m_nModalResult = -1;
    m_ended = false;
    m_systemMenu.RemoveAll();
    if ((dialogTemplate->style & WS_SYSMENU) != 0)
        m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, kCloseItem);
    m_window = std::make_unique<DialogWindow>(*this, *dialogTemplate, ownerWidget);
    RunningDialogs().push_back(this);

    const BOOL setDefaultFocus = OnInitDialog();
    if (!m_ended) {
        m_window->Show(setDefaultFocus);
        RunNextDialogAction(*this, m_window->Widget());
        if (!m_ended)
            m_window->RunModalLoop();
    }

    auto& running = RunningDialogs();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
    m_window.reset();
    m_systemMenu.RemoveAll();
    m_hBigIcon = nullptr;
    m_hSmallIcon = nullptr;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_ended = true;
    if (m_window)
        m_window->EndModalLoop();
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::SetWindowText(const CString& text)
{
    if (m_window)
        m_window->Widget().setWindowTitle(ToQString(text));
}

CString CDialog::GetWindowText() const
{
    return m_window ? FromQString(m_window->Widget().windowTitle()) : CString();
}

BOOL CDialog::EnableWindow(BOOL bEnable)
{
    if (!m_window)
        return FALSE;
    const BOOL wasDisabled = m_window->Widget().isEnabled() ? FALSE : TRUE;
    m_window->Widget().setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CDialog::IsWindowEnabled() const
{
    return m_window && m_window->Widget().isEnabled() ? TRUE : FALSE;
}

CWnd* CDialog::GetDlgItem(int nID) const
{
    return m_window ? m_window->Control(nID) : nullptr;
}

void CDialog::BeginWaitCursor()
{
    AfxGetApp()->BeginWaitCursor();
}

void CDialog::EndWaitCursor()
{
    AfxGetApp()->EndWaitCursor();
}

LRESULT CDialog::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    m_current = outer;
    return result;
}

BOOL CDialog::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_window)
        return FALSE;
    QMetaObject::invokeMethod(
        &m_window->Widget(), [this, message, wParam, lParam] { SendMessage(message, wParam, lParam); },
        Qt::QueuedConnection);
    return TRUE;
}

void CDialog::DragAcceptFiles(BOOL bAccept)
{
    if (m_window)
        m_window->Widget().setAcceptDrops(bAccept != FALSE);
}

LRESULT CDialog::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (pResult != nullptr)
        *pResult = 0;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETICON: {
        const bool big = wParam == ICON_BIG;
        HICON& slot = big ? m_hBigIcon : m_hSmallIcon;
        const HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        if (m_window)
            m_window->ApplyIcons(m_hBigIcon, m_hSmallIcon);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_SYSCOMMAND:
        switch (static_cast<UINT>(wParam) & 0xFFF0) {
        case SC_CLOSE:
            return SendMessage(WM_CLOSE);
        case SC_KEYMENU:
            if (m_window)
                m_window->ShowSystemMenuFromKeyboard();
            return 0;
        case SC_MINIMIZE:
            if (m_window)
                m_window->Widget().showMinimized();
            return 0;
        case SC_RESTORE:
            if (m_window)
                m_window->Widget().showNormal();
            return 0;
        case SC_MOVE:
            if (m_window && m_window->Widget().windowHandle() != nullptr)
                m_window->Widget().windowHandle()->startSystemMove();
            return 0;
        default:
            return 0;
        }
    case WM_CLOSE: {
        // A dialog closes as its Cancel button would, unless that button is
        // there and disabled.
        const CWnd* cancel = GetDlgItem(IDCANCEL);
        if (cancel != nullptr && !cancel->IsWindowEnabled())
            return 0;
        return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    case WM_ICONERASEBKGND: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        if (hdc != nullptr && hdc->painter && hdc->widget != nullptr)
            hdc->painter->fillRect(hdc->widget->rect(), hdc->widget->palette().window());
        return 1;
    }
    default:
        return 0;
    }
}

CMenu* CDialog::GetSystemMenu(BOOL bRevert)
{
    const DialogTemplate* dialogTemplate = m_window ? &m_window->Template() : nullptr;
    if (dialogTemplate == nullptr || (dialogTemplate->style & WS_SYSMENU) == 0)
        return nullptr;
    if (bRevert != FALSE) {
        m_systemMenu.RemoveAll();
        m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, kCloseItem);
        return nullptr;
    }
    return &m_systemMenu;
}

HICON CDialog::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon != FALSE ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CDialog::GetIcon(BOOL bBigIcon) const
{
    return bBigIcon != FALSE ? m_hBigIcon : m_hSmallIcon;
}

BOOL CDialog::IsIconic() const
{
    return m_window && m_window->Widget().isMinimized() ? TRUE : FALSE;
}

void CDialog::GetClientRect(LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    *lpRect = RECT{};
    if (m_window) {
        lpRect->right = m_window->Widget().width();
        lpRect->bottom = m_window->Widget().height();
    }
}

QDialog* DialogWidgetOf(const CDialog& dialog)
{
    DialogWindow* window = DialogWindow::Of(dialog);
    return window == nullptr ? nullptr : &window->Widget();
}

QWidget* ControlWidgetOf(const CDialog& dialog, int nID)
{
    DialogWindow* window = DialogWindow::Of(dialog);
    ControlWindow* control = window == nullptr ? nullptr : window->Control(nID);
    return control == nullptr ? nullptr : control->Widget();
}
