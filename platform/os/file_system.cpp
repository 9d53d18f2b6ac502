#include "platform/os/file_system.h"

#include "platform/text/drive_path.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

int _access(const char* path, int mode)
{
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    int how = 0;
    switch (mode) {
    case 0: how = F_OK; break;
    case 2: how = W_OK; break;
    case 4: how = R_OK; break;
    case 6: how = R_OK | W_OK; break;
    default:
        errno = EINVAL;
        return -1;
    }
    const auto linuxPath = LinuxPathFromDrivePath(path);
    if (!linuxPath) {
        errno = ENOENT;
        return -1;
    }
    return access(linuxPath->c_str(), how) == 0 ? 0 : -1;
}

BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/)
{
    if (lpPathName == nullptr)
        return FALSE;
    const auto linuxPath = LinuxPathFromDrivePath(lpPathName);
    if (!linuxPath)
        return FALSE;
    // The usual permissions, narrowed by the user's umask.
    return mkdir(linuxPath->c_str(), 0777) == 0 ? TRUE : FALSE;
}
