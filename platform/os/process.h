#pragma once
// Process creation as the program was written against it: one command line,
// a start-up record, and a record that receives the new process' handles.
//
// On this platform a program starts from a path and a list of arguments, so
// the command line is split first (platform/os/command_line.h). No shell is
// ever involved. The started program is detached: it inherits the
// environment and the current directory, nothing waits for it, and it never
// lingers as a zombie. Success means the program really started.

#include "platform/win/win_types.h"

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

// Starts the program that the command line names (see ResolveCommandLine in
// platform/os/command_line.h); an editor that draws in a terminal, when this
// process has none to pass on, runs in the desktop's terminal instead
// (platform/os/terminal_editor.h).
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
