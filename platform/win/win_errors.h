#pragma once
// The system error codes that the platform's services return, under their
// usual names and numbers. Only the codes some service here can return.

#include "platform/win/win_types.h"

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_BAD_PATHNAME = 161;
inline constexpr LONG ERROR_BUSY = 170;
inline constexpr LONG ERROR_MORE_DATA = 234;
// The configuration registry database is damaged (or is not one at all).
inline constexpr LONG ERROR_BADDB = 1009;
// The configuration registry database could not be opened or created.
inline constexpr LONG ERROR_CANTOPEN = 1011;
// Reading from or writing to the database failed at the storage level.
inline constexpr LONG ERROR_REGISTRY_IO_FAILED = 1016;
// The key behind a handle has gone (its database was replaced or edited).
inline constexpr LONG ERROR_KEY_DELETED = 1018;
