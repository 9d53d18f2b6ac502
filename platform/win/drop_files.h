#pragma once
// Files dropped onto a window from the file manager, as the shell hands them
// to a program: a window that accepts files (DragAcceptFiles) receives
// WM_DROPFILES with a drop handle, asks it for the count and the names of
// the files (DragQueryFile), and lets it go (DragFinish).
//
// The names are drive paths. What no drive path can name never arrives: the
// window services refuse a drop that holds anything but local files, or a
// file whose Linux name holds a backslash, with a message, and send nothing.

#include "platform/win/win_types.h"

#include <string>
#include <vector>

inline constexpr UINT WM_DROPFILES = 0x0233;

// The dropped files for as long as the message is handled; the window
// services own it.
struct DropFilesRecord {
    std::vector<std::string> files; // drive paths, in the order dropped
    bool finished = false;
};
using HDROP = DropFilesRecord*;

// iFile 0xFFFFFFFF: the number of files. Otherwise the length of that file's
// name without its terminator when lpszFile is null, or the name copied into
// lpszFile (at most cch - 1 characters and a terminator) and the number of
// characters copied. 0 for a finished drop or a file past the end.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch);

// The program is done with the drop; later queries find nothing.
void DragFinish(HDROP hDrop);
