// Whole-buffer reads through a descriptor: what arrived in pieces is read
// whole, and a read cut short tells why.

#include "platform/os/posix_io.h"
#include "platform/os/unique_fd.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>

namespace {

TEST(PosixIo, ReadFullyGathersPiecesAndTellsWhyItStopped)
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
