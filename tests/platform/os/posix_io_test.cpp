// Reads and writes through descriptors: ends of input, short reads, errors
// and signals that interrupt a call.

#include "platform/os/posix_io.h"

#include "platform/os/unique_fd.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

struct Pipe {
    UniqueFd read, write;
    Pipe()
    {
        int ends[2] = {-1, -1};
        EXPECT_EQ(::pipe(ends), 0);
        read = UniqueFd(ends[0]);
        write = UniqueFd(ends[1]);
    }
};

TEST(PosixIoTest, ReadsStopAtTheEndOfInputAndReadSomeTakesWhatIsThere)
{
    const struct {
        bool fully;
        std::string written;
        bool writerClosed;
        std::size_t asked;
        std::string expected;
    } cases[] = {
        {true, "abcdef", true, 4, "abcd"},  {true, "abc", true, 8, "abc"}, {true, "", true, 8, ""},
        {true, "abc", false, 0, ""},         {false, "abc", false, 8, "abc"}, {false, "", true, 8, ""},
    };
    for (const auto& c : cases) {
        Pipe pipe;
        ASSERT_TRUE(WriteAll(pipe.write.Get(), c.written));
        if (c.writerClosed)
            pipe.write.Reset();
        std::string buffer(c.asked, '\0');
        const ssize_t got = c.fully ? ReadFully(pipe.read.Get(), buffer.data(), c.asked)
                                    : ReadSome(pipe.read.Get(), buffer.data(), c.asked);
        ASSERT_EQ(got, static_cast<ssize_t>(c.expected.size())) << c.written << (c.fully ? " fully" : " some");
        EXPECT_EQ(buffer.substr(0, static_cast<std::size_t>(got)), c.expected);
    }
}

TEST(PosixIoTest, ReadFullyGathersShortReadsAndReportsErrors)
{
    Pipe pipe;
    ASSERT_TRUE(WriteAll(pipe.write.Get(), "abc"));
    std::thread writer([&] {
        EXPECT_TRUE(WriteAll(pipe.write.Get(), "def"));
        pipe.write.Reset();
    });
    std::string buffer(10, '\0');
    EXPECT_EQ(ReadFully(pipe.read.Get(), buffer.data(), buffer.size()), 6);
    writer.join();
    EXPECT_EQ(buffer.substr(0, 6), "abcdef");

    const int closed = pipe.read.Get();
    pipe.read.Reset();
    for (const auto read : {ReadFully, ReadSome}) {
        errno = 0;
        EXPECT_EQ(read(closed, buffer.data(), buffer.size()), -1);
        EXPECT_EQ(errno, EBADF);
    }
    EXPECT_FALSE(WriteAll(closed, "x"));
}

TEST(PosixIoTest, ReadSomeAtReadsAtAnOffsetAndLeavesThePosition)
{
    TempDir dir;
    const UniqueFd file(::open(dir.Write("f", "0123456789").c_str(), O_RDONLY | O_CLOEXEC));
    char buffer[4] = {};
    EXPECT_EQ(ReadSomeAt(file.Get(), buffer, 4, 3), 4);
    EXPECT_EQ(std::string(buffer, 4), "3456");
    EXPECT_EQ(ReadSomeAt(file.Get(), buffer, 4, 10), 0);
    EXPECT_EQ(ReadSome(file.Get(), buffer, 2), 2);
    EXPECT_EQ(std::string(buffer, 2), "01");
}

std::atomic<int> g_signals{0};

TEST(PosixIoTest, ASignalDuringAReadDoesNotEndIt)
{
    struct sigaction action {}, previous {};
    action.sa_handler = [](int) { ++g_signals; };
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: an interrupted read fails with EINTR
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &previous), 0);
    Pipe pipe;
    const pthread_t reader = ::pthread_self();
    std::thread signaller([&] {
        // Signals keep coming while the reader waits, then the data does.
        for (int sent = 0; sent < 20; ++sent) {
            ::pthread_kill(reader, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_TRUE(WriteAll(pipe.write.Get(), "data"));
        pipe.write.Reset();
    });
    char buffer[8] = {};
    const ssize_t got = ReadFully(pipe.read.Get(), buffer, sizeof buffer);
    signaller.join();
    ::sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_EQ(got, 4);
    EXPECT_EQ(std::string(buffer, 4), "data");
    EXPECT_GT(g_signals.load(), 0);
}

} // namespace
