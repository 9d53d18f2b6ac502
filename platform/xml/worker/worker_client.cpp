#include "platform/xml/worker/worker_client.h"

#include "platform/xml/worker/worker_process.h"
#include "platform/xml/component/load_progress.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/load/xml_limit_reasons.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/worker/xml_worker.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <linux/close_range.h>
#include <memory>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xmlworker {

namespace {

std::string SignalName(int signalNumber)
{
    const char* name = ::sigabbrev_np(signalNumber);
    const char* description = ::sigdescr_np(signalNumber);
    std::string text = "signal " + std::to_string(signalNumber);
    if (name != nullptr && description != nullptr)
        text += std::string(", SIG") + name + ", " + description;
    return text;
}

// The line the parser had read up to, from the bytes read so far.
std::uint64_t LineAtByte(const std::string& linuxPath, std::uint64_t bytes)
{
    std::ifstream file(FileToRead(linuxPath), std::ios::binary);
    std::uint64_t line = 1;
    char buffer[65536];
    while (bytes > 0 && file) {
        file.read(buffer, static_cast<std::streamsize>(std::min<std::uint64_t>(bytes, sizeof buffer)));
        const auto got = static_cast<std::uint64_t>(file.gcount());
        if (got == 0)
            break;
        for (std::uint64_t i = 0; i < got; ++i)
            line += buffer[i] == '\n' ? 1 : 0;
        bytes -= got;
    }
    return line;
}

// A kept worker that does not say it is ready within this (stopped, say)
// is left alone: the call starts a worker of its own.
constexpr std::chrono::milliseconds kKeptWorkerAnswer{2000};

std::atomic<pid_t>& KnownProcessId()
{
    static std::atomic<pid_t> pid{::getpid()};
    return pid;
}

// This process's id without a system call each time (a batch asks several
// times per document): a copy made by fork() learns its own at once.
pid_t ThisProcess()
{
    [[maybe_unused]] static const bool followed = [] {
        ::pthread_atfork(nullptr, nullptr, [] { KnownProcessId() = ::getpid(); });
        return true;
    }();
    return KnownProcessId().load(std::memory_order_relaxed);
}

} // namespace

WorkerRequest RequestFor(const XmlLoadRequest& load)
{
    return {load, HasLoadProgressListener(), CurrentShownPathForm()};
}

namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

// What became of a worker that showed no progress, read before it is ended:
// the state of each of its threads.
std::string StillnessOf(pid_t pid)
{
    bool stopped = false;
    bool traced = false;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    const std::unique_ptr<DIR, FolderCloser> listing(::opendir(tasks.c_str()));
    while (const dirent* task = listing ? ::readdir(listing.get()) : nullptr) {
        std::ifstream stat(tasks + "/" + task->d_name + "/stat");
        std::string text;
        std::getline(stat, text);
        // The state follows the name, which ends in the last ')'.
        const auto nameEnd = text.rfind(')');
        const char state = nameEnd != std::string::npos && nameEnd + 2 < text.size() ? text[nameEnd + 2] : ' ';
        stopped = stopped || state == 'T';
        traced = traced || state == 't';
    }
    return stopped ? "its process was stopped" : traced ? "it was held by a debugger" : "it was blocked";
}

} // namespace

std::optional<XmlLoadError> WorkerClient::Load(const WorkerRequest& request, const std::string& frame,
                                               std::vector<XmlLoadError>* further)
{
    std::lock_guard lock(m_mutex);
    m_progressWanted = request.progressWanted;
    m_silence = request.load.settings.workerSilence;
    if (auto problem = HandOver(request.load, frame))
        return problem;
    return Follow(request.load, m_silence, further);
}

std::optional<XmlLoadError> WorkerClient::HandOver(const XmlLoadRequest& load, const std::string& frame)
{
    // A worker that ended while idle is replaced before the request is sent.
    EndIfStale();
    BoundEachReceive();
    // A request sent ahead is this one: its messages are on the way,
    // behind those of the requests sent before it.
    bool sentAhead = m_pid > 0 && std::find(m_ahead.begin(), m_ahead.end(), frame) != m_ahead.end();
    if (!sentAhead && !m_ahead.empty())
        ++m_generation;
    while (m_pid > 0 && !m_ahead.empty() && (!sentAhead || m_ahead.front() != frame))
        DropOneAhead();
    sentAhead = sentAhead && m_pid > 0;
    if (sentAhead)
        m_ahead.pop_front();
    if (!sentAhead && m_pid > 0 && !SendAll(m_socket.Get(), frame))
        End();
    if (!sentAhead && m_pid <= 0) {
        if (auto problem = Start())
            return problem;
        if (!SendAll(m_socket.Get(), frame))
            return Died(load, false, 0);
    }
    return std::nullopt;
}

std::optional<XmlLoadError> WorkerClient::Follow(const XmlLoadRequest& load, std::chrono::milliseconds allowance,
                                                 std::vector<XmlLoadError>* further)
{
    bool progressKnown = false;
    std::uint64_t bytesRead = 0;
    bool memoryBound = false;
    bool silent = false;
    m_lastTurn = m_lastHeard = std::chrono::steady_clock::now();
    while (true) {
        const Wait wait = AwaitMessage(m_socket.Get(), allowance);
        if (wait == Wait::Cancelled) {
            Kill();
            return Cancelled();
        }
        silent = wait == Wait::Silent;
        auto message = silent ? std::nullopt : ReceiveMessage(m_socket.Get(), &silent);
        if (!message)
            break;
        m_lastHeard = std::chrono::steady_clock::now();
        if (message->kind == MessageKind::Progress) {
            const std::optional<LoadProgress> progress = DecodeProgress(message->body);
            if (!progress)
                break;
            progressKnown = true;
            bytesRead = progress->done;
            ReportLoadProgress(progress->done, progress->total);
        } else if (message->kind == MessageKind::Notice) {
            const std::optional<std::string> notice = DecodeNotice(message->body);
            if (!notice)
                break;
            ReportLoadNotice(*notice);
        } else if (message->kind == MessageKind::MemoryBound) {
            memoryBound = true;
        } else if (message->kind == MessageKind::Fatal) {
            MessageReader reader(message->body);
            m_fatalSignal = reader.U8();
        } else if (message->kind == MessageKind::Alive) {
            // Heard from: nothing else to do.
        } else if (message->kind == MessageKind::Result) {
            std::optional<LoadResult> result = DecodeResult(message->body);
            if (!result)
                break;
            if (further != nullptr)
                *further = std::move(result->further);
            if (result->workerEnds)
                End();
            return result->error;
        } else {
            break;
        }
    }
    if (silent)
        return Unresponsive(load, allowance, progressKnown, bytesRead);
    return memoryBound ? MemoryBoundReached(load, progressKnown, bytesRead)
                       : Died(load, progressKnown, bytesRead);
}

bool WorkerClient::SendAhead(const std::string& frame, std::chrono::milliseconds silence)
{
    std::lock_guard lock(m_mutex);
    m_silence = silence;
    EndIfStale();
    if (m_pid <= 0 && Start())
        return false;
    if (!SendAll(m_socket.Get(), frame)) {
        End();
        return false;
    }
    m_ahead.push_back(frame);
    return true;
}

void WorkerClient::StartIfNone()
{
    std::lock_guard lock(m_mutex);
    EndIfStale();
    // A worker that could not start is tried again, and reported, by the load.
    if (m_pid <= 0) {
        [[maybe_unused]] const auto problem = Start();
    }
}

std::size_t WorkerClient::Queued()
{
    std::lock_guard lock(m_mutex);
    AbandonIfInherited();
    return m_pid > 0 ? m_ahead.size() : 0;
}

std::uint64_t WorkerClient::Generation()
{
    std::lock_guard lock(m_mutex);
    AbandonIfInherited();
    return m_generation;
}

void WorkerClient::DropAhead(std::chrono::milliseconds silence)
{
    std::lock_guard lock(m_mutex);
    m_silence = silence;
    AbandonIfInherited();
    BoundEachReceive();
    while (m_pid > 0 && !m_ahead.empty())
        DropOneAhead();
    ++m_generation;
}

void WorkerClient::End()
{
    if (m_pid <= 0)
        return;
    if (m_owner != ThisProcess()) {
        Forget();
        return;
    }
    m_socket.Reset();
    ::kill(m_pid, SIGKILL);
    Reap();
}

WorkerClient::~WorkerClient()
{
    // Closing the connection, between loads, leaves the worker to the next
    // call; one kept already goes back to waiting for it.
    if (m_pid > 0 && m_staysFor.count() > 0 && m_ahead.empty() && m_owner == ThisProcess())
        Forget();
    Kill();
}

void WorkerClient::Kill()
{
    if (m_pid <= 0)
        return;
    if (m_owner == ThisProcess() && ::kill(m_pid, SIGKILL) == 0 && m_child)
        m_killed.push_back(m_pid);
    Forget();
}

bool WorkerClient::Signal(int signalNumber) const
{
    const pid_t pid = m_visiblePid.load();
    return pid > 0 && ::kill(pid, signalNumber) == 0;
}

// The environment's entries but for the worker's connection.
template <typename Visit>
void WorkerClient::ForEachWorkerVariable(Visit visit)
{
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!(text.starts_with(kWorkerFdVariable) && text.substr(kWorkerFdVariable.size()).starts_with('=')))
            visit(text);
    }
}

// Looked at before every request, so compared in place, not copied.
bool WorkerClient::EnvironmentChanged() const
{
    std::size_t entry = 0;
    bool changed = false;
    ForEachWorkerVariable([&](std::string_view text) {
        changed = changed || entry >= m_environment.size() || m_environment[entry] != text;
        ++entry;
    });
    return changed || entry != m_environment.size();
}

// The worker reads its settings (a proxy, say) from the environment it
// was started with: one that changed since calls for a new worker. The
// worker of the process this one was forked from stays with it.
void WorkerClient::EndIfStale()
{
    AbandonIfInherited();
    if (m_pid > 0 && EnvironmentChanged())
        End();
}

std::optional<XmlLoadError> WorkerClient::Start()
{
    std::erase_if(m_killed, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
    std::vector<std::string> environment;
    ForEachWorkerVariable([&environment](std::string_view text) { environment.emplace_back(text); });
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return StartFailed(errno);
    UniqueFd mine(ends[0]);
    UniqueFd theirs(ends[1]);

    m_environment = environment;
    std::optional<KeptWorkerPlace> place = KeptWorkerPlaceFor(environment, m_staysFor);
    if (place) {
        if (auto kept = ConnectToKeptWorker(*place, kKeptWorkerAnswer)) {
            m_keptLock = std::move(kept->lock);
            Started(kept->pid, std::move(kept->socket), false);
            return std::nullopt;
        }
    }
    if (RunsNoOtherThread()) {
        const pid_t pid = ::fork();
        if (pid < 0)
            return StartFailed(errno);
        if (pid == 0)
            BecomeWorker(theirs.Get(), std::move(place));
        Started(pid, std::move(mine), true);
        return std::nullopt;
    }
    environment.push_back(std::string(kWorkerFdVariable) + "=" + std::to_string(kWorkerFd));
    std::vector<char*> envp;
    for (auto& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string name = "corvane-xml-worker";
    char* argv[] = {name.data(), nullptr};

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_adddup2(&actions, theirs.Get(), kWorkerFd);
    // Nothing else of this process leaks into the worker: a pipe held
    // open by it would keep its reader waiting after this process ended.
    ::posix_spawn_file_actions_addclosefrom_np(&actions, kWorkerFd + 1);
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, "/proc/self/exe", &actions, &attributes, argv, envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return StartFailed(failed);
    Started(pid, std::move(mine), true);
    return std::nullopt;
}

void WorkerClient::Started(pid_t pid, UniqueFd socket, bool child)
{
    m_fatalSignal = 0;
    m_pid = pid;
    m_child = child;
    m_visiblePid = pid;
    m_owner = ThisProcess();
    m_socket = std::move(socket);
    m_receiveBoundMs = 0;
    BoundEachReceive();
}

// No single read from the worker waits longer than the allowance for a
// sign of progress: a worker stopped in the middle of a message, or
// while the results of loads sent ahead are dropped, cannot hold this
// process either.
void WorkerClient::BoundEachReceive()
{
    const std::int64_t allowed = m_silence.count();
    if (m_pid <= 0 || allowed == m_receiveBoundMs)
        return;
    timeval bound{};
    bound.tv_sec = static_cast<time_t>(allowed / 1000);
    bound.tv_usec = static_cast<suseconds_t>(allowed % 1000 * 1000);
    if (::setsockopt(m_socket.Get(), SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound) == 0)
        m_receiveBoundMs = allowed;
}

// A process with no other thread (a command-line run) hands the worker
// a copy of itself: its libraries are loaded and bound already, so the
// first load need not wait for the executable to start over (about
// 10 ms). With other threads (a window's) a
// copy could inherit a lock held by one of them: the worker then starts
// as a fresh executable.
bool WorkerClient::RunsNoOtherThread()
{
    const UniqueFd stat(::open("/proc/self/stat", O_RDONLY | O_CLOEXEC));
    char text[1024] = {};
    if (!stat || ::read(stat.Get(), text, sizeof text - 1) <= 0)
        return false;
    // The threads are the 20th field, the 18th after the name's ')'.
    const char* at = std::strrchr(text, ')');
    for (int field = 0; at != nullptr && field < 18; ++field)
        at = std::strchr(at + 1, ' ');
    return at != nullptr && std::strtol(at + 1, nullptr, 10) == 1;
}

// In the copy: the same set-up a fresh worker gets from its start.
void WorkerClient::BecomeWorker(int theirs, std::optional<KeptWorkerPlace> place)
{
    SetKeptWorkerPlace(std::move(place));
    if (::dup2(theirs, kWorkerFd) < 0)
        _exit(2);
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0 || ::dup2(devNull, 0) < 0 || ::dup2(devNull, 1) < 0)
        _exit(2);
    // Nothing else of the caller stays open in the worker: a pipe held
    // open by it would keep its reader waiting after the caller ended.
    ::close_range(kWorkerFd + 1, ~0U, 0);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int signalNumber = 1; signalNumber < NSIG; ++signalNumber)
        ::sigaction(signalNumber, &byDefault, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::prctl(PR_SET_NAME, "corvane-xml-wkr");
    RunWorker(kWorkerFd);
}

// The result of the first load sent ahead, which the caller did not make
// after all, is read and dropped; a worker that dies meanwhile is replaced.
void WorkerClient::DropOneAhead()
{
    m_ahead.pop_front();
    while (auto message = ReceiveMessage(m_socket.Get())) {
        if (message->kind != MessageKind::Result)
            continue;
        MessageReader reader(message->body);
        if (reader.U8() != 0 || !reader.Ok())
            End(); // the worker ends after that result
        return;
    }
    End();
}

// The status of the worker that ended, as words.
std::string WorkerClient::Reap()
{
    int status = 0;
    pid_t got = 0;
    // A kept worker is not this process's child: it tells how it ended, if it can.
    if (!m_child) {
        const int fatal = m_fatalSignal;
        Forget();
        return fatal > 0 ? SignalName(fatal) : "";
    }
    do {
        got = ::waitpid(m_pid, &status, 0);
    } while (got < 0 && errno == EINTR);
    Forget();
    if (got <= 0)
        return "";
    if (WIFSIGNALED(status))
        return SignalName(WTERMSIG(status));
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    return "";
}

void WorkerClient::AbandonIfInherited()
{
    if (m_pid > 0 && m_owner != ThisProcess())
        Forget();
}

// The worker is no longer this process's: reaped, killed, or kept by the
// process this one was forked from. The requests sent ahead went with it.
void WorkerClient::Forget()
{
    m_ahead.clear();
    ++m_generation;
    m_socket.Reset();
    m_keptLock.Reset();
    m_pid = 0;
    m_visiblePid = 0;
}

// The line is that of the error object (zero when nothing was read).
std::string WorkerClient::WherePhrase(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead,
                                      std::uint64_t& line) const
{
    if (!progressKnown)
        return m_progressWanted ? "before reading the document" : "while loading the document";
    line = std::min<std::uint64_t>(LineAtByte(load.linuxPath, bytesRead), 0x7FFFFFFF);
    return "while reading line " + std::to_string(line);
}

XmlLoadError WorkerClient::Died(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead)
{
    const std::string how = Reap();
    std::uint64_t line = 0;
    const std::string where = WherePhrase(load, progressKnown, bytesRead, line);
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), line, 0,
                            AnsiToWide("The parser stopped unexpectedly" +
                                       (how.empty() ? "" : " (" + how + ")") + " " + where));
}

XmlLoadError WorkerClient::MemoryBoundReached(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead)
{
    Reap();
    std::uint64_t line = 0;
    const std::string where = WherePhrase(load, progressKnown, bytesRead, line);
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::MemoryLimit), line, 0,
                            AnsiToWide("The parser needed more memory than a load may use " + where +
                                       "; the document is not read further (resource limit)"));
}

// Waits for the worker's next message, until the allowance since the
// worker was last heard from runs out. A caller that waits in slices (a
// window) gets its turn at least every slice, also while progress
// arrives without pause, and may end the wait.
WorkerClient::Wait WorkerClient::AwaitMessage(int fd, std::chrono::milliseconds allowance)
{
    constexpr auto kSlice = std::chrono::milliseconds(30);
    const bool sliced = HasLoadWaitHandler();
    while (true) {
        if (sliced && std::chrono::steady_clock::now() - m_lastTurn >= kSlice) {
            if (!ContinueLoadWait())
                return Wait::Cancelled;
            m_lastTurn = std::chrono::steady_clock::now();
        }
        const auto silentAt = m_lastHeard + allowance;
        const auto until = sliced ? std::min(m_lastTurn + kSlice, silentAt) : silentAt;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        const auto timeout = std::clamp<std::int64_t>(left.count(), 0, std::numeric_limits<int>::max());
        pollfd ready{fd, POLLIN, 0};
        const int found = ::poll(&ready, 1, static_cast<int>(timeout));
        if (found > 0 || (found < 0 && errno != EINTR))
            return Wait::Ready; // the read that follows tells what arrived
        if (found == 0 && std::chrono::steady_clock::now() >= silentAt)
            return Wait::Silent;
    }
}

// A worker that showed no progress for the allowance is ended (a
// stopped one too); the next load starts another.
XmlLoadError WorkerClient::Unresponsive(const XmlLoadRequest& load, std::chrono::milliseconds allowance, bool progressKnown,
                                        std::uint64_t bytesRead)
{
    const std::string how = StillnessOf(m_pid);
    End();
    std::uint64_t line = 0;
    const std::string where = WherePhrase(load, progressKnown, bytesRead, line);
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), line, 0,
                            AnsiToWide("The parser made no progress for " + SecondsText(allowance) + " s (" +
                                       how + ") " + where + ", and was ended"));
}

XmlLoadError WorkerClient::Cancelled()
{
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::Cancelled), 0, 0,
                            u"The validation was cancelled before it ended");
}

XmlLoadError WorkerClient::StartFailed(int errorNumber)
{
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), 0, 0,
                            AnsiToWide(std::string("The parser could not be started: ") +
                                       std::strerror(errorNumber)));
}

} // namespace xmlworker
