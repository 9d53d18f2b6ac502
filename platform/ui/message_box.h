#pragma once
// The framework's application message box. Its caption is the application's
// name; it is modal and returns the identifier of the button pressed.
// Behind it stands a message-box service: the real one on Qt (installed by
// the desktop program), or a scripted one that tests install to queue the
// next answers and read back what was asked.

#include "platform/win/cstring.h"
#include "platform/win/win_types.h"

#include <deque>
#include <vector>

// The application's name, shown as the caption of every message box.
inline constexpr const char* kApplicationName = "Corvane";

int AfxMessageBox(const CString& text, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text of a string-table entry.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int Show(const CString& caption, const CString& text, UINT nType) = 0;
};

// Installs a service for as long as the scope lives; the one installed
// before comes back afterwards (also when scopes end out of order).
//
// With no service installed nothing is shown and nothing waits: the text goes
// to standard error, so that a run without a screen does not lose it, and the
// box is answered with the button that lets nothing happen: IDOK for MB_OK,
// IDNO for MB_YESNO, IDCANCEL for MB_OKCANCEL.
class MessageBoxServiceScope {
public:
    explicit MessageBoxServiceScope(MessageBoxService& service);
    ~MessageBoxServiceScope();
    MessageBoxServiceScope(const MessageBoxServiceScope&) = delete;
    MessageBoxServiceScope& operator=(const MessageBoxServiceScope&) = delete;

private:
    MessageBoxService* m_service;
};

// The answer a box of this type gets when nobody can answer it.
int UnansweredMessageBoxResult(UINT nType);

// For tests: answers boxes from a queue and records each box shown. Once the
// queue is empty, a box gets the answer of an unanswered box.
class ScriptedMessageBoxes : public MessageBoxService {
public:
    struct Shown {
        CString caption;
        CString text;
        UINT nType;
    };

    ScriptedMessageBoxes() : m_scope(*this) {}
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    int Show(const CString& caption, const CString& text, UINT nType) override;
    const std::vector<Shown>& Boxes() const { return m_shown; }

private:
    MessageBoxServiceScope m_scope;
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
};
