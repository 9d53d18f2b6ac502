#include "tests/support/recorded_launches.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace {

std::optional<RecordedLaunch> ReadRecord(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    RecordedLaunch launch;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\0', start);
        if (end == std::string::npos)
            return std::nullopt;
        const std::string field = text.substr(start, end - start);
        start = end + 1;
        const auto equals = field.find('=');
        const std::string key = field.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : field.substr(equals + 1);
        if (key == "pid")
            launch.pid = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "ppid")
            launch.parentPid = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "sid")
            launch.sessionId = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "cwd")
            launch.cwd = value;
        else if (key == "mark")
            launch.mark = value;
        else if (key == "sigblk")
            launch.blockedSignals = value;
        else if (key == "sigign")
            launch.ignoredSignals = value;
        else if (key == "fds")
            launch.inheritedDescriptors = value;
        else if (key == "arg")
            launch.argv.push_back(value);
    }
    return launch;
}

} // namespace

std::filesystem::path ArgvRecorderPath(const std::filesystem::path& binFolder)
{
    return binFolder / "argv_recorder";
}

std::vector<RecordedLaunch> RecordedLaunches(const std::filesystem::path& folder)
{
    std::vector<RecordedLaunch> launches;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".record")
            if (auto launch = ReadRecord(entry.path()))
                launches.push_back(std::move(*launch));
    std::sort(launches.begin(), launches.end(),
              [](const RecordedLaunch& a, const RecordedLaunch& b) { return a.pid < b.pid; });
    return launches;
}

std::vector<RecordedLaunch> WaitForRecordedLaunches(const std::filesystem::path& folder, std::size_t count)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    auto launches = RecordedLaunches(folder);
    while (launches.size() < count && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        launches = RecordedLaunches(folder);
    }
    return launches;
}

long CurrentProcessId()
{
    return getpid();
}

std::vector<long> OwnZombieChildren()
{
    std::vector<long> zombies;
    const long self = getpid();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        if (!std::getline(in, stat))
            continue;
        // pid (name) state ppid ...; the name may hold anything, so read
        // after its last parenthesis.
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 1));
        char state = 0;
        long parent = 0;
        if (rest >> state >> parent && parent == self && state == 'Z')
            zombies.push_back(std::strtol(entry.path().filename().c_str(), nullptr, 10));
    }
    return zombies;
}

std::optional<long> ParentOfProcess(long pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(in, stat) || stat.rfind(')') == std::string::npos)
        return std::nullopt;
    std::istringstream rest(stat.substr(stat.rfind(')') + 1));
    char state = 0;
    long parent = 0;
    if (!(rest >> state >> parent))
        return std::nullopt;
    return parent;
}

InheritableState::InheritableState()
{
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGUSR1, &ignore, &previous);
    m_wasIgnored = previous.sa_handler == SIG_IGN;
    sigset_t block;
    sigset_t before;
    sigemptyset(&block);
    sigaddset(&block, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &block, &before);
    m_wasBlocked = sigismember(&before, SIGUSR2) == 1;
    m_descriptor = open("/dev/null", O_RDONLY); // deliberately without O_CLOEXEC
}

InheritableState::~InheritableState()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
    struct sigaction restore {};
    restore.sa_handler = m_wasIgnored ? SIG_IGN : SIG_DFL;
    sigaction(SIGUSR1, &restore, nullptr);
    if (!m_wasBlocked) {
        sigset_t block;
        sigemptyset(&block);
        sigaddset(&block, SIGUSR2);
        pthread_sigmask(SIG_UNBLOCK, &block, nullptr);
    }
}
