// Loads in a row, on one document object and on several: nothing of one load
// leaks into the next. Also the error-code layout, progress, and positions.

#include "platform/xml/component/load_progress.h"
#include "platform/xml/load/xml_load_state.h"
#include "platform/xml/load/xml_positions.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/child_process.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string SchemaRequiring(const std::string& type)
{
    return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
           "  <xs:element name=\"v\" type=\"" + type + "\"/>\n</xs:schema>\n";
}

std::string Value(const std::string& schema, const std::string& value)
{
    return "<v xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"" +
           schema + "\">" + value + "</v>\n";
}

TEST(XmlComponentState, OneDocumentObjectLoadsInARow)
{
    TempDir dir;
    dir.Write("int.xsd", SchemaRequiring("xs:int"));
    const auto bad = dir.Write("bad.xml", Value("int.xsd", "many"));
    const auto good = dir.Write("good.xml", Value("int.xsd", "7"));
    auto document = NewXmlDocument();
    ASSERT_TRUE(document);

    const XmlLoadOutcome first = LoadWith(*document, DriveForm(bad));
    EXPECT_EQ(first.Group(), XmlErrorGroup::Validity) << first;

    std::unique_ptr<IXMLDOMParseError> kept;
    ASSERT_EQ(document->get_parseError(kept), S_OK);

    const XmlLoadOutcome second = LoadWith(*document, DriveForm(good));
    EXPECT_EQ(second.status, S_OK) << second;
    EXPECT_EQ(second.code, 0u);
    EXPECT_EQ(second.line, 0);
    EXPECT_EQ(second.reason, "");

    // The error object of the first load is a snapshot.
    LONG code = 0;
    kept->get_errorCode(&code);
    EXPECT_EQ(static_cast<std::uint32_t>(code), first.code);

    const XmlLoadOutcome third = LoadWith(*document, DriveForm(bad));
    EXPECT_EQ(third.code, first.code);
    EXPECT_EQ(third.line, first.line);
    EXPECT_EQ(third.position, first.position);
    EXPECT_EQ(third.reason, first.reason);
}

TEST(XmlComponentState, TwoDocumentObjectsDoNotShareState)
{
    TempDir dir;
    dir.Write("int.xsd", SchemaRequiring("xs:int"));
    const auto bad = dir.Write("bad.xml", Value("int.xsd", "many"));
    const auto good = dir.Write("good.xml", Value("int.xsd", "7"));
    auto one = NewXmlDocument();
    auto two = NewXmlDocument();
    ASSERT_TRUE(one && two);
    EXPECT_EQ(LoadWith(*one, DriveForm(bad)).Group(), XmlErrorGroup::Validity);
    EXPECT_TRUE(LoadWith(*two, DriveForm(good)).Valid());
    std::unique_ptr<IXMLDOMParseError> error;
    ASSERT_EQ(one->get_parseError(error), S_OK);
    LONG code = 0;
    error->get_errorCode(&code);
    EXPECT_EQ(XmlErrorGroupOf(static_cast<std::uint32_t>(code)), XmlErrorGroup::Validity);
}

TEST(XmlComponentState, EachDocumentUsesItsOwnSchemaOfTheSameNamespace)
{
    // Both schemas declare the same no-namespace element: a cache keyed by
    // namespace would validate the second document against the first schema.
    TempDir dir;
    dir.Write("a/v.xsd", SchemaRequiring("xs:int"));
    dir.Write("b/v.xsd", SchemaRequiring("xs:date"));
    const auto intDocument = dir.Write("a/doc.xml", Value("v.xsd", "12"));
    const auto dateDocument = dir.Write("b/doc.xml", Value("v.xsd", "2024-02-30x"));
    auto document = NewXmlDocument();
    EXPECT_TRUE(LoadWith(*document, DriveForm(intDocument)).Valid());
    EXPECT_EQ(LoadWith(*document, DriveForm(dateDocument)).Group(), XmlErrorGroup::Validity);
    EXPECT_TRUE(LoadWith(*document, DriveForm(intDocument)).Valid());
}

TEST(XmlComponentState, AChangedSchemaIsReadAgain)
{
    TempDir dir;
    const auto schema = dir.Write("v.xsd", SchemaRequiring("xs:int"));
    const auto file = dir.Write("doc.xml", Value("v.xsd", "abc"));
    auto document = NewXmlDocument();
    EXPECT_EQ(LoadWith(*document, DriveForm(file)).Group(), XmlErrorGroup::Validity);
    dir.Write("v.xsd", SchemaRequiring("xs:string"));
    std::filesystem::last_write_time(schema, std::filesystem::last_write_time(schema) + std::chrono::seconds(2));
    EXPECT_TRUE(LoadWith(*document, DriveForm(file)).Valid());
}

TEST(XmlComponentState, ProgressIsReportedUpToTheWholeFile)
{
    TempDir dir;
    std::string text = "<r>";
    while (text.size() < 3 * 1024 * 1024)
        text += "<p x=\"1\">some text</p>\n";
    text += "</r>";
    const auto file = dir.Write("big.xml", text);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> reports;
    SetLoadProgressListener([&](std::uint64_t done, std::uint64_t total) { reports.emplace_back(done, total); });
    const XmlLoadOutcome outcome = LoadFile(file);
    SetLoadProgressListener({});
    EXPECT_TRUE(outcome.Valid()) << outcome;
    ASSERT_GE(reports.size(), 3u);
    for (std::size_t i = 1; i < reports.size(); ++i)
        EXPECT_LE(reports[i - 1].first, reports[i].first);
    EXPECT_EQ(reports.back().first, text.size());
    EXPECT_EQ(reports.back().second, text.size());
}

// Codes carry their group and table in fixed bits, whatever the error.
struct CodeCase {
    const char* name;
    const char16_t* domain;
    std::uint32_t code;
    XmlErrorSeverity severity;
    XmlErrorPlace place;
    std::uint32_t expected;
};

void PrintTo(const CodeCase& c, std::ostream* out)
{
    *out << c.name;
}

class ErrorCodeTest : public ::testing::TestWithParam<CodeCase> {};

constexpr const char16_t* kErrors = u"http://apache.org/xml/messages/XMLErrors";
constexpr const char16_t* kValidity = u"http://apache.org/xml/messages/XMLValidity";
constexpr const char16_t* kExceptions = u"http://apache.org/xml/messages/XML4CErrors";

TEST_P(ErrorCodeTest, MapsDomainAndCodeToTheScheme)
{
    const CodeCase& c = GetParam();
    EXPECT_EQ(XmlParserErrorCode(c.domain, c.code, c.severity, c.place), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorCodeTest,
    ::testing::Values(
        CodeCase{"WellFormedness", kErrors, 0x2A, XmlErrorSeverity::Fatal, XmlErrorPlace::Document, 0x8C11002Au},
        CodeCase{"ErrorInsideSchema", kErrors, 0x28, XmlErrorSeverity::Error, XmlErrorPlace::ReferencedDocument,
                 0x8C310028u},
        CodeCase{"ExpansionLimit", kErrors, 156, XmlErrorSeverity::Fatal, XmlErrorPlace::Document, 0x8C51009Cu},
        CodeCase{"Validity", kValidity, 7, XmlErrorSeverity::Error, XmlErrorPlace::Document, 0x8C220007u},
        CodeCase{"WrongTargetNamespace", kValidity, 35, XmlErrorSeverity::Error, XmlErrorPlace::Document,
                 0x8C320023u},
        CodeCase{"DatatypePattern", kExceptions, 0xD2, XmlErrorSeverity::Error, XmlErrorPlace::Document,
                 0x8C2300D2u},
        CodeCase{"InvalidUtf8", kExceptions, 89, XmlErrorSeverity::Fatal, XmlErrorPlace::Document, 0x8C130059u},
        CodeCase{"FileUnreadable", kExceptions, 34, XmlErrorSeverity::Fatal, XmlErrorPlace::Document,
                 0x8C430022u},
        CodeCase{"UnknownDomain", u"urn:other", 1, XmlErrorSeverity::Error, XmlErrorPlace::Document, 0u}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorCodes, OwnCodesAreDistinctAndGroupedByTheirNumbers)
{
    const std::uint32_t own[] = {XmlOwnError::NotADrivePath,           XmlOwnError::FileNotFound,
                                 XmlOwnError::IsADirectory,            XmlOwnError::PermissionDenied,
                                 XmlOwnError::NotARegularFile,         XmlOwnError::ReadFailed,
                                 XmlOwnError::UnexpectedFailure,       XmlOwnError::ReferencedFileNotFound,
                                 XmlOwnError::ReferencedIsADirectory,  XmlOwnError::ReferencedPermissionDenied,
                                 XmlOwnError::ReferencedNotARegularFile, XmlOwnError::ReferencedReadFailed,
                                 XmlOwnError::ReferenceNotResolvable,  XmlOwnError::ReferenceRefused,
                                 XmlOwnError::RemoteConnectFailed,     XmlOwnError::RemoteTimedOut,
                                 XmlOwnError::RemoteHttpStatus,        XmlOwnError::RemoteTransferFailed,
                                 XmlOwnError::EntityTextLimit,         XmlOwnError::DepthLimit,
                                 XmlOwnError::MemoryLimit,             XmlOwnError::ReferencedDocumentTooLarge};
    std::vector<std::uint32_t> codes;
    for (const std::uint32_t error : own) {
        const std::uint32_t code = XmlOwnErrorCode(error);
        EXPECT_EQ(code >> 24, 0x8Cu);
        EXPECT_EQ(XmlErrorSourceOf(code), XmlErrorSource::Own);
        for (const std::uint32_t other : codes)
            EXPECT_NE(code, other);
        codes.push_back(code);
    }
    EXPECT_EQ(XmlErrorGroupOf(XmlOwnErrorCode(XmlOwnError::FileNotFound)), XmlErrorGroup::InputOutput);
    EXPECT_EQ(XmlErrorGroupOf(XmlOwnErrorCode(XmlOwnError::RemoteTimedOut)), XmlErrorGroup::ReferencedDocument);
    EXPECT_EQ(XmlErrorGroupOf(XmlOwnErrorCode(XmlOwnError::DepthLimit)), XmlErrorGroup::ResourceLimits);
    EXPECT_EQ(XmlErrorGroupOf(XmlOwnErrorCode(XmlOwnError::ReferencedDocumentTooLarge)),
              XmlErrorGroup::ResourceLimits);
}

// Re-reading a file for positions that count characters.
TEST(XmlPositions, ColumnCountsCharactersOnTheRightLine)
{
    TempDir dir;
    // CR LF, a lone CR and LF each end one line; the BOM is not counted.
    const auto file = dir.Write("p.xml", "\xEF\xBB\xBF<r>\r\n\xF0\x9F\x98\x80x\r\xC3\xA9\xF0\x9F\x98\x80y\nz");
    EXPECT_EQ(CharacterColumn(file.string(), 1, 3), 3);
    EXPECT_EQ(CharacterColumn(file.string(), 2, 3), 2); // after the emoji, at 'x'
    EXPECT_EQ(CharacterColumn(file.string(), 3, 4), 3); // é (1 unit) + emoji (2 units), at 'y'
    EXPECT_EQ(CharacterColumn(file.string(), 3, 9), 8); // past the line's end
    EXPECT_EQ(CharacterColumn(file.string(), 4, 1), 1);
}

TEST(XmlPositions, FindsTheFirstByteThatIsNotUtf8)
{
    TempDir dir;
    EXPECT_FALSE(FindInvalidUtf8(dir.Write("ok.xml", "<r>\xC3\xA9\xF0\x9F\x98\x80</r>").string()));
    const auto at = FindInvalidUtf8(dir.Write("bad.xml", "<r>\r\n\xC3\xA9 \xED\xA0\x80</r>").string());
    ASSERT_TRUE(at);
    EXPECT_EQ(at->line, 2);
    EXPECT_EQ(at->column, 3); // an encoded surrogate is not UTF-8
    const auto truncated = FindInvalidUtf8(dir.Write("cut.xml", "<r>\n<a>\xE2\x82</a>").string());
    ASSERT_TRUE(truncated);
    EXPECT_EQ(truncated->line, 2);
    EXPECT_EQ(truncated->column, 4);
}

TEST(XmlPositions, ScansBeyondTheFirstMegabytes)
{
    // Long files are read in blocks; places past the first blocks, empty
    // lines and CR LF pairs must still count right.
    std::string text;
    long line = 1;
    while (text.size() < 3 * 1024 * 1024) {
        text += line % 3 == 0 ? "\r\n" : "<p>plain ascii text here</p>\n";
        ++line;
    }
    text += "\n<q>\xC3\xA9\xF0\x9F\x98\x80 \xC0\xAF</q>\n";
    TempDir dir;
    const auto file = dir.Write("long.xml", text);
    const auto at = FindInvalidUtf8(file.string());
    ASSERT_TRUE(at);
    EXPECT_EQ(at->line, line + 1);
    EXPECT_EQ(at->column, 7); // after "<q>", e-acute, the emoji and a blank
    EXPECT_EQ(CharacterColumn(file.string(), line + 1, 8), 7);
    EXPECT_EQ(CharacterColumn(file.string(), line, 1), 1);
}

} // namespace

#if !defined(__SANITIZE_ADDRESS__)
// A load that runs out of memory before the parser gets a say still leaves an
// error to report: never an empty one (code 0, no description).
TEST(XmlComponentState, LoadThatRunsOutOfMemoryLeavesAReport)
{
    const int status = RunInChildProcess([] {
        auto document = NewXmlDocument();
        if (!document)
            return 10;
        // A path too long for the memory left: its conversion fails first.
        VARIANT source;
        source.vt = VT_BSTR;
        source.bstrVal = u"Z:\\" + std::u16string(std::size_t{48} << 20, u'a');
        if (!LimitAddressSpaceToCurrentPlus(std::size_t{64} << 20))
            return 11;
        VARIANT_BOOL loaded = VARIANT_TRUE;
        const HRESULT hr = document->load(std::move(source), &loaded);
        if (hr != E_OUTOFMEMORY || loaded != VARIANT_FALSE)
            return 12;
        std::unique_ptr<IXMLDOMParseError> error;
        if (document->get_parseError(error) != S_OK || !error)
            return 13;
        LONG code = 0;
        std::u16string reason;
        error->get_errorCode(&code);
        error->get_reason(&reason);
        if (static_cast<std::uint32_t>(code) != XmlOwnErrorCode(XmlOwnError::UnexpectedFailure))
            return 14;
        return reason.find(u"out of memory") != std::u16string::npos ? 0 : 15;
    });
    EXPECT_EQ(status, 0);
}
#endif
