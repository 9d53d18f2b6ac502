#include "platform/os/process.h"

#include "platform/os/command_line.h"
#include "platform/os/posix_io.h"
#include "platform/text/drive_path.h"
#include "platform/os/program_search.h"
#include "platform/os/terminal_editor.h"
#include "platform/os/unique_fd.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Handles stand for a started program; nothing is kept open behind them, the
// program being detached. They only need to be distinct and to close once.
class HandleTable {
public:
    std::pair<HANDLE, HANDLE> Add(pid_t pid)
    {
        const std::lock_guard lock(m_mutex);
        const std::uintptr_t process = NextValue();
        const std::uintptr_t thread = NextValue();
        m_open.emplace(process, pid);
        m_open.emplace(thread, pid);
        return {reinterpret_cast<HANDLE>(process), reinterpret_cast<HANDLE>(thread)};
    }
    bool Remove(HANDLE handle)
    {
        const std::lock_guard lock(m_mutex);
        return m_open.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1;
    }
    int Count()
    {
        const std::lock_guard lock(m_mutex);
        return static_cast<int>(m_open.size());
    }

private:
    // Values far from 0 and aligned like pointers, so no handle is null and
    // none is mistaken for a small integer.
    std::uintptr_t NextValue()
    {
        m_next += 4;
        return m_next;
    }

    std::mutex m_mutex;
    std::map<std::uintptr_t, pid_t> m_open;
    std::uintptr_t m_next = 0x10000;
};

HandleTable& Handles()
{
    static HandleTable table;
    return table;
}

// What the two forked processes report to the parent through the pipe.
// Records are far below PIPE_BUF, so each write arrives whole even when both
// processes write.
struct StartReport {
    int kind;
    int value;
};
enum : int { kReportStarted = 1, kReportForkFailed = 2, kReportExecFailed = 3 };

// Async-signal-safe: used between fork and exec.
void Report(int fd, int kind, int value)
{
    const StartReport report{kind, value};
    WriteAll(fd, std::string_view(reinterpret_cast<const char*>(&report), sizeof report));
}

#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

// Whatever descriptors other threads opened without close-on-exec (the
// toolkit, the parser's network code) must not leak into the editor.
// Async-signal-safe.
void MarkDescriptorsCloseOnExec(int descriptorLimit)
{
#ifdef SYS_close_range
    if (syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
#endif
    for (int fd = 3; fd < descriptorLimit; ++fd) {
        const int flags = fcntl(fd, F_GETFD);
        if (flags >= 0 && (flags & FD_CLOEXEC) == 0)
            fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

int DescriptorLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur > (1U << 20))
        return 1 << 20;
    return static_cast<int>(limit.rlim_cur);
}

// Everything the forked processes use, made before the fork: after it only
// async-signal-safe calls are allowed, the toolkit's threads having been
// left behind in whatever state they were.
struct PreparedStart {
    std::vector<std::string> words;
    std::vector<char*> argv;
    struct sigaction defaultAction {};
    sigset_t emptySet{};
    int descriptorLimit = 0;
};

[[noreturn]] void RunGrandchild(const PreparedStart& start, int reportFd)
{
    setsid();
    for (int sig = 1; sig < NSIG; ++sig)
        if (sig != SIGKILL && sig != SIGSTOP)
            sigaction(sig, &start.defaultAction, nullptr); // fails harmlessly for reserved signals
    sigprocmask(SIG_SETMASK, &start.emptySet, nullptr);
    MarkDescriptorsCloseOnExec(start.descriptorLimit);
    execve(start.argv[0], start.argv.data(), environ);
    Report(reportFd, kReportExecFailed, errno);
    _exit(127);
}

// The program is started by a grandchild whose parent exits at once: the
// editor is then the init process' (or a subreaper's) child, lives on after
// us, and never becomes our zombie. Returns the editor's pid once it has
// really replaced the grandchild (the close-on-exec pipe reads end-of-file
// without a failure report).
std::optional<pid_t> StartDetached(const ProgramLaunch& launch)
{
    PreparedStart start;
    start.words.reserve(launch.args.size() + 1);
    start.words.push_back(launch.program);
    start.words.insert(start.words.end(), launch.args.begin(), launch.args.end());
    for (auto& word : start.words)
        start.argv.push_back(word.data());
    start.argv.push_back(nullptr);
    start.defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&start.defaultAction.sa_mask);
    sigemptyset(&start.emptySet);
    start.descriptorLimit = DescriptorLimit();

    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0)
        return std::nullopt;
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);

    // No signal handler of ours may run in the forked processes; the
    // grandchild restores a clean mask before exec.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = fork();
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0)
            RunGrandchild(start, writeEnd.Get());
        if (grandchild < 0)
            Report(writeEnd.Get(), kReportForkFailed, errno);
        else
            Report(writeEnd.Get(), kReportStarted, static_cast<int>(grandchild));
        _exit(0);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    writeEnd.Reset();
    if (child < 0)
        return std::nullopt;

    // ECHILD means some handler reaped it already; the pipe still tells.
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }

    std::optional<pid_t> started;
    bool failed = false;
    std::array<char, sizeof(StartReport) * 4> buffer{};
    std::size_t filled = 0;
    while (true) {
        const ssize_t got = ReadSome(readEnd.Get(), buffer.data() + filled, buffer.size() - filled);
        if (got <= 0) {
            failed = failed || got < 0 || filled != 0;
            break;
        }
        filled += static_cast<std::size_t>(got);
        std::size_t used = 0;
        for (; filled - used >= sizeof(StartReport); used += sizeof(StartReport)) {
            StartReport report{};
            std::memcpy(&report, buffer.data() + used, sizeof report);
            if (report.kind == kReportStarted)
                started = static_cast<pid_t>(report.value);
            else
                failed = true;
        }
        std::memmove(buffer.data(), buffer.data() + used, filled - used);
        filled -= used;
    }
    if (failed || !started)
        return std::nullopt;
    return started;
}

} // namespace

BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, void* lpProcessAttributes,
                    void* lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                    void* lpEnvironment, LPCSTR lpCurrentDirectory, STARTUPINFOA* lpStartupInfo,
                    PROCESS_INFORMATION* lpProcessInformation)
{
    if (lpApplicationName != nullptr || lpCommandLine == nullptr || lpProcessAttributes != nullptr ||
        lpThreadAttributes != nullptr || bInheritHandles != FALSE || dwCreationFlags != 0 ||
        lpEnvironment != nullptr || lpCurrentDirectory != nullptr || lpStartupInfo == nullptr ||
        lpProcessInformation == nullptr)
        return FALSE;
    try {
        auto editor = ResolveCommandLine(lpCommandLine);
        if (!editor)
            return FALSE;
        // An editor that needs a terminal where there is none to inherit and
        // none to host it would run unseen: that is a failure to start.
        const auto launch = EditorLaunchFor(std::move(*editor), StandardStreamsAreTerminal());
        if (!launch)
            return FALSE;
        const auto pid = StartDetached(*launch);
        if (!pid)
            return FALSE;
        const auto [process, thread] = Handles().Add(*pid);
        lpProcessInformation->hProcess = process;
        lpProcessInformation->hThread = thread;
        lpProcessInformation->dwProcessId = static_cast<DWORD>(*pid);
        lpProcessInformation->dwThreadId = static_cast<DWORD>(*pid);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL CloseHandle(HANDLE hObject)
{
    try {
        return hObject != nullptr && Handles().Remove(hObject) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

int OpenProcessHandleCount()
{
    try {
        return Handles().Count();
    } catch (...) {
        return 0;
    }
}
