// Schemas kept on disk between processes: a load that reads a set back gives
// the verdict of a load that compiles it, and an entry that no longer holds
// (a file's text changed, a catalog now maps an import elsewhere, damage) is
// never used, and is written again.

#include "platform/xml/references/cache_files.h"
#include "platform/xml/schema/xml_grammar_cache.h"
#include "platform/xml/schema/xml_grammar_store.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/scoped_environment.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kOrder =
    "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:p=\"urn:parts\"\n"
    "           targetNamespace=\"urn:order\" xmlns=\"urn:order\" elementFormDefault=\"qualified\">\n"
    "  <xs:import namespace=\"urn:parts\" schemaLocation=\"http://example.org/parts.xsd\"/>\n"
    "  <xs:include schemaLocation=\"codes.xsd\"/>\n"
    "  <xs:element name=\"order\"><xs:complexType><xs:sequence>\n"
    "    <xs:element ref=\"p:part\" maxOccurs=\"unbounded\"/>\n"
    "    <xs:element name=\"ref\" type=\"xs:IDREF\" minOccurs=\"0\"/>\n"
    "    <xs:element name=\"count\" type=\"xs:nonNegativeInteger\" minOccurs=\"0\"/>\n"
    "  </xs:sequence><xs:attribute name=\"code\" type=\"Code\" default=\"AB-1\"/></xs:complexType>\n"
    "  <xs:key name=\"partKey\"><xs:selector xpath=\"p:part\"/><xs:field xpath=\"@id\"/></xs:key>\n"
    "  </xs:element>\n</xs:schema>\n";
const std::string kCodes = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                           "  <xs:simpleType name=\"Code\"><xs:restriction base=\"xs:token\">\n"
                           "    <xs:pattern value=\"[A-Z]{2}-\\d\"/></xs:restriction></xs:simpleType>\n"
                           "</xs:schema>\n";
// Two texts of one length: a change that keeps the file's size.
std::string Parts(const std::string& quantityType)
{
    return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" targetNamespace=\"urn:parts\">\n"
           "  <xs:element name=\"part\"><xs:complexType><xs:simpleContent>\n"
           "    <xs:extension base=\"" + quantityType + "\"><xs:attribute name=\"id\" type=\"xs:ID\"/>\n"
           "  </xs:extension></xs:simpleContent></xs:complexType></xs:element>\n</xs:schema>\n";
}

std::string Order(const std::string& attributes, const std::string& body)
{
    return "<order xmlns=\"urn:order\" xmlns:p=\"urn:parts\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
           "       xsi:schemaLocation=\"urn:order order.xsd\"" + attributes + ">\n" + body + "\n</order>\n";
}

class SchemaDiskCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(GrammarStoreFolder());
        m_dir.Write("order.xsd", kOrder);
        m_dir.Write("codes.xsd", kCodes);
        m_dir.Write("parts-a.xsd", Parts("xs:byte"));
        m_dir.Write("parts-b.xsd", Parts("xs:date"));
        UsePartsFile("parts-a.xsd");
        m_document = m_dir.Write("order.xml", Order("", "<p:part id='a'>1</p:part>"));
    }
    void TearDown() override
    {
        UseGrammarCache(true);
        ForgetCachedSchemaSets();
    }

    // The import reaches the parts through the catalog.
    void UsePartsFile(const std::string& name)
    {
        m_catalog = m_dir.Write("catalog.xml",
                                "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">"
                                "<uri name=\"http://example.org/parts.xsd\" uri=\"" + name + "\"/></catalog>\n");
    }
    // A new process: nothing kept but what is on disk.
    XmlLoadOutcome LoadInNewProcess()
    {
        ForgetCachedSchemaSets();
        const ScopedEnvironment catalogs("XML_CATALOG_FILES", m_catalog.string());
        return LoadFile(m_document);
    }
    std::vector<fs::path> Entries() const
    {
        std::vector<fs::path> entries;
        if (fs::exists(GrammarStoreFolder()))
            for (const auto& file : fs::directory_iterator(GrammarStoreFolder()))
                entries.push_back(file.path());
        return entries;
    }

    TempDir m_dir;
    fs::path m_catalog;
    fs::path m_document;
};


TEST_F(SchemaDiskCacheTest, ASetReadBackGivesTheVerdictOfACompiledOne)
{
    const struct {
        std::string attributes, body;
        bool valid;
    } cases[] = {
        {"", "<p:part id='a'>1</p:part><p:part id='b'>2</p:part><ref>a</ref>", true},
        {" code='XY-7'", "<p:part id='a'>1</p:part>", true},
        {" code='xy-7'", "<p:part id='a'>1</p:part>", false},    // the included pattern
        {"", "<p:part id='a'>300</p:part>", false},               // the imported byte
        {"", "<p:part id='a'>1</p:part><p:part id='a'>2</p:part>", false}, // the key, and the ID
        {"", "<p:part id='a'>1</p:part><ref>none</ref>", false},  // an IDREF without its ID
        {"", "<ref>a</ref>", false},                              // a part is required
        {"", "<p:part id='a'>1</p:part><count>-1</count>", false}, // a built-in number type
        {"", "<p:part id='a'>1</p:part><count>12</count>", true},
    };
    for (const auto& c : cases) {
        const std::string what = c.attributes + c.body;
        m_dir.Write("order.xml", Order(c.attributes, c.body));
        fs::remove_all(GrammarStoreFolder());
        UseGrammarCache(false);
        const XmlLoadOutcome compiled = LoadInNewProcess();
        EXPECT_TRUE(Entries().empty()) << what;
        UseGrammarCache(true);
        const XmlLoadOutcome cold = LoadInNewProcess();
        // A set is kept once the document's content was reached.
        if (c.valid) {
            EXPECT_EQ(Entries().size(), 1u) << what;
        }
        const XmlLoadOutcome warm = LoadInNewProcess();
        EXPECT_EQ(compiled.Valid(), c.valid) << what << ": " << compiled;
        ExpectSameVerdict(compiled, cold, what + " (cold)");
        ExpectSameVerdict(compiled, warm, what + " (warm)");
    }
}

// Each change below leaves an entry that must not be used: the first two
// would pass the document, which the parts now make invalid.
TEST_F(SchemaDiskCacheTest, AnEntryThatNoLongerHoldsIsNeverUsedAndIsWrittenAgain)
{
    ASSERT_TRUE(LoadInNewProcess().Valid());
    ASSERT_EQ(Entries().size(), 1u);
    const fs::path entry = Entries().front();
    const auto kept = ReadWholeCacheFile(entry, 1 << 30);
    ASSERT_TRUE(kept.has_value());
    std::string flipped = *kept;
    flipped[flipped.size() - 50] ^= 0x20;
    const auto partsA = m_dir.Path() / "parts-a.xsd";
    const auto written = fs::last_write_time(partsA);
    const struct {
        const char* what;
        std::function<void()> change;
        std::string placed;
        bool valid;
    } changes[] = {
        {"the catalog maps the import elsewhere", [&] { UsePartsFile("parts-b.xsd"); }, *kept, false},
        {"an imported file's text changed, size and time kept",
         [&] {
             m_dir.Write("parts-a.xsd", Parts("xs:date"));
             fs::last_write_time(partsA, written);
         },
         *kept, false},
        {"a flipped byte", [] {}, flipped, true},
    };
    for (const auto& c : changes) {
        m_dir.Write("parts-a.xsd", Parts("xs:byte"));
        fs::last_write_time(partsA, written);
        UsePartsFile("parts-a.xsd");
        ASSERT_TRUE(WriteCacheFileWhole(entry, c.placed, {}));
        c.change();
        const XmlLoadOutcome outcome = LoadInNewProcess();
        EXPECT_EQ(outcome.Valid(), c.valid) << c.what << ": " << outcome;
        const auto rewritten = ReadWholeCacheFile(entry, 1 << 30);
        ASSERT_TRUE(rewritten.has_value()) << c.what;
        EXPECT_NE(*rewritten, c.placed) << c.what;
        EXPECT_EQ(LoadInNewProcess().Valid(), c.valid) << c.what << " (read back)";
    }
}

} // namespace
