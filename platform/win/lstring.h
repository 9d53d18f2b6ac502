#pragma once
// The system's plain string length, as the logic counts bytes to store.

#include "platform/win/win_types.h"

#include <climits>
#include <cstring>

// The length in bytes of a NUL-terminated text; 0 for a null pointer. A text
// too long for an int counts as INT_MAX bytes.
inline int lstrlenA(LPCSTR lpString)
{
    if (lpString == nullptr)
        return 0;
    const std::size_t length = std::strlen(lpString);
    return length >= static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}
