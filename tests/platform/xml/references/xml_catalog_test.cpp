// References resolved through OASIS XML catalogs, with the network off, so
// that any reference the catalogs fail to map ends in a report.

#include "platform/xml/references/remote_fetch.h"
#include "platform/xml/load/xml_parse_session.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kNoteDtd = "<!ELEMENT note (#PCDATA)>\n";
const std::string kNoteSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note" type="xs:int"/>
</xs:schema>
)";
const std::string kTypesSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
    targetNamespace="urn:corvane-test:types">
  <xs:simpleType name="Count"><xs:restriction base="xs:int"/></xs:simpleType>
</xs:schema>
)";
const std::string kImportingSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
    xmlns:t="urn:corvane-test:types">
  <xs:import namespace="urn:corvane-test:types"/>
  <xs:element name="note" type="t:Count"/>
</xs:schema>
)";

std::string Catalog(const std::string& entries)
{
    return "<?xml version=\"1.0\"?>\n<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n" + entries +
           "</catalog>\n";
}

std::string SchemaNote(const std::string& location, const std::string& value)
{
    return "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"" +
           location + "\">" + value + "</note>\n";
}

class XmlCatalogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.Write("dtd/note.dtd", kNoteDtd);
        m_folder.Write("xsd/note.xsd", kNoteSchema);
        m_folder.Write("xsd/types.xsd", kTypesSchema);
        m_folder.Write("xsd/importing.xsd", kImportingSchema);
    }
    std::string FileUri(const std::string& relative) const { return "file://" + (m_folder.Path() / relative).string(); }

    XmlLoadOutcome Validate(const std::string& catalogEntries, const std::string& document)
    {
        const fs::path catalog = m_folder.Write("catalog.xml", Catalog(catalogEntries));
        const ScopedEnvironment catalogs("XML_CATALOG_FILES", catalog.string());
        return LoadFile(m_folder.Write("doc.xml", document));
    }

    ScopedRemoteFetchLimits m_offline{[](RemoteFetchLimits& limits) { limits.networkAllowed = false; }};
    TempDir m_folder;
};

TEST_F(XmlCatalogTest, MappedReferencesAreReadFromWhereTheCatalogSays)
{
    const std::string publicDoc =
        "<!DOCTYPE note PUBLIC \"-//Corvane Test//DTD Note//EN\" \"http://127.0.0.1:9/note.dtd\">\n";
    const std::string importingLocation = "http://schemas.example/importing.xsd";
    struct Case {
        const char* name;
        std::string entries;
        std::string document;
        std::uint32_t code; // 0: valid
    };
    constexpr std::uint32_t kInvalid = 1; // any validity error
    const Case cases[] = {
        {"public identifier", "<public publicId=\"-//Corvane Test//DTD Note//EN\" uri=\"" + FileUri("dtd/note.dtd") + "\"/>",
         publicDoc + "<note>text</note>", 0},
        {"public identifier, invalid document",
         "<public publicId=\"-//Corvane Test//DTD Note//EN\" uri=\"" + FileUri("dtd/note.dtd") + "\"/>",
         publicDoc + "<note><x/></note>", kInvalid},
        {"system identifier", "<system systemId=\"http://127.0.0.1:9/note.dtd\" uri=\"" + FileUri("dtd/note.dtd") + "\"/>",
         "<!DOCTYPE note SYSTEM \"http://127.0.0.1:9/note.dtd\">\n<note>text</note>", 0},
        {"schema location by uri", "<uri name=\"http://schemas.example/note.xsd\" uri=\"" + FileUri("xsd/note.xsd") + "\"/>",
         SchemaNote("http://schemas.example/note.xsd", "4"), 0},
        {"schema location, invalid value",
         "<uri name=\"http://schemas.example/note.xsd\" uri=\"" + FileUri("xsd/note.xsd") + "\"/>",
         SchemaNote("http://schemas.example/note.xsd", "four"), kInvalid},
        {"schema location by rewrite", "<rewriteURI uriStartString=\"http://schemas.example/\" rewritePrefix=\"" +
                                           FileUri("xsd/") + "\"/>",
         SchemaNote("http://schemas.example/note.xsd", "4"), 0},
        {"import by namespace",
         "<uri name=\"" + importingLocation + "\" uri=\"" + FileUri("xsd/importing.xsd") +
             "\"/>\n<uri name=\"urn:corvane-test:types\" uri=\"" + FileUri("xsd/types.xsd") + "\"/>",
         SchemaNote(importingLocation, "4"), 0},
        {"import by namespace, invalid value",
         "<uri name=\"" + importingLocation + "\" uri=\"" + FileUri("xsd/importing.xsd") +
             "\"/>\n<uri name=\"urn:corvane-test:types\" uri=\"" + FileUri("xsd/types.xsd") + "\"/>",
         SchemaNote(importingLocation, "x"), kInvalid},
        {"no entry: offline report", "", SchemaNote("http://schemas.example/note.xsd", "4"), 0x8C300025u},
        {"entry to a missing file", "<uri name=\"http://schemas.example/note.xsd\" uri=\"" + FileUri("xsd/none.xsd") + "\"/>",
         SchemaNote("http://schemas.example/note.xsd", "4"), 0x8C300011u},
        {"entry to another scheme", "<uri name=\"http://schemas.example/note.xsd\" uri=\"ftp://host/note.xsd\"/>",
         SchemaNote("http://schemas.example/note.xsd", "4"), 0x8C300016u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const XmlLoadOutcome outcome = Validate(c.entries, c.document);
        if (c.code == 0)
            EXPECT_TRUE(outcome.Valid()) << outcome;
        else if (c.code == kInvalid)
            EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
        else
            EXPECT_EQ(outcome.code, c.code) << outcome;
    }
}

// A document from the network may not name local files itself, but the
// catalog is the user's own mapping.
TEST_F(XmlCatalogTest, ACatalogMayMapAReferenceOfARemoteDocumentToALocalFile)
{
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.remote.networkAllowed = true; });
    HttpTestServer server;
    server.Serve("/ext.dtd", "<!ENTITY % local PUBLIC \"-//Corvane Test//DTD Note//EN\" \"note.dtd\">\n%local;\n");
    const XmlLoadOutcome outcome =
        Validate("<public publicId=\"-//Corvane Test//DTD Note//EN\" uri=\"" + FileUri("dtd/note.dtd") + "\"/>",
                 "<!DOCTYPE note SYSTEM \"" + server.Url("/ext.dtd") + "\">\n<note>text</note>");
    EXPECT_TRUE(outcome.Valid()) << outcome;
    EXPECT_EQ(server.Requests("/note.dtd"), 0);
}

TEST_F(XmlCatalogTest, AnEditedCatalogIsReadAgain)
{
    const std::string document = SchemaNote("http://schemas.example/note.xsd", "4");
    EXPECT_EQ(Validate("", document).code, 0x8C300025u);
    const std::string entry = "<uri name=\"http://schemas.example/note.xsd\" uri=\"" + FileUri("xsd/note.xsd") + "\"/>";
    EXPECT_TRUE(Validate(entry, document).Valid());
}

// A catalog so large that reading it reaches the bound on parser work is
// named as the cause, even when another catalog leads to it; the bound is
// shortened here (the engine takes seconds for this one, and over a minute
// for catalogs a hundred times larger).
TEST_F(XmlCatalogTest, CatalogTooLargeToReadIsNamedAsTheCause)
{
    std::string entries;
    for (int i = 0; i < 40'000; ++i)
        entries += "<uri name=\"http://schemas.example/" + std::to_string(i) + ".xsd\" uri=\"" +
                   FileUri("xsd/note.xsd") + "\"/>\n";
    const fs::path large = m_folder.Write("large.xml", Catalog(entries));
    const XmlLoadSettings saved = CurrentXmlLoadSettings();
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = std::chrono::milliseconds(200); });
    const XmlLoadOutcome outcome =
        Validate("<nextCatalog catalog=\"" + FileUri("large.xml") + "\"/>", SchemaNote("xsd/note.xsd", "1"));
    SetXmlLoadSettings(saved);
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::CatalogTooCostly)) << outcome;
    EXPECT_NE(outcome.reason.find(large.string() + " is too large"), std::string::npos) << outcome;
}

// The system's catalog, as Debian's docbook-xml package registers it.
TEST_F(XmlCatalogTest, DocBookValidatesOfflineThroughTheSystemCatalog)
{
    ASSERT_TRUE(fs::exists("/etc/xml/catalog")) << "scripts/install-deps installs docbook-xml";
    const ScopedEnvironment systemCatalogs("XML_CATALOG_FILES", "/etc/xml/catalog");
    const std::string doctype = "<!DOCTYPE article PUBLIC \"-//OASIS//DTD DocBook XML V4.5//EN\"\n"
                                "  \"http://www.oasis-open.org/docbook/xml/4.5/docbookx.dtd\">\n";
    const XmlLoadOutcome valid =
        LoadFile(m_folder.Write("article.xml", doctype + "<article><title>Offline</title><para>Caf&eacute; "
                                                         "&mdash; checked.</para></article>\n"));
    EXPECT_TRUE(valid.Valid()) << valid;
    const XmlLoadOutcome invalid =
        LoadFile(m_folder.Write("bad.xml", doctype + "<article><title>Offline</title><bogus/></article>\n"));
    EXPECT_EQ(invalid.Group(), XmlErrorGroup::Validity) << invalid;
    EXPECT_EQ(invalid.line, 3) << invalid;
}

} // namespace
