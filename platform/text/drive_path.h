#pragma once
// Inside the program every path has the drive form (letter, colon,
// backslash). Drive Z: is the root of the Linux file system; no other drive
// exists. Conversion happens only here, at the platform's edge.

#include <optional>
#include <string>
#include <string_view>

// "Z:\home\ann\site.xml" -> "/home/ann/site.xml"; "Z:\" and "Z:" -> "/".
// Any other drive, or a path not in drive form, has no Linux path.
std::optional<std::string> LinuxPathFromDrivePath(std::string_view drivePath);

// "/home/ann/site.xml" -> "Z:\home\ann\site.xml". A relative path, or a name
// holding a backslash (which the drive form cannot tell from a separator),
// has no drive path.
std::optional<std::string> DrivePathFromLinuxPath(std::string_view linuxPath);

// The drive path of a file named on a command line: a drive path as it is, or
// a Linux path taken against the current directory. A path starting with a
// backslash (a network path) is kept as it is, for the load to refuse.
std::optional<std::string> DrivePathFromCommandLine(std::string_view argument);

// Why a path that LinuxPathFromDrivePath rejects names no file, for the
// report of a load: another drive, a path relative to drive Z:'s current
// folder ("Z:tmp"), a network path, or no drive at all.
std::string UnmappedDrivePathReason(std::string_view path);

// How the program's reports write the paths they name: in the drive form the
// window shows (the default), or as Linux paths, for tools that open the
// file a report names.
enum class ShownPathForm { Drive, Linux };
ShownPathForm CurrentShownPathForm();
void SetShownPathForm(ShownPathForm form);

// A Linux path as reports write it in the current form; one that has no
// drive form is written as it is.
std::string ShownPath(const std::string& linuxPath);
