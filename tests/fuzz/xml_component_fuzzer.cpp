// Fuzzes the parser component's load on arbitrary bytes: alone, and as a
// schema or a DTD that a small document names.
//
// The load runs here in the fuzzer's own process (the program runs it in a
// worker process, where a crash would only be reported), on a thread with the
// parser's large stack, watched for the stall bound as the worker watches it.
// Each input is loaded twice: the second load may reuse the schemas the first
// one kept, and must reach the very same verdict.
//
// The first input byte picks what the rest is:
//   0: the document, validated;
//   1: the document, read for well-formedness only;
//   2: a schema, up to the first NUL; the rest is the content of a document
//      that names it with xsi:noNamespaceSchemaLocation (without a NUL, a
//      fixed content);
//   3: a DTD, split likewise; the document names it in its DOCTYPE.
//
// Nothing reaches the network: every proxy variable points at a loopback
// port that refuses connections, for every host.

#include "platform/text/drive_path.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/schema/xml_grammar_cache.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_runtime.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pthread.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// Short enough that a stalled parse costs little fuzzing time, long enough
// for any schema of the input's size to compile under the sanitizers.
constexpr std::chrono::milliseconds kStallTime{3000};
constexpr std::chrono::milliseconds kStallGrace{2000};

[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "parser component finding: %s\n", what);
    std::abort();
}

// A loopback port held bound but never listening: connecting to it is
// refused at once, and no other program can take it meanwhile.
int RefusingPort()
{
    static const int port = [] {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            Finding("no loopback port to refuse remote fetches with");
        return static_cast<int>(ntohs(address.sin_port)); // the descriptor stays open for the run
    }();
    return port;
}

void KeepOffTheNetwork()
{
    const std::string proxy = "http://127.0.0.1:" + std::to_string(RefusingPort());
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        ::setenv(name, proxy.c_str(), 1);
    ::unsetenv("no_proxy");
    ::unsetenv("NO_PROXY");
}

// The settings of every load: short network bounds, and the stall bound the
// reports quote (this fuzzer watches for it itself).
XmlLoadSettings FuzzLoadSettings()
{
    XmlLoadSettings settings;
    settings.stallTime = kStallTime;
    settings.remote.connectTimeout = std::chrono::milliseconds(1000);
    settings.remote.stallTimeout = std::chrono::milliseconds(1000);
    settings.remote.totalTimeout = std::chrono::milliseconds(2000);
    return settings;
}

// The folder the documents of each input are written to, removed at exit.
class Folder {
public:
    Folder()
    {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "corvane-xml-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            Finding("no temporary folder");
        m_path = pattern;
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& Path() const { return m_path; }

    // Leaves only this input's files behind.
    void Clear() const
    {
        for (const char* name : {"doc.xml", "s.xsd", "d.dtd"})
            ::unlink((m_path / name).c_str());
    }
    std::string Write(const char* name, std::string_view bytes) const
    {
        const fs::path file = m_path / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            Finding("cannot write the input's document");
        return file.string();
    }

private:
    fs::path m_path;
};

const Folder& TheFolder()
{
    static const Folder folder;
    return folder;
}

struct ParseJob {
    const XmlLoadRequest* request = nullptr;
    std::optional<XmlLoadError> outcome;
    clockid_t clock{};
    std::atomic<bool> clockKnown{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false; // under the mutex
};

void* RunParse(void* argument)
{
    auto& job = *static_cast<ParseJob*>(argument);
    // Named by the thread itself: one that ends at once has no clock left
    // to ask for from outside.
    if (::pthread_getcpuclockid(::pthread_self(), &job.clock) != 0)
        Finding("no processor clock for the parsing thread");
    job.clockKnown = true;
    try {
        job.outcome = LoadXmlDocument(*job.request);
    } catch (const std::bad_alloc&) {
        job.outcome = MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::MemoryLimit), 0, 0, u"out of memory");
    }
    std::lock_guard lock(job.mutex);
    job.done = true;
    job.finished.notify_one();
    return nullptr;
}

std::chrono::nanoseconds CpuTime(clockid_t clock)
{
    timespec now{};
    ::clock_gettime(clock, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// One load on a thread of its own, stopped as the worker stops it when the
// parser works too long without an event. A parse that goes on past the
// bound and its grace is a finding: the worker would have to be ended.
std::optional<XmlLoadError> LoadWatched(const XmlLoadRequest& request)
{
    ParseJob job;
    job.request = &request;
    pthread_attr_t attributes;
    ::pthread_attr_init(&attributes);
    ::pthread_attr_setstacksize(&attributes, XmlLimits::kParserStackBytes);
    pthread_t thread{};
    if (::pthread_create(&thread, &attributes, RunParse, &job) != 0)
        Finding("no parsing thread");
    ::pthread_attr_destroy(&attributes);

    std::uint64_t events = ParserProgressEvents();
    std::chrono::nanoseconds workSince{};
    bool asked = false;
    while (true) {
        {
            std::unique_lock lock(job.mutex);
            if (job.finished.wait_for(lock, std::chrono::milliseconds(5), [&] { return job.done; }))
                break;
        }
        if (!job.clockKnown)
            continue;
        const std::chrono::nanoseconds used = CpuTime(job.clock);
        if (ParserProgressEvents() != events) {
            events = ParserProgressEvents();
            workSince = used;
        } else if (!asked && used - workSince > kStallTime) {
            StopParserAtNextAllocation();
            asked = true;
        } else if (asked && used - workSince > kStallTime + kStallGrace) {
            Finding("the parse went on past the stall bound without allocating");
        }
    }
    ::pthread_join(thread, nullptr);
    return job.outcome;
}

void Describe(const char* which, const std::optional<XmlLoadError>& verdict)
{
    if (!verdict) {
        std::fprintf(stderr, "%s: valid\n", which);
        return;
    }
    std::fprintf(stderr, "%s: code 0x%08X, line %ld, column %ld: %s\n", which, verdict->code, verdict->line,
                 verdict->column, WideToAnsi(verdict->reason).c_str());
}

bool Stalled(const std::optional<XmlLoadError>& verdict)
{
    return verdict && verdict->code == XmlOwnErrorCode(XmlOwnError::ParserStalled);
}

void CheckVerdict(const std::optional<XmlLoadError>& verdict, bool validate)
{
    if (!verdict)
        return;
    if ((verdict->code & 0xFF000000u) != kXmlErrorPrefix)
        Finding("an error code outside the component's range");
    const auto group = static_cast<std::uint32_t>(XmlErrorGroupOf(verdict->code));
    if (group < 1 || group > 5)
        Finding("an error code in no group");
    if (!validate && XmlErrorGroupOf(verdict->code) == XmlErrorGroup::Validity)
        Finding("a validity error from a load that does not validate");
    if (verdict->reason.empty())
        Finding("an error without a reason");
    if (verdict->line < 0 || verdict->column < 0)
        Finding("an error at a negative place");
}

constexpr std::string_view kFixedContent = "<a>1</a>";

std::string SchemaDocument(std::string_view content)
{
    return "<doc xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"s.xsd\">" +
           std::string(content) + "</doc>\n";
}

std::string DtdDocument(std::string_view content)
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE doc SYSTEM \"d.dtd\">\n<doc>" + std::string(content) + "</doc>\n";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    KeepOffTheNetwork();
    if (!EnsureXmlRuntime())
        Finding("the parser library did not start");
    // Fetched documents are kept per user and catalogs are read from the
    // system: neither may make one input's verdict depend on another's.
    const fs::path folder = TheFolder().Path();
    ::setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
    ::setenv("XML_CATALOG_FILES", (folder / "no-catalog.xml").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned mode = data[0] & 3u;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t nul = bytes.find('\0');
    const std::string_view first = bytes.substr(0, nul);
    const std::string_view rest = nul == std::string_view::npos ? kFixedContent : bytes.substr(nul + 1);

    const Folder& folder = TheFolder();
    folder.Clear();
    // Each input starts without the schemas an earlier input left behind:
    // files of the same size written within one clock tick look unchanged.
    ForgetCachedSchemaSets();
    XmlLoadRequest request;
    request.settings = FuzzLoadSettings();
    request.validate = mode != 1;
    switch (mode) {
    case 0:
    case 1:
        request.linuxPath = folder.Write("doc.xml", bytes);
        break;
    case 2:
        folder.Write("s.xsd", first);
        request.linuxPath = folder.Write("doc.xml", SchemaDocument(rest));
        break;
    default:
        folder.Write("d.dtd", first);
        request.linuxPath = folder.Write("doc.xml", DtdDocument(rest));
        break;
    }
    request.displayPath = DrivePathFromLinuxPath(request.linuxPath).value_or(request.linuxPath);

    const auto once = LoadWatched(request);
    const auto again = LoadWatched(request);
    CheckVerdict(once, request.validate);
    CheckVerdict(again, request.validate);
    // A stalled parse stops wherever the bound caught it.
    if (Stalled(once) || Stalled(again))
        return 0;
    const bool same = once.has_value() == again.has_value() &&
                      (!once || (once->code == again->code && once->line == again->line &&
                                 once->column == again->column && once->reason == again->reason));
    if (!same) {
        Describe("first load", once);
        Describe("second load", again);
        Finding("two loads of the same input reached different verdicts");
    }
    return 0;
}
