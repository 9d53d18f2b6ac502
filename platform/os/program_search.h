#pragma once
// Where a program named on a command line lives. Shared by the command-line
// splitting (which asks whether a prefix names a program), the resolution of
// the program, and the search for the desktop's text editor.

#include <optional>
#include <string>
#include <string_view>

// A regular file (after following links) that we may execute.
bool IsExecutableFile(const std::string& linuxPath);

// Whether the path names an entry that exists (after following links).
bool EntryExists(const std::string& linuxPath);

// Searches a bare name (no '/', no drive) in PATH. Empty and relative PATH
// entries are skipped rather than meaning the current directory: a desktop
// program's current directory is wherever it was started from, and a
// program lying next to a document must never be started in place of the
// one the user meant.
std::optional<std::string> FindProgramInPath(std::string_view name);

// The executable a program word names: a drive path by its Linux path (no
// other drive exists), an absolute Linux path as it is, a bare name through
// PATH. A relative path with folders names nothing, for the same reason as
// above.
std::optional<std::string> ProgramPathFromWord(std::string_view word);
