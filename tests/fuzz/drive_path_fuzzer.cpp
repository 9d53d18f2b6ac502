// Fuzzes the conversions between drive paths and Linux paths.
//
// The input up to its first NUL is tried both as a drive path and as a Linux
// path; both must hold:
//   - a Linux path that has a drive path converts back to itself;
//   - a drive path that has a Linux path gives one that is absolute and holds
//     no backslash.
// The command-line and reason helpers run on it too, for crashes only.

#include "platform/text/drive_path.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what, std::string_view input)
{
    if (condition)
        return;
    std::fprintf(stderr, "path conversion broke an invariant: %s (input of %zu bytes)\n", what, input.size());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));

    if (const auto drive = DrivePathFromLinuxPath(text)) {
        const auto back = LinuxPathFromDrivePath(*drive);
        Require(back.has_value(), "a converted Linux path has no way back", text);
        Require(*back == text, "a Linux path does not convert back to itself", text);
    }

    if (const auto linuxPath = LinuxPathFromDrivePath(text)) {
        Require(!linuxPath->empty() && linuxPath->front() == '/', "a Linux path that is not absolute", text);
        Require(linuxPath->find('\\') == std::string::npos, "a backslash in a Linux path", text);
    } else {
        Require(!UnmappedDrivePathReason(text).empty(), "no reason for an unmapped path", text);
    }

    if (const auto fromCommandLine = DrivePathFromCommandLine(text))
        Require(!fromCommandLine->empty(), "an empty drive path from a command line", text);
    return 0;
}
