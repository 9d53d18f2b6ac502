// The worker one call leaves for the next: which calls use it, which leave
// none, and that every call still gets its verdict when it is busy, dead,
// or unsafe to use.

#include "platform/xml/worker/kept_worker.h"
#include "tests/support/run_program.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <thread>

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(CORVANE_BIN_DIR) + "/corvane-validate";

std::string SchemaOf(const std::string& type)
{
    return R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"><xs:element name="point" type="xs:)" + type +
           "\"/></xs:schema>\n";
}

struct Hello {
    pid_t pid = 0;
    std::uint64_t loads = 0;
};

// A test of its own runtime folder, where the kept workers of its calls
// listen; those still there at its end are ended. The test reaps the
// workers its calls leave, so it knows when one ended instead of staying.
class KeptWorkerTest : public ::testing::Test {
protected:
    KeptWorkerTest()
        : m_runtime("XDG_RUNTIME_DIR", m_dir.Path().string()), m_folder(m_dir.Path() / "corvane"),
          m_valid(Document("valid.xml", "1.5")), m_invalid(Document("invalid.xml", "high"))
    {
        m_dir.Write("point.xsd", SchemaOf("decimal"));
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    }
    ~KeptWorkerTest() override
    {
        for (const fs::path& socket : Sockets())
            if (const auto hello = Greet(socket))
                ::kill(hello->pid, SIGKILL);
        while (::waitpid(-1, nullptr, 0) > 0) {
        }
        ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    }

    // The worker the last call started, once it stays or has ended.
    std::optional<Hello> WorkerAfterTheCall() const
    {
        while (true) {
            if (auto kept = TheKeptWorker())
                return kept;
            if (::waitpid(-1, nullptr, WNOHANG) > 0)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::string Document(const std::string& name, const std::string& value)
    {
        return m_dir
            .Write(name, "<point xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                         "xsi:noNamespaceSchemaLocation=\"point.xsd\">" + value + "</point>\n")
            .string();
    }

    std::vector<fs::path> Sockets() const
    {
        std::vector<fs::path> found;
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(m_folder, ignored))
            if (entry.path().extension() == ".socket")
                found.push_back(entry.path());
        return found;
    }

    // What the kept worker at `socket` tells a call, as a call asks it.
    static std::optional<Hello> Greet(const fs::path& socket)
    {
        const xmlworker::KeptWorkerPlace place{socket, fs::path(socket).replace_extension(".lock"), {}};
        const auto kept = xmlworker::ConnectToKeptWorker(place, std::chrono::seconds(60));
        return kept ? std::optional(Hello{kept->pid, kept->loadsServed}) : std::nullopt;
    }

    std::optional<Hello> TheKeptWorker() const
    {
        const std::vector<fs::path> sockets = Sockets();
        return sockets.size() == 1 ? Greet(sockets.front()) : std::nullopt;
    }

    TempDir m_dir;
    ScopedEnvironment m_runtime;
    fs::path m_folder;
    std::string m_valid;
    std::string m_invalid;
};

TEST_F(KeptWorkerTest, TheNextCallsLoadInTheWorkerTheFirstLeftAndSeeEditedSchemas)
{
    EXPECT_EQ(RunProgram(kProgram, {m_valid}).exitStatus, 0);
    const auto first = WorkerAfterTheCall();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->loads, 1u);
    // It holds nothing of its first caller's: a pipe that read that
    // caller's errors would not see its end.
    EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(first->pid) + "/fd/2"), "/dev/null");
    EXPECT_EQ(fs::status(m_folder).permissions(), fs::perms::owner_all);

    const ProgramRun invalid = RunProgram(kProgram, {"--format=gnu", m_invalid});
    EXPECT_EQ(invalid.exitStatus, 1);
    EXPECT_NE(invalid.out.find("invalid.xml:1:"), std::string::npos) << invalid.out;
    m_dir.Write("point.xsd", SchemaOf("string"));
    EXPECT_EQ(RunProgram(kProgram, {m_invalid}).exitStatus, 0) << "a schema kept from before its edit";

    const auto later = TheKeptWorker();
    ASSERT_TRUE(later);
    EXPECT_EQ(later->pid, first->pid);
    EXPECT_EQ(later->loads, 3u);
}

// Each way a call can find the kept worker unusable, or be one that may not
// use it: the call gets its verdict from a worker of its own all the same.
TEST_F(KeptWorkerTest, ACallThatCannotUseTheKeptWorkerStartsItsOwn)
{
    struct Case {
        const char* name;
        std::vector<std::string> extra; // options before the file
        std::optional<std::string> stays;
        bool unsafeFolder;
        bool keptAfter; // a kept worker listens in the test's folder afterwards
    };
    const std::vector<Case> cases = {
        {"kept workers turned off", {}, "0", false, false},
        {"every grammar compiled afresh", {"--no-grammar-cache"}, std::nullopt, false, false},
        {"a runtime folder for Corvane that others may enter", {}, std::nullopt, true, false},
        {"a bad number of seconds is the default", {}, "soon", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
        if (c.unsafeFolder) {
            fs::create_directory(m_folder);
            ::chmod(m_folder.c_str(), 0777);
        }
        std::optional<ScopedEnvironment> stays;
        if (c.stays)
            stays.emplace("CORVANE_WORKER_STAYS", *c.stays);
        for (const auto& [file, status] : {std::pair{m_valid, 0}, std::pair{m_invalid, 1}}) {
            std::vector<std::string> args = c.extra;
            args.push_back(file);
            EXPECT_EQ(RunProgram(kProgram, args).exitStatus, status);
            const auto kept = WorkerAfterTheCall();
            EXPECT_EQ(kept.has_value(), c.keptAfter);
            if (kept) {
                EXPECT_EQ(kept->loads, file == m_valid ? 1u : 2u);
            }
        }
        for (const fs::path& socket : Sockets())
            if (const auto hello = Greet(socket); hello && ::kill(hello->pid, SIGKILL) == 0)
                ::waitpid(hello->pid, nullptr, 0);
    }
    // Standard input names a descriptor of its call's own.
    fs::remove_all(m_folder);
    EXPECT_EQ(RunProgram(kProgram, {"-"}, {m_dir.Path().string(), m_invalid}).exitStatus, 1);
    EXPECT_FALSE(WorkerAfterTheCall());
}

TEST_F(KeptWorkerTest, ABusyOrDeadKeptWorkerCostsACallNothing)
{
    EXPECT_EQ(RunProgram(kProgram, {m_valid}).exitStatus, 0);
    const auto kept = WorkerAfterTheCall();
    ASSERT_TRUE(kept);

    // Another call holds it.
    const int lock = ::open(fs::path(Sockets().front()).replace_extension(".lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    EXPECT_EQ(RunProgram(kProgram, {m_invalid}).exitStatus, 1);
    EXPECT_GT(::waitpid(-1, nullptr, 0), 0) << "the call's own worker stays beside the kept one";
    ::close(lock);
    const auto after = TheKeptWorker();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->pid, kept->pid);
    EXPECT_EQ(after->loads, 1u) << "the busy worker served the call";

    // It died, and left its socket behind: the next call's worker takes its place.
    ::kill(kept->pid, SIGKILL);
    ::waitpid(kept->pid, nullptr, 0);
    EXPECT_EQ(RunProgram(kProgram, {m_invalid}).exitStatus, 1);
    const auto replaced = WorkerAfterTheCall();
    ASSERT_TRUE(replaced);
    EXPECT_NE(replaced->pid, kept->pid);
    EXPECT_EQ(replaced->loads, 1u);
}

TEST_F(KeptWorkerTest, AKeptWorkerNobodyCallsEndsAndTakesItsSocketAndLockAlong)
{
    const ScopedEnvironment stays("CORVANE_WORKER_STAYS", "1");
    EXPECT_EQ(RunProgram(kProgram, {m_valid}).exitStatus, 0);
    const auto kept = WorkerAfterTheCall();
    ASSERT_TRUE(kept);
    // Not a bound on its speed: a worker that never ends fails the suite's timeout.
    while (!Sockets().empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::is_empty(m_folder));
    EXPECT_EQ(RunProgram(kProgram, {m_invalid}).exitStatus, 1);
}

} // namespace
