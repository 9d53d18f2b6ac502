// The harness' own safety nets: a case that crashes, hangs, eats memory or
// reaches for the network must cost that case only, and be named.

#include "tests/conformance/isolated_runner.h"
#include "tests/conformance/loopback_guard.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr IsolationLimits kTestLimits{std::chrono::seconds(2), std::uint64_t{256} << 20};

Outcome Report(std::size_t i)
{
    Outcome o;
    o.got = i % 2 == 0 ? Verdict::Valid : Verdict::Error;
    o.code = "c00" + std::to_string(i);
    o.line = std::to_string(i + 1);
    o.position = "7";
    o.description = "déjà vu \"" + std::to_string(i) + "\"";
    return o;
}

TEST(IsolatedRunner, DeliversEveryOutcomeInOrder)
{
    const auto outcomes = RunIsolated(5, Report, kTestLimits, nullptr);
    ASSERT_EQ(outcomes.size(), 5u);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const Outcome want = Report(i);
        EXPECT_EQ(outcomes[i].got, want.got) << i;
        EXPECT_EQ(outcomes[i].code, want.code) << i;
        EXPECT_EQ(outcomes[i].line, want.line) << i;
        EXPECT_EQ(outcomes[i].position, want.position) << i;
        EXPECT_EQ(outcomes[i].description, want.description) << i;
    }
}

struct Mishap {
    const char* name;
    void (*act)();
    const char* named; // what the harness must say about the case
    IsolationLimits limits;
};

// How long the memory case takes to grow past its bound depends on how much
// of the machine it gets, so it must not race a time bound: it grows to twice
// the bound and then waits to be ended, and only the memory bound ends it
// unless that bound is broken, when the far time bound does.
constexpr IsolationLimits kMemoryFirst{std::chrono::seconds(120), kTestLimits.residentBytes};

const Mishap kMishaps[] = {
    {"crash", [] { std::abort(); }, "signal 6", kTestLimits},
    {"hang", [] { std::this_thread::sleep_for(std::chrono::seconds(60)); }, "without a verdict", kTestLimits},
    {"memory",
     [] {
         constexpr std::size_t kBlock = 16 << 20;
         std::vector<char*> blocks;
         while (blocks.size() * kBlock < 2 * kMemoryFirst.residentBytes) {
             blocks.push_back(static_cast<char*>(std::malloc(kBlock)));
             if (blocks.back() == nullptr)
                 std::_Exit(4);
             std::memset(blocks.back(), 1, kBlock);
         }
         for (;;)
             pause();
     },
     "resident memory", kMemoryFirst},
    {"exit", [] { std::_Exit(0); }, "exit status 0", kTestLimits},
};

TEST(IsolatedRunner, OneBadCaseCostsOnlyThatCase)
{
    for (const Mishap& mishap : kMishaps) {
        const auto outcomes = RunIsolated(
            4,
            [&mishap](std::size_t i) {
                if (i == 1)
                    mishap.act();
                return Report(i);
            },
            mishap.limits, nullptr);
        ASSERT_EQ(outcomes.size(), 4u) << mishap.name;
        EXPECT_EQ(outcomes[1].got, Verdict::NoReport) << mishap.name;
        EXPECT_NE(outcomes[1].description.find(mishap.named), std::string::npos)
            << mishap.name << ": " << outcomes[1].description;
        for (std::size_t i : {0u, 2u, 3u})
            EXPECT_EQ(outcomes[i].code, Report(i).code) << mishap.name << " case " << i;
    }
}

// A fetch through the proxy variables ends at the guard, which refuses it.
TEST(LoopbackGuard, RefusesAndRecordsProxiedRequests)
{
    LoopbackGuard guard;
    ASSERT_TRUE(guard.Active()) << guard.Failure();
    const char* proxy = std::getenv("https_proxy");
    ASSERT_NE(proxy, nullptr);
    const std::string proxyText = proxy;
    ASSERT_EQ(proxyText.rfind("http://127.0.0.1:", 0), 0u) << proxyText;
    const int port = std::atoi(proxyText.c_str() + std::strlen("http://127.0.0.1:"));

    const auto outcomes = RunIsolated(
        1,
        [port](std::size_t) {
            Outcome o;
            const int fd = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<std::uint16_t>(port));
            if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
                const char request[] = "CONNECT schema.example.org:443 HTTP/1.1\r\n\r\n";
                send(fd, request, sizeof request - 1, 0);
                char reply[128] = {};
                const ssize_t n = recv(fd, reply, sizeof reply - 1, 0);
                o.description = n > 0 ? std::string(reply, 12) : "no reply";
            }
            close(fd);
            return o;
        },
        kTestLimits, &guard);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].description, "HTTP/1.1 502");
    ASSERT_EQ(guard.Requests().size(), 1u);
    EXPECT_EQ(guard.Requests()[0], "CONNECT schema.example.org:443 HTTP/1.1");
    EXPECT_STREQ(std::getenv("no_proxy"), "127.0.0.1,localhost");
}

} // namespace
