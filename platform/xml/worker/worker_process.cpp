#include "platform/xml/worker/worker_process.h"

#include "platform/xml/worker/worker_protocol.h"
#include "platform/xml/worker/kept_worker.h"
#include "platform/xml/component/load_progress.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/load/xml_limit_reasons.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/load/xml_runtime.h"
#include "platform/os/unique_fd.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <mutex>
#include <new>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace xmlworker {

namespace {

int g_workerFd = -1;
std::mutex g_sendMutex; // the parsing thread and the watchdog both send
// Without a listener, progress below this tells the caller nothing it needs.
constexpr std::uint64_t kUnwantedProgressStep = 1024 * 1024;
std::atomic<bool> g_memoryBoundReached{false};

bool WorkerSend(const std::string& frame)
{
    std::lock_guard lock(g_sendMutex);
    return SendAll(g_workerFd, frame);
}

// Sends a frame unless the connection is full; with g_sendMutex held.
void SendUnlessFull(std::string_view frame)
{
    const ssize_t sent = ::send(g_workerFd, frame.data(), frame.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    // Part of a frame sent: the rest must follow, or the framing breaks.
    if (sent > 0 && static_cast<std::size_t>(sent) < frame.size())
        SendAll(g_workerFd, frame.substr(static_cast<std::size_t>(sent)));
}

// Progress is dropped when the connection is full: the caller is reading
// another worker's results (this load was sent ahead), and a parse must not
// wait for it to tell how far it got; a later step tells more anyway.
void SendProgress(std::uint64_t done, std::uint64_t total)
{
    const std::string frame = EncodeProgress(done, total);
    std::lock_guard lock(g_sendMutex);
    SendUnlessFull(frame);
}

// A beat from the watchdog never waits: when another message is on its way
// (or the connection is full) the caller hears from this worker anyway.
void SendBeat()
{
    static const std::string frame = MessageWriter().Framed(MessageKind::Alive);
    std::unique_lock lock(g_sendMutex, std::try_to_lock);
    if (lock.owns_lock())
        SendUnlessFull(frame);
}

// Each load gets one result: its parse's, or the watchdog's report of a
// stall, whichever comes first; never one meant for the load before.
struct Answering {
    std::uint64_t load = 0; // the load under way, counted from 1
    bool answered = false;
};
Answering g_answering; // guarded by g_sendMutex

void AwaitAnswer(std::uint64_t load)
{
    std::lock_guard lock(g_sendMutex);
    g_answering = {load, false};
}

// False when the load had its result already (or is over), or the caller is
// gone.
bool AnswerFirst(std::uint64_t load, const std::string& result)
{
    std::lock_guard lock(g_sendMutex);
    if (g_answering.answered || g_answering.load != load)
        return false;
    g_answering.answered = true;
    return SendAll(g_workerFd, result);
}

// A kept worker is not its caller's child: the caller cannot learn from the
// system what ended it, so the worker tells the signal itself, on a stack of
// its own (the parsing thread's may be what overflowed), and dies of it.
void TellFatalSignal(int signalNumber)
{
    const char frame[] = {static_cast<char>(MessageKind::Fatal), 1, 0, 0, 0, static_cast<char>(signalNumber)};
    [[maybe_unused]] const ssize_t sent = ::send(g_workerFd, frame, sizeof frame, MSG_NOSIGNAL | MSG_DONTWAIT);
    ::raise(signalNumber); // the action was reset to the default on entry
}

void TellFatalSignalsOnThisThread()
{
    static std::array<char, 64 * 1024> alternateStack;
    stack_t stack{};
    stack.ss_sp = alternateStack.data();
    stack.ss_size = alternateStack.size();
    if (::sigaltstack(&stack, nullptr) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = TellFatalSignal;
    action.sa_flags = SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGTERM})
        ::sigaction(signalNumber, &action, nullptr);
}

// The address space bound made operator new fail: the parent is told before
// anything else can go wrong, so that a worker which dies of it afterwards
// is reported as having reached the bound.
void OnAddressSpaceExhausted()
{
    if (!g_memoryBoundReached.exchange(true)) {
        std::lock_guard lock(g_sendMutex);
        SendAll(g_workerFd, std::string(1, static_cast<char>(MessageKind::MemoryBound)) +
                                std::string(sizeof(std::uint32_t), '\0'));
    }
    throw std::bad_alloc();
}

// Read before every load, so without a stream's set-up. (Unused where the
// address space is not bounded: under AddressSanitizer.)
[[maybe_unused]] std::uint64_t MappedBytes()
{
    // Kept open: each read from the start tells the sizes anew.
    static const UniqueFd statm(::open("/proc/self/statm", O_RDONLY | O_CLOEXEC));
    char text[64] = {};
    if (!statm || ::pread(statm.Get(), text, sizeof text - 1, 0) <= 0)
        return 0;
    return std::strtoull(text, nullptr, 10) * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

// The outer memory bound of this load: well above the pool's own ceiling
// for the document, on top of what is mapped already (the kept schemas, the
// libraries). Under AddressSanitizer the shadow memory alone exceeds any
// such bound.
void BoundAddressSpace(const std::string& linuxPath)
{
#if !defined(__SANITIZE_ADDRESS__)
    struct stat info {};
    const std::uint64_t documentBytes =
        ::stat(FileToRead(linuxPath).c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
    const std::uint64_t ceiling =
        XmlLimits::kParserMemoryFloor + XmlLimits::kParserMemoryPerDocumentByte * documentBytes;
    // What is mapped includes the parsing thread's stack, reserved whole.
    const std::uint64_t mapped = MappedBytes();
    std::uint64_t bound = mapped + 2 * ceiling + XmlLimits::kWorkerAddressSpaceMargin;
    if (const char* forTests = std::getenv("CORVANE_XML_WORKER_MEMORY_MIB"))
        bound = mapped + std::strtoull(forTests, nullptr, 10) * 1024 * 1024;
    // Nothing else in the worker changes the bound: it is asked for once,
    // and set again only when it changes.
    static std::optional<rlimit> current;
    if (!current) {
        rlimit limit{};
        if (::getrlimit(RLIMIT_AS, &limit) != 0)
            return;
        current = limit;
    }
    const rlim_t wanted = current->rlim_max == RLIM_INFINITY ? bound : std::min<rlim_t>(bound, current->rlim_max);
    if (wanted == current->rlim_cur)
        return;
    current->rlim_cur = wanted;
    if (::setrlimit(RLIMIT_AS, &*current) != 0)
        current.reset();
#else
    (void)linuxPath;
#endif
}

struct ParseJob {
    WorkerRequest request;
    std::optional<XmlLoadError> outcome;
    std::vector<XmlLoadError> further;
};

void RunParse(ParseJob& job)
{
    try {
        job.outcome = LoadXmlDocument(job.request.load, job.request.load.multipleErrors ? &job.further : nullptr);
    } catch (const std::bad_alloc&) {
        job.further.clear();
        job.outcome = LimitError(XmlOwnError::MemoryLimit, ParserProgressLine(),
                                 "The parser ran out of memory; the document is not read further "
                                 "(resource limit)");
    } catch (...) {
        job.further.clear();
        job.outcome = MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), 0, 0,
                                       u"The parser failed unexpectedly");
    }
}

// What the watchdog knows of the load under way.
struct LoadWatch {
    std::mutex mutex;
    std::condition_variable begun;
    std::uint64_t loads = 0; // begun so far
    std::uint64_t callers = 0; // taken over after the first, by a kept worker
    bool running = false;
    std::chrono::milliseconds stallTime{};
    std::chrono::milliseconds beatEvery{};
};

LoadWatch& Watched()
{
    static LoadWatch watch;
    return watch;
}

// Serves one load on the parsing thread; false when its result could not
// reach the caller.
bool ServeLoad(const WorkerRequest& request)
{
    SetShownPathForm(request.pathForm);
    // A worker started by spawning knows the stand-in only from the request.
    if (!request.load.readFrom.empty())
        SetDocumentStandIn(request.load.linuxPath, request.load.readFrom);
    BoundAddressSpace(request.load.linuxPath);
    LoadWatch& watch = Watched();
    std::uint64_t load = 0;
    {
        std::lock_guard lock(watch.mutex);
        load = ++watch.loads;
        AwaitAnswer(load);
        watch.running = true;
        watch.stallTime = request.load.settings.stallTime;
        watch.beatEvery = request.load.settings.workerSilence / 4;
    }
    watch.begun.notify_one();
    ParseJob job{request, std::nullopt, {}};
    // What the load tells goes to the caller as messages.
    job.request.load.progress = [progressWanted = request.progressWanted](std::uint64_t done, std::uint64_t total) {
        if (progressWanted || done >= kUnwantedProgressStep)
            SendProgress(done, total);
    };
    job.request.load.notice = [](const std::string& notice) { WorkerSend(EncodeNotice(notice)); };
    RunParse(job);
    {
        std::lock_guard lock(watch.mutex);
        watch.running = false;
    }
    return AnswerFirst(load, EncodeResult(job.outcome, false, job.further));
}

// The thread that parses, with its large stack, kept for the worker's life
// (a stack that large is unmapped again when its thread ends, which would
// cost each load more than a small document's parse). It reads the
// requests and answers them itself: a document costs the caller one wait
// for the worker and no hand-over between the worker's threads.
class ParseThread {
public:
    bool Start()
    {
        pthread_attr_t attributes;
        ::pthread_attr_init(&attributes);
        int started = ::pthread_attr_setstacksize(&attributes, XmlLimits::kParserStackBytes) == 0
                          ? ::pthread_create(&m_thread, &attributes, &ParseThread::Main, this)
                          : EINVAL;
        ::pthread_attr_destroy(&attributes);
        if (started != 0) // no room for the large stack: the default one still serves most documents
            started = ::pthread_create(&m_thread, nullptr, &ParseThread::Main, this);
        if (started != 0)
            return false;
        m_timed = ::pthread_getcpuclockid(m_thread, &m_clock) == 0;
        return true;
    }

    std::optional<clockid_t> CpuClock() const { return m_timed ? std::optional(m_clock) : std::nullopt; }

private:
    static void* Main(void*)
    {
        Serve();
    }

    [[noreturn]] static void Serve()
    {
        std::uint64_t served = 0;
        // A document read through another process's descriptor names that
        // process: a worker that served one is no worker for the next call.
        bool servedStandIn = false;
        bool toldOfSignals = false;
        while (true) {
            while (auto message = ReceiveMessage(g_workerFd)) {
                if (message->kind != MessageKind::Load)
                    _exit(2);
                const auto request = DecodeRequest(message->body);
                if (!request)
                    _exit(2);
                ++served;
                servedStandIn = servedStandIn || !request->load.readFrom.empty();
                if (!ServeLoad(*request))
                    _exit(0);
            }
            // The caller is gone between loads (or the watchdog answered
            // and ends the worker).
            std::optional<UniqueFd> next = servedStandIn ? std::nullopt : AwaitNextCaller();
            if (!next)
                _exit(0);
            if (!toldOfSignals) {
                TellFatalSignalsOnThisThread();
                toldOfSignals = true;
            }
            {
                std::lock_guard lock(g_sendMutex);
                if (::dup2(next->Get(), g_workerFd) < 0)
                    _exit(0);
            }
            LoadWatch& watch = Watched();
            {
                std::lock_guard lock(watch.mutex);
                ++watch.callers;
            }
            watch.begun.notify_all();
            WorkerSend(EncodeHello(served));
        }
    }

    pthread_t m_thread{};
    clockid_t m_clock{};
    bool m_timed = false;
};

std::chrono::nanoseconds CpuTime(clockid_t clock)
{
    timespec now{};
    if (::clock_gettime(clock, &now) != 0)
        return {};
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// The processor time the load has used: the parsing thread's, and that of
// the threads it hands part of the load to (a thread's time stays counted
// after it ended). Not the process's: the watchdog's own time would move it
// while the load is held.
std::chrono::nanoseconds LoadCpuTime(clockid_t parsingThread)
{
    return CpuTime(parsingThread) + ParserHelperThreadsCpuTime();
}

// Tells the caller that the load under way gets further, so that the caller
// can end a worker that does not (stopped, held by a debugger, blocked
// outside its bounded waits): no processor-time bound sees a process that
// uses no processor. The signs are the load's own: a document event, or
// processor time its threads used. A network fetch that waits within its
// timeouts shows as the latter: the network library wakes at least once a
// second to look at them. A beat goes at most every `beatEvery`, and only
// after such a sign; a load shorter than that sends none.
class Heartbeat {
public:
    void Look(std::uint64_t load, std::chrono::milliseconds beatEvery, std::uint64_t events,
              std::chrono::nanoseconds parserTime)
    {
        const auto now = std::chrono::steady_clock::now();
        const Signs signs{events, parserTime};
        if (load != m_load) {
            m_load = load;
            m_signs = signs;
            m_lastBeat = now;
            m_moved = false;
            return;
        }
        m_moved = m_moved || signs != m_signs;
        m_signs = signs;
        if (m_moved && now - m_lastBeat >= beatEvery) {
            SendBeat();
            m_lastBeat = now;
            m_moved = false;
        }
    }

private:
    struct Signs {
        std::uint64_t events = 0;
        std::chrono::nanoseconds parserTime{};
        bool operator!=(const Signs& other) const
        {
            return events != other.events || parserTime != other.parserTime;
        }
    };
    std::uint64_t m_load = 0;
    Signs m_signs;
    std::chrono::steady_clock::time_point m_lastBeat;
    bool m_moved = false;
};

// A caller that left in the middle of a load ends the worker; one that left
// between loads may leave it for the next call, which the parsing thread
// awaits. The hang-up may be that of the caller before the one now served,
// which the parsing thread took meanwhile.
void AwaitCallerAfterHangUp(LoadWatch& watch, std::uint64_t caller)
{
    std::unique_lock lock(watch.mutex);
    if (watch.callers == caller && (watch.running || !WorkerMayBeKept()))
        _exit(0);
    watch.begun.wait(lock, [&] { return watch.callers != caller; });
}

// Watches the loads for the worker's life: the parent going away ends the
// worker; a parse that works too long without an event is first asked to
// stop at its next allocation, and if it does not (a pattern backtracking
// without allocating), the worker reports the bound itself and ends. It
// looks every 50 ms while loads come, and sleeps once none came for a
// second (the parsing thread notices a parent that went away then).
[[noreturn]] void Watch(const ParseThread& parser)
{
    constexpr auto kTick = std::chrono::milliseconds(50);
    constexpr auto kRestAfter = std::chrono::seconds(1);
    const std::optional<clockid_t> cpuClock = parser.CpuClock();
    LoadWatch& watch = Watched();
    Heartbeat heartbeat;
    std::uint64_t watched = 0;
    std::uint64_t eventsSeen = 0;
    std::chrono::nanoseconds workSince{};
    bool asked = false;
    auto lastSeenRunning = std::chrono::steady_clock::now();
    while (true) {
        bool running = false;
        std::uint64_t loads = 0;
        std::chrono::milliseconds stallTime{};
        std::chrono::milliseconds beatEvery{};
        std::uint64_t caller = 0;
        {
            std::unique_lock lock(watch.mutex);
            if (!watch.running && std::chrono::steady_clock::now() - lastSeenRunning > kRestAfter)
                watch.begun.wait(lock, [&] { return watch.running; });
            running = watch.running;
            loads = watch.loads;
            stallTime = watch.stallTime;
            beatEvery = watch.beatEvery;
            caller = watch.callers;
        }
        if (running)
            lastSeenRunning = std::chrono::steady_clock::now();
        // POLLRDHUP alone: the next request arriving is no reason to wake.
        pollfd polled{g_workerFd, POLLRDHUP, 0};
        const int ready = ::poll(&polled, 1, static_cast<int>(kTick.count()));
        if (ready < 0 && errno != EINTR)
            _exit(3);
        if ((polled.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0) {
            AwaitCallerAfterHangUp(watch, caller);
            continue;
        }
        if (!running)
            continue;
        const std::uint64_t events = ParserProgressEvents();
        const std::chrono::nanoseconds used = cpuClock ? LoadCpuTime(*cpuClock) : std::chrono::nanoseconds{};
        heartbeat.Look(loads, beatEvery, events, used);
        if (!cpuClock)
            continue;
        if (loads != watched || events != eventsSeen) {
            watched = loads;
            eventsSeen = events;
            workSince = used;
            asked = false;
            continue;
        }
        const std::chrono::nanoseconds allowed = stallTime;
        const std::chrono::nanoseconds grace =
            std::min<std::chrono::nanoseconds>(allowed / 2, std::chrono::seconds(2));
        if (!asked && used - workSince > allowed) {
            // Only for the load measured: a request left over would stop
            // the next one (which clears any before it starts).
            std::lock_guard lock(watch.mutex);
            if (watch.running && watch.loads == watched) {
                StopParserAtNextAllocation();
                asked = true;
            }
        } else if (asked && used - workSince > allowed + grace) {
            const XmlLimitFailure stall = DescribeParserStall(stallTime);
            const XmlLoadError error = LimitError(stall.ownError, ParserProgressLine(), stall.reason);
            if (AnswerFirst(watched, EncodeResult(error, true)))
                _exit(0);
            // The parse ended just now after all, and answered itself.
        }
    }
}

} // namespace

[[noreturn]] void RunWorker(int fd)
{
    g_workerFd = fd;
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    std::signal(SIGPIPE, SIG_IGN);
    std::set_new_handler(OnAddressSpaceExhausted);
    std::set_terminate([] {
        if (g_memoryBoundReached) {
            WorkerSend(EncodeResult(LimitError(XmlOwnError::MemoryLimit, ParserProgressLine(),
                                               "The parser needed more memory than a load may use; the "
                                               "document is not read further (resource limit)"),
                                    true));
            _exit(4);
        }
        std::abort();
    });
    if (!EnsureXmlRuntime())
        _exit(2);
    ParseThread parser;
    if (!parser.Start())
        _exit(2);
    Watch(parser);
}

namespace {

// Runs before main(): a program started as a worker never reaches its own.
[[maybe_unused]] const bool g_startedAsWorker = [] {
    const char* fdText = std::getenv(std::string(kWorkerFdVariable).c_str());
    if (fdText == nullptr)
        return false;
    const int fd = std::atoi(fdText);
    ::unsetenv(std::string(kWorkerFdVariable).c_str());
    if (fd < 0)
        _exit(2);
    RunWorker(fd);
}();

} // namespace

} // namespace xmlworker
