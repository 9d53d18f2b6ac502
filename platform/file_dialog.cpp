#include "platform/file_dialog.h"

#include <cstring>

namespace {

// Walks the list string by string; stops at the closing empty string, so it
// never reads past a list that is closed as the format requires.
template <class OnPair> void WalkFilterList(LPCSTR list, OnPair onPair)
{
    if (list == nullptr)
        return;
    const char* at = list;
    while (*at != '\0') {
        const char* description = at;
        at += std::strlen(at) + 1;
        const char* patterns = at;
        at += std::strlen(at) + 1;
        onPair(description, patterns);
    }
}

} // namespace

std::vector<FileFilter> ReadFilterList(LPCSTR lpstrFilter)
{
    std::vector<FileFilter> filters;
    WalkFilterList(lpstrFilter, [&](const char* description, const char* patterns) {
        filters.push_back({CString(description), CString(patterns)});
    });
    return filters;
}

std::string FilterListBytes(LPCSTR lpstrFilter)
{
    std::string bytes;
    WalkFilterList(lpstrFilter, [&](const char* description, const char* patterns) {
        bytes.append(description, std::strlen(description) + 1);
        bytes.append(patterns, std::strlen(patterns) + 1);
    });
    bytes.push_back('\0');
    return bytes;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR /*lpszFileName*/, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* /*pParentWnd*/, DWORD dwSize)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_ofn.lStructSize = dwSize != 0 ? dwSize : static_cast<DWORD>(sizeof(OPENFILENAME));
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFilter = lpszFilter;
    m_ofn.nFilterIndex = 1;
}

INT_PTR CFileDialog::DoModal()
{
    FileChooserService* service = ServiceStack<FileChooserService>::Instance().Current();
    if (service == nullptr)
        return IDCANCEL;

    FileChooserRequest request;
    request.bOpenFileDialog = m_bOpenFileDialog != FALSE;
    request.title = CString(m_ofn.lpstrTitle);
    request.filters = ReadFilterList(m_ofn.lpstrFilter);
    request.filterBytes = FilterListBytes(m_ofn.lpstrFilter);
    request.nFilterIndex = m_ofn.nFilterIndex;
    request.initialFolder = CString(m_ofn.lpstrInitialDir);
    request.defaultExtension = CString(m_ofn.lpstrDefExt);
    request.flags = m_ofn.Flags;

    CString chosen;
    if (service->Run(request, chosen) != IDOK || chosen.IsEmpty())
        return IDCANCEL;
    m_strPathName = chosen;
    return IDOK;
}

int ScriptedFileChoosers::Run(const FileChooserRequest& request, CString& chosen)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return IDCANCEL;
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if (answer.result == IDOK)
        chosen = answer.path;
    return answer.result;
}
