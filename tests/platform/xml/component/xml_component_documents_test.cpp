// Crafted documents through the parser component: verdicts, error groups,
// positions, and reasons that name the right location.

#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/scoped_environment.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kNoteSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="to" type="xs:string"/>
        <xs:element name="count" type="xs:int"/>
      </xs:sequence>
    </xs:complexType>
  </xs:element>
</xs:schema>
)";

std::string Note(const std::string& hint, const std::string& count = "3",
                 const std::string& extra = "")
{
    return "<?xml version=\"1.0\"?>\n"
           "<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"" +
           hint + "\">\n  <to>Ann</to>\n  <count>" + count + "</count>\n" + extra + "</note>\n";
}

const char* const kMemoDtd = R"(<!ELEMENT memo (from, body?)>
<!ELEMENT from (#PCDATA)>
<!ELEMENT body (#PCDATA)>
<!ATTLIST memo id ID #IMPLIED>
)";

// A DTD that also declares the schema hint's attributes, as a document
// validated against both must.
const char* const kBothDtd = R"(<!ELEMENT note (to, count)>
<!ATTLIST note req CDATA #REQUIRED
               xmlns:xsi CDATA #IMPLIED
               xsi:noNamespaceSchemaLocation CDATA #IMPLIED>
<!ELEMENT to (#PCDATA)>
<!ELEMENT count (#PCDATA)>
)";

// The schema of a document validated against both: it allows what the DTD
// requires, and the DTD allows any text where the schema wants a number.
const char* const kBothSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="to" type="xs:string"/>
        <xs:element name="count" type="xs:int"/>
      </xs:sequence>
      <xs:attribute name="req" type="xs:string"/>
    </xs:complexType>
  </xs:element>
</xs:schema>
)";

std::string BothDocument(const std::string& attributes, const std::string& count)
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE note SYSTEM \"both.dtd\">\n"
           "<note " + attributes + " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"both.xsd\">\n  <to>Ann</to>\n  <count>" + count +
           "</count>\n</note>\n";
}

const char* const kMainSchemaWithInclude = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:include schemaLocation="parts/types.xsd"/>
  <xs:element name="order" type="OrderType"/>
</xs:schema>
)";

const char* const kIncludedTypes = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:complexType name="OrderType">
    <xs:sequence><xs:element name="qty" type="xs:positiveInteger"/></xs:sequence>
  </xs:complexType>
</xs:schema>
)";

const char* const kBrokenIncludedTypes = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:complexType name="OrderType">
    <xs:sequence><xs:element name="qty" type="NoSuchType"/></xs:sequence>
  </xs:complexType>
</xs:schema>
)";

std::string Order(const std::string& qty)
{
    return "<?xml version=\"1.0\"?>\n<order xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"main.xsd\">\n  <qty>" + qty + "</qty>\n</order>\n";
}

const char* const kSchemaA = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:b="urn:b"
           targetNamespace="urn:a" elementFormDefault="qualified">
  <xs:import namespace="urn:b" schemaLocation="b.xsd"/>
  <xs:element name="site">
    <xs:complexType><xs:sequence><xs:element ref="b:point" maxOccurs="unbounded"/></xs:sequence></xs:complexType>
  </xs:element>
</xs:schema>
)";

const char* const kSchemaB = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:b">
  <xs:element name="point">
    <xs:complexType><xs:attribute name="z" type="xs:decimal" use="required"/></xs:complexType>
  </xs:element>
</xs:schema>
)";

std::string Site(const std::string& hints, const std::string& z)
{
    return "<?xml version=\"1.0\"?>\n<site xmlns=\"urn:a\" xmlns:b=\"urn:b\"\n"
           "      xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
           "      xsi:schemaLocation=\"" + hints + "\">\n  <b:point z=\"1.5\"/>\n  <b:point z=\"" + z +
           "\"/>\n</site>\n";
}

const char* const kKeySchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="points">
    <xs:complexType><xs:sequence>
      <xs:element name="p" maxOccurs="unbounded">
        <xs:complexType><xs:attribute name="id" type="xs:string"/></xs:complexType>
      </xs:element>
    </xs:sequence></xs:complexType>
    <xs:key name="pointId"><xs:selector xpath="p"/><xs:field xpath="@id"/></xs:key>
  </xs:element>
</xs:schema>
)";

std::string Utf16LE(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

struct Expectation {
    bool valid = false;
    XmlErrorGroup group = XmlErrorGroup::WellFormedness;
    std::uint32_t exactCode = 0;     // checked when not 0
    std::string markerFile;          // the file whose text holds the marker
    std::string after;               // the error lies just after this text
    std::vector<std::string> reasonHas; // "{dir}" stands for the folder's drive form
};

Expectation Valid()
{
    Expectation e;
    e.valid = true;
    return e;
}

Expectation Fails(XmlErrorGroup group, std::string markerFile, std::string after,
                  std::vector<std::string> reasonHas = {}, std::uint32_t exactCode = 0)
{
    Expectation e;
    e.group = group;
    e.markerFile = std::move(markerFile);
    e.after = std::move(after);
    e.reasonHas = std::move(reasonHas);
    e.exactCode = exactCode;
    return e;
}

struct DocumentCase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string load;
    Expectation expect;
    bool validate = true;
};

void PrintTo(const DocumentCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<DocumentCase> DocumentCases()
{
    const std::string invalidUtf8Lines = [] {
        std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\n";
        for (int i = 0; i < 5000; ++i)
            text += "  <a>line " + std::to_string(i) + " \xC3\xA9t\xC3\xA9</a>\n";
        text += "  <a>\xE2\x82\xAC bad \xFF byte</a>\n</r>\n";
        return text;
    }();
    const std::string bothDtdError = BothDocument("", "3");
    const std::string nestedInvalid =
        "<log xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n  <entry/>\n"
        "  <note xsi:noNamespaceSchemaLocation=\"note.xsd\"><to>Ann</to><count>x</count></note>\n</log>\n";
    const std::string binary = std::string("\x7F" "ELF\x02\x01\x01\x00\x00\x00\x00\x00", 12) +
                               std::string("\x03\x00\x3E\x00\x01\x00\x00\x00\x90\xC3\x01", 11);

    const std::string fragmentSchema =
        "<!DOCTYPE xs:schema [<!ENTITY f SYSTEM \"f.frag\">]>\n"
        "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
        "  <xs:element name=\"r\" type=\"t\"/>\n"
        "  <xs:simpleType name=\"t\"><xs:restriction base=\"xs:string\">&f;</xs:restriction></xs:simpleType>\n"
        "</xs:schema>\n";
    const std::string fragment = "<xs:pattern xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" value=\"q\"/>";
    const auto hinted = [](const std::string& hint) {
        return "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"" +
               hint + "\">zz</r>\n";
    };
    const auto schemaLocation = [](const std::string& value) {
        return "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"" + value +
               "\">zz</r>\n";
    };
    const std::string plainSchema = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                                    "<xs:element name=\"r\" type=\"xs:string\"/></xs:schema>";

    return {
        {"ValidAgainstSchema", {{"note.xsd", kNoteSchema}, {"doc.xml", Note("note.xsd")}}, "doc.xml", Valid()},
        // A lone location, as some published documents carry, names no schema.
        {"SchemaLocationWithoutPairs",
         {{"doc.xml", schemaLocation("http://example.org/wadl.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "wadl.xsd\">", {"xsi:schemaLocation", "pairs"},
               XmlOwnErrorCode(XmlOwnError::SchemaHintNotInPairs))},
        {"SchemaLocationWithAPairAndALoneValue",
         {{"doc.xml", schemaLocation("urn:a a.xsd urn:b")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "urn:b\">", {"xsi:schemaLocation"},
               XmlOwnErrorCode(XmlOwnError::SchemaHintNotInPairs))},
        {"SchemaLocationWithoutPairsUnvalidated",
         {{"doc.xml", schemaLocation("http://example.org/wadl.xsd")}}, "doc.xml", Valid(), false},
        {"EntityOfSchemaIsRead",
         {{"s.xsd", fragmentSchema}, {"f.frag", fragment}, {"doc.xml", hinted("s.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "zz</r>", {"'zz'"})},
        {"EntityOfSchemaMissing",
         {{"s.xsd", fragmentSchema}, {"doc.xml", hinted("s.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "s.xsd", "&f;", {"{dir}\\f.frag", "{dir}\\s.xsd"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedFileNotFound))},
        {"NulInLocation",
         {{"s.xsd", plainSchema}, {"doc.xml", hinted("s.xsd%00.txt")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"s.xsd%00.txt", "%00"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferenceNotResolvable))},
        {"UndecodableByteInLocationIsEscaped",
         {{"doc.xml", hinted("s%FF%01.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"{dir}\\s\\xFF\\x01.xsd"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedFileNotFound))},
        {"DatatypeViolation",
         {{"note.xsd", kNoteSchema}, {"doc.xml", Note("note.xsd", "three")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<count>three</count>", {"'three'"})},
        {"ContentModelViolation",
         {{"note.xsd", kNoteSchema}, {"doc.xml", Note("note.xsd", "3", "  <cc>Bo</cc>\n")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<cc>", {"cc"})},
        {"NotWellFormed",
         {{"doc.xml", "<?xml version=\"1.0\"?>\n<note>\n  <to>Ann</too>\n</note>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "doc.xml", "  <to>Ann</to", {"to"})},
        {"NotWellFormedWithoutValidation",
         {{"doc.xml", "<note><to>Ann</to>\n<to>&undefined;</to></note>"}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "doc.xml", "&undefined;", {"undefined"}),
         false},
        {"SchemaIgnoredWithoutValidation",
         {{"note.xsd", kNoteSchema}, {"doc.xml", Note("note.xsd", "three")}},
         "doc.xml",
         Valid(),
         false},
        {"DtdValid",
         {{"memo.dtd", kMemoDtd},
          {"doc.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE memo SYSTEM \"memo.dtd\">\n<memo><from>Bo</from></memo>\n"}},
         "doc.xml",
         Valid()},
        {"DtdInvalid",
         {{"memo.dtd", kMemoDtd},
          {"doc.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE memo SYSTEM \"memo.dtd\">\n<memo><body>x</body></memo>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "</memo>", {"'body'"})},
        {"InternalSubsetInvalid",
         {{"doc.xml", "<!DOCTYPE r [<!ELEMENT r (a)><!ELEMENT a EMPTY>]>\n<r><b/></r>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<b/>", {"'b'"})},
        // A DOCTYPE with a subset names a DTD: undeclared elements are invalid.
        {"DoctypeDeclaringOnlyEntities",
         {{"doc.xml", "<!DOCTYPE doc [<!ENTITY who \"Ann\">]>\n<doc><to>&who;</to></doc>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<doc>", {"'doc'"})},
        // A bare DOCTYPE names none.
        {"BareDoctype",
         {{"doc.xml", "<!DOCTYPE html>\n<html><body/></html>\n"}},
         "doc.xml",
         Valid()},
        {"DtdAndSchemaBothValid",
         {{"both.dtd", kBothDtd}, {"both.xsd", kBothSchema}, {"doc.xml", BothDocument("req=\"1\"", "3")}},
         "doc.xml",
         Valid()},
        {"DtdAndSchemaDtdViolated",
         {{"both.dtd", kBothDtd}, {"both.xsd", kBothSchema}, {"doc.xml", bothDtdError}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "both.xsd\">", {"req"})},
        {"DtdAndSchemaSchemaViolated",
         {{"both.dtd", kBothDtd}, {"both.xsd", kBothSchema}, {"doc.xml", BothDocument("req=\"1\"", "x")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<count>x</count>", {"'x'"})},
        {"MissingSchema",
         {{"doc.xml", Note("nothere.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "nothere.xsd\">",
               {"schema", "{dir}\\nothere.xsd", "does not exist"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedFileNotFound))},
        {"MissingDtd",
         {{"doc.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE memo SYSTEM \"gone.dtd\">\n<memo/>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"DTD", "{dir}\\gone.dtd"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedFileNotFound))},
        {"SchemaIsAFolder",
         {{"sub.xsd/readme.txt", "x"}, {"doc.xml", Note("sub.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "sub.xsd\">", {"{dir}\\sub.xsd"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedIsADirectory))},
        {"BrokenSchema",
         {{"note.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                       "  <xs:element name=\"note\" type=\"Undefined\"/>\n</xs:schema>\n"},
          {"doc.xml", Note("note.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "note.xsd", "type=\"Undefined\"/>",
               {"Undefined", "schema {dir}\\note.xsd"})},
        {"NotASchema",
         {{"note.xsd", "<?xml version=\"1.0\"?>\n<notes><note/></notes>\n"}, {"doc.xml", Note("note.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "note.xsd", "<notes>", {"schema {dir}\\note.xsd"})},
        {"SchemaNotWellFormed",
         {{"note.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n<xs:element name=\"note\"\n"},
          {"doc.xml", Note("note.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"{dir}\\note.xsd"})},
        {"SchemaForAnotherNamespace",
         {{"note.xsd", kNoteSchema},
          {"doc.xml", "<note xmlns=\"urn:n\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:schemaLocation=\"urn:n note.xsd\"/>"}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "note.xsd\"/>", {"note.xsd"})},
        {"SchemaInFolderWithBlanksAndAccents",
         {{"my schémas/note.xsd", kNoteSchema}, {"doc.xml", Note("my%20sch%C3%A9mas/note.xsd")}},
         "doc.xml",
         Valid()},
        {"SchemaNamedLiterallyWithBlanks",
         {{"my schémas/note.xsd", kNoteSchema}, {"doc.xml", Note("my schémas/note.xsd")}},
         "doc.xml",
         Valid()},
        {"DocumentInFolderWithBlanksAndAccents",
         {{"dossier à part/note.xsd", kNoteSchema},
          {"dossier à part/doc.xml", Note("note.xsd", "x")}},
         "dossier à part/doc.xml",
         Fails(XmlErrorGroup::Validity, "dossier à part/doc.xml", "<count>x</count>")},
        {"MissingSchemaInFolderWithAccentsIsNamed",
         {{"dossier à part/doc.xml", Note("../autre dossier/absent.xsd")}},
         "dossier à part/doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"{dir}\\autre dossier\\absent.xsd"})},
        {"IncludeAndType",
         {{"main.xsd", kMainSchemaWithInclude}, {"parts/types.xsd", kIncludedTypes}, {"doc.xml", Order("2")}},
         "doc.xml",
         Valid()},
        {"IncludedTypeViolated",
         {{"main.xsd", kMainSchemaWithInclude}, {"parts/types.xsd", kIncludedTypes}, {"doc.xml", Order("0")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<qty>0</qty>")},
        {"MissingInclude",
         {{"main.xsd", kMainSchemaWithInclude}, {"doc.xml", Order("2")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "main.xsd", "<xs:include schemaLocation=\"parts/types.xsd\"/>",
               {"{dir}\\parts\\types.xsd", "referenced from {dir}\\main.xsd"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferencedFileNotFound))},
        {"ErrorInsideIncludedSchema",
         {{"main.xsd", kMainSchemaWithInclude}, {"parts/types.xsd", kBrokenIncludedTypes}, {"doc.xml", Order("2")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "parts/types.xsd", "type=\"NoSuchType\"/>",
               {"NoSuchType", "{dir}\\parts\\types.xsd"})},
        {"ImportAndTwoNamespaces",
         {{"a.xsd", kSchemaA}, {"b.xsd", kSchemaB}, {"doc.xml", Site("urn:a a.xsd", "2")}},
         "doc.xml",
         Valid()},
        {"ImportedNamespaceViolated",
         {{"a.xsd", kSchemaA}, {"b.xsd", kSchemaB}, {"doc.xml", Site("urn:a a.xsd urn:b b.xsd", "high")}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "z=\"high\"/>")},
        {"HintOnNestedElement",
         {{"note.xsd", kNoteSchema},
          {"doc.xml", "<log xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n  <entry/>\n"
                      "  <note xsi:noNamespaceSchemaLocation=\"note.xsd\"><to>Ann</to><count>1</count></note>\n</log>\n"}},
         "doc.xml",
         Valid()},
        {"HintOnNestedElementViolated",
         {{"note.xsd", kNoteSchema}, {"doc.xml", nestedInvalid}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<count>x</count>")},
        {"NoReferenceAtAll",
         {{"doc.xml", "<?xml version=\"1.0\"?>\n<anything a=\"1\"><x:y xmlns:x=\"urn:x\"/></anything>\n"}},
         "doc.xml",
         Valid()},
        {"IdentityConstraintChecked",
         {{"points.xsd", kKeySchema},
          {"doc.xml", "<points xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:noNamespaceSchemaLocation=\"points.xsd\">\n<p id=\"1\"/>\n<p id=\"1\"/>\n</points>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::Validity, "doc.xml", "<p id=\"1\"/>\n<p id=\"1\"/>", {"points"})},
        {"EmptyFile", {{"doc.xml", ""}}, "doc.xml", Fails(XmlErrorGroup::WellFormedness, "", "")},
        {"BinaryFile",
         {{"doc.xml", binary}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "", "")},
        {"Utf16Valid",
         {{"note.xsd", kNoteSchema},
          {"doc.xml", Utf16LE(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<note "
                              u"xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                              u"xsi:noNamespaceSchemaLocation=\"note.xsd\"><to>J\u00e9r\u00f4me \U0001F600</to>"
                              u"<count>2</count></note>\n")}},
         "doc.xml",
         Valid()},
        {"Utf16ErrorPositionCountsCharacters",
         {{"doc.xml", Utf16LE(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<r>\U0001F600\U0001F600<a></b></r>\n")}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "utf8-view", "<r>\xF0\x9F\x98\x80\xF0\x9F\x98\x80<a></")},
        {"NonBmpErrorPositionCountsCharacters",
         {{"doc.xml", "<r>\xF0\x9F\x98\x80\xF0\x9F\x98\x80<a></b></r>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "doc.xml", "<a></")},
        {"InvalidUtf8ReportedWhereItIs",
         {{"doc.xml", invalidUtf8Lines}},
         "doc.xml",
         Fails(XmlErrorGroup::WellFormedness, "doc.xml", "<a>\xE2\x82\xAC bad ")},
        {"LocalExternalEntity",
         {{"chapter.xml", "<p>text</p>"},
          {"doc.xml", "<!DOCTYPE book [<!ELEMENT book (p)><!ELEMENT p (#PCDATA)>\n"
                      "<!ENTITY chapter SYSTEM \"chapter.xml\">]>\n<book>&chapter;</book>\n"}},
         "doc.xml",
         Valid()},
        {"MissingExternalEntity",
         {{"doc.xml", "<!DOCTYPE book [<!ELEMENT book ANY>\n"
                      "<!ENTITY chapter SYSTEM \"gone.xml\">]>\n<book>&chapter;</book>\n"}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "<book>&chapter;", {"external entity", "{dir}\\gone.xml"})},
        {"UnsupportedLocationScheme",
         {{"doc.xml", Note("ftp://example.org/note.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "doc.xml", "note.xsd\">", {"ftp:"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferenceNotResolvable))},
        {"SchemaOnAnotherDrive",
         {{"doc.xml", Note("C:\\schemas\\note.xsd")}},
         "doc.xml",
         Fails(XmlErrorGroup::ReferencedDocument, "", "", {"drive C:"},
               MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::Own,
                                XmlOwnError::ReferenceNotResolvable))},
    };
}

class DocumentTest : public ::testing::TestWithParam<DocumentCase> {};

std::string Expand(std::string text, const std::string& folder)
{
    for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}", at + folder.size()))
        text.replace(at, 5, folder);
    return text;
}

TEST_P(DocumentTest, VerdictAndFirstError)
{
    const DocumentCase& c = GetParam();
    TempDir dir;
    std::string markerText;
    for (const auto& [name, content] : c.files) {
        dir.Write(name, content);
        if (name == c.expect.markerFile)
            markerText = content;
    }
    const XmlLoadOutcome outcome = LoadFile(dir.Path() / c.load, c.validate);
    if (c.expect.valid) {
        EXPECT_EQ(outcome.status, S_OK) << outcome;
        EXPECT_EQ(outcome.code, 0u);
        EXPECT_EQ(outcome.reason, "");
        return;
    }
    EXPECT_EQ(outcome.status, S_FALSE) << outcome;
    EXPECT_EQ(outcome.code >> 24, 0x8Cu) << outcome;
    EXPECT_EQ(outcome.Group(), c.expect.group) << outcome;
    if (c.expect.exactCode != 0) {
        EXPECT_EQ(outcome.code, c.expect.exactCode) << outcome;
    }
    EXPECT_FALSE(outcome.reason.empty());
    if (c.expect.markerFile == "utf8-view")
        markerText = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<r>\xF0\x9F\x98\x80\xF0\x9F\x98\x80<a></b></r>\n";
    if (!c.expect.after.empty()) {
        const auto [line, column] = After(markerText, c.expect.after);
        EXPECT_EQ(outcome.line, line) << outcome;
        EXPECT_EQ(outcome.position, column) << outcome;
    } else {
        EXPECT_GE(outcome.line, 1) << outcome;
        EXPECT_GE(outcome.position, 1) << outcome;
    }
    for (const std::string& part : c.expect.reasonHas)
        EXPECT_NE(outcome.reason.find(Expand(part, DriveForm(dir.Path()))), std::string::npos)
            << "reason lacks \"" << Expand(part, DriveForm(dir.Path())) << "\": " << outcome;
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentTest, ::testing::ValuesIn(DocumentCases()),
                         [](const auto& info) { return info.param.name; });

// Bytes the parser decodes badly or not at all: each is reported on the
// offending character.
TEST(XmlComponent, UndecodableTextIsPlacedOnItsCharacter)
{
    const auto units = [](const std::u16string& text) { return Utf16LE(text).substr(2); };
    const std::string leading("\x00\xD8", 2);
    const std::string trailing("\x00\xDC", 2);
    struct Case {
        const char* name;
        std::string bytes;
        std::uint32_t code;
        long line;
        long column;
    };
    const auto except = [](std::uint32_t code) {
        return MakeXmlErrorCode(XmlErrorGroup::WellFormedness, XmlErrorSource::ExceptionErrors, code);
    };
    const auto syntax = [](std::uint32_t code) {
        return MakeXmlErrorCode(XmlErrorGroup::WellFormedness, XmlErrorSource::ParserErrors, code);
    };
    const Case cases[] = {
        {"odd byte after UTF-16", Utf16LE(u"<r>\n</r>") + "A", except(78), 2, 5},
        {"UTF-8 cut short", "<r/>\n\xE2\x82", except(89), 2, 1},
        {"lone leading surrogate", Utf16LE(u"<r>abc") + leading + units(u"xyz</r>"), syntax(223), 1, 7},
        {"lone leading surrogate before markup", Utf16LE(u"<r>abc") + leading + units(u"</r>"), syntax(223), 1, 7},
        {"lone trailing surrogate", Utf16LE(u"<r>abc") + trailing + units(u"xyz</r>"), syntax(252), 1, 7},
        {"lone surrogate after a pair", Utf16LE(u"<r>\n\U0001F600ab") + leading + units(u"c</r>"), syntax(223), 2, 4},
        {"encoding name too long to decode",
         "<?xml version=\"1.0\" encoding=\"" + std::string(100000, 'a') + "\"?><r/>", except(62), 1, 31},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", c.bytes));
        EXPECT_EQ(outcome.code, c.code) << c.name << ": " << outcome;
        EXPECT_EQ(outcome.line, c.line) << c.name << ": " << outcome;
        EXPECT_EQ(outcome.position, c.column) << c.name << ": " << outcome;
    }
}

// The document itself cannot be read: an input/output error naming it as
// the user named it, with no place in the file.
struct UnreadableCase {
    std::string name;
    std::uint32_t ownError;
};

void PrintTo(const UnreadableCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnreadableDocumentTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableDocumentTest, ReportsInputOutputErrorNamingThePath)
{
    const UnreadableCase& c = GetParam();
    TempDir dir;
    std::string drivePath;
    if (c.name == "DoesNotExist") {
        drivePath = DriveForm(dir.Path() / "absent.xml");
    } else if (c.name == "IsAFolder") {
        std::filesystem::create_directory(dir.Path() / "folder.xml");
        drivePath = DriveForm(dir.Path() / "folder.xml");
    } else if (c.name == "IsAPipe") {
        ASSERT_EQ(::mkfifo((dir.Path() / "pipe.xml").c_str(), 0600), 0);
        drivePath = DriveForm(dir.Path() / "pipe.xml");
    } else if (c.name == "NotReadable") {
        if (::geteuid() == 0)
            GTEST_SKIP() << "every file is readable to root";
        const auto file = dir.Write("locked.xml", "<r/>");
        std::filesystem::permissions(file, std::filesystem::perms::none);
        drivePath = DriveForm(file);
    } else if (c.name == "OtherDrive") {
        drivePath = "C:\\data\\site.xml";
    } else {
        drivePath = "site.xml";
    }
    const XmlLoadOutcome outcome = [&] {
        auto document = NewXmlDocument();
        return LoadWith(*document, drivePath);
    }();
    EXPECT_EQ(outcome.status, S_FALSE) << outcome;
    EXPECT_EQ(outcome.code, MakeXmlErrorCode(XmlErrorGroup::InputOutput, XmlErrorSource::Own, c.ownError))
        << outcome;
    EXPECT_NE(outcome.reason.find(drivePath), std::string::npos) << outcome;
}

INSTANTIATE_TEST_SUITE_P(Documents, UnreadableDocumentTest,
                         ::testing::Values(UnreadableCase{"DoesNotExist", XmlOwnError::FileNotFound},
                                           UnreadableCase{"IsAFolder", XmlOwnError::IsADirectory},
                                           UnreadableCase{"IsAPipe", XmlOwnError::NotARegularFile},
                                           UnreadableCase{"NotReadable", XmlOwnError::PermissionDenied},
                                           UnreadableCase{"OtherDrive", XmlOwnError::NotADrivePath},
                                           UnreadableCase{"NotADrivePath", XmlOwnError::NotADrivePath}),
                         [](const auto& info) { return info.param.name; });

// A file that exists but cannot be opened when it is read (no descriptor
// left, a disk error) is reported as such: never a verdict reached without
// the schema or DTD, never the parser's own code. The open is made to fail
// at the one place the component opens files, in the worker.
TEST(XmlComponent, FileThatCannotBeOpenedIsReportedAsSuch)
{
    TempDir dir;
    const auto schema = dir.Write("note.xsd", kNoteSchema);
    const auto dtd = dir.Write("memo.dtd", kMemoDtd);
    const auto schemaDocument = dir.Write("note.xml", Note("note.xsd"));
    const auto dtdDocument = dir.Write("memo.xml", "<!DOCTYPE memo SYSTEM \"memo.dtd\">\n<memo><from>Ann</from></memo>\n");
    ASSERT_TRUE(LoadFile(schemaDocument).Valid());
    ASSERT_TRUE(LoadFile(dtdDocument).Valid());
    struct Case {
        int error;
        std::uint32_t referenced; // the code when a referenced file fails
        std::uint32_t document;   // when the document itself fails
    };
    const Case cases[] = {
        {EMFILE, XmlOwnError::ReferencedReadFailed, XmlOwnError::ReadFailed},
        {ENFILE, XmlOwnError::ReferencedReadFailed, XmlOwnError::ReadFailed},
        {EACCES, XmlOwnError::ReferencedPermissionDenied, XmlOwnError::PermissionDenied},
        {EIO, XmlOwnError::ReferencedReadFailed, XmlOwnError::ReadFailed},
    };
    const std::pair<std::filesystem::path, std::filesystem::path> failing[] = {
        {schemaDocument, schema}, {dtdDocument, dtd}, {schemaDocument, schemaDocument}, {dtdDocument, dtdDocument}};
    for (const Case& c : cases) {
        for (const auto& [document, file] : failing) {
            const ScopedEnvironment failure("CORVANE_XML_OPEN_FAILURE", std::to_string(c.error) + ":" + file.string());
            const XmlLoadOutcome outcome = LoadFile(document);
            const bool itself = document == file;
            const std::string context = std::string(std::strerror(c.error)) + " opening " + file.string();
            EXPECT_EQ(outcome.code, XmlOwnErrorCode(itself ? c.document : c.referenced)) << context << ": " << outcome;
            EXPECT_NE(outcome.reason.find(DriveForm(file)), std::string::npos) << context << ": " << outcome;
            if (c.error != EACCES) {
                EXPECT_NE(outcome.reason.find(std::strerror(c.error)), std::string::npos) << context << ": " << outcome;
            }
            EXPECT_EQ(outcome.line, itself ? 0 : document == dtdDocument ? 1 : 2) << context << ": " << outcome;
        }
    }
}

TEST(XmlComponent, LoadRejectsASourceThatIsNotAString)
{
    auto document = NewXmlDocument();
    ASSERT_TRUE(document);
    VARIANT source; // VT_EMPTY
    VARIANT_BOOL loaded = VARIANT_TRUE;
    EXPECT_LT(document->load(source, &loaded), 0);
    EXPECT_EQ(loaded, VARIANT_FALSE);
}

TEST(XmlComponent, DtdIsValidatedEvenWhenTheEnvironmentDisablesIt)
{
    TempDir dir;
    dir.Write("memo.dtd", kMemoDtd);
    const auto file =
        dir.Write("doc.xml", "<!DOCTYPE memo SYSTEM \"memo.dtd\">\n<memo><body>x</body></memo>\n");
    ::setenv("XERCES_DISABLE_DTD", "1", 1);
    const XmlLoadOutcome outcome = LoadFile(file);
    ::unsetenv("XERCES_DISABLE_DTD");
    EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << outcome;
}

// The error names the file its line counts in, so that the window can tell
// a line of the document from a line of a schema, DTD or entity.
TEST(XmlComponent, ErrorNamesTheFileItsLineCountsIn)
{
    TempDir dir;
    dir.Write("note.xsd", kNoteSchema);
    dir.Write("order.xsd", kMainSchemaWithInclude);
    dir.Write("parts/types.xsd", kBrokenIncludedTypes);
    dir.Write("broken.dtd", "<!ELEMENT memo (from>\n");
    dir.Write("part.xml", "<from>x</frm>\n");
    const std::pair<std::string, const char*> cases[] = {
        {Note("note.xsd", "three"), "doc.xml"},
        {"<a>\n<b></a>\n", "doc.xml"},
        {Note("gone.xsd"), "doc.xml"}, // at its reference
        {"<order xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:noNamespaceSchemaLocation=\"order.xsd\"><qty>1</qty></order>\n",
         "parts/types.xsd"},
        {"<!DOCTYPE memo SYSTEM \"broken.dtd\">\n<memo/>\n", "broken.dtd"},
        {"<!DOCTYPE memo [<!ELEMENT memo ANY><!ENTITY part SYSTEM \"part.xml\">]>\n<memo>&part;</memo>\n",
         "part.xml"},
    };
    for (const auto& [document, fileOfError] : cases) {
        const XmlLoadOutcome outcome = LoadFile(dir.Write("doc.xml", document));
        EXPECT_EQ(outcome.url, DriveForm(dir.Path() / fileOfError)) << outcome;
        EXPECT_GT(outcome.line, 0) << outcome;
    }
}

} // namespace
