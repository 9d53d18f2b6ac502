#include "platform/xml/worker/xml_worker.h"

#include "platform/text/drive_path.h"
#include "platform/xml/component/load_progress.h"
#include "platform/xml/references/remote_fetch.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/component/xml_error_codes.h"
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
#include <cstring>
#include <deque>
#include <dirent.h>
#include <exception>
#include <fcntl.h>
#include <limits>
#include <linux/close_range.h>
#include <fstream>
#include <memory>
#include <mutex>
#include <new>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <utility>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Names the worker's end of the connection in the environment of the
// program started as a worker.
constexpr std::string_view kWorkerFdVariable = "CORVANE_XML_WORKER_FD";
constexpr int kWorkerFd = 3;

// --- Messages -------------------------------------------------------------
//
// Each message is a kind byte, a 32-bit length and that many bytes. Numbers
// are in the machine's own order: both ends are the same executable.

enum class MessageKind : std::uint8_t {
    Load = 'L',       // to the worker: one document to load
    Progress = 'P',   // from the worker: bytes read, bytes in all
    Notice = 'N',     // from the worker: a line for the user beside the verdict
    Result = 'R',     // from the worker: the outcome of the load
    Alive = 'A',      // from the worker: the load under way got further
    MemoryBound = 'M' // from the worker: its address space ran out
};

constexpr std::uint32_t kLargestMessage = 16u * 1024 * 1024;

class MessageWriter {
public:
    void U8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void U64(std::uint64_t value) { Raw(&value, sizeof value); }
    void Text(std::string_view text)
    {
        U64(text.size());
        m_bytes.append(text);
    }
    void Text16(std::u16string_view text)
    {
        U64(text.size());
        Raw(text.data(), text.size() * sizeof(char16_t));
    }
    std::string Framed(MessageKind kind) const
    {
        std::string frame(1, static_cast<char>(kind));
        const auto length = static_cast<std::uint32_t>(m_bytes.size());
        frame.append(reinterpret_cast<const char*>(&length), sizeof length);
        return frame + m_bytes;
    }

private:
    void Raw(const void* data, std::size_t size) { m_bytes.append(static_cast<const char*>(data), size); }
    std::string m_bytes;
};

class MessageReader {
public:
    explicit MessageReader(std::string_view bytes) : m_bytes(bytes) {}
    bool Ok() const { return m_ok; }
    std::uint8_t U8()
    {
        std::uint8_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::uint64_t U64()
    {
        std::uint64_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::string Text()
    {
        const std::uint64_t size = U64();
        if (!m_ok || size > m_bytes.size())
            return Fail<std::string>();
        std::string text(m_bytes.substr(0, size));
        m_bytes.remove_prefix(size);
        return text;
    }
    std::u16string Text16()
    {
        const std::uint64_t size = U64();
        if (!m_ok || size > m_bytes.size() / sizeof(char16_t))
            return Fail<std::u16string>();
        std::u16string text(size, u'\0');
        Raw(text.data(), size * sizeof(char16_t));
        return text;
    }

private:
    template <typename T>
    T Fail()
    {
        m_ok = false;
        return {};
    }
    void Raw(void* data, std::size_t size)
    {
        if (!m_ok || m_bytes.size() < size) {
            m_ok = false;
            return;
        }
        std::memcpy(data, m_bytes.data(), size);
        m_bytes.remove_prefix(size);
    }
    std::string_view m_bytes;
    bool m_ok = true;
};

bool SendAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// `silent` learns whether the socket's receive bound ran out.
bool ReceiveAll(int fd, char* data, std::size_t size, bool* silent)
{
    while (size > 0) {
        const ssize_t got = ::recv(fd, data, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && silent != nullptr)
            *silent = true;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

struct Message {
    MessageKind kind{};
    std::string body;
};

// Nothing when the other end went away (or broke the framing), or when
// nothing came within the socket's receive bound (`silent` is then set).
std::optional<Message> ReceiveMessage(int fd, bool* silent = nullptr)
{
    char header[1 + sizeof(std::uint32_t)];
    if (!ReceiveAll(fd, header, sizeof header, silent))
        return std::nullopt;
    std::uint32_t length = 0;
    std::memcpy(&length, header + 1, sizeof length);
    if (length > kLargestMessage)
        return std::nullopt;
    Message message;
    message.kind = static_cast<MessageKind>(header[0]);
    message.body.resize(length);
    if (!ReceiveAll(fd, message.body.data(), length, silent))
        return std::nullopt;
    return message;
}

// What travels with a request besides the document: the bounds the caller's
// process has set for its loads.
struct WorkerRequest {
    XmlLoadRequest load;
    std::uint64_t stallMs = 0;
    // The caller's wait for a sign of progress; the worker beats well
    // within it.
    std::uint64_t silenceMs = 0;
    RemoteFetchLimits remote;
    bool quickChecks = true;
    // Without a listener in the caller, progress travels only in steps that
    // place a failure in a large document: a batch of small documents then
    // costs one message each way per document.
    bool progressWanted = true;
    ShownPathForm pathForm = ShownPathForm::Drive;
};

std::string EncodeRequest(const WorkerRequest& request)
{
    MessageWriter writer;
    writer.Text(request.load.linuxPath);
    writer.Text(request.load.displayPath);
    writer.Text(request.load.readFrom);
    writer.U8(request.load.validate ? 1 : 0);
    writer.U64(request.stallMs);
    writer.U64(request.silenceMs);
    writer.U64(static_cast<std::uint64_t>(request.remote.connectTimeout.count()));
    writer.U64(static_cast<std::uint64_t>(request.remote.stallTimeout.count()));
    writer.U64(static_cast<std::uint64_t>(request.remote.totalTimeout.count()));
    writer.U64(request.remote.maxBytes);
    writer.U8(request.remote.networkAllowed ? 1 : 0);
    writer.U64(request.remote.cacheMaxBytes);
    writer.U8(request.load.multipleErrors ? 1 : 0);
    writer.U8(request.quickChecks ? 1 : 0);
    writer.U8(request.progressWanted ? 1 : 0);
    writer.U8(request.pathForm == ShownPathForm::Linux ? 1 : 0);
    return writer.Framed(MessageKind::Load);
}

std::optional<WorkerRequest> DecodeRequest(std::string_view body)
{
    MessageReader reader(body);
    WorkerRequest request;
    request.load.linuxPath = reader.Text();
    request.load.displayPath = reader.Text();
    request.load.readFrom = reader.Text();
    request.load.validate = reader.U8() != 0;
    request.stallMs = reader.U64();
    request.silenceMs = reader.U64();
    request.remote.connectTimeout = std::chrono::milliseconds(reader.U64());
    request.remote.stallTimeout = std::chrono::milliseconds(reader.U64());
    request.remote.totalTimeout = std::chrono::milliseconds(reader.U64());
    request.remote.maxBytes = reader.U64();
    request.remote.networkAllowed = reader.U8() != 0;
    request.remote.cacheMaxBytes = reader.U64();
    request.load.multipleErrors = reader.U8() != 0;
    request.quickChecks = reader.U8() != 0;
    request.progressWanted = reader.U8() != 0;
    request.pathForm = reader.U8() != 0 ? ShownPathForm::Linux : ShownPathForm::Drive;
    if (!reader.Ok())
        return std::nullopt;
    return request;
}

void WriteError(MessageWriter& writer, const XmlLoadError& error)
{
    writer.U64(error.code);
    writer.U64(static_cast<std::uint64_t>(error.line));
    writer.U64(static_cast<std::uint64_t>(error.column));
    writer.Text16(error.reason);
    writer.Text(error.file);
}

XmlLoadError ReadError(MessageReader& reader)
{
    XmlLoadError error;
    error.code = static_cast<std::uint32_t>(reader.U64());
    error.line = static_cast<long>(reader.U64());
    error.column = static_cast<long>(reader.U64());
    error.reason = reader.Text16();
    error.file = reader.Text();
    return error;
}

// A result may tell that the worker ends right after it. It ends with the
// errors after the first (none unless the request asked for every error).
std::string EncodeResult(const std::optional<XmlLoadError>& error, bool workerEnds,
                         const std::vector<XmlLoadError>& further = {})
{
    MessageWriter writer;
    writer.U8(workerEnds ? 1 : 0);
    writer.U8(error ? 1 : 0);
    if (error)
        WriteError(writer, *error);
    writer.U64(further.size());
    for (const XmlLoadError& next : further)
        WriteError(writer, next);
    return writer.Framed(MessageKind::Result);
}

std::string EncodeProgress(std::uint64_t done, std::uint64_t total)
{
    MessageWriter writer;
    writer.U64(done);
    writer.U64(total);
    return writer.Framed(MessageKind::Progress);
}

std::string EncodeNotice(const std::string& notice)
{
    MessageWriter writer;
    writer.Text(notice);
    return writer.Framed(MessageKind::Notice);
}

XmlLoadError LimitError(std::uint32_t ownError, std::uint64_t line, const std::string& reason)
{
    return MakeXmlLoadError(XmlOwnErrorCode(ownError), line, 0, AnsiToWide(reason));
}

// --- The worker -------------------------------------------------------------

int g_workerFd = -1;
std::mutex g_sendMutex; // the parsing thread and the watchdog both send
std::atomic<bool> g_progressWanted{true};
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
    SetParserStallTime(std::chrono::milliseconds(request.stallMs));
    SetQuickChecks(request.quickChecks);
    SetShownPathForm(request.pathForm);
    // A worker started by spawning knows the stand-in only from the request.
    if (!request.load.readFrom.empty())
        SetDocumentStandIn(request.load.linuxPath, request.load.readFrom);
    SetRemoteFetchLimits(request.remote);
    g_progressWanted = request.progressWanted;
    BoundAddressSpace(request.load.linuxPath);
    LoadWatch& watch = Watched();
    std::uint64_t load = 0;
    {
        std::lock_guard lock(watch.mutex);
        load = ++watch.loads;
        AwaitAnswer(load);
        watch.running = true;
        watch.stallTime = std::chrono::milliseconds(request.stallMs);
        watch.beatEvery = std::chrono::milliseconds(request.silenceMs / 4);
    }
    watch.begun.notify_one();
    ParseJob job{request, std::nullopt, {}};
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
        SetLoadProgressListener([](std::uint64_t done, std::uint64_t total) {
            if (g_progressWanted || done >= kUnwantedProgressStep)
                SendProgress(done, total);
        });
        SetLoadNoticeListener([](const std::string& notice) { WorkerSend(EncodeNotice(notice)); });
        while (auto message = ReceiveMessage(g_workerFd)) {
            if (message->kind != MessageKind::Load)
                _exit(2);
            const auto request = DecodeRequest(message->body);
            if (!request)
                _exit(2);
            if (!ServeLoad(*request))
                break;
        }
        _exit(0); // the parent is gone (or the watchdog answered and ends the worker)
    }

    pthread_t m_thread{};
    clockid_t m_clock{};
    bool m_timed = false;
};

std::chrono::nanoseconds ThreadCpuTime(clockid_t clock)
{
    timespec now{};
    if (::clock_gettime(clock, &now) != 0)
        return {};
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Tells the caller that the load under way gets further, so that the caller
// can end a worker that does not (stopped, held by a debugger, blocked
// outside its bounded waits): no processor-time bound sees a process that
// uses no processor. The signs are the parsing thread's own: a document
// event, or processor time it used. A network fetch that waits within its
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
        std::chrono::nanoseconds allowed{};
        std::chrono::milliseconds beatEvery{};
        {
            std::unique_lock lock(watch.mutex);
            if (!watch.running && std::chrono::steady_clock::now() - lastSeenRunning > kRestAfter)
                watch.begun.wait(lock, [&] { return watch.running; });
            running = watch.running;
            loads = watch.loads;
            allowed = watch.stallTime;
            beatEvery = watch.beatEvery;
        }
        if (running)
            lastSeenRunning = std::chrono::steady_clock::now();
        // POLLRDHUP alone: the next request arriving is no reason to wake.
        pollfd polled{g_workerFd, POLLRDHUP, 0};
        const int ready = ::poll(&polled, 1, static_cast<int>(kTick.count()));
        if (ready < 0 && errno != EINTR)
            _exit(3);
        if ((polled.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0)
            _exit(0);
        if (!running)
            continue;
        const std::uint64_t events = ParserProgressEvents();
        const std::chrono::nanoseconds used = cpuClock ? ThreadCpuTime(*cpuClock) : std::chrono::nanoseconds{};
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
            const XmlLimitFailure stall = DescribeParserStall();
            const XmlLoadError error = LimitError(stall.ownError, ParserProgressLine(), stall.reason);
            if (AnswerFirst(watched, EncodeResult(error, true)))
                _exit(0);
            // The parse ended just now after all, and answered itself.
        }
    }
}

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

// --- The caller's side ------------------------------------------------------

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

std::atomic<std::int64_t> g_silenceMs{
    std::chrono::duration_cast<std::chrono::milliseconds>(XmlLimits::kWorkerSilence).count()};

// A load with this process's settings. A request sent ahead is taken as the
// load's only when the two are built alike, so both are built here.
WorkerRequest RequestFor(const XmlLoadRequest& load)
{
    return {load,
            static_cast<std::uint64_t>(ParserStallTime().count()),
            static_cast<std::uint64_t>(g_silenceMs.load()),
            CurrentRemoteFetchLimits(),
            QuickChecksEnabled(),
            HasLoadProgressListener(),
            CurrentShownPathForm()};
}

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

class WorkerClient {
public:
    // The process is ending: its worker is killed, not waited for.
    ~WorkerClient() { Kill(); }

    // The load of `request`, whose frame is `frame`.
    std::optional<XmlLoadError> Load(const WorkerRequest& request, const std::string& frame,
                                     std::vector<XmlLoadError>* further)
    {
        std::lock_guard lock(m_mutex);
        const XmlLoadRequest& load = request.load;
        m_progressWanted = request.progressWanted;
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

        bool progressKnown = false;
        std::uint64_t bytesRead = 0;
        bool memoryBound = false;
        bool silent = false;
        const std::chrono::milliseconds allowance(request.silenceMs);
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
            MessageReader reader(message->body);
            if (message->kind == MessageKind::Progress) {
                const std::uint64_t done = reader.U64();
                const std::uint64_t total = reader.U64();
                if (!reader.Ok())
                    break;
                progressKnown = true;
                bytesRead = done;
                ReportLoadProgress(done, total);
            } else if (message->kind == MessageKind::Notice) {
                const std::string notice = reader.Text();
                if (!reader.Ok())
                    break;
                ReportLoadNotice(notice);
            } else if (message->kind == MessageKind::MemoryBound) {
                memoryBound = true;
            } else if (message->kind == MessageKind::Alive) {
                // Heard from: nothing else to do.
            } else if (message->kind == MessageKind::Result) {
                bool workerEnds = false;
                std::optional<XmlLoadError> outcome;
                if (!ReadResult(reader, workerEnds, outcome, further))
                    break;
                if (workerEnds)
                    End();
                return outcome;
            } else {
                break;
            }
        }
        if (silent)
            return Unresponsive(load, allowance, progressKnown, bytesRead);
        return memoryBound ? MemoryBoundReached(load, progressKnown, bytesRead)
                           : Died(load, progressKnown, bytesRead);
    }

    // A result message: whether the worker ends after it, the load's first
    // error and the further ones. False when the message is malformed.
    static bool ReadResult(MessageReader& reader, bool& workerEnds, std::optional<XmlLoadError>& outcome,
                           std::vector<XmlLoadError>* further)
    {
        workerEnds = reader.U8() != 0;
        if (reader.U8() != 0)
            outcome = ReadError(reader);
        const std::uint64_t furtherCount = reader.U64();
        std::vector<XmlLoadError> furtherErrors(std::min<std::uint64_t>(furtherCount, XmlLimits::kReportedErrors));
        for (XmlLoadError& next : furtherErrors)
            next = ReadError(reader);
        if (!reader.Ok())
            return false;
        if (further != nullptr)
            *further = std::move(furtherErrors);
        return true;
    }

    // Queues a request in the worker, started if need be, so that it goes
    // on to it without waiting for this process to turn round. False when
    // the worker could not take it; its load then sends it itself.
    bool SendAhead(const std::string& frame)
    {
        std::lock_guard lock(m_mutex);
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

    // The requests sent ahead whose results were not collected yet.
    std::size_t Queued()
    {
        std::lock_guard lock(m_mutex);
        AbandonIfInherited();
        return m_pid > 0 ? m_ahead.size() : 0;
    }

    // Counts the times the requests sent ahead were lost at once (the worker
    // went, or a load not sent ahead dropped them): a request sent in an
    // earlier generation must be sent again.
    std::uint64_t Generation()
    {
        std::lock_guard lock(m_mutex);
        AbandonIfInherited();
        return m_generation;
    }

    // The results of the requests sent ahead are read and dropped.
    void DropAhead()
    {
        std::lock_guard lock(m_mutex);
        AbandonIfInherited();
        BoundEachReceive();
        while (m_pid > 0 && !m_ahead.empty())
            DropOneAhead();
        ++m_generation;
    }

    void End()
    {
        if (m_pid <= 0)
            return;
        if (m_owner != ThisProcess()) {
            Abandon();
            return;
        }
        m_socket.Reset();
        ::kill(m_pid, SIGKILL);
        Reap();
    }

    // Ends the worker without waiting for it to be gone: the run or the
    // process is ending, the worker writes nothing that could be lost, and
    // the system taking back a large parse's memory is what a wait would
    // sit through. The worker is reaped before the next one starts, or by
    // init once this process has ended.
    void Kill()
    {
        if (m_pid <= 0)
            return;
        if (m_owner == ThisProcess() && ::kill(m_pid, SIGKILL) == 0)
            m_killed.push_back(m_pid);
        Abandon();
    }

    bool Signal(int signalNumber) const
    {
        const pid_t pid = m_visiblePid.load();
        return pid > 0 && ::kill(pid, signalNumber) == 0;
    }

    pid_t ProcessId() const { return m_visiblePid.load(); }

    std::mutex& Mutex() { return m_mutex; }

private:
    // The environment's entries but for the worker's connection.
    template <typename Visit>
    static void ForEachWorkerVariable(Visit visit)
    {
        for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
            const std::string_view text(*entry);
            if (!(text.starts_with(kWorkerFdVariable) && text.substr(kWorkerFdVariable.size()).starts_with('=')))
                visit(text);
        }
    }

    // Looked at before every request, so compared in place, not copied.
    bool EnvironmentChanged() const
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
    void EndIfStale()
    {
        AbandonIfInherited();
        if (m_pid > 0 && EnvironmentChanged())
            End();
    }

    std::optional<XmlLoadError> Start()
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
        if (RunsNoOtherThread()) {
            const pid_t pid = ::fork();
            if (pid < 0)
                return StartFailed(errno);
            if (pid == 0)
                BecomeWorker(theirs.Get());
            Started(pid, std::move(mine));
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
        Started(pid, std::move(mine));
        return std::nullopt;
    }

    void Started(pid_t pid, UniqueFd socket)
    {
        m_pid = pid;
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
    void BoundEachReceive()
    {
        const std::int64_t allowed = g_silenceMs.load();
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
    static bool RunsNoOtherThread()
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
    [[noreturn]] static void BecomeWorker(int theirs)
    {
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
    void DropOneAhead()
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
    std::string Reap()
    {
        int status = 0;
        pid_t got = 0;
        do {
            got = ::waitpid(m_pid, &status, 0);
        } while (got < 0 && errno == EINTR);
        m_pid = 0;
        m_visiblePid = 0;
        m_socket.Reset();
        m_ahead.clear();
        ++m_generation;
        if (got <= 0)
            return "";
        if (WIFSIGNALED(status))
            return SignalName(WTERMSIG(status));
        if (WIFEXITED(status))
            return "exit status " + std::to_string(WEXITSTATUS(status));
        return "";
    }

    void AbandonIfInherited()
    {
        if (m_pid > 0 && m_owner != ThisProcess())
            Abandon();
    }

    // The worker of the process this one was forked from stays with it.
    void Abandon()
    {
        m_ahead.clear();
        ++m_generation;
        m_socket.Reset();
        m_pid = 0;
        m_visiblePid = 0;
    }

    // The line is that of the error object (zero when nothing was read).
    std::string WherePhrase(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead,
                            std::uint64_t& line) const
    {
        if (!progressKnown)
            return m_progressWanted ? "before reading the document" : "while loading the document";
        line = std::min<std::uint64_t>(LineAtByte(load.linuxPath, bytesRead), 0x7FFFFFFF);
        return "while reading line " + std::to_string(line);
    }

    XmlLoadError Died(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead)
    {
        const std::string how = Reap();
        std::uint64_t line = 0;
        const std::string where = WherePhrase(load, progressKnown, bytesRead, line);
        return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), line, 0,
                                AnsiToWide("The parser stopped unexpectedly" +
                                           (how.empty() ? "" : " (" + how + ")") + " " + where));
    }

    XmlLoadError MemoryBoundReached(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead)
    {
        Reap();
        std::uint64_t line = 0;
        const std::string where = WherePhrase(load, progressKnown, bytesRead, line);
        return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::MemoryLimit), line, 0,
                                AnsiToWide("The parser needed more memory than a load may use " + where +
                                           "; the document is not read further (resource limit)"));
    }

    enum class Wait { Ready, Cancelled, Silent };

    // Waits for the worker's next message, until the allowance since the
    // worker was last heard from runs out. A caller that waits in slices (a
    // window) gets its turn at least every slice, also while progress
    // arrives without pause, and may end the wait.
    Wait AwaitMessage(int fd, std::chrono::milliseconds allowance)
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
    XmlLoadError Unresponsive(const XmlLoadRequest& load, std::chrono::milliseconds allowance, bool progressKnown,
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

    static XmlLoadError Cancelled()
    {
        return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::Cancelled), 0, 0,
                                u"The validation was cancelled before it ended");
    }

    static XmlLoadError StartFailed(int errorNumber)
    {
        return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), 0, 0,
                                AnsiToWide(std::string("The parser could not be started: ") +
                                           std::strerror(errorNumber)));
    }

    std::mutex m_mutex;
    std::chrono::steady_clock::time_point m_lastTurn;
    std::chrono::steady_clock::time_point m_lastHeard; // from the worker, by the load under way
    std::int64_t m_receiveBoundMs = 0; // on m_socket
    pid_t m_pid = 0;
    pid_t m_owner = 0;
    std::atomic<pid_t> m_visiblePid{0};
    bool m_progressWanted = true; // by the load under way
    // The requests sent ahead, in order; their messages follow those of
    // the load under way.
    std::deque<std::string> m_ahead;
    std::uint64_t m_generation = 0;
    UniqueFd m_socket;
    std::vector<std::string> m_environment; // the worker's, but for its connection
    std::vector<pid_t> m_killed;            // killed, not reaped yet
};

// The workers of this process. Loads the caller names ahead are spread
// over as many workers as there are processors (up to kMostWorkers), each
// with its own kept schemas, so a batch is parsed on all of them at once; a
// load nobody named ahead goes to the first worker, the only one a window
// ever starts.
class WorkerPool {
public:
    std::optional<XmlLoadError> Load(const XmlLoadRequest& load, std::vector<XmlLoadError>* further)
    {
        std::lock_guard lock(m_mutex);
        const WorkerRequest request = RequestFor(load);
        const std::string frame = EncodeRequest(request);
        // The loads named before this one were not made after all; a load
        // nobody named drops them all.
        const auto match = std::find_if(m_named.begin(), m_named.end(),
                                        [&frame](const NamedLoad& named) { return named.frame == frame; });
        if (match == m_named.end())
            ForgetNamed();
        else
            m_named.erase(m_named.begin(), match);
        ForgetLostSends();
        std::size_t worker = 0;
        if (!m_named.empty()) {
            if (!m_named.front().sentTo) {
                worker = WorkerFor(0).value_or(LeastQueued().value_or(0));
                m_workers[worker].SendAhead(frame);
            } else {
                worker = m_named.front().sentTo->worker;
            }
            m_named.pop_front();
        }
        SendNamedAhead();
        return m_workers[worker].Load(request, frame, further);
    }

    void Expect(const XmlLoadRequest& load)
    {
        std::lock_guard lock(m_mutex);
        m_named.push_back({EncodeRequest(RequestFor(load)), std::nullopt});
        ForgetLostSends();
        SendNamedAhead();
    }

    void End()
    {
        std::lock_guard lock(m_mutex);
        m_named.clear();
        for (WorkerClient& worker : m_workers) {
            std::lock_guard workerLock(worker.Mutex());
            worker.End();
        }
    }

    bool Signal(int signalNumber) const { return m_workers.front().Signal(signalNumber); }
    pid_t ProcessId() const { return m_workers.front().ProcessId(); }

private:
    static constexpr std::size_t kMostWorkers = 4;
    // Enough to keep a worker busy while this process reports, few enough
    // that a load named in vain costs little.
    static constexpr std::size_t kQueuedPerWorker = 3;

    struct Sent {
        std::size_t worker;
        std::uint64_t generation; // the worker's, when it was sent
    };
    struct NamedLoad {
        std::string frame;
        std::optional<Sent> sentTo;
    };

    static std::size_t WorkersWanted()
    {
        cpu_set_t usable;
        CPU_ZERO(&usable);
        const int processors = ::sched_getaffinity(0, sizeof usable, &usable) == 0 ? CPU_COUNT(&usable) : 1;
        return std::clamp<std::size_t>(static_cast<std::size_t>(processors), 1, kMostWorkers);
    }

    // The least busy worker but for those left out; none when all are.
    std::optional<std::size_t> LeastQueued(const std::array<bool, kMostWorkers>& leftOut = {})
    {
        std::optional<std::size_t> least;
        std::size_t leastQueued = 0;
        for (std::size_t i = 0; i < m_workerCount; ++i) {
            if (leftOut[i])
                continue;
            if (const std::size_t queued = m_workers[i].Queued(); !least || queued < leastQueued) {
                least = i;
                leastQueued = queued;
            }
        }
        return least;
    }

    // The least busy worker that was sent none of the loads named after the
    // one at `position`: a worker's queue holds its loads in the order the
    // caller makes them, so that none waits behind a later one.
    std::optional<std::size_t> WorkerFor(std::size_t position)
    {
        std::array<bool, kMostWorkers> holdsLater{};
        for (std::size_t i = position + 1; i < m_named.size(); ++i)
            if (m_named[i].sentTo)
                holdsLater[m_named[i].sentTo->worker] = true;
        return LeastQueued(holdsLater);
    }

    // The named loads not sent yet go to the workers with room, in order.
    void SendNamedAhead()
    {
        for (std::size_t i = 0; i < m_named.size(); ++i) {
            NamedLoad& named = m_named[i];
            if (named.sentTo)
                continue;
            const std::optional<std::size_t> worker = WorkerFor(i);
            if (!worker || m_workers[*worker].Queued() >= kQueuedPerWorker ||
                !m_workers[*worker].SendAhead(named.frame))
                return;
            named.sentTo = Sent{*worker, m_workers[*worker].Generation()};
        }
    }

    // A worker that lost what it was sent (it went away) is sent it again.
    // Nothing was sent since the loss: every call here comes first.
    void ForgetLostSends()
    {
        for (NamedLoad& named : m_named)
            if (named.sentTo && m_workers[named.sentTo->worker].Generation() != named.sentTo->generation)
                named.sentTo.reset();
    }

    // The caller made a load it did not name: none of those it named is
    // made after all.
    void ForgetNamed()
    {
        m_named.clear();
        for (std::size_t i = 0; i < m_workerCount; ++i)
            m_workers[i].DropAhead();
    }

    std::mutex m_mutex;
    std::array<WorkerClient, kMostWorkers> m_workers;
    const std::size_t m_workerCount = WorkersWanted();
    std::deque<NamedLoad> m_named; // in the order the caller will make them
};

WorkerPool& Pool()
{
    static WorkerPool pool;
    return pool;
}

} // namespace

std::optional<XmlLoadError> LoadXmlDocumentInWorker(const XmlLoadRequest& request,
                                                    std::vector<XmlLoadError>* further)
{
    if (further != nullptr)
        further->clear();
    return Pool().Load(request, further);
}

void ExpectXmlLoadInWorker(const XmlLoadRequest& request)
{
    Pool().Expect(request);
}

void EndXmlWorker()
{
    Pool().End();
}

bool SignalXmlWorkerForTests(int signalNumber)
{
    return Pool().Signal(signalNumber);
}

int XmlWorkerProcessIdForTests()
{
    return Pool().ProcessId();
}

std::chrono::milliseconds XmlWorkerSilenceAllowance()
{
    return std::chrono::milliseconds(g_silenceMs.load());
}

void SetXmlWorkerSilenceAllowance(std::chrono::milliseconds allowed)
{
    // Zero would unbound each read from the worker instead.
    g_silenceMs = std::max<std::int64_t>(allowed.count(), 1);
}
