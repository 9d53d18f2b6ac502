// Runs a command (its output discarded) and prints its wall time and the peak resident memory of the
// command and of every process it started: "SECONDS KIB STATUS".
//
// /usr/bin/time only counts the children a command waited for. corvane-validate
// kills its parser worker at the end without waiting, so the worker, which holds
// the document, would not count. Here the measuring process takes in orphaned
// descendants (a child subreaper) and reaps them, so their peak counts too.

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane-peak-memory COMMAND [ARGUMENT...]\n");
        return 2;
    }
    if (::prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        std::perror("corvane-peak-memory: prctl");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t command = ::fork();
    if (command == 0) {
        // The command's own output is not part of the measurement.
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        ::execvp(argv[1], argv + 1);
        std::perror("corvane-peak-memory: exec");
        ::_exit(127);
    }
    if (command < 0) {
        std::perror("corvane-peak-memory: fork");
        return 2;
    }
    int status = 0;
    while (::waitpid(command, &status, 0) < 0 && errno == EINTR) {
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    // The descendants left behind were killed by the command or end soon; a
    // bounded wait keeps a stray one from holding the benchmark.
    for (int polls = 0; polls < 500;) {
        const pid_t reaped = ::waitpid(-1, nullptr, WNOHANG);
        if (reaped < 0 && errno == ECHILD)
            break;
        if (reaped <= 0) {
            ::usleep(10'000);
            ++polls;
        }
    }
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("%.4f %ld %d\n", seconds.count(), usage.ru_maxrss, code);
    return 0;
}
