// The per-user cache of fetched documents, against a loopback server.

#include "platform/xml/component/load_progress.h"
#include "platform/xml/references/remote_cache.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note" type="xs:int"/>
</xs:schema>
)";

class RemoteCacheTest : public ::testing::Test {
protected:
    ScopedRemoteFetchLimits m_quickLimits{UseQuickRemoteFetchLimits};

    static void SetNetwork(bool allowed, std::uint64_t cacheMaxBytes = 256ull << 20)
    {
        ChangeLoadSettings([&](XmlLoadSettings& settings) {
            settings.remote.networkAllowed = allowed;
            settings.remote.cacheMaxBytes = cacheMaxBytes;
        });
    }

    RemoteFetchResult Fetch(const std::string& url)
    {
        return FetchThroughCache(url, CurrentXmlLoadSettings().remote,
                                 [this](const std::string& text) { m_notices.push_back(text); });
    }

    std::vector<fs::path> Entries() const
    {
        std::vector<fs::path> found;
        std::error_code ignored;
        for (const auto& item : fs::directory_iterator(RemoteCacheFolder(), ignored))
            found.push_back(item.path());
        return found;
    }

    TempDir m_home;
    ScopedEnvironment m_cacheHome{"XDG_CACHE_HOME", (m_home.Path() / "cache").string()};
    std::vector<std::string> m_notices;
};

TEST_F(RemoteCacheTest, ServerHeadersDecideWhetherTheServerIsAskedAgain)
{
    struct Case {
        const char* cacheControl;
        const char* etag;
        int requests;    // after three fetches
        int notModified; // of those, answered with 304
        bool kept;
    };
    const Case cases[] = {
        {"max-age=3600", "", 1, 0, true},
        {"public, max-age=\"3600\"", "", 1, 0, true},
        {"", "\"v1\"", 3, 2, true},
        {"no-cache, max-age=3600", "\"v1\"", 3, 2, true},
        {"max-age=0", "", 3, 0, true},
        {"no-store", "\"v1\"", 3, 0, false},
        {"s-maxage=3600", "", 3, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cacheControl) + " / " + c.etag);
        HttpTestServer server;
        server.ServeCacheable("/s.xsd", kSchema, c.cacheControl, c.etag);
        for (int i = 0; i < 3; ++i) {
            const RemoteFetchResult got = Fetch(server.Url("/s.xsd"));
            ASSERT_EQ(got.status, RemoteFetchResult::Status::Ok) << got.detail;
            EXPECT_EQ(got.body, kSchema);
            EXPECT_EQ(got.effectiveUrl, server.Url("/s.xsd"));
        }
        EXPECT_EQ(server.Requests("/s.xsd"), c.requests);
        EXPECT_EQ(server.NotModifiedAnswers("/s.xsd"), c.notModified);
        EXPECT_EQ(!Entries().empty(), c.kept);
        fs::remove_all(RemoteCacheFolder());
    }
    EXPECT_TRUE(m_notices.empty());
}

TEST_F(RemoteCacheTest, AKeptCopyAnswersWhenTheServerIsGoneAndSaysSo)
{
    std::string url;
    {
        HttpTestServer server;
        server.ServeCacheable("/s.xsd", kSchema, "", "");
        url = server.Url("/s.xsd");
        ASSERT_EQ(Fetch(url).status, RemoteFetchResult::Status::Ok);
    }
    const RemoteFetchResult again = Fetch(url);
    ASSERT_EQ(again.status, RemoteFetchResult::Status::Ok);
    EXPECT_EQ(again.body, kSchema);
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find("using the copy of " + url + " cached on "), std::string::npos) << m_notices[0];

    // An error status from a reachable server is the server's answer, not an outage.
    HttpTestServer other;
    other.ServeCacheable("/gone.xsd", kSchema, "", "");
    ASSERT_EQ(Fetch(other.Url("/gone.xsd")).status, RemoteFetchResult::Status::Ok);
    other.Fail("/gone.xsd", 404);
    EXPECT_EQ(Fetch(other.Url("/gone.xsd")).status, RemoteFetchResult::Status::HttpStatus);
}

TEST_F(RemoteCacheTest, OfflineUsesOnlyKeptCopies)
{
    HttpTestServer server;
    server.ServeCacheable("/kept.xsd", kSchema, "", "");
    server.ServeCacheable("/fresh.xsd", kSchema, "max-age=3600", "");
    ASSERT_EQ(Fetch(server.Url("/kept.xsd")).status, RemoteFetchResult::Status::Ok);
    ASSERT_EQ(Fetch(server.Url("/fresh.xsd")).status, RemoteFetchResult::Status::Ok);

    SetNetwork(false);
    // A copy past its freshness is named as it is when the server is down;
    // a fresh one is simply used.
    EXPECT_EQ(Fetch(server.Url("/fresh.xsd")).body, kSchema);
    EXPECT_TRUE(m_notices.empty());
    EXPECT_EQ(Fetch(server.Url("/kept.xsd")).body, kSchema);
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find("using the copy of " + server.Url("/kept.xsd") + " cached on "), std::string::npos)
        << m_notices[0];
    EXPECT_NE(m_notices[0].find("the network is off"), std::string::npos) << m_notices[0];
    const RemoteFetchResult missing = Fetch(server.Url("/other.xsd"));
    EXPECT_EQ(missing.status, RemoteFetchResult::Status::Offline);
    EXPECT_EQ(server.Requests("/kept.xsd"), 1);
    EXPECT_EQ(server.Requests("/other.xsd"), 0);
}

TEST_F(RemoteCacheTest, ADamagedEntryIsFetchedAgain)
{
    HttpTestServer server;
    server.ServeCacheable("/s.xsd", kSchema, "max-age=3600", "");
    const std::string url = server.Url("/s.xsd");
    ASSERT_EQ(Fetch(url).status, RemoteFetchResult::Status::Ok);
    const auto entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    std::string text;
    {
        std::ifstream in(entries[0], std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string damages[] = {
        text.substr(0, text.size() - 5),                         // cut short
        text.substr(0, text.size() - 3) + "XYZ",                 // body changed
        "garbage",                                               // not an entry
        std::string(text).replace(text.find("length "), 8, "length x"), // header broken
    };
    int expectedRequests = 1;
    for (const std::string& damaged : damages) {
        std::ofstream(entries[0], std::ios::binary | std::ios::trunc) << damaged;
        const RemoteFetchResult got = Fetch(url);
        ASSERT_EQ(got.status, RemoteFetchResult::Status::Ok);
        EXPECT_EQ(got.body, kSchema);
        EXPECT_EQ(server.Requests("/s.xsd"), ++expectedRequests);
    }
    // Mended by the fetch: the next one is answered from the copy again.
    EXPECT_EQ(Fetch(url).body, kSchema);
    EXPECT_EQ(server.Requests("/s.xsd"), expectedRequests);
}

TEST_F(RemoteCacheTest, TheLeastRecentlyUsedEntriesGoFirst)
{
    const std::string big(3000, 'x');
    HttpTestServer server;
    for (const char* path : {"/a", "/b", "/c"})
        server.ServeCacheable(path, "<x>" + big + "</x>", "max-age=3600", "");
    SetNetwork(true, 7000); // room for two entries
    Fetch(server.Url("/a"));
    Fetch(server.Url("/b"));
    // Time stamps are in seconds; make "a" clearly the least recently used.
    fs::last_write_time(Entries()[0], fs::last_write_time(Entries()[0]) - std::chrono::hours(1));
    fs::last_write_time(Entries()[1], fs::last_write_time(Entries()[1]) - std::chrono::hours(1));
    Fetch(server.Url("/a")); // used again, so "b" is now the oldest
    Fetch(server.Url("/c"));
    EXPECT_EQ(Entries().size(), 2u);
    Fetch(server.Url("/a"));
    Fetch(server.Url("/c"));
    EXPECT_EQ(server.Requests("/a"), 1);
    EXPECT_EQ(server.Requests("/c"), 1);
    Fetch(server.Url("/b"));
    EXPECT_EQ(server.Requests("/b"), 2);
}

TEST_F(RemoteCacheTest, ConcurrentFetchesNeverReadAHalfWrittenEntry)
{
    HttpTestServer server;
    const std::string body = "<x>" + std::string(200000, 'y') + "</x>";
    server.ServeCacheable("/s.xsd", body, "", "");
    const std::string url = server.Url("/s.xsd");
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10; ++i) {
                const RemoteFetchResult got = FetchThroughCache(url, CurrentXmlLoadSettings().remote, {});
                if (got.status != RemoteFetchResult::Status::Ok || got.body != body)
                    ++wrong;
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(Entries().size(), 1u); // no temporary file left behind
}

// Through the parser component: the worker tells the caller about the copy,
// and offline a missing document is a report naming its location.
TEST_F(RemoteCacheTest, LoadsReportTheCopyAndTheOfflineMiss)
{
    TempDir folder;
    std::string url;
    {
        HttpTestServer server;
        server.ServeCacheable("/s.xsd", kSchema, "", "");
        url = server.Url("/s.xsd");
        const auto document = folder.Write("n.xml", "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                                    "xsi:noNamespaceSchemaLocation=\"" + url + "\">4</note>");
        ASSERT_TRUE(LoadFile(document).Valid());
    }
    SetLoadNoticeListener([this](const std::string& text) { m_notices.push_back(text); });
    EXPECT_TRUE(LoadFile(folder.Path() / "n.xml").Valid());
    SetLoadNoticeListener({});
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_NE(m_notices[0].find(url), std::string::npos);

    SetNetwork(false);
    const auto other = folder.Write("o.xml", "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                             "xsi:noNamespaceSchemaLocation=\"http://127.0.0.1:9/none.xsd\">4</note>");
    const XmlLoadOutcome outcome = LoadFile(other);
    EXPECT_EQ(outcome.code, 0x8C300025u) << outcome;
    EXPECT_NE(outcome.reason.find("http://127.0.0.1:9/none.xsd"), std::string::npos) << outcome;
    EXPECT_NE(outcome.reason.find("the network is off"), std::string::npos) << outcome;
}

} // namespace
