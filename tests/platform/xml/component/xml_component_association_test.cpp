// Schemas a document names with xml-model instructions: RELAX NG through
// libxml2's engine, XSD as a hint for the root, and a report (never a pass)
// for what Corvane cannot check.

#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/http_test_server.h"
#include "tests/support/scoped_environment.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kRng = "http://relaxng.org/ns/structure/1.0";

// A note: a recipient, a count (xsd:int) and a date attribute (xsd:date).
const char* const kNoteRng = R"(<element name="note" xmlns="http://relaxng.org/ns/structure/1.0"
         datatypeLibrary="http://www.w3.org/2001/XMLSchema-datatypes">
  <attribute name="on"><data type="date"/></attribute>
  <zeroOrMore><attribute><nsName ns="http://www.w3.org/2001/XMLSchema-instance"/></attribute></zeroOrMore>
  <element name="to"><text/></element>
  <element name="count"><data type="int"/></element>
</element>
)";

// The same grammar split in two: the count comes from an included file.
const char* const kMainRng = R"(<grammar xmlns="http://relaxng.org/ns/structure/1.0"
         datatypeLibrary="http://www.w3.org/2001/XMLSchema-datatypes">
  <include href="parts/count.rng"/>
  <start><element name="note"><attribute name="on"><data type="date"/></attribute>
    <element name="to"><text/></element><ref name="count"/></element></start>
</grammar>
)";
const char* const kCountRng = R"(<grammar xmlns="http://relaxng.org/ns/structure/1.0"
         datatypeLibrary="http://www.w3.org/2001/XMLSchema-datatypes">
  <define name="count"><element name="count"><data type="int"/></element></define>
</grammar>
)";

const char* const kNoteXsd = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
    targetNamespace="urn:note" xmlns="urn:note" elementFormDefault="qualified">
  <xs:element name="note"><xs:complexType><xs:sequence>
    <xs:element name="count" type="xs:int"/></xs:sequence></xs:complexType></xs:element>
</xs:schema>
)";

// Rules on the note: the count is positive (an error), the recipient is not
// "nobody" (a warning, which no verdict shows).
std::string NoteRules(const std::string& queryBinding = "")
{
    return "<schema xmlns=\"http://purl.oclc.org/dsdl/schematron\"" + queryBinding +
           ">\n  <pattern id=\"counts\">\n    <rule context=\"count\">\n"
           "      <assert test=\". &gt; 0\">A note counts at least one, not <value-of select=\".\"/>.</assert>\n"
           "    </rule>\n    <rule context=\"to\">\n"
           "      <report test=\". = 'nobody'\" role=\"warning\">A note to nobody.</report>\n"
           "    </rule>\n  </pattern>\n</schema>\n";
}

std::string Model(const std::string& pseudoAttributes)
{
    return "<?xml-model " + pseudoAttributes + "?>\n";
}

// Line 3 holds the root; line 5 the count.
std::string Note(const std::string& models, const std::string& count = "3", const std::string& on = "2024-05-01",
                 const std::string& extra = "")
{
    return "<?xml version=\"1.0\"?>\n" + models + "<note on=\"" + on + "\">\n  <to>Ann</to>\n  <count>" + count +
           "</count>\n" + extra + "</note>\n";
}

std::string RngModel(const std::string& href)
{
    return Model("href=\"" + href + "\" schematypens=\"" + kRng + "\"");
}

std::string ToNobody(std::string note)
{
    return note.replace(note.find("Ann"), 3, "nobody");
}

std::string SchModel(const std::string& href)
{
    return Model("href=\"" + href + "\" schematypens=\"http://purl.oclc.org/dsdl/schematron\"");
}

std::uint32_t Schematron(XmlErrorGroup group, std::uint32_t code)
{
    return MakeXmlErrorCode(group, XmlErrorSource::SchematronErrors, code);
}

std::uint32_t Own(std::uint32_t error)
{
    return XmlOwnErrorCode(error);
}

std::uint32_t RelaxNg(XmlErrorGroup group, std::uint32_t code)
{
    return MakeXmlErrorCode(group, XmlErrorSource::RelaxNgErrors, code);
}

struct AssociationCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files;
    std::uint32_t code = 0;  // 0: valid
    long line = 0;           // 0: not checked
    long column = 0;         // 0: not checked
    std::vector<std::string> reasonHas{};
};

void PrintTo(const AssociationCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<AssociationCase> Cases()
{
    const std::uint32_t notChecked = Own(XmlOwnError::AssociatedLanguageNotChecked);
    return {
        {"RelaxNgValid", {{"note.rng", kNoteRng}, {"doc.xml", Note(RngModel("note.rng"))}}},
        {"RelaxNgDatatypeOfElement",
         {{"note.rng", kNoteRng}, {"doc.xml", Note(RngModel("note.rng"), "many")}},
         RelaxNg(XmlErrorGroup::Validity, 3), 5, 3, {"many", "note.rng"}},
        {"RelaxNgDatatypeOfAttribute",
         {{"note.rng", kNoteRng}, {"doc.xml", Note(RngModel("note.rng"), "3", "May")}},
         RelaxNg(XmlErrorGroup::Validity, 3), 3, 1, {"May", "note.rng"}},
        {"RelaxNgElementNotAllowed",
         {{"note.rng", kNoteRng}, {"doc.xml", Note(RngModel("note.rng"), "3", "2024-05-01", "  <cc/><cc/>\n")}},
         RelaxNg(XmlErrorGroup::Validity, 38), 6, 3, {"cc"}},
        {"RelaxNgSecondOfTwoAlikeOnALine",
         {{"list.rng", "<element name=\"list\" xmlns=\"http://relaxng.org/ns/structure/1.0\" "
                       "datatypeLibrary=\"http://www.w3.org/2001/XMLSchema-datatypes\">"
                       "<zeroOrMore><element name=\"n\"><data type=\"int\"/></element></zeroOrMore></element>\n"},
          {"doc.xml", RngModel("list.rng") + "<list>\n<n>1</n> <n>2</n> <n>x</n>\n</list>\n"}},
         RelaxNg(XmlErrorGroup::Validity, 3), 3, 19, {"x"}},
        {"RelaxNgStartTagOverLinesIsPlacedAtItsStart",
         {{"note.rng", kNoteRng},
          {"doc.xml", Note(RngModel("note.rng"), "3", "2024-05-01", "  <cc\n    x=\"1\"\n  />\n")}},
         RelaxNg(XmlErrorGroup::Validity, 38), 6, 3, {"cc"}},
        {"RelaxNgFirstOfTwoErrorsOnALine",
         {{"note.rng", kNoteRng},
          {"doc.xml", Note(RngModel("note.rng"), "3", "2024-05-01", "  <b/> <cc\n    x=\"1\"\n  />\n")}},
         RelaxNg(XmlErrorGroup::Validity, 38), 6, 3, {"b"}},
        {"RelaxNgContentEndsTooEarly",
         {{"note.rng", kNoteRng},
          {"doc.xml", "<?xml version=\"1.0\"?>\n" + RngModel("note.rng") + "<note on=\"2024-05-01\">\n  <to>Ann</to>\n</note>\n"}},
         RelaxNg(XmlErrorGroup::Validity, 22), 0, 0, {"content of element note ends too early"}},
        {"RelaxNgIncludeIsFollowed",
         {{"main.rng", kMainRng}, {"parts/count.rng", kCountRng}, {"doc.xml", Note(RngModel("main.rng"), "x")}},
         RelaxNg(XmlErrorGroup::Validity, 3), 5, 3},
        {"RelaxNgMissingInclude",
         {{"main.rng", kMainRng}, {"doc.xml", Note(RngModel("main.rng"))}},
         Own(XmlOwnError::ReferencedFileNotFound), 0, 0, {"count.rng"}},
        {"RelaxNgSchemaNotAGrammar",
         {{"bad.rng", "<element xmlns=\"http://relaxng.org/ns/structure/1.0\"><empty/></element>"},
          {"doc.xml", Note(RngModel("bad.rng"))}},
         0, 1, 0, {"bad.rng"}},
        {"RelaxNgSchemaNotWellFormed",
         {{"bad.rng", "<element name=\"note\" xmlns=\"http://relaxng.org/ns/structure/1.0\">"},
          {"doc.xml", Note(RngModel("bad.rng"))}},
         0, 0, 0, {"bad.rng"}},
        {"LanguageJudgedByTheSchemaRoot",
         {{"note.rng", kNoteRng}, {"doc.xml", Note(Model("href=\"note.rng\""), "x")}},
         RelaxNg(XmlErrorGroup::Validity, 3), 5, 3},
        {"ReferencesInPseudoAttributes",
         {{"note.rng", kNoteRng},
          {"doc.xml", Note(Model("href='note&#x2E;rng' schematypens=\"http&#58;//relaxng.org/ns/structure/1.0\""), "x")}},
         RelaxNg(XmlErrorGroup::Validity, 3), 5, 3},
        {"XsdNamedByXmlModel",
         {{"note.xsd", kNoteXsd},
          {"doc.xml", "<?xml version=\"1.0\"?>\n" + Model("href=\"note.xsd\" schematypens=\"http://www.w3.org/2001/XMLSchema\"") +
                          "<note xmlns=\"urn:note\">\n  <count>x</count>\n</note>\n"}},
         MakeXmlErrorCode(XmlErrorGroup::Validity, XmlErrorSource::ExceptionErrors, 0xD2), 4, 19},
        {"XsdNamedByXmlModelValid",
         {{"note.xsd", kNoteXsd},
          {"doc.xml", "<?xml version=\"1.0\"?>\n" + Model("href=\"note.xsd\" schematypens=\"http://www.w3.org/2001/XMLSchema\"") +
                          "<note xmlns=\"urn:note\">\n  <count>4</count>\n</note>\n"}}},
        {"SchemaOnAnUnsupportedScheme", {{"doc.xml", Note(RngModel("ftp://example.org/note.rng"))}},
         Own(XmlOwnError::ReferenceNotResolvable), 2, 0, {"ftp:"}},
        {"MissingSchema", {{"doc.xml", Note(RngModel("gone.rng"))}}, Own(XmlOwnError::ReferencedFileNotFound), 2, 0,
         {"gone.rng", "line 2"}},
        {"CompactSyntax", {{"doc.xml", Note(RngModel("note.rnc"))}}, notChecked, 2, 0, {"compact syntax"}},
        {"CompactSyntaxByType",
         {{"doc.xml", Note(Model("href=\"note\" type=\"application/relax-ng-compact-syntax\""))}}, notChecked},
        {"UnknownSchemaLanguage", {{"doc.xml", Note(Model("href=\"x.sch\" schematypens=\"urn:mine\""))}}, notChecked, 2,
         0, {"urn:mine"}},
        {"NvdlScript",
         {{"doc.xml", Note(Model("href=\"x.nvdl\" schematypens=\"http://purl.oclc.org/dsdl/nvdl/ns/structure/1.0\""))}},
         notChecked, 0, 0, {"NVDL"}},
        {"SchematronRulesHold", {{"note.sch", NoteRules()}, {"doc.xml", Note(SchModel("note.sch"))}}},
        {"SchematronAssertFails",
         {{"note.sch", NoteRules()}, {"doc.xml", Note(SchModel("note.sch"), "0")}},
         Schematron(XmlErrorGroup::Validity, SchematronCode::AssertFailed), 5, 0,
         {"A note counts at least one, not 0.", "note.sch"}},
        {"SchematronWarningIsNoError",
         {{"note.sch", NoteRules()}, {"doc.xml", ToNobody(Note(SchModel("note.sch")))}}},
        {"SchematronXslt2BindingIsNotChecked",
         {{"note.sch", NoteRules(" queryBinding=\"xslt2\"")}, {"doc.xml", Note(SchModel("note.sch"))}}, notChecked,
         2, 0, {"note.sch"}},
        {"SchematronSchemaMissing", {{"doc.xml", Note(SchModel("gone.sch"))}}, Own(XmlOwnError::ReferencedFileNotFound),
         2, 0, {"gone.sch"}},
        {"SchematronNotASchema", {{"note.sch", kNoteRng}, {"doc.xml", Note(SchModel("note.sch"))}},
         Schematron(XmlErrorGroup::ReferencedDocument, SchematronCode::NotSchematron), 2, 0, {"note.sch"}},
        {"MalformedInstruction", {{"doc.xml", Note(Model("href=\"note.rng"))}}, Own(XmlOwnError::AssociationMalformed), 2,
         0, {"closing quote"}},
        {"InstructionWithoutHref", {{"doc.xml", Note(Model("schematypens=\"urn:x\""))}},
         Own(XmlOwnError::AssociationMalformed)},
        {"InstructionInsideTheDocumentIsNoAssociation",
         {{"doc.xml", Note("", "3", "2024-05-01", "  " + RngModel("gone.rng"))}}},
        {"OtherInstructionsAreIgnored", {{"doc.xml", Note("<?xml-stylesheet href=\"gone.rng\"?>\n")}}},
    };
}

class AssociationTest : public ::testing::TestWithParam<AssociationCase> {};

TEST_P(AssociationTest, VerdictAndFirstError)
{
    const AssociationCase& c = GetParam();
    TempDir dir;
    for (const auto& [name, content] : c.files)
        dir.Write(name, content);
    const XmlLoadOutcome outcome = LoadFile(dir.Path() / "doc.xml");
    if (c.code == 0 && c.line == 0 && c.reasonHas.empty()) {
        EXPECT_EQ(outcome.status, S_OK) << outcome;
        return;
    }
    EXPECT_EQ(outcome.status, S_FALSE) << outcome;
    if (c.code != 0) {
        EXPECT_EQ(outcome.code, c.code) << outcome;
    } else { // a schema that does not compile: group 3, the engine's own table
        EXPECT_EQ(outcome.Group(), XmlErrorGroup::ReferencedDocument) << outcome;
        EXPECT_EQ(XmlErrorSourceOf(outcome.code), XmlErrorSource::RelaxNgErrors) << outcome;
    }
    if (c.line != 0) {
        EXPECT_EQ(outcome.line, c.line) << outcome;
    }
    if (c.column != 0) {
        EXPECT_EQ(outcome.position, c.column) << outcome;
    }
    for (const std::string& part : c.reasonHas)
        EXPECT_NE(outcome.reason.find(part), std::string::npos) << "lacks \"" << part << "\": " << outcome;
}

INSTANTIATE_TEST_SUITE_P(Associations, AssociationTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// Both ways of naming a schema are checked: each one's error is reported
// while the other passes, and the hint's first when both fail.
TEST(XmlModelAssociation, SchemaHintAndXmlModelEachFail)
{
    const char* const schema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note"><xs:complexType><xs:sequence>
    <xs:element name="to" type="xs:string"/><xs:element name="count" type="xs:string"/>
  </xs:sequence><xs:anyAttribute processContents="skip"/></xs:complexType></xs:element></xs:schema>)";
    const auto document = [](const std::string& to, const std::string& count) {
        return "<?xml version=\"1.0\"?>\n" + RngModel("note.rng") +
               "<note on=\"2024-05-01\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
               "xsi:noNamespaceSchemaLocation=\"note.xsd\">\n  " + to + "\n  <count>" + count + "</count>\n</note>\n";
    };
    struct Case {
        std::string to, count;
        XmlErrorSource source; // whose error is first
        long line;
    };
    const Case cases[] = {
        {"<to>Ann</to>", "many", XmlErrorSource::RelaxNgErrors, 5},       // the grammar's int
        {"<too>Ann</too>", "3", XmlErrorSource::ValidityErrors, 4},       // the schema's sequence
        {"<too>Ann</too>", "many", XmlErrorSource::ValidityErrors, 4},    // the hint's first
    };
    TempDir dir;
    dir.Write("note.rng", kNoteRng);
    dir.Write("note.xsd", schema);
    for (const Case& c : cases) {
        const auto file = dir.Write("doc.xml", document(c.to, c.count));
        // The second load runs on the schemas kept from the first.
        for (const XmlLoadOutcome& outcome : {LoadFile(file), LoadFile(file)}) {
            EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
            EXPECT_EQ(XmlErrorSourceOf(outcome.code), c.source) << outcome;
            EXPECT_EQ(outcome.line, c.line) << outcome;
        }
    }
    EXPECT_TRUE(LoadFile(dir.Write("doc.xml", document("<to>Ann</to>", "3"))).Valid());
    // Checked for well-formedness only, nothing is validated.
    EXPECT_TRUE(LoadFile(dir.Write("doc.xml", document("<to>Ann</to>", "many")), false).Valid());
}

// A kept grammar serves the next load only while its files are unchanged,
// the included ones too.
TEST(XmlModelAssociation, ChangedGrammarIsReadAgain)
{
    TempDir dir;
    dir.Write("main.rng", kMainRng);
    const auto included = dir.Write("parts/count.rng", kCountRng);
    const auto document = dir.Write("doc.xml", Note(RngModel("main.rng"), "many"));
    EXPECT_EQ(LoadFile(document).code, RelaxNg(XmlErrorGroup::Validity, 3));
    std::string text = kCountRng;
    text.replace(text.find("type=\"int\""), 10, "type=\"string\"");
    dir.Write("parts/count.rng", text + "\n"); // one byte longer whatever the clock says
    EXPECT_TRUE(LoadFile(document).Valid()) << LoadFile(document);
    dir.Write("parts/count.rng", kCountRng);
    EXPECT_EQ(LoadFile(document).code, RelaxNg(XmlErrorGroup::Validity, 3));
    std::filesystem::remove(included);
    EXPECT_EQ(LoadFile(document).code, Own(XmlOwnError::ReferencedFileNotFound));
}

// Two definitions of the same element, each allowing either inside it: the
// engine tries both at every level, so its time doubles with each level of
// nesting while its memory stays flat. Twenty-six levels take seconds; the
// stall bound is lowered to keep the test short.
TEST(XmlModelAssociation, ExponentialGrammarEndsInTheStallReport)
{
    const XmlLoadSettings saved = CurrentXmlLoadSettings();
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = std::chrono::milliseconds(500); });
    TempDir dir;
    dir.Write("twice.rng", R"(<grammar xmlns="http://relaxng.org/ns/structure/1.0">
  <start><ref name="x"/></start>
  <define name="x"><element name="a"><optional><attribute name="p"/></optional>
    <choice><ref name="x"/><ref name="y"/><element name="z"><empty/></element></choice></element></define>
  <define name="y"><element name="a"><optional><attribute name="q"/></optional>
    <choice><ref name="x"/><ref name="y"/><element name="w"><empty/></element></choice></element></define>
</grammar>)");
    const auto nested = [](int depth) {
        std::string text = RngModel("twice.rng");
        for (int level = 0; level < depth; ++level)
            text += "<a>\n";
        text += "<w/>";
        for (int level = 0; level < depth; ++level)
            text += "</a>";
        return text;
    };
    const XmlLoadOutcome outcome = LoadFile(dir.Write("deep.xml", nested(26)));
    SetXmlLoadSettings(saved);
    EXPECT_EQ(outcome.code, XmlOwnErrorCode(XmlOwnError::ParserStalled)) << outcome;
    EXPECT_GE(outcome.line, 2) << outcome;
    // The worker that had to be ended is replaced, and the grammar still serves.
    EXPECT_TRUE(LoadFile(dir.Write("shallow.xml", nested(4))).Valid());
}

// DocBook 5 through the system's catalog (Debian's docbook5-xml maps the
// grammar's URL to its copy), without the network.
TEST(XmlModelAssociation, DocBookFiveThroughTheCatalogOffline)
{
    ASSERT_TRUE(std::filesystem::exists("/usr/share/xml/docbook/schema/rng/5.0/docbook.rng"))
        << "scripts/install-deps installs docbook5-xml";
    const ScopedEnvironment systemCatalogs("XML_CATALOG_FILES", "/etc/xml/catalog");
    ScopedRemoteFetchLimits offline([](RemoteFetchLimits& limits) { limits.networkAllowed = false; });
    const auto article = [](const std::string& body) {
        return "<?xml version=\"1.0\"?>\n"
               "<?xml-model href=\"http://docbook.org/xml/5.0/rng/docbook.rng\" "
               "schematypens=\"http://relaxng.org/ns/structure/1.0\"?>\n"
               "<article xmlns=\"http://docbook.org/ns/docbook\" version=\"5.0\">\n"
               "  <title>Notes</title>\n  <para>One</para>\n" + body + "</article>\n";
    };
    TempDir dir;
    EXPECT_TRUE(LoadFile(dir.Write("ok.xml", article("  <para>Two</para>\n"))).Valid());
    const XmlLoadOutcome bogus = LoadFile(dir.Write("bogus.xml", article("  <para>Two</para>\n  <bogus/>\n")));
    EXPECT_EQ(bogus.Group(), XmlErrorGroup::Validity) << bogus;
    EXPECT_EQ(XmlErrorSourceOf(bogus.code), XmlErrorSource::RelaxNgErrors) << bogus;
    EXPECT_EQ(bogus.line, 7) << bogus;
    EXPECT_EQ(bogus.position, 3) << bogus;
    EXPECT_NE(bogus.reason.find("bogus"), std::string::npos) << bogus;
    // With DocBook's rules named too (as its documents do), both are checked:
    // a termdef without a firstterm breaks only the rules.
    const std::string rules = "<?xml-model href=\"http://docbook.org/xml/5.0/sch/docbook.sch\" "
                              "type=\"application/xml\" schematypens=\"http://purl.oclc.org/dsdl/schematron\"?>\n";
    const auto withRules = [&](const std::string& body) {
        std::string both = article(body);
        both.insert(both.find("<article"), rules);
        return both;
    };
    EXPECT_TRUE(LoadFile(dir.Write("both.xml", withRules("  <para>Two</para>\n"))).Valid());
    const XmlLoadOutcome termdef =
        LoadFile(dir.Write("both.xml", withRules("  <para><termdef>A term</termdef></para>\n")));
    EXPECT_EQ(termdef.code, Schematron(XmlErrorGroup::Validity, SchematronCode::AssertFailed)) << termdef;
    EXPECT_EQ(termdef.line, 7) << termdef;
    EXPECT_NE(termdef.reason.find("firstterm"), std::string::npos) << termdef;
    EXPECT_EQ(XmlErrorSourceOf(LoadFile(dir.Write("both.xml", withRules("  <bogus/>\n"))).code),
              XmlErrorSource::RelaxNgErrors);
}

// A catalog's uri and rewriteURI entries lead a grammar's web address, and
// its includes', to local copies: no network needed.
TEST(XmlModelAssociation, CatalogUriEntriesMapTheGrammar)
{
    TempDir dir;
    dir.Write("copies/main.rng", kMainRng);
    dir.Write("copies/parts/count.rng", kCountRng);
    dir.Write("copies/note.rng", kNoteRng);
    const std::string copies = "file://" + (dir.Path() / "copies").string() + "/";
    const auto catalog = dir.Write(
        "catalog.xml", "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                       "  <uri name=\"http://grammars.example/note\" uri=\"" + copies + "note.rng\"/>\n"
                       "  <rewriteURI uriStartString=\"http://grammars.example/v1/\" rewritePrefix=\"" + copies + "\"/>\n"
                       "</catalog>\n");
    const ScopedEnvironment catalogs("XML_CATALOG_FILES", catalog.string());
    ScopedRemoteFetchLimits offline([](RemoteFetchLimits& limits) { limits.networkAllowed = false; });
    for (const char* url : {"http://grammars.example/note", "http://grammars.example/v1/main.rng"}) {
        EXPECT_TRUE(LoadFile(dir.Write("doc.xml", Note(RngModel(url)))).Valid()) << url;
        const XmlLoadOutcome invalid = LoadFile(dir.Write("doc.xml", Note(RngModel(url), "x")));
        EXPECT_EQ(invalid.code, RelaxNg(XmlErrorGroup::Validity, 3)) << url << ": " << invalid;
    }
}

// A grammar on the network: its includes come from there too, a copy is
// kept for --offline, and it may not name a local file.
TEST(XmlModelAssociation, RemoteGrammarThroughTheCacheAndOffline)
{
    ScopedRemoteFetchLimits quick(UseQuickRemoteFetchLimits);
    HttpTestServer server;
    TempDir dir;
    server.Serve("/main.rng", kMainRng);
    server.Serve("/parts/count.rng", kCountRng);
    const auto document = dir.Write("doc.xml", Note(RngModel(server.Url("/main.rng")), "many"));
    EXPECT_EQ(LoadFile(document).code, RelaxNg(XmlErrorGroup::Validity, 3));
    EXPECT_EQ(server.Requests("/parts/count.rng"), 1);
    {
        ScopedRemoteFetchLimits offline([](RemoteFetchLimits& limits) { limits.networkAllowed = false; });
        EXPECT_EQ(LoadFile(document).code, RelaxNg(XmlErrorGroup::Validity, 3));
        const XmlLoadOutcome unknown = LoadFile(dir.Write("other.xml", Note(RngModel(server.Url("/other.rng")))));
        EXPECT_EQ(unknown.code, Own(XmlOwnError::RemoteNotFetchedOffline)) << unknown;
    }
    const auto local = dir.Write("count.rng", kCountRng);
    std::string refersToLocal = kMainRng;
    refersToLocal.replace(refersToLocal.find("parts/count.rng"), 15, "file://" + local.string());
    server.Serve("/local.rng", refersToLocal);
    const XmlLoadOutcome refused = LoadFile(dir.Write("doc.xml", Note(RngModel(server.Url("/local.rng")))));
    EXPECT_EQ(refused.code, Own(XmlOwnError::ReferenceRefused)) << refused;
    EXPECT_NE(refused.reason.find(server.Url("/local.rng")), std::string::npos) << refused;
}


// Rules on the network: read once, then from the cache with the network off;
// they may not read local files with document().
TEST(XmlModelAssociation, RemoteRulesThroughTheCacheAndOffline)
{
    ScopedRemoteFetchLimits quick(UseQuickRemoteFetchLimits);
    HttpTestServer server;
    TempDir dir;
    server.Serve("/note.sch", NoteRules());
    const auto document = dir.Write("doc.xml", Note(SchModel(server.Url("/note.sch")), "0"));
    const std::uint32_t failed = Schematron(XmlErrorGroup::Validity, SchematronCode::AssertFailed);
    EXPECT_EQ(LoadFile(document).code, failed);
    {
        ScopedRemoteFetchLimits offline([](RemoteFetchLimits& limits) { limits.networkAllowed = false; });
        EXPECT_EQ(LoadFile(document).code, failed);
    }
    EXPECT_EQ(server.Requests("/note.sch"), 1);
    const auto secret = dir.Write("secret.xml", "<secret>1</secret>");
    server.Serve("/peek.sch", "<schema xmlns=\"http://purl.oclc.org/dsdl/schematron\"><pattern><rule context=\"note\">"
                              "<assert test=\"document('" + secret.string() + "')\">x</assert></rule></pattern></schema>");
    const XmlLoadOutcome peek = LoadFile(dir.Write("peek.xml", Note(SchModel(server.Url("/peek.sch")))));
    EXPECT_EQ(peek.code, Schematron(XmlErrorGroup::ReferencedDocument, SchematronCode::EvaluationFailed)) << peek;
}

} // namespace
