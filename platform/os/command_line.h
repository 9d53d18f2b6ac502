#pragma once
// Command lines as the program was written against them: one string naming
// the program and its arguments, split and resolved here to the program and
// argument list this platform starts (platform/os/process.h starts them).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program and its arguments as this platform starts them.
struct ProgramLaunch {
    std::string program;           // a Linux path to an executable file
    std::vector<std::string> args; // argv[1..], drive paths already mapped
};

// Splits a command line by the Windows command-line rules, with two
// refinements that only matter where those rules would lose a file:
//   - an unquoted program path with blanks is taken whole when the first
//     word alone names no program but a longer prefix of the line does,
//     ending at a blank or at the end of the line, before any double quote
//     (longest first);
//   - a quoted argument that is a drive path runs to the closing quote that
//     makes it name an existing file or folder (of the quotes followed by a
//     blank or the end of the line, the last such one), so that a Linux name
//     holding a double quote still arrives whole.
// Returns the raw words, program first, before any mapping; nothing for an
// empty line, and an empty program word for a line that starts with a blank.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Resolves a command line to the program and the arguments that would be
// started, without starting anything. The program word may be a drive path
// (drive Z: only), an absolute Linux path, or a bare name searched in PATH
// (empty and relative PATH entries are skipped); it must name an executable
// regular file. A relative path with folders names nothing: the current
// folder of a desktop program is no place to look for one. "Notepad.exe"
// (any case), when no such program exists, means the desktop's text editor
// (platform/os/desktop_editor.h gives the order of the search); there, the
// arguments that are drive paths are the files to open and the others are
// options, which go before the files. Arguments that are drive paths become
// Linux paths; the others pass as they are. Empty when nothing can be
// started.
std::optional<ProgramLaunch> ResolveCommandLine(std::string_view commandLine);

// The file name of the program that the command line would start, resolved
// as ResolveCommandLine resolves it: "gedit" for "Z:\usr\bin\gedit", and
// the desktop's text editor's own name for "Notepad.exe". Empty when the
// line names no program that could start.
std::string ProgramNameOfCommandLine(std::string_view commandLine);
