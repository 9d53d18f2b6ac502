#pragma once
// The framework's file-open chooser. The caller fills the chooser's record
// (title, filter list, initial folder, default extension, flags) through
// GetOFN(), runs it with DoModal and reads the confirmed file's drive path
// with GetPathName.
//
// Behind it stands a chooser service, as behind the message box: the real
// one on Qt (installed by the desktop program), or a scripted one that tests
// install to queue the next answers and read back what was asked. With no
// service installed the chooser cannot be shown and DoModal returns IDCANCEL.

#include "platform/win/cstring.h"
#include "platform/ui/service_stack.h"
#include "platform/win/win_types.h"
#include "platform/win/window.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

inline constexpr DWORD OFN_READONLY = 0x00000001u;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002u;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004u;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008u;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800u;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000u;
inline constexpr DWORD OFN_EXPLORER = 0x00080000u;
inline constexpr DWORD OFN_ENABLESIZING = 0x00800000u;

// The chooser's record: the parts a caller sets. The texts are the caller's
// own and must outlive DoModal.
struct OPENFILENAMEA {
    DWORD lStructSize;
    // Pairs of NUL-terminated strings (a description, then its patterns
    // separated by ';'), closed by one more empty string. Read up to that
    // closing empty string, or up to a description without patterns (which
    // ends the list), and never further.
    LPCSTR lpstrFilter;
    // 1-based index of the pair selected at first.
    DWORD nFilterIndex;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    LPCSTR lpstrDefExt;
};
using OPENFILENAME = OPENFILENAMEA;

// One pair of the filter list.
struct FileFilter {
    CString description;
    CString patterns;
};

// Reads a filter list up to its closing empty string; null reads as empty.
std::vector<FileFilter> ReadFilterList(LPCSTR lpstrFilter);

// The bytes of a filter list as far as it is read, the terminator where
// reading stopped included.
std::string FilterListBytes(LPCSTR lpstrFilter);

// What a chooser is asked to do, as its service receives it.
struct FileChooserRequest {
    bool bOpenFileDialog = true;
    CString title;
    std::vector<FileFilter> filters;
    std::string filterBytes;
    DWORD nFilterIndex = 0;
    CString initialFolder; // a drive path; empty means the chooser's default
    CString defaultExtension;
    DWORD flags = 0;
};

class FileChooserService {
public:
    virtual ~FileChooserService() = default;
    // Runs the chooser; on IDOK `chosen` holds the full drive path of the one
    // confirmed file. Any other result means that nothing was chosen.
    virtual int Run(const FileChooserRequest& request, CString& chosen) = 0;
};

using FileChooserServiceScope = ServiceScope<FileChooserService>;

class CFileDialog {
public:
    // The framework sets OFN_EXPLORER and OFN_ENABLESIZING on top of dwFlags.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);

    OPENFILENAME& GetOFN() { return m_ofn; }
    const OPENFILENAME& GetOFN() const { return m_ofn; }

    // IDOK once a file is confirmed; IDCANCEL otherwise, also when no
    // chooser can be shown.
    INT_PTR DoModal();
    // The confirmed file's full drive path; empty before a confirmation.
    CString GetPathName() const { return m_strPathName; }

private:
    BOOL m_bOpenFileDialog;
    OPENFILENAME m_ofn{};
    CString m_strPathName;
};

// For tests: answers choosers from a queue and records each request. Once
// the queue is empty, a chooser is cancelled.
class ScriptedFileChoosers : public FileChooserService {
public:
    ScriptedFileChoosers() : m_scope(*this) {}
    void QueueConfirm(const CString& drivePath) { m_answers.push_back({IDOK, drivePath}); }
    void QueueCancel() { m_answers.push_back({IDCANCEL, CString()}); }
    int Run(const FileChooserRequest& request, CString& chosen) override;
    const std::vector<FileChooserRequest>& Requests() const { return m_requests; }

private:
    struct Answer {
        int result;
        CString path;
    };
    FileChooserServiceScope m_scope;
    std::deque<Answer> m_answers;
    std::vector<FileChooserRequest> m_requests;
};
