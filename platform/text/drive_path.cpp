#include "platform/text/drive_path.h"

#include <atomic>
#include <cctype>
#include <filesystem>

namespace {

bool IsDriveLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool HasDriveForm(std::string_view path)
{
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

} // namespace

std::optional<std::string> LinuxPathFromDrivePath(std::string_view drivePath)
{
    if (!HasDriveForm(drivePath) || (drivePath[0] != 'Z' && drivePath[0] != 'z'))
        return std::nullopt;
    std::string_view rest = drivePath.substr(2);
    if (!rest.empty() && rest[0] != '\\' && rest[0] != '/')
        return std::nullopt; // drive-relative ("Z:foo") names no fixed place
    std::string linux = "/";
    for (const char ch : rest.empty() ? rest : rest.substr(1))
        linux += (ch == '\\') ? '/' : ch;
    return linux;
}

std::optional<std::string> DrivePathFromLinuxPath(std::string_view linuxPath)
{
    if (linuxPath.empty() || linuxPath[0] != '/' ||
        linuxPath.find('\\') != std::string_view::npos)
        return std::nullopt;
    std::string drive = "Z:";
    for (const char ch : linuxPath)
        drive += (ch == '/') ? '\\' : ch;
    return drive;
}

std::optional<std::string> DrivePathFromCommandLine(std::string_view argument)
{
    if (argument.empty())
        return std::nullopt;
    // A network path (\\server\share) or a path without its drive is given
    // to the load as it is, which reports that it names no file here.
    if (HasDriveForm(argument) || argument[0] == '\\')
        return std::string(argument);
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(argument), error);
    if (error)
        return std::nullopt;
    return DrivePathFromLinuxPath(absolute.lexically_normal().string());
}

std::string UnmappedDrivePathReason(std::string_view path)
{
    if (HasDriveForm(path)) {
        const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        if (drive == 'Z')
            return "The path \"" + std::string(path) + "\" is a drive-relative path, not a full path " +
                   "(a full path starts with Z:\\)";
        return "The path " + std::string(path) + " names no file on this system: drive " + drive +
               ": does not exist (only drive Z: does)";
    }
    if (path.starts_with("\\\\"))
        return "The path \"" + std::string(path) + "\" is a network path; only files on drive Z: can be read";
    return "The path \"" + std::string(path) + "\" is not a full path with a drive letter";
}

namespace {

std::atomic<ShownPathForm> g_shownPathForm{ShownPathForm::Drive};

} // namespace

ShownPathForm CurrentShownPathForm()
{
    return g_shownPathForm.load(std::memory_order_relaxed);
}

void SetShownPathForm(ShownPathForm form)
{
    g_shownPathForm.store(form, std::memory_order_relaxed);
}

std::string ShownPath(const std::string& linuxPath)
{
    if (CurrentShownPathForm() == ShownPathForm::Linux)
        return linuxPath;
    return DrivePathFromLinuxPath(linuxPath).value_or(linuxPath);
}
