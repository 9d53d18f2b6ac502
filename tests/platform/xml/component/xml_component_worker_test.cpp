// The parser runs apart from the program: documents that drive it into
// runaway recursion or endless work end in verdicts, and a parser that dies
// costs one report, not the program.

#include "platform/xml/component/load_progress.h"
#include "platform/xml/component/validation_load_ahead.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/worker/xml_worker.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <map>
#include <sys/inotify.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <string>
#include <thread>
#include <vector>
#include <unistd.h>

namespace {

const std::string kSchemaStart = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n";

std::string WithSchema(const std::string& root, const std::string& content)
{
    return "<" + root + " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"s.xsd\">" + content + "</" + root + ">\n";
}

std::string PatternSchema(const std::string& pattern)
{
    return kSchemaStart + "<xs:element name=\"v\"><xs:simpleType><xs:restriction base=\"xs:string\">"
                          "<xs:pattern value=\"" + pattern + "\"/></xs:restriction></xs:simpleType>"
                          "</xs:element>\n</xs:schema>\n";
}

// Counts the times files are opened, through inotify. Closes are watched
// too: identical events in a row would be merged.
class OpenCounter {
public:
    OpenCounter() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~OpenCounter() { ::close(m_fd); }
    OpenCounter(const OpenCounter&) = delete;
    OpenCounter& operator=(const OpenCounter&) = delete;

    bool Watch(const std::filesystem::path& file)
    {
        const int watch = ::inotify_add_watch(m_fd, file.c_str(), IN_OPEN | IN_CLOSE);
        m_files[watch] = file.string();
        return m_fd >= 0 && watch >= 0;
    }
    // The opens since the last call, by file.
    std::map<std::string, int> Take()
    {
        std::map<std::string, int> opens;
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = ::read(m_fd, events, sizeof events)) > 0;)
            for (char* at = events; at < events + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if ((event->mask & IN_OPEN) != 0)
                    ++opens[m_files[event->wd]];
                at += sizeof(inotify_event) + event->len;
            }
        return opens;
    }

private:
    int m_fd;
    std::map<int, std::string> m_files;
};

std::string ChainedRestrictions(int count)
{
    std::string text = kSchemaStart + "<xs:simpleType name=\"t0\"><xs:restriction base=\"xs:string\"/></xs:simpleType>\n";
    for (int i = 1; i < count; ++i)
        text += "<xs:simpleType name=\"t" + std::to_string(i) + "\"><xs:restriction base=\"t" +
                std::to_string(i - 1) + "\"/></xs:simpleType>\n";
    return text + "<xs:element name=\"v\" type=\"t" + std::to_string(count - 1) + "\"/>\n</xs:schema>\n";
}

struct DeepCase {
    std::string name;
    std::string schema;
    std::string value;
    bool valid;
};

void PrintTo(const DeepCase& c, std::ostream* out)
{
    *out << c.name;
}

class DeepRecursionTest : public ::testing::TestWithParam<DeepCase> {};

// Each of these once overflowed the parser's stack and ended the program.
TEST_P(DeepRecursionTest, EndsInAVerdict)
{
    TempDir dir;
    dir.Write("s.xsd", GetParam().schema);
    const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", WithSchema("v", GetParam().value)));
    EXPECT_EQ(outcome.Valid(), GetParam().valid) << outcome;
    if (!GetParam().valid) {
        EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Worker, DeepRecursionTest,
    ::testing::Values(
        DeepCase{"LongValueAgainstAlternation", PatternSchema("([A-Za-z]|[0-9]|_)*\\.xml"),
                 std::string(20'000, 'x') + ".xml", true},
        DeepCase{"LongValueAgainstAlternationFailing", PatternSchema("([A-Za-z]|[0-9]|_)*\\.xml"),
                 std::string(20'000, 'x') + ".xsd", false},
        DeepCase{"ChainedRestrictions", ChainedRestrictions(20'000), "text", true}),
    [](const auto& info) { return info.param.name; });

TEST(XmlWorker, DeeplyNestedPatternEndsInAReport)
{
    TempDir dir;
    dir.Write("s.xsd", PatternSchema(std::string(60'000, '(') + "a" + std::string(60'000, ')')));
    const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", WithSchema("v", "a")));
    EXPECT_NE(outcome.code, XmlOwnErrorCode(XmlOwnError::UnexpectedFailure)) << outcome;
    EXPECT_TRUE(outcome.Valid() || outcome.code != 0) << outcome;
}

TEST(XmlWorker, ParserKilledMidLoadIsReportedAndTheNextLoadWorks)
{
    TempDir dir;
    std::string text = "<r>\n";
    while (text.size() < 4 * 1024 * 1024)
        text += "<p x=\"1\">some text</p>\n";
    text += "</r>\n";
    const auto big = dir.Write("big.xml", text);
    const auto small = dir.Write("small.xml", "<r/>");

    auto document = NewXmlDocument();
    ASSERT_TRUE(document);
    // Killed once it has read past the start, so a position is known.
    bool signalled = false;
    SetLoadProgressListener([&](std::uint64_t done, std::uint64_t) {
        if (done > 0 && !signalled)
            signalled = SignalXmlWorkerForTests(SIGKILL);
    });
    const XmlLoadOutcome killed = LoadWith(*document, DriveForm(big));
    SetLoadProgressListener({});
    ASSERT_TRUE(signalled);
    EXPECT_EQ(killed.status, S_FALSE) << killed;
    EXPECT_EQ(killed.code, 0x8C4000FFu) << killed;
    EXPECT_NE(killed.reason.find("signal 9"), std::string::npos) << killed;
    EXPECT_NE(killed.reason.find("line " + std::to_string(killed.line)), std::string::npos) << killed;
    EXPECT_GT(killed.line, 1) << killed;

    EXPECT_TRUE(LoadWith(*document, DriveForm(small)).Valid());
    EXPECT_TRUE(LoadWith(*document, DriveForm(big)).Valid());
}

TEST(XmlWorker, BacktrackingPatternEndsInTheStallReport)
{
    // The pattern backtracks exponentially without allocating; the bound on
    // the parser's processor time is lowered to keep the test short.
    const XmlLoadSettings saved = CurrentXmlLoadSettings();
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = std::chrono::milliseconds(500); });
    TempDir dir;
    dir.Write("s.xsd", PatternSchema("(a|aa)*b"));
    const XmlLoadOutcome outcome =
        LoadFile(dir.Write("doc.xml", "<?xml version=\"1.0\"?>\n" + WithSchema("v", std::string(46, 'a') + "c")));
    SetXmlLoadSettings(saved);
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::ParserStalled)) << outcome;
    EXPECT_EQ(outcome.line, 2) << outcome;
    // The worker that had to be ended is replaced.
    EXPECT_TRUE(LoadFile(dir.Write("ok.xml", WithSchema("v", "aab"))).Valid());
}

TEST(XmlWorker, MemoryBeyondTheWorkersBoundEndsInTheMemoryReport)
{
    // The outer bound is lowered far below the parser's own accounting.
    // The environment changed, so the load starts a worker that sees it.
    ScopedEnvironment bound("CORVANE_XML_WORKER_MEMORY_MIB", "64");
    TempDir dir;
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ELEMENT r (#PCDATA)>"
                       "<!ATTLIST r a CDATA #IMPLIED><!ENTITY big \"" + std::string(100'000, 'x') + "\">]>\n<r a=\"";
    for (int i = 0; i < 2'000; ++i)
        text += "&big;";
    const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", text + "\"/>\n"));
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::MemoryLimit)) << outcome;
    EXPECT_EQ(outcome.line, 3) << outcome;
}

// A worker is started as a copy of a process that runs no other thread, and
// afresh from one that does; either way it holds none of the caller's
// descriptors, so a pipe the caller closes reads as ended.
TEST(XmlWorker, StartsFromAOneThreadedAndAManyThreadedCallerAlike)
{
    TempDir dir;
    dir.Write("s.xsd", PatternSchema("a+"));
    const auto valid = dir.Write("doc.xml", WithSchema("v", "aaa"));
    const auto invalid = dir.Write("bad.xml", WithSchema("v", "b"));
    for (const bool otherThread : {false, true}) {
        SCOPED_TRACE(otherThread ? "another thread runs" : "one thread");
        std::promise<void> release;
        std::thread waiting;
        if (otherThread)
            waiting = std::thread([done = release.get_future()] { done.wait(); });
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        EndXmlWorker();
        EXPECT_TRUE(LoadFile(valid).Valid());
        EXPECT_EQ(LoadFile(invalid).line, 1);
        ::close(ends[1]);
        ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
        char byte = 0;
        EXPECT_EQ(::read(ends[0], &byte, 1), 0) << "errno " << errno;
        ::close(ends[0]);
        if (otherThread) {
            release.set_value();
            waiting.join();
        }
    }
}

// Loads named ahead are read (on several workers when the machine has
// several processors) while the caller reports the ones before; the verdicts
// are those of loads made one by one, also when the caller then loads
// another document, or the workers ended in between.
TEST(XmlWorker, LoadsNamedAheadGiveTheVerdictsOfLoadsOneByOne)
{
    TempDir dir;
    dir.Write("s.xsd", PatternSchema("a+"));
    const std::string good = DriveForm(dir.Write("good.xml", WithSchema("v", "aaa")));
    const std::string bad = DriveForm(dir.Write("bad.xml", WithSchema("v", "b")));
    const std::string broken = DriveForm(dir.Write("broken.xml", "<v>\n\n</w>\n"));
    const std::map<std::string, long> errorLine = {{good, 0}, {bad, 1}, {broken, 3}};
    struct Step {
        std::vector<std::string> named; // named ahead before the load
        std::string load;
        bool endWorkersAfter = false;
    };
    std::vector<Step> steps = {
        {{good, bad, broken}, good}, {{}, bad}, {{}, broken},  // each as named
        {{bad, good}, broken}, {{}, bad}, {{}, good},          // named bad first, loads broken
        {{good, bad}, good, true}, {{}, bad}, {{}, good},      // the workers ended
    };
    // More than the workers hold at once, in an order that mixes verdicts.
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i)
        many.push_back(std::vector<std::string>{good, bad, broken, good}[i % 4 == 3 ? 0 : i % 3]);
    steps.push_back({many, many.front()});
    for (std::size_t i = 1; i < many.size(); ++i)
        steps.push_back({{}, many[i]});

    EndXmlWorker();
    auto document = NewXmlDocument();
    ASSERT_TRUE(document);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        for (const std::string& named : steps[i].named)
            ExpectValidationLoad(named, false);
        const XmlLoadOutcome outcome = LoadWith(*document, steps[i].load);
        EXPECT_EQ(outcome.Valid(), errorLine.at(steps[i].load) == 0) << outcome;
        EXPECT_EQ(outcome.line, errorLine.at(steps[i].load)) << outcome;
        if (steps[i].endWorkersAfter)
            EndXmlWorker();
    }
}

// A worker killed while it holds loads named ahead costs at most one of
// them a report; the others are sent again and get their own verdicts, and
// the loads named after them are read once each, as before the kill.
TEST(XmlWorker, AWorkerKilledWithLoadsNamedAheadCostsAtMostOneOfThem)
{
    TempDir dir;
    OpenCounter counter;
    const std::string kinds[] = {"<a/>\n", "<a>\n</b>\n"}; // valid; an error on line 2
    int alone[2] = {};
    auto document = NewXmlDocument();
    ASSERT_TRUE(document);
    for (int kind = 0; kind < 2; ++kind) {
        const auto spare = dir.Write("spare" + std::to_string(kind) + ".xml", kinds[kind]);
        ASSERT_TRUE(counter.Watch(spare));
        LoadWith(*document, DriveForm(spare));
        alone[kind] = counter.Take()[spare.string()];
        ASSERT_GT(alone[kind], 0);
    }
    constexpr int kLoads = 40;
    std::vector<std::filesystem::path> files;
    for (int i = 0; i < kLoads; ++i) {
        files.push_back(dir.Write("d" + std::to_string(i) + ".xml", kinds[i % 2]));
        ASSERT_TRUE(counter.Watch(files.back()));
    }
    EndXmlWorker();
    for (const auto& file : files)
        ExpectValidationLoad(DriveForm(file), false);
    EXPECT_TRUE(LoadWith(*document, DriveForm(files[0])).Valid());
    ASSERT_TRUE(SignalXmlWorkerForTests(SIGKILL));
    int reports = 0;
    for (int i = 1; i < kLoads; ++i) {
        SCOPED_TRACE("load " + std::to_string(i));
        const XmlLoadOutcome outcome = LoadWith(*document, DriveForm(files[i]));
        if (outcome.code == XmlOwnErrorCode(XmlOwnError::UnexpectedFailure)) {
            ++reports;
            continue;
        }
        EXPECT_EQ(outcome.line, i % 2 == 0 ? 0 : 2) << outcome;
    }
    EXPECT_LE(reports, 1);
    std::map<std::string, int> opens = counter.Take();
    for (int i = kLoads / 2; i < kLoads; ++i)
        EXPECT_EQ(opens[files[i].string()], alone[i % 2]) << files[i];
}

// The document of a load named ahead is read once: the load only collects
// what a worker sent. Counted as the times the file is opened.
TEST(XmlWorker, ALoadNamedAheadReadsItsDocumentOnce)
{
    TempDir dir;
    const std::string first = DriveForm(dir.Write("first.xml", "<a/>\n"));
    const std::filesystem::path told = dir.Write("told.xml", "<a>\n</b>\n");
    OpenCounter counter;
    ASSERT_TRUE(counter.Watch(told));
    auto document = NewXmlDocument();
    ASSERT_TRUE(document);
    EXPECT_EQ(LoadWith(*document, DriveForm(told)).line, 2);
    const int alone = counter.Take()[told.string()];
    EXPECT_GT(alone, 0);
    for (const bool progressListened : {false, true}) {
        SCOPED_TRACE(progressListened ? "progress listened to" : "no progress listener");
        if (progressListened)
            SetLoadProgressListener([](std::uint64_t, std::uint64_t) {});
        ExpectValidationLoad(first, false);
        ExpectValidationLoad(DriveForm(told), false);
        EXPECT_TRUE(LoadWith(*document, first).Valid());
        EXPECT_EQ(LoadWith(*document, DriveForm(told)).line, 2);
        EXPECT_EQ(counter.Take()[told.string()], alone);
        SetLoadProgressListener({});
    }
}

constexpr std::chrono::seconds kShortSilence{3};

// The wait for a worker that shows no progress, shortened for a test.
struct ShortSilence {
    std::chrono::milliseconds saved = CurrentXmlLoadSettings().workerSilence;
    ShortSilence() { ChangeLoadSettings([](XmlLoadSettings& settings) { settings.workerSilence = kShortSilence; }); }
    ~ShortSilence() { ChangeLoadSettings([this](XmlLoadSettings& settings) { settings.workerSilence = saved; }); }
};

// Holds a worker's parsing thread (its second; the first is its watchdog,
// which runs on) in a debugger's stop. The holding thread is the debugger:
// it collects the parsing thread when the worker is ended, or the worker's
// end would never reach its parent.
struct ParsingThreadHold {
    std::thread debugger;
    ~ParsingThreadHold()
    {
        if (debugger.joinable())
            debugger.join();
    }
    bool Hold(pid_t worker)
    {
        std::vector<pid_t> threads;
        for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(worker) + "/task"))
            threads.push_back(std::stoi(task.path().filename().string()));
        std::promise<bool> held;
        std::future<bool> result = held.get_future();
        debugger = std::thread([parsing = threads.at(1), held = std::move(held)]() mutable {
            const bool stopped = ::ptrace(PTRACE_SEIZE, parsing, nullptr, nullptr) == 0 &&
                                 ::ptrace(PTRACE_INTERRUPT, parsing, nullptr, nullptr) == 0;
            held.set_value(stopped);
            for (int status = 0; stopped && ::waitpid(parsing, &status, __WALL) == parsing &&
                                 !WIFEXITED(status) && !WIFSIGNALED(status);) {
            }
        });
        return result.get();
    }
};

// Two loads that cannot end soon: a pattern that backtracks without end
// (until the bound on parser work), a server that never answers (until the
// fetch's stall timeout).
std::string EndlessPattern(TempDir& dir)
{
    dir.Write("s.xsd", PatternSchema("(a|aa)*b"));
    return WithSchema("v", std::string(46, 'a') + "c");
}

std::string UnansweredSchema(HttpTestServer& server)
{
    server.Hang("/s.xsd");
    return "<v xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"" +
           server.Url("/s.xsd") + "\"/>\n";
}

// kill -STOP on the worker, or a debugger holding its parsing thread, while
// the parser works: the load ends in a report once the allowance passes
// without progress, and the next load gets a new worker.
TEST(XmlWorker, AWorkerThatGetsNoFurtherIsEndedAndTheNextLoadGetsANewOne)
{
    ShortSilence allowance;
    TempDir dir;
    const auto endless = dir.Write("endless.xml", EndlessPattern(dir));
    for (const bool debugged : {false, true}) {
        SCOPED_TRACE(debugged ? "parsing thread held by a debugger" : "stopped");
        EndXmlWorker();
        ParsingThreadHold debugger;
        pid_t held = 0;
        bool holding = false;
        SetLoadProgressListener([&](std::uint64_t, std::uint64_t) {
            if (held == 0) {
                held = XmlWorkerProcessIdForTests();
                holding = debugged ? debugger.Hold(held) : SignalXmlWorkerForTests(SIGSTOP);
            }
        });
        const XmlLoadOutcome outcome = LoadFile(endless);
        SetLoadProgressListener({});
        ASSERT_TRUE(holding);
        EXPECT_EQ(outcome.code, 0x8C4000FFu) << outcome;
        const std::string how = debugged ? "it was held by a debugger" : "its process was stopped";
        EXPECT_NE(outcome.reason.find("no progress for 3 s (" + how + ") while reading line"), std::string::npos)
            << outcome;
        EXPECT_TRUE(LoadFile(dir.Write("quick.xml", "<r/>")).Valid());
        EXPECT_NE(XmlWorkerProcessIdForTests(), held);
        EXPECT_NE(::kill(held, 0), 0) << "the held worker is gone";
    }
}

// Loads that take longer than the allowance but get further all the while
// end in their own verdicts: a parser working hard until its own bound, a
// fetch waiting for a silent server until its own timeout.
TEST(XmlWorker, LoadsThatGetFurtherSlowlyAreNotEnded)
{
    ShortSilence allowance;
    ScopedRemoteFetchLimits network([](RemoteFetchLimits& limits) {
        limits.cacheMaxBytes = 0;
        limits.stallTimeout = kShortSilence + std::chrono::seconds(2);
        limits.totalTimeout = std::chrono::seconds(30);
    });
    const std::chrono::milliseconds savedStall = CurrentXmlLoadSettings().stallTime;
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = kShortSilence + std::chrono::seconds(1); });
    HttpTestServer server;
    TempDir dir;
    const std::pair<std::string, std::uint32_t> cases[] = {
        {EndlessPattern(dir), XmlOwnErrorCode(XmlOwnError::ParserStalled)},
        {UnansweredSchema(server), 0x8C300022u}, // the server did not answer in time
    };
    for (const auto& [document, code] : cases) {
        const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", document));
        EXPECT_EQ(outcome.code, code) << outcome;
    }
    ChangeLoadSettings([&](XmlLoadSettings& settings) { settings.stallTime = savedStall; });
}

} // namespace
