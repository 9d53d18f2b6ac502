// Hostile documents end in a resource-limit report, without exhausting the
// machine and without a crash.

#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_parse_session.h"
#include "tests/platform/xml/component/xml_component_fixture.h"

#include <string>

namespace {

std::string BillionLaughs()
{
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ELEMENT lolz (#PCDATA)>\n"
                       "<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i <= 10; ++i) {
        text += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            text += "&lol" + std::to_string(i - 1) + ";";
        text += "\">\n";
    }
    return text + "]>\n<lolz>&lol10;</lolz>\n";
}

// Few expansions of one large entity: far below the expansion count, yet
// gigabytes of text.
std::string QuadraticBlowUp(bool inAttribute)
{
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ELEMENT r (#PCDATA)>"
                       "<!ATTLIST r a CDATA #IMPLIED><!ENTITY big \"" + std::string(100'000, 'x') + "\">]>\n";
    std::string references;
    for (int i = 0; i < 30'000; ++i)
        references += "&big;";
    return text + (inAttribute ? "<r a=\"" + references + "\"/>\n" : "<r>" + references + "</r>\n");
}

// A long default value, delivered again on every one of many elements.
std::string RepeatedDefault()
{
    std::string text = "<!DOCTYPE r [<!ELEMENT r (e*)><!ELEMENT e EMPTY><!ATTLIST e a CDATA \"" +
                       std::string(60'000, 'd') + "\">]>\n<r>";
    for (int i = 0; i < 200'000; ++i)
        text += "<e/>";
    return text + "</r>\n";
}

std::string Nested(int depth)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(depth) * 7 + 16);
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text;
}

struct HostileCase {
    std::string name;
    std::string (*document)();
    std::uint32_t code;
};

void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.name;
}

class HostileDocumentTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileDocumentTest, EndsInAResourceLimitReport)
{
    TempDir dir;
    const XmlLoadOutcome outcome = LoadFile(dir.Write("hostile.xml", GetParam().document()));
    EXPECT_EQ(outcome.status, S_FALSE) << outcome;
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::ResourceLimits) << outcome;
    EXPECT_EQ(outcome.code, GetParam().code) << outcome;
    EXPECT_GE(outcome.line, 1) << outcome;
    EXPECT_FALSE(outcome.reason.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, HostileDocumentTest,
    ::testing::Values(
        // The parser's own expansion limit, reported in the limits group.
        HostileCase{"BillionLaughs", BillionLaughs,
                    MakeXmlErrorCode(XmlErrorGroup::ResourceLimits, XmlErrorSource::ParserErrors, 156)},
        HostileCase{"QuadraticBlowUpInText", [] { return QuadraticBlowUp(false); },
                    XmlOwnErrorCode(XmlOwnError::EntityTextLimit)},
        HostileCase{"QuadraticBlowUpInAttribute", [] { return QuadraticBlowUp(true); },
                    XmlOwnErrorCode(XmlOwnError::MemoryLimit)},
        HostileCase{"RepeatedDefaultValue", RepeatedDefault, XmlOwnErrorCode(XmlOwnError::EntityTextLimit)},
        HostileCase{"MillionNestedElements", [] { return Nested(1'000'000); },
                    XmlOwnErrorCode(XmlOwnError::DepthLimit)}),
    [](const auto& info) { return info.param.name; });

TEST(XmlLimits, SchemaTooCostlyToCompileEndsInAReport)
{
    // A sequence repeated thousands of times takes the parser minutes to
    // compile; the stall bound is shortened here to keep the test quick.
    const XmlLoadSettings saved = CurrentXmlLoadSettings();
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = std::chrono::milliseconds(1000); });
    TempDir dir;
    dir.Write("heavy.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                           " <xs:element name=\"r\"><xs:complexType>\n"
                           "  <xs:sequence minOccurs=\"0\" maxOccurs=\"5000\">\n"
                           "   <xs:element name=\"a\" minOccurs=\"0\"/><xs:element name=\"b\" minOccurs=\"0\" maxOccurs=\"3\"/>\n"
                           "  </xs:sequence></xs:complexType></xs:element>\n</xs:schema>\n");
    const XmlLoadOutcome outcome =
        LoadFile(dir.Write("doc.xml", "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                      "xsi:noNamespaceSchemaLocation=\"heavy.xsd\"><a/></r>"));
    SetXmlLoadSettings(saved);
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::ParserStalled)) << outcome;
    EXPECT_EQ(outcome.line, 1) << outcome;
}

TEST(XmlLimits, ContentModelTooLargeToBuildEndsInAReport)
{
    // The parser unrolls a bounded repetition into its content model: this
    // one reaches the memory ceiling, and the parser's cleanup after that
    // still allocates (it ended the process once).
    TempDir dir;
    dir.Write("huge.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                          " <xs:element name=\"r\"><xs:complexType><xs:sequence>\n"
                          "  <xs:sequence minOccurs=\"0\" maxOccurs=\"99999999999\">\n"
                          "   <xs:element name=\"a\"/><xs:element name=\"b\"/>\n"
                          "  </xs:sequence></xs:sequence></xs:complexType></xs:element>\n</xs:schema>\n");
    const XmlLoadOutcome outcome =
        LoadFile(dir.Write("doc.xml", "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                      "xsi:noNamespaceSchemaLocation=\"huge.xsd\"><a/><b/></r>"));
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::MemoryLimit)) << outcome;
    EXPECT_EQ(outcome.line, 1) << outcome;
}

TEST(XmlLimits, DepthCountsOnlyOpenElements)
{
    // Many empty siblings deep down, and nesting just inside the bound.
    const int depth = static_cast<int>(XmlLimits::kElementDepth) - 1;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < 50'000; ++i)
        text += "<e/>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    TempDir dir;
    const XmlLoadOutcome outcome = LoadFile(dir.Write("deep.xml", text));
    EXPECT_TRUE(outcome.Valid()) << outcome;
}

TEST(XmlLimits, ModestEntityUseIsNotALimit)
{
    std::string text = "<!DOCTYPE r [<!ELEMENT r (c*)><!ELEMENT c (#PCDATA)>\n"
                       "<!ENTITY co \"Corvane Surveying Ltd.\">]>\n<r>";
    for (int i = 0; i < 20'000; ++i)
        text += "<c>&co;</c>";
    text += "</r>\n";
    TempDir dir;
    EXPECT_TRUE(LoadFile(dir.Write("entities.xml", text)).Valid());
}

} // namespace
