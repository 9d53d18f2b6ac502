// A document asked for every error (MultipleErrorMessages) reads on after
// validity errors and gives them all, in the order of the document.

#include "tests/platform/xml/component/xml_component_fixture.h"

#include <string>
#include <vector>

namespace {

const char* kSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="survey"><xs:complexType><xs:sequence>
    <xs:element name="point" type="xs:decimal" maxOccurs="unbounded"/>
  </xs:sequence></xs:complexType></xs:element>
</xs:schema>)";

// Line 3 holds the first point.
std::string Survey(const std::vector<std::string>& points, const char* doctype = "")
{
    std::string text = std::string("<?xml version=\"1.0\"?>") + doctype +
                       "\n<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xsi:noNamespaceSchemaLocation=\"survey.xsd\">\n";
    for (const std::string& point : points)
        text += "<point>" + point + "</point>\n";
    return text + "</survey>\n";
}

struct Reported {
    std::vector<long> lines;
    std::vector<long> columns;
    std::vector<std::uint32_t> codes;
};

Reported AllErrors(const std::filesystem::path& file, bool multiple)
{
    Reported reported;
    auto loaded = NewXmlDocument();
    std::unique_ptr<IXMLDOMDocument2> document;
    EXPECT_EQ(QueryInterface(loaded, document), S_OK);
    VARIANT on;
    on.vt = VT_BOOL;
    on.boolVal = multiple ? VARIANT_TRUE : VARIANT_FALSE;
    EXPECT_EQ(document->setProperty(u"MultipleErrorMessages", on), S_OK);
    const XmlLoadOutcome first = LoadWith(*document, DriveForm(file));
    std::unique_ptr<IXMLDOMParseError> error;
    document->get_parseError(error);
    std::unique_ptr<IXMLDOMParseError2> error2;
    std::unique_ptr<IXMLDOMParseErrorCollection> all;
    if (QueryInterface(error, error2) != S_OK || error2->get_allErrors(all) != S_OK)
        return reported;
    LONG length = 0;
    all->get_length(&length);
    for (LONG i = 0; i < length; ++i) {
        std::unique_ptr<IXMLDOMParseError2> item;
        EXPECT_EQ(all->get_item(i, item), S_OK);
        LONG code = 0, line = 0, column = 0;
        item->get_errorCode(&code);
        item->get_line(&line);
        item->get_linepos(&column);
        reported.lines.push_back(line);
        reported.columns.push_back(column);
        reported.codes.push_back(static_cast<std::uint32_t>(code));
    }
    std::unique_ptr<IXMLDOMParseError2> past;
    EXPECT_EQ(all->get_item(length, past), S_FALSE);
    if (length > 0) { // the parse error object stays the first error
        EXPECT_EQ(first.line, reported.lines.front());
    }
    return reported;
}

TEST(XmlComponentMultipleErrors, EveryValidityErrorInDocumentOrder)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    dir.Write("points.dtd", "<!ELEMENT survey (point*)><!ATTLIST survey xmlns:xsi CDATA #IMPLIED "
                            "xsi:noNamespaceSchemaLocation CDATA #IMPLIED><!ELEMENT point (#PCDATA)>"
                            "<!ATTLIST point id ID #REQUIRED>");
    std::vector<std::string> many(1200, "x");
    struct Case {
        const char* name;
        std::string content;
        bool multiple;
        std::vector<long> lines; // empty: check only the count below
        std::size_t count;
    };
    const Case cases[] = {
        {"first.xml", Survey({"a", "1", "b"}), false, {3}, 1},
        {"all.xml", Survey({"a", "1", "b", "c"}), true, {3, 5, 6}, 3},
        {"bounded.xml", Survey(many), true, {}, 1000},
        // The DTD's pass (missing ids) and the schemas' pass (values) merge.
        {"both.xml", Survey({"a", "1"}, "<!DOCTYPE survey SYSTEM \"points.dtd\">"), true, {3, 3, 4}, 3},
    };
    for (const Case& c : cases) {
        const Reported reported = AllErrors(dir.Write(c.name, c.content), c.multiple);
        EXPECT_EQ(reported.lines.size(), c.count) << c.name;
        if (!c.lines.empty()) {
            EXPECT_EQ(reported.lines, c.lines) << c.name;
        }
        for (const std::uint32_t code : reported.codes)
            EXPECT_EQ(XmlErrorGroupOf(code), XmlErrorGroup::Validity) << c.name;
    }
}

// The errors of a RELAX NG grammar the document names follow those of its
// schema hint, in the room the bound on reported errors leaves them.
TEST(XmlComponentMultipleErrors, RelaxNgErrorsFollowInTheRoomLeft)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    dir.Write("survey.rng", "<element name=\"survey\" xmlns=\"http://relaxng.org/ns/structure/1.0\" "
                            "datatypeLibrary=\"http://www.w3.org/2001/XMLSchema-datatypes\">"
                            "<attribute name=\"noNamespaceSchemaLocation\" "
                            "ns=\"http://www.w3.org/2001/XMLSchema-instance\"/>"
                            "<zeroOrMore><element name=\"point\"><data type=\"integer\"/></element></zeroOrMore>"
                            "</element>");
    const char* model = "\n<?xml-model href=\"survey.rng\" schematypens=\"http://relaxng.org/ns/structure/1.0\"?>";
    const auto rngErrors = [](const Reported& reported) {
        std::vector<long> lines;
        for (std::size_t i = 0; i < reported.codes.size(); ++i)
            if (XmlErrorSourceOf(reported.codes[i]) == XmlErrorSource::RelaxNgErrors)
                lines.push_back(reported.lines[i]);
        return lines;
    };
    // Line 4 holds the first point.
    const Reported few = AllErrors(dir.Write("few.xml", Survey({"1.5", "x", "2"}, model)), true);
    EXPECT_EQ(few.lines, (std::vector<long>{5, 4, 5}));
    EXPECT_EQ(rngErrors(few), (std::vector<long>{4, 5}));
    // Asked for the first error, the hint's is the one.
    const Reported first = AllErrors(dir.Write("first.xml", Survey({"1.5", "x", "2"}, model)), false);
    EXPECT_EQ(first.lines, (std::vector<long>{5}));
    EXPECT_EQ(rngErrors(first), (std::vector<long>{}));
    std::vector<std::string> points(990, "x");
    points.insert(points.begin(), "1.5");
    const Reported bounded = AllErrors(dir.Write("bounded.xml", Survey(points, model)), true);
    ASSERT_EQ(bounded.lines.size(), 1000u);
    EXPECT_EQ(rngErrors(bounded), (std::vector<long>{4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(XmlComponentMultipleErrors, LaterErrorsCountColumnsInCharacters)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    // A character beyond the Basic Multilingual Plane counts one, as in the
    // first error's column.
    const Reported reported =
        AllErrors(dir.Write("wide.xml", Survey({"\xF0\x9F\x98\x80x", "1", "\xF0\x9F\x98\x80y"})), true);
    ASSERT_EQ(reported.columns.size(), 2u);
    EXPECT_EQ(reported.columns[0], reported.columns[1]);
    EXPECT_EQ(reported.lines, (std::vector<long>{3, 5}));
}

TEST(XmlComponentMultipleErrors, UnknownPropertyIsRefused)
{
    auto loaded = NewXmlDocument();
    std::unique_ptr<IXMLDOMDocument2> document;
    ASSERT_EQ(QueryInterface(loaded, document), S_OK);
    VARIANT text;
    text.vt = VT_BSTR;
    EXPECT_EQ(document->setProperty(u"NoSuchProperty", VARIANT{VT_BOOL, {}, VARIANT_TRUE}), E_INVALIDARG);
    EXPECT_EQ(document->setProperty(u"MultipleErrorMessages", text), E_INVALIDARG);
}

} // namespace
