#pragma once
// The two file-system services the program uses, on drive paths: drive Z: is
// the root of the Linux file system and no other drive exists
// (platform/drive_path.h), so anything on another drive does not exist and
// cannot be created.

#include "platform/win/win_types.h"

// Only a null pointer is accepted where the calls take security attributes.
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Mode 0: whether an entry of that name exists, a file as well as a folder
// (a symbolic link counts when what it points to exists). Modes 2, 4 and 6:
// whether it may also be written, read, or both. Returns 0 if so, -1 if not.
int _access(const char* path, int mode);

// Creates one folder whose parent exists. FALSE when the path cannot name a
// Linux path, when an entry of that name is already there, or when the
// system refuses.
BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
