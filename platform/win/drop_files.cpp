#include "platform/win/drop_files.h"

#include <algorithm>
#include <cstring>

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch)
{
    if (hDrop == nullptr || hDrop->finished)
        return 0;
    if (iFile == 0xFFFFFFFFu)
        return static_cast<UINT>(hDrop->files.size());
    if (iFile >= hDrop->files.size())
        return 0;
    const std::string& name = hDrop->files[iFile];
    if (lpszFile == nullptr)
        return static_cast<UINT>(name.size());
    if (cch == 0)
        return 0;
    const std::size_t copied = std::min<std::size_t>(name.size(), cch - 1);
    std::memcpy(lpszFile, name.data(), copied);
    lpszFile[copied] = '\0';
    return static_cast<UINT>(copied);
}

void DragFinish(HDROP hDrop)
{
    if (hDrop == nullptr)
        return;
    hDrop->finished = true;
    hDrop->files.clear();
}
