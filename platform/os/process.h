#pragma once
// Process creation as the program was written against it: one command line,
// a start-up record, and a record that receives the new process' handles.
//
// On this platform a program starts from a path and a list of arguments, so
// the command line is split here (see SplitCommandLine). No shell is ever
// involved. The started program is detached: it inherits the environment
// and the current directory, nothing waits for it, and it never lingers as
// a zombie. Success means the program really started.

#include "platform/win/win_types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using HANDLE = void*;

inline constexpr DWORD STARTF_USESHOWWINDOW = 0x00000001u;
inline constexpr WORD SW_HIDE = 0;
inline constexpr WORD SW_SHOW = 5;

struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    BYTE* lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
using STARTUPINFO = STARTUPINFOA;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};

// Starts the program that the command line names (see ResolveCommandLine);
// an editor that draws in a terminal, when this process has none to pass on,
// runs in the desktop's terminal instead (platform/terminal_editor.h).
// lpApplicationName, security attributes, handle inheritance, creation
// flags, an environment block and a current directory are not supported:
// they must be null, FALSE or 0 (the program inherits the caller's
// environment and directory, and no descriptor but standard input, output
// and error). The start-up record is required but its contents are not
// used. Returns FALSE, with nothing started, when the program cannot be
// found, is not an executable file, needs a terminal that cannot be found,
// or cannot be started for any other reason. On success dwProcessId (and dwThreadId) hold the program's process
// id, and both handles must be closed with CloseHandle.
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, void* lpProcessAttributes,
                    void* lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                    void* lpEnvironment, LPCSTR lpCurrentDirectory, STARTUPINFOA* lpStartupInfo,
                    PROCESS_INFORMATION* lpProcessInformation);

// Closes a handle that CreateProcessA returned; FALSE for an unknown or
// already closed handle.
BOOL CloseHandle(HANDLE hObject);

// The handles that are open now (for tests: a press must leave none).
int OpenProcessHandleCount();

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
// (platform/desktop_editor.h gives the order of the search); there, the
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
