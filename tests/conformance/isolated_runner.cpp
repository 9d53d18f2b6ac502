#include "tests/conformance/isolated_runner.h"

#include "tests/conformance/loopback_guard.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// One line per event on the pipe: "S<i>" when case i starts, "R<i>\t<fields>"
// when its outcome is known. No field holds a tab or a newline.
constexpr char kStarted = 'S';
constexpr char kResult = 'R';

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string VerdictCode(Verdict v)
{
    return v == Verdict::Valid ? "V" : v == Verdict::Error ? "E" : "N";
}

std::string Serialize(std::size_t index, const Outcome& o)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.6f", o.seconds);
    return kResult + std::to_string(index) + '\t' + VerdictCode(o.got) + '\t' + o.code + '\t' +
           o.line + '\t' + o.position + '\t' + seconds + '\t' + o.description + '\n';
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

std::optional<std::size_t> Index(std::string_view text)
{
    std::size_t value = 0;
    if (text.empty() ||
        std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{})
        return std::nullopt;
    return value;
}

[[noreturn]] void RunChild(int fd, std::size_t first, std::size_t count,
                           const std::function<Outcome(std::size_t)>& run)
{
    for (std::size_t i = first; i < count; ++i) {
        if (!WriteAll(fd, kStarted + std::to_string(i) + '\n'))
            _exit(3);
        const Outcome outcome = run(i);
        if (!WriteAll(fd, Serialize(i, outcome)))
            _exit(3);
    }
    _exit(0);
}

std::uint64_t ResidentBytes(pid_t pid)
{
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    std::uint64_t size = 0;
    std::uint64_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

std::string DeathText(int status)
{
    if (WIFSIGNALED(status))
        return "the run died of signal " + std::to_string(WTERMSIG(status)) + " (" +
               strsignal(WTERMSIG(status)) + ")";
    if (WIFEXITED(status))
        return "the run ended with exit status " + std::to_string(WEXITSTATUS(status));
    return "the run ended";
}

} // namespace

std::vector<Outcome> RunIsolated(std::size_t count, const std::function<Outcome(std::size_t)>& run,
                                 const IsolationLimits& limits, LoopbackGuard* guard)
{
    std::vector<Outcome> outcomes(count);
    std::size_t next = 0;
    while (next < count) {
        int fds[2];
        if (pipe(fds) != 0) {
            std::perror("pipe");
            break;
        }
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            close(fds[0]);
            close(fds[1]);
            break;
        }
        if (child == 0) {
            close(fds[0]);
            if (guard != nullptr)
                close(guard->ListenerFd());
            RunChild(fds[1], next, count, run);
        }
        close(fds[1]);

        constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        std::size_t current = kNone; // the case started and not yet finished
        Clock::time_point currentStart = Clock::now();
        std::string killedFor;
        std::string pending;
        bool open = true;
        while (open) {
            pollfd polled[2] = {{fds[0], POLLIN, 0}, {guard ? guard->ListenerFd() : -1, POLLIN, 0}};
            const int ready = poll(polled, 2, 100);
            if (ready < 0 && errno != EINTR)
                break;
            if (polled[1].revents & POLLIN)
                guard->ServeOne();
            if (polled[0].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buffer[65536];
                const ssize_t n = read(fds[0], buffer, sizeof buffer);
                if (n <= 0) {
                    open = false;
                } else {
                    pending.append(buffer, static_cast<std::size_t>(n));
                    std::size_t end;
                    while ((end = pending.find('\n')) != std::string::npos) {
                        const std::string line = pending.substr(0, end);
                        pending.erase(0, end + 1);
                        if (line.empty())
                            continue;
                        const auto fields = Split(std::string_view(line).substr(1), '\t');
                        const auto index = Index(fields[0]);
                        if (!index || *index >= count)
                            continue;
                        if (line[0] == kStarted) {
                            current = *index;
                            currentStart = Clock::now();
                        } else if (line[0] == kResult && fields.size() >= 7) {
                            Outcome& o = outcomes[*index];
                            o.got = fields[1] == "V"   ? Verdict::Valid
                                    : fields[1] == "E" ? Verdict::Error
                                                       : Verdict::NoReport;
                            o.code = fields[2];
                            o.line = fields[3];
                            o.position = fields[4];
                            o.seconds = std::strtod(std::string(fields[5]).c_str(), nullptr);
                            o.description = fields[6];
                            next = *index + 1;
                            current = kNone;
                        }
                    }
                }
            }
            if (current != kNone && killedFor.empty()) {
                const auto elapsed = Clock::now() - currentStart;
                const std::uint64_t resident = ResidentBytes(child);
                if (elapsed > limits.perCase) {
                    killedFor = "killed after " + std::to_string(limits.perCase.count()) +
                                " s without a verdict";
                } else if (resident > limits.residentBytes) {
                    killedFor =
                        "killed at " + std::to_string(resident >> 20) + " MiB resident memory";
                }
                if (!killedFor.empty())
                    kill(child, SIGKILL);
            }
        }
        close(fds[0]);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (next >= count)
            break;
        // The case that was running when the child ended is the one to blame.
        const std::size_t culprit = current != kNone ? current : next;
        Outcome& o = outcomes[culprit];
        o.got = Verdict::NoReport;
        o.seconds = std::chrono::duration<double>(Clock::now() - currentStart).count();
        o.description = "(harness: " + (killedFor.empty() ? DeathText(status) : killedFor) + ")";
        std::fprintf(stderr, "case %zu: %s\n", culprit, o.description.c_str());
        next = culprit + 1;
    }
    return outcomes;
}
