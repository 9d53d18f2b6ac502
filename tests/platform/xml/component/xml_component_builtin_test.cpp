// The xml: namespace's schema comes with Corvane: imports of it validate
// offline, without a location or from its well-known address.

#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <string>

namespace {

std::string Schema(const std::string& importLocation)
{
    const std::string location =
        importLocation.empty() ? std::string() : " schemaLocation=\"" + importLocation + "\"";
    return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
           "  <xs:import namespace=\"http://www.w3.org/XML/1998/namespace\"" + location + "/>\n"
           "  <xs:element name=\"p\"><xs:complexType><xs:simpleContent><xs:extension base=\"xs:string\">\n"
           "    <xs:attributeGroup ref=\"xml:specialAttrs\"/>\n"
           "  </xs:extension></xs:simpleContent></xs:complexType></xs:element>\n</xs:schema>\n";
}

std::string Paragraph(const std::string& attributes)
{
    return "<p xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"p.xsd\" " + attributes + ">text</p>\n";
}

TEST(BuiltinXmlNamespaceSchema, ImportsValidateWithoutTheNetwork)
{
    // Any fetch that slipped through would go to a proxy on the loopback
    // that refuses it, and fail the load.
    const std::string refusing = "http://127.0.0.1:" + std::to_string(HttpTestServer::RefusingPort());
    const ScopedEnvironment httpProxy("http_proxy", refusing);
    const ScopedEnvironment httpsProxy("https_proxy", refusing);
    const struct {
        const char* location;
        const char* attributes;
        bool valid;
    } cases[] = {
        {"", "xml:lang=\"en-GB\" xml:space=\"preserve\" xml:base=\"http://example.org/\" xml:id=\"p1\"", true},
        {"", "xml:lang=\"\"", true},
        {"", "xml:space=\"keep\"", false},
        {"", "xml:lang=\"not a tag\"", false},
        {"", "xml:id=\"1st\"", false},
        {"http://www.w3.org/2001/xml.xsd", "xml:lang=\"de\"", true},
        {"https://www.w3.org/2009/01/xml.xsd", "xml:space=\"keep\"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.location) + " " + c.attributes);
        TempDir dir;
        dir.Write("p.xsd", Schema(c.location));
        const XmlLoadOutcome outcome = LoadFile(dir.Write("p.xml", Paragraph(c.attributes)));
        if (c.valid) {
            EXPECT_TRUE(outcome.Valid()) << outcome;
        } else {
            EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
            EXPECT_EQ(outcome.line, 1) << outcome;
        }
    }
}

TEST(BuiltinXmlNamespaceSchema, OtherLocationsOfTheNamespaceAreStillRead)
{
    // A schema of one's own for the namespace is what the document asked for.
    const auto ownSchema = [](const std::string& extra) {
        return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
               "targetNamespace=\"http://www.w3.org/XML/1998/namespace\">\n" + extra +
               "  <xs:attribute name=\"lang\" type=\"xs:int\"/>\n"
               "  <xs:attributeGroup name=\"specialAttrs\"><xs:attribute ref=\"xml:lang\"/>"
               "</xs:attributeGroup>\n</xs:schema>\n";
    };
    TempDir dir;
    dir.Write("my-xml.xsd", ownSchema(""));
    dir.Write("p.xsd", Schema("my-xml.xsd"));
    const XmlLoadOutcome outcome = LoadFile(dir.Write("p.xml", Paragraph("xml:lang=\"en\"")));
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
    EXPECT_NE(outcome.reason.find("'en'"), std::string::npos) << outcome;
    const auto numeric = dir.Write("q.xml", Paragraph("xml:lang=\"12\""));
    EXPECT_TRUE(LoadFile(numeric).Valid());

    // That schema's own parts may import the namespace without a location,
    // meaning the schema being read, not the built-in one.
    dir.Write("more.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                          "<xs:import namespace=\"http://www.w3.org/XML/1998/namespace\"/></xs:schema>\n");
    dir.Write("my-xml.xsd", ownSchema("  <xs:import schemaLocation=\"more.xsd\"/>\n"));
    const XmlLoadOutcome again = LoadFile(numeric);
    EXPECT_TRUE(again.Valid()) << again;
}

} // namespace
