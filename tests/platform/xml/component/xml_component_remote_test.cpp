// Schemas and entities on the network, served by a loopback test server.

#include "platform/xml/references/remote_fetch.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <chrono>
#include <future>
#include <optional>
#include <regex>
#include <string>
#include <utility>

namespace {

const char* const kNoteSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:include schemaLocation="types.xsd"/>
  <xs:element name="note" type="NoteType"/>
</xs:schema>
)";

const char* const kNoteTypes = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:complexType name="NoteType">
    <xs:sequence><xs:element name="count" type="xs:int"/></xs:sequence>
  </xs:complexType>
</xs:schema>
)";

std::string Note(const std::string& schemaUrl, const std::string& count)
{
    return "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"" + schemaUrl + "\">\n  <count>" + count + "</count>\n</note>\n";
}

// Short network limits keep the hanging cases quick; they are restored after
// each test.
class RemoteSchemaTest : public ::testing::Test {
protected:
    ScopedRemoteFetchLimits m_quickLimits{UseQuickRemoteFetchLimits};

    // Loads on a separate thread, so that a hang shows as a failed test (with
    // a generous bound) rather than a stuck suite.
    XmlLoadOutcome LoadWithin(const std::filesystem::path& file)
    {
        auto pending = std::async(std::launch::async, [file] { return LoadFile(file); });
        if (pending.wait_for(std::chrono::seconds(120)) != std::future_status::ready) {
            ADD_FAILURE() << "the load did not end";
            std::abort();
        }
        return pending.get();
    }

    HttpTestServer m_server;
    TempDir m_dir;
};

TEST_F(RemoteSchemaTest, FoundSchemaWithRelativeIncludeValidates)
{
    m_server.Serve("/schemas/note.xsd", kNoteSchema);
    m_server.Serve("/schemas/types.xsd", kNoteTypes);
    const auto valid = m_dir.Write("valid.xml", Note(m_server.Url("/schemas/note.xsd"), "4"));
    const auto invalid = m_dir.Write("invalid.xml", Note(m_server.Url("/schemas/note.xsd"), "four"));

    EXPECT_TRUE(LoadWithin(valid).Valid());
    const XmlLoadOutcome outcome = LoadWithin(invalid);
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
    EXPECT_EQ(outcome.line, 2) << outcome;
    EXPECT_EQ(m_server.Requests("/schemas/types.xsd"), 2);
}

TEST_F(RemoteSchemaTest, ErrorInsideRemoteSchemaNamesItsUrl)
{
    m_server.Serve("/schemas/note.xsd", kNoteSchema);
    m_server.Serve("/schemas/types.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                         "<xs:element name=\"x\" type=\"Missing\"/></xs:schema>");
    const XmlLoadOutcome outcome =
        LoadWithin(m_dir.Write("doc.xml", Note(m_server.Url("/schemas/note.xsd"), "4")));
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::ReferencedDocument) << outcome;
    EXPECT_EQ(outcome.line, 2) << outcome;
    EXPECT_NE(outcome.reason.find(m_server.Url("/schemas/types.xsd")), std::string::npos) << outcome;
}

struct FailingServerCase {
    const char* name;
    std::uint32_t ownError;
};

void PrintTo(const FailingServerCase& c, std::ostream* out)
{
    *out << c.name;
}

class FailingServerTest : public RemoteSchemaTest,
                          public ::testing::WithParamInterface<FailingServerCase> {};

TEST_P(FailingServerTest, EndsInAnErrorNamingTheLocation)
{
    const std::string kind = GetParam().name;
    std::string url = m_server.Url("/note.xsd");
    if (kind == "NotFound")
        m_server.Fail("/note.xsd", 404);
    else if (kind == "ServerError")
        m_server.Fail("/note.xsd", 503);
    else if (kind == "Hanging")
        m_server.Hang("/note.xsd");
    else if (kind == "ClosingMidFile")
        m_server.CloseMidway("/note.xsd", std::string(kNoteSchema) + std::string(4000, ' '));
    else if (kind == "NotHttp")
        m_server.ReplyRaw("/note.xsd", "hello\r\n");
    else if (kind == "Refusing")
        url = "http://127.0.0.1:" + std::to_string(HttpTestServer::RefusingPort()) + "/note.xsd";
    std::optional<ScopedEnvironment> proxy;
    if (kind == "RefusedByProxy") {
        // The test server plays a proxy that refuses the tunnel to the server.
        const std::string target = "127.0.0.1:" + std::to_string(HttpTestServer::RefusingPort());
        m_server.Fail(target, 403);
        url = "https://" + target + "/note.xsd";
        proxy.emplace("https_proxy", m_server.Url(""));
    }

    const XmlLoadOutcome outcome = LoadWithin(m_dir.Write("doc.xml", Note(url, "4")));
    EXPECT_EQ(outcome.status, S_FALSE) << outcome;
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(GetParam().ownError)) << outcome;
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::ReferencedDocument) << outcome;
    EXPECT_NE(outcome.reason.find(url), std::string::npos) << outcome;
    EXPECT_EQ(outcome.line, 1) << outcome;
    // The same failure reads the same on every load, however fast it came.
    EXPECT_FALSE(std::regex_search(outcome.reason, std::regex("[0-9]+ ?(ms|milliseconds)"))) << outcome;
    if (kind == "NotFound") {
        EXPECT_NE(outcome.reason.find("404"), std::string::npos) << outcome;
    }
    if (kind == "NotHttp") {
        EXPECT_NE(outcome.reason.find("did not answer with HTTP"), std::string::npos) << outcome;
    }
    if (kind == "RefusedByProxy") {
        EXPECT_NE(outcome.reason.find("proxy refused the connection with HTTP status 403"), std::string::npos)
            << outcome;
    }
}

INSTANTIATE_TEST_SUITE_P(Remote, FailingServerTest,
                         ::testing::Values(FailingServerCase{"NotFound", XmlOwnError::RemoteHttpStatus},
                                           FailingServerCase{"ServerError", XmlOwnError::RemoteHttpStatus},
                                           FailingServerCase{"Hanging", XmlOwnError::RemoteTimedOut},
                                           FailingServerCase{"ClosingMidFile", XmlOwnError::RemoteTransferFailed},
                                           FailingServerCase{"NotHttp", XmlOwnError::RemoteTransferFailed},
                                           FailingServerCase{"Refusing", XmlOwnError::RemoteConnectFailed},
                                           FailingServerCase{"RefusedByProxy", XmlOwnError::RemoteConnectFailed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RemoteSchemaTest, RemoteSchemaMayNotReferToLocalFiles)
{
    const auto local = m_dir.Write("types.xsd", kNoteTypes);
    m_server.Serve("/note.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                "<xs:include schemaLocation=\"file://" + local.string() + "\"/>\n"
                                "<xs:element name=\"note\" type=\"NoteType\"/></xs:schema>");
    const XmlLoadOutcome outcome = LoadWithin(m_dir.Write("doc.xml", Note(m_server.Url("/note.xsd"), "4")));
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::ReferenceRefused)) << outcome;
    EXPECT_NE(outcome.reason.find(m_server.Url("/note.xsd")), std::string::npos) << outcome;
}

TEST_F(RemoteSchemaTest, NothingIsFetchedAfterALocalEntityWasRead)
{
    // A local file's text, held in an entity, could otherwise become part of
    // a URL the load fetches.
    m_dir.Write("secret.txt", "s3cret");
    m_dir.Write("wrap.dtd", "<!ENTITY % secret SYSTEM \"secret.txt\">\n"
                            "<!ENTITY % wrap \"<!ENTITY leak '%secret;'>\">\n%wrap;\n");
    m_server.Serve("/note.xsd", kNoteSchema);
    const std::string document =
        "<!DOCTYPE note SYSTEM \"wrap.dtd\">\n"
        "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:noNamespaceSchemaLocation=\"" + m_server.Url("/note.xsd") + "?&leak;\"><count>1</count></note>\n";
    const XmlLoadOutcome outcome = LoadWithin(m_dir.Write("doc.xml", document));
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::ReferenceRefused)) << outcome;
    EXPECT_NE(outcome.reason.find("local external entity"), std::string::npos) << outcome;
    EXPECT_EQ(m_server.Requests("/note.xsd?s3cret"), 0);
}

TEST(RemoteReference, ResolvesAgainstTheReferringUrl)
{
    EXPECT_EQ(ResolveRemoteReference("http://example.org/a/b/site.xsd", "../c/types.xsd"),
              "http://example.org/a/c/types.xsd");
    EXPECT_EQ(ResolveRemoteReference("http://example.org/a/site.xsd", "my types.xsd"),
              "http://example.org/a/my%20types.xsd");
    EXPECT_EQ(ResolveRemoteReference("http://example.org/a/site.xsd", "https://other.org/x.xsd"),
              "https://other.org/x.xsd");
    EXPECT_EQ(ResolveRemoteReference({}, "http://example.org/s\xC3\xA9.xsd"), "http://example.org/s%C3%A9.xsd");
}

// Absolute URLs that need no rewriting are answered without the network
// library; the rest are its to normalise. Either way the answer is the one
// the library gives.
TEST(RemoteReference, AbsoluteUrlsAreWrittenAsTheNetworkLibraryWritesThem)
{
    const std::pair<const char*, const char*> cases[] = {
        {"http://www.oasis-open.org/docbook/xml/4.5/docbookx.dtd", "http://www.oasis-open.org/docbook/xml/4.5/docbookx.dtd"},
        {"https://maven.apache.org/xsd/maven-4.0.0.xsd", "https://maven.apache.org/xsd/maven-4.0.0.xsd"},
        {"http://127.0.0.1:8080/a/b.xsd", "http://127.0.0.1:8080/a/b.xsd"},
        {"http://a.example/x//y;p/(z)", "http://a.example/x//y;p/(z)"},
        {"http://example.com", "http://example.com/"},
        {"http://a.example/x/./y", "http://a.example/x/y"},
        {"http://a.example/x/../y", "http://a.example/y"},
        {"http://a.example:/x", "http://a.example/x"},
        {"http://a.example:0080/x", "http://a.example:80/x"},
        {"http://1.2.3/x", "http://1.2.0.3/x"},
        {"http://0x7f.1/x", "http://127.0.0.1/x"},
        {"http://127.1/x", "http://127.0.0.1/x"},
        {"http://a.example:65536/x", ""},
    };
    for (const auto& [url, expected] : cases)
        EXPECT_EQ(ResolveRemoteReference({}, url), expected) << url;
}

TEST(RemoteFetch, RefusesOtherProtocolsAndCapsTheSize)
{
    HttpTestServer server;
    server.Serve("/big.xsd", std::string(100'000, 'x'));
    RemoteFetchLimits limits;
    limits.maxBytes = 10'000;
    EXPECT_EQ(FetchRemoteDocument(server.Url("/big.xsd"), limits).status, RemoteFetchResult::Status::TooLarge);
    EXPECT_EQ(FetchRemoteDocument("file:///etc/hostname", limits).status,
              RemoteFetchResult::Status::Unsupported);
    limits.maxBytes = 1'000'000;
    const RemoteFetchResult fetched = FetchRemoteDocument(server.Url("/big.xsd"), limits);
    EXPECT_EQ(fetched.status, RemoteFetchResult::Status::Ok);
    EXPECT_EQ(fetched.body.size(), 100'000u);
}

} // namespace
