#include "platform/ui/file_dialog.h"

#include <cstring>

namespace {

// Walks the list string by string and returns where reading stopped: after
// the closing empty string, or after a description whose patterns are empty.
// Such a description can only be the last (the text behind a filter
// template's last separator), and what follows its terminator may already
// lie past the caller's buffer, so nothing further is read.
template <class OnPair> const char* WalkFilterList(LPCSTR list, OnPair onPair)
{
    if (list == nullptr)
        return nullptr;
    const char* at = list;
    while (*at != '\0') {
        const char* description = at;
        at += std::strlen(at) + 1;
        const char* patterns = at;
        at += std::strlen(at) + 1;
        onPair(description, patterns);
        if (*patterns == '\0')
            return at;
    }
    return at + 1;
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
    const char* end = WalkFilterList(lpstrFilter, [](const char*, const char*) {});
    if (end == nullptr)
        return std::string(1, '\0');
    return std::string(lpstrFilter, static_cast<std::size_t>(end - lpstrFilter));
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
