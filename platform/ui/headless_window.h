#pragma once
// Windows with no screen: a text control and a dialog that holds such
// controls. The terminal program runs the validation into them, and tests
// read back what the logic wrote.

#include "platform/win/window.h"

#include <functional>
#include <map>
#include <memory>

class CTextControl : public CWnd {
public:
    using TextObserver = std::function<void(const CString& text)>;

    void SetWindowText(const CString& text) override;
    CString GetWindowText() const override { return m_text; }
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowEnabled() const override { return m_enabled ? TRUE : FALSE; }
    CWnd* GetDlgItem(int) const override { return nullptr; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    // Called after each SetWindowText, with the new text.
    void ObserveText(TextObserver observer) { m_observer = std::move(observer); }
    int TextChanges() const { return m_changes; }

private:
    CString m_text;
    bool m_enabled = true;
    int m_changes = 0;
    TextObserver m_observer;
};

class CHeadlessDialog : public CWnd {
public:
    CTextControl& AddControl(int nID);

    void SetWindowText(const CString& text) override { m_caption = text; }
    CString GetWindowText() const override { return m_caption; }
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowEnabled() const override { return m_enabled ? TRUE : FALSE; }
    CWnd* GetDlgItem(int nID) const override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    int WaitCursorDepth() const { return m_waitDepth; }
    int WaitCursorShown() const { return m_waitShown; }

private:
    std::map<int, std::unique_ptr<CTextControl>> m_controls;
    CString m_caption;
    bool m_enabled = true;
    int m_waitDepth = 0;
    int m_waitShown = 0;
};
