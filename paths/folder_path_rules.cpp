#include "paths/folder_path_rules.h"

#include "platform/win/cstring.h"
#include "platform/os/file_system.h"
#include "platform/ui/message_box.h"
#include "platform/win/win_types.h"

#include <array>
#include <cstring>
#include <string_view>

namespace {

constexpr const char* kInvalidText = "The folder:\n\n%s\n\nis invalid. Please reenter.";
constexpr const char* kMissingText =
    "The folder:\n\n%s\n\ndoes not exist. Do you want the folder to be created?";
constexpr const char* kCannotCreateText = "The folder:\n\n%s\n\ncan not be created. Please double check.";

bool IsEdgeByteRejected(char ch)
{
    return ch == '\t' || ch == ' ' || ch == '.';
}

bool IsByteRejected(char ch)
{
    constexpr std::string_view kRejectedBytes = "\"*/:<>?\\|";
    return kRejectedBytes.find(ch) != std::string_view::npos;
}

bool IsDriveLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

} // namespace

int IsValidPathComponent(const char* component)
{
    if (component == nullptr || component[0] == '\0')
        return 0;
    const std::size_t length = std::strlen(component);
    if (IsEdgeByteRejected(component[0]) || IsEdgeByteRejected(component[length - 1]))
        return 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (IsByteRejected(component[i]))
            return 0;
    }
    return 1;
}

int CheckFolderPath(const char* path, int checkOnly)
{
    if (path == nullptr)
        return kFolderPathInvalid;

    // The working copy. A path with no terminator within its size is too long
    // to be a folder path at all: it is invalid, and nothing of it is copied.
    std::array<char, kMaxFolderPathLength + 1> copy{};
    std::size_t length = 0;
    while (length < copy.size() && path[length] != '\0')
        ++length;
    if (length == copy.size())
        return kFolderPathInvalid;
    std::memcpy(copy.data(), path, length + 1);

    if (length < 3)
        return kFolderPathInvalid;
    if (!IsDriveLetter(copy[0]) || copy[1] != ':' || copy[2] != '\\')
        return kFolderPathInvalid;
    if (length == 3) {
        // The drive root is never created, only looked for.
        if (checkOnly)
            return kFolderPathValid;
        return _access(copy.data(), 0) == 0 ? kFolderPathValid : kFolderPathNotCreated;
    }

    std::size_t start = 3;
    while (true) {
        std::size_t end = start;
        while (copy[end] != '\0' && copy[end] != '\\')
            ++end;
        const bool last = (copy[end] == '\0');
        // Cut the copy after this component: it now names this level.
        copy[end] = '\0';
        if (!IsValidPathComponent(&copy[start]))
            return kFolderPathInvalid;
        if (!checkOnly) {
            // Whether the creation worked is for the existence test to say:
            // a level that is already there fails to be created, and passes.
            CreateDirectoryA(copy.data(), nullptr);
            if (_access(copy.data(), 0) != 0)
                return kFolderPathNotCreated;
        }
        if (last)
            return kFolderPathValid;
        copy[end] = '\\';
        start = end + 1;
        if (copy[start] == '\0')
            return kFolderPathInvalid; // a trailing backslash
    }
}

int PrepareFolder(const char* path)
{
    CString strMessage;
    try {
        int nResult = CheckFolderPath(path, 1);
        if (nResult != 0)
            throw nResult;
        if (_access(path, 0) == 0)
            return 0;
        strMessage.Format(kMissingText, path);
        if (AfxMessageBox(strMessage, MB_YESNO | MB_ICONQUESTION, 0) != IDYES)
            return -1;
        nResult = CheckFolderPath(path, 0);
        if (nResult != 0)
            throw nResult;
        return 0;
    } catch (int nError) {
        strMessage.Format(nError == 1 ? kInvalidText : kCannotCreateText, path);
        AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION, 0);
        return nError;
    }
}
