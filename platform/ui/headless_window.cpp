#include "platform/ui/headless_window.h"

void CTextControl::SetWindowText(const CString& text)
{
    m_text = text;
    ++m_changes;
    if (m_observer)
        m_observer(m_text);
}

BOOL CTextControl::EnableWindow(BOOL bEnable)
{
    const BOOL wasDisabled = m_enabled ? FALSE : TRUE;
    m_enabled = bEnable != FALSE;
    return wasDisabled;
}

CTextControl& CHeadlessDialog::AddControl(int nID)
{
    auto& control = m_controls[nID];
    if (!control)
        control = std::make_unique<CTextControl>();
    return *control;
}

BOOL CHeadlessDialog::EnableWindow(BOOL bEnable)
{
    const BOOL wasDisabled = m_enabled ? FALSE : TRUE;
    m_enabled = bEnable != FALSE;
    return wasDisabled;
}

CWnd* CHeadlessDialog::GetDlgItem(int nID) const
{
    const auto found = m_controls.find(nID);
    return found == m_controls.end() ? nullptr : found->second.get();
}

void CHeadlessDialog::BeginWaitCursor()
{
    ++m_waitDepth;
    ++m_waitShown;
}

void CHeadlessDialog::EndWaitCursor()
{
    if (m_waitDepth > 0)
        --m_waitDepth;
}
