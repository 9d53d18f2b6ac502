// Reads and writes through descriptors: ends of input, short reads, errors,
// signals that interrupt a call, and a read cut short that tells why.

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
#include <sys/socket.h>
#include <sys/time.h>
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
        const ssize_t got = c.fully ? static_cast<ssize_t>(ReadFully(pipe.read.Get(), buffer.data(), c.asked))
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
    EXPECT_EQ(ReadFully(pipe.read.Get(), buffer.data(), buffer.size()), 6u);
    writer.join();
    EXPECT_EQ(buffer.substr(0, 6), "abcdef");

    const int closed = pipe.read.Get();
    pipe.read.Reset();
    errno = 0;
    EXPECT_EQ(ReadSome(closed, buffer.data(), buffer.size()), -1);
    EXPECT_EQ(errno, EBADF);
    int error = 0;
    EXPECT_EQ(ReadFully(closed, buffer.data(), buffer.size(), &error), 0u);
    EXPECT_EQ(error, EBADF);
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
    const std::size_t got = ReadFully(pipe.read.Get(), buffer, sizeof buffer);
    signaller.join();
    ::sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::string(buffer, 4), "data");
    EXPECT_GT(g_signals.load(), 0);
}

TEST(PosixIoTest, ReadFullyGathersPiecesAndTellsWhyItStopped)
{
    const struct {
        const char* name;
        bool closeAfter; // else the receive bound runs out
        std::size_t asked;
        std::size_t read;
        int error;
    } cases[] = {
        {"all that was asked", false, 6, 6, 0},
        {"the file ends first", true, 10, 6, 0},
        {"the receive bound runs out", false, 10, 6, EAGAIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
        UniqueFd writer(ends[0]);
        const UniqueFd reader(ends[1]);
        const timeval bound{0, 50'000};
        ASSERT_EQ(::setsockopt(reader.Get(), SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound), 0);
        // Two sends: the reader sees them as separate pieces.
        ASSERT_TRUE(SendAll(writer.Get(), "abc") && SendAll(writer.Get(), std::string("d\0f", 3)));
        if (c.closeAfter)
            writer.Reset();
        std::string buffer(c.asked, 'x');
        int error = -1;
        EXPECT_EQ(ReadFully(reader.Get(), buffer.data(), c.asked, &error), c.read);
        EXPECT_EQ(buffer.substr(0, c.read), std::string("abcd\0f", 6).substr(0, c.read));
        EXPECT_EQ(error == EWOULDBLOCK ? EAGAIN : error, c.error);
    }
}

} // namespace
