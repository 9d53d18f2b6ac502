// Schemas kept between loads: reused only for the same files, unchanged, and
// never at the cost of a different verdict.

#include "platform/xml/schema/xml_grammar_cache.h"
#include "tests/platform/xml/component/xml_component_fixture.h"

#include <chrono>
#include <string>

namespace {

std::string Schema(const std::string& valueType)
{
    return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
           "  <xs:element name=\"list\"><xs:complexType><xs:sequence>\n"
           "    <xs:element name=\"v\" type=\"" + valueType + "\" maxOccurs=\"unbounded\"/>\n"
           "  </xs:sequence></xs:complexType>\n"
           "  <xs:unique name=\"once\"><xs:selector xpath=\"v\"/><xs:field xpath=\".\"/></xs:unique>\n"
           "  </xs:element>\n</xs:schema>\n";
}

std::string List(const std::string& values, const std::string& extra = "")
{
    return "<list xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"list.xsd\">" + values + extra + "</list>\n";
}

class SchemaCacheTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetCachedSchemaSets(); }
    void TearDown() override { ForgetCachedSchemaSets(); }

    XmlLoadOutcome Load(const std::filesystem::path& file)
    {
        auto document = NewXmlDocument();
        return document ? LoadWith(*document, DriveForm(file)) : XmlLoadOutcome{};
    }

    TempDir m_dir;
};

TEST_F(SchemaCacheTest, UnchangedSchemaIsNotReadAgain)
{
    // Same size, same modification time: the kept schema stands.
    const auto schema = m_dir.Write("list.xsd", Schema("xs:byte"));
    const auto file = m_dir.Write("doc.xml", List("<v>12</v>"));
    EXPECT_TRUE(Load(file).Valid());
    const auto written = std::filesystem::last_write_time(schema);
    m_dir.Write("list.xsd", Schema("xs:date"));
    std::filesystem::last_write_time(schema, written);
    EXPECT_TRUE(Load(file).Valid());
    // Once its time changes it is read again, and the verdict follows it.
    std::filesystem::last_write_time(schema, written + std::chrono::seconds(5));
    EXPECT_EQ(Load(file).Group(), XmlErrorGroup::Validity);
}

TEST_F(SchemaCacheTest, KeptSchemasStillCheckIdentityConstraints)
{
    m_dir.Write("list.xsd", Schema("xs:int"));
    const auto valid = m_dir.Write("valid.xml", List("<v>1</v><v>2</v>"));
    const auto twice = m_dir.Write("twice.xml", List("<v>1</v><v>1</v>"));
    EXPECT_TRUE(Load(valid).Valid());
    const XmlLoadOutcome first = Load(twice);
    const XmlLoadOutcome again = Load(twice);
    EXPECT_EQ(first.code, MakeXmlErrorCode(XmlErrorGroup::Validity, XmlErrorSource::ValidityErrors, 69)) << first;
    EXPECT_EQ(again.code, first.code) << again;
    EXPECT_EQ(again.line, first.line);
    EXPECT_EQ(again.position, first.position);
}

TEST_F(SchemaCacheTest, ChangedIncludedSchemaIsReadAgain)
{
    m_dir.Write("list.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                            "  <xs:include schemaLocation=\"types.xsd\"/>\n"
                            "  <xs:element name=\"list\"><xs:complexType><xs:sequence>\n"
                            "    <xs:element name=\"v\" type=\"Value\" maxOccurs=\"unbounded\"/>\n"
                            "  </xs:sequence></xs:complexType></xs:element>\n</xs:schema>\n");
    const auto types = m_dir.Write("types.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                                                "<xs:simpleType name=\"Value\"><xs:restriction base=\"xs:int\"/>"
                                                "</xs:simpleType></xs:schema>");
    const auto file = m_dir.Write("doc.xml", List("<v>seven</v>"));
    EXPECT_EQ(Load(file).Group(), XmlErrorGroup::Validity);
    m_dir.Write("types.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                             "<xs:simpleType name=\"Value\"><xs:restriction base=\"xs:string\"/>"
                             "</xs:simpleType></xs:schema>");
    std::filesystem::last_write_time(types, std::filesystem::last_write_time(types) + std::chrono::seconds(5));
    EXPECT_TRUE(Load(file).Valid());
}

TEST_F(SchemaCacheTest, ChangedEntityOfSchemaIsReadAgain)
{
    m_dir.Write("list.xsd", "<!DOCTYPE xs:schema [<!ENTITY f SYSTEM \"facet.frag\">]>\n"
                            "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                            "  <xs:element name=\"list\"><xs:complexType><xs:sequence>\n"
                            "    <xs:element name=\"v\" maxOccurs=\"unbounded\"><xs:simpleType>\n"
                            "      <xs:restriction base=\"xs:string\">&f;</xs:restriction>\n"
                            "    </xs:simpleType></xs:element>\n"
                            "  </xs:sequence></xs:complexType></xs:element>\n</xs:schema>\n");
    const auto facet = [](const char* length) {
        return std::string("<xs:maxLength xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" value=\"") + length +
               "\"/>";
    };
    const auto frag = m_dir.Write("facet.frag", facet("3"));
    const auto file = m_dir.Write("doc.xml", List("<v>seven</v>"));
    EXPECT_EQ(Load(file).Group(), XmlErrorGroup::Validity);
    m_dir.Write("facet.frag", facet("9"));
    std::filesystem::last_write_time(frag, std::filesystem::last_write_time(frag) + std::chrono::seconds(5));
    EXPECT_TRUE(Load(file).Valid());
}

TEST_F(SchemaCacheTest, FurtherSchemaHintsAreStillFollowed)
{
    // The second document names the same root schema, and one more on a
    // nested element, whose violation must be found.
    m_dir.Write("list.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                            "  <xs:element name=\"list\"><xs:complexType><xs:sequence>\n"
                            "    <xs:any namespace=\"##other\" processContents=\"lax\" minOccurs=\"0\" maxOccurs=\"unbounded\"/>\n"
                            "  </xs:sequence></xs:complexType></xs:element>\n</xs:schema>\n");
    m_dir.Write("item.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" targetNamespace=\"urn:item\">\n"
                            "  <xs:element name=\"item\" type=\"xs:int\"/>\n</xs:schema>\n");
    const auto plain = m_dir.Write("plain.xml", List(""));
    const auto nested = m_dir.Write(
        "nested.xml", List("<i:item xmlns:i=\"urn:item\" xsi:schemaLocation=\"urn:item item.xsd\">x</i:item>"));
    EXPECT_TRUE(Load(plain).Valid());
    const XmlLoadOutcome outcome = Load(nested);
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
    EXPECT_TRUE(Load(plain).Valid());
}

TEST_F(SchemaCacheTest, SchemaFailingTheFullChecksIsReportedOnEveryLoad)
{
    // Both are compiled only when the schema is read whole: an ambiguous
    // content model, and a restriction its base does not allow.
    const std::string head = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n";
    const struct {
        const char* name;
        std::string types;
    } cases[] = {
        {"ambiguous", "<xs:complexType name=\"T\"><xs:choice>"
                      "<xs:sequence><xs:element name=\"a\"/><xs:element name=\"b\"/></xs:sequence>"
                      "<xs:sequence><xs:element name=\"a\"/><xs:element name=\"c\"/></xs:sequence>"
                      "</xs:choice></xs:complexType>\n"},
        {"restriction", "<xs:complexType name=\"Base\"><xs:sequence>"
                        "<xs:element name=\"a\" maxOccurs=\"2\"/></xs:sequence></xs:complexType>\n"
                        "<xs:complexType name=\"T\"><xs:complexContent><xs:restriction base=\"Base\">"
                        "<xs:sequence><xs:element name=\"a\" maxOccurs=\"5\"/></xs:sequence>"
                        "</xs:restriction></xs:complexContent></xs:complexType>\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ForgetCachedSchemaSets();
        m_dir.Write("t.xsd", head + c.types + "<xs:element name=\"r\" type=\"T\"/>\n</xs:schema>\n");
        const auto file = m_dir.Write("t.xml", "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                               "xsi:noNamespaceSchemaLocation=\"t.xsd\"><a/></r>\n");
        for (int load = 1; load <= 2; ++load) {
            const XmlLoadOutcome outcome = Load(file);
            EXPECT_EQ(outcome.Group(), XmlErrorGroup::ReferencedDocument) << "load " << load << ": " << outcome;
            EXPECT_NE(outcome.reason.find("t.xsd"), std::string::npos) << outcome;
        }
    }
}

TEST(SchemaSetKey, OnlyForRootHintsToLocalFilesWithoutDoctype)
{
    TempDir dir;
    const auto key = [&](const std::string& text) {
        const auto file = dir.Write("k.xml", text);
        return RootSchemaSetKey({XmlResourceKind::MainDocument, DriveForm(file), file.string()});
    };
    const std::string xsi = "xmlns:i=\"http://www.w3.org/2001/XMLSchema-instance\"";
    EXPECT_TRUE(key("<?xml version=\"1.0\"?><!-- c --><r " + xsi + " i:noNamespaceSchemaLocation=\"a.xsd\"/>"));
    EXPECT_TRUE(key("<r " + xsi + "\n i:schemaLocation=\"urn:a a.xsd\n urn:b b.xsd\">"));
    EXPECT_FALSE(key("<!DOCTYPE r SYSTEM \"r.dtd\"><r " + xsi + " i:noNamespaceSchemaLocation=\"a.xsd\"/>"));
    EXPECT_FALSE(key("<r " + xsi + " i:noNamespaceSchemaLocation=\"http://example.org/a.xsd\"/>"));
    EXPECT_FALSE(key("<r " + xsi + " i:noNamespaceSchemaLocation=\"&loc;\"/>"));
    EXPECT_FALSE(key("<r " + xsi + " i:schemaLocation=\"urn:a\"/>"));
    EXPECT_FALSE(key("<r><c " + xsi + " i:noNamespaceSchemaLocation=\"a.xsd\"/></r>"));
    // The same hint in two folders names two different schemas.
    const auto first = key("<r " + xsi + " i:noNamespaceSchemaLocation=\"a.xsd\"/>");
    const auto moved = dir.Write("sub/k.xml", "<r " + xsi + " i:noNamespaceSchemaLocation=\"a.xsd\"/>");
    const auto second = RootSchemaSetKey({XmlResourceKind::MainDocument, DriveForm(moved), moved.string()});
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(*first == *second);
}

} // namespace
