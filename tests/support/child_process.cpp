#include "tests/support/child_process.h"

#include <cerrno>
#include <fstream>
#include <cstdio>

#include <grp.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The ids of the account "nobody" on Debian.
constexpr uid_t kNobodyUser = 65534;
constexpr gid_t kNogroupGroup = 65534;

} // namespace

int StartChildProcess(const std::function<int()>& body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        int status = 255;
        try {
            status = body();
        } catch (...) {
            status = 255;
        }
        std::fflush(nullptr);
        // No exit handlers: they belong to the test runner, not to the child.
        _exit(status & 0xFF);
    }
    return pid > 0 ? static_cast<int>(pid) : -1;
}

int WaitForChild(int pid)
{
    if (pid <= 0)
        return -1;
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(static_cast<pid_t>(pid), &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0 || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int RunInChildProcess(const std::function<int()>& body)
{
    return WaitForChild(StartChildProcess(body));
}

int RunInUnprivilegedChildProcess(const std::function<int()>& body)
{
    return RunInChildProcess([&body]() {
        if (geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(kNogroupGroup) != 0 || setuid(kNobodyUser) != 0)
                return kCannotDropPrivileges;
        }
        return body();
    });
}

bool LimitAddressSpaceToCurrentPlus(std::size_t headroom)
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    if (!(statm >> pages))
        return false;
    const auto size = pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const rlimit limit{size + headroom, size + headroom};
    return setrlimit(RLIMIT_AS, &limit) == 0;
}
