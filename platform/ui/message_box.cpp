#include "platform/ui/message_box.h"

#include "platform/ui/service_stack.h"

#include <cstdio>

namespace {

ServiceStack<MessageBoxService>& Services()
{
    return ServiceStack<MessageBoxService>::Instance();
}

void WriteToStandardError(const CString& caption, const CString& text)
{
    std::fprintf(stderr, "%s: %s\n", caption.GetString(), text.GetString());
    std::fflush(stderr);
}

} // namespace

MessageBoxServiceScope::MessageBoxServiceScope(MessageBoxService& service) : m_service(&service)
{
    Services().Push(m_service);
}

MessageBoxServiceScope::~MessageBoxServiceScope()
{
    Services().Remove(m_service);
}

int UnansweredMessageBoxResult(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int AfxMessageBox(const CString& text, UINT nType, UINT /*nIDHelp*/)
{
    const CString caption(kApplicationName);
    // The service is called without any lock held: a real box runs an event
    // loop, from which another box may be asked for.
    if (MessageBoxService* service = Services().Current())
        return service->Show(caption, text, nType);
    WriteToStandardError(caption, text);
    return UnansweredMessageBoxResult(nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}

int ScriptedMessageBoxes::Show(const CString& caption, const CString& text, UINT nType)
{
    m_shown.push_back(Shown{caption, text, nType});
    if (m_answers.empty())
        return UnansweredMessageBoxResult(nType);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}
