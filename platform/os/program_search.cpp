#include "platform/os/program_search.h"

#include "platform/text/drive_path.h"

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool HasDriveForm(std::string_view word)
{
    const auto isLetter = [](char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); };
    return word.size() >= 2 && isLetter(word[0]) && word[1] == ':';
}

} // namespace

bool IsExecutableFile(const std::string& linuxPath)
{
    struct stat info {};
    if (linuxPath.empty() || stat(linuxPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return access(linuxPath.c_str(), X_OK) == 0;
}

bool EntryExists(const std::string& linuxPath)
{
    struct stat info {};
    return !linuxPath.empty() && stat(linuxPath.c_str(), &info) == 0;
}

std::optional<std::string> FindProgramInPath(std::string_view name)
{
    if (name.empty() || name.find('/') != std::string_view::npos)
        return std::nullopt;
    const char* path = std::getenv("PATH");
    if (path == nullptr)
        return std::nullopt;
    std::string_view rest = path;
    while (true) {
        const auto colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        if (!entry.empty() && entry.front() == '/') {
            std::string candidate(entry);
            if (candidate.back() != '/')
                candidate += '/';
            candidate += name;
            if (IsExecutableFile(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(colon + 1);
    }
}

std::optional<std::string> ProgramPathFromWord(std::string_view word)
{
    std::optional<std::string> path;
    if (HasDriveForm(word))
        path = LinuxPathFromDrivePath(word);
    else if (!word.empty() && word.front() == '/')
        path = std::string(word);
    else if (word.find('/') == std::string_view::npos && word.find('\\') == std::string_view::npos)
        return FindProgramInPath(word);
    if (path && IsExecutableFile(*path))
        return path;
    return std::nullopt;
}
