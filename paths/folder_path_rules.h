#pragma once
// The rules a remembered folder path must follow before the program uses it:
// a drive letter, a colon and a backslash, then components separated by
// single backslashes. Every test works on single bytes.

// 1 if `component` may name one level of a path, 0 if not (null or empty;
// beginning or ending with a TAB, a blank or a full stop; or holding any of
// " * / : < > ? \ |).
int IsValidPathComponent(const char* component);

// Result codes of CheckFolderPath.
inline constexpr int kFolderPathValid = 0;
inline constexpr int kFolderPathInvalid = 1;
inline constexpr int kFolderPathNotCreated = 2;

// The longest path the rules accept, in bytes before its terminator; a longer
// one is invalid.
inline constexpr int kMaxFolderPathLength = 259;

// Tests `path`. With checkOnly zero it also creates every missing level, from
// the outermost in. 0: valid (and, when creating, every level exists now);
// 1: invalid; 2: when creating, the drive root or a level does not exist
// after its creation was tried. The caller's text is never changed.
int CheckFolderPath(const char* path, int checkOnly);

// Checks `path` and, when the folder is missing, asks the user whether to
// create it. 0: the folder exists (perhaps just created); -1: the user
// declined; 1: the path is invalid (the user was told); 2: it could not be
// created (the user was told).
int PrepareFolder(const char* path);
