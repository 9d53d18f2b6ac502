// Keys, keyrefs and uniques: our engine against the parser's own, case by
// case, and key values compared in the value space.

#include "platform/xml/schema/xml_identity_constraints.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_runtime.h"
#include "tests/platform/xml/component/xml_component_fixture.h"

#include <xercesc/validators/datatype/DatatypeValidatorFactory.hpp>

#include <string>
#include <vector>

namespace {

namespace xc = xercesc;

const char* const kGroupsSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:t" xmlns:t="urn:t"
           elementFormDefault="qualified">
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:element name="g" maxOccurs="unbounded">
        <xs:complexType><xs:sequence>
          <xs:element name="i" minOccurs="0" maxOccurs="unbounded">
            <xs:complexType>
              <xs:attribute name="n" type="xs:decimal"/>
              <xs:attribute name="m" type="xs:string"/>
            </xs:complexType>
          </xs:element>
          <xs:element name="ref" minOccurs="0" maxOccurs="unbounded">
            <xs:complexType><xs:attribute name="to" type="xs:decimal"/></xs:complexType>
          </xs:element>
        </xs:sequence></xs:complexType>
        <xs:unique name="namePerGroup"><xs:selector xpath="t:i"/><xs:field xpath="@m"/></xs:unique>
      </xs:element>
    </xs:sequence></xs:complexType>
    <xs:key name="k"><xs:selector xpath=".//t:i"/><xs:field xpath="@n"/></xs:key>
    <xs:keyref name="kr" refer="t:k"><xs:selector xpath=".//t:ref | t:g/t:ref"/><xs:field xpath="@to"/></xs:keyref>
  </xs:element>
</xs:schema>
)";

const char* const kPairsSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:element name="p" maxOccurs="unbounded">
        <xs:complexType>
          <xs:attribute name="a" type="xs:integer"/>
          <xs:attribute name="b" type="xs:QName"/>
        </xs:complexType>
      </xs:element>
    </xs:sequence></xs:complexType>
    <xs:key name="ab"><xs:selector xpath="./p"/><xs:field xpath="@a"/><xs:field xpath="@b"/></xs:key>
  </xs:element>
</xs:schema>
)";

const char* const kNestedSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:element name="e" maxOccurs="unbounded">
        <xs:complexType><xs:sequence>
          <xs:element name="id"><xs:complexType><xs:attribute name="v" type="xs:int"/></xs:complexType></xs:element>
        </xs:sequence></xs:complexType>
      </xs:element>
    </xs:sequence></xs:complexType>
    <xs:unique name="sub"><xs:selector xpath="e"/><xs:field xpath="id/@v"/></xs:unique>
  </xs:element>
</xs:schema>
)";

// A field on element text: the parser's engine checks this schema.
const char* const kTextSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:element name="q" maxOccurs="unbounded" type="xs:decimal"/>
    </xs:sequence></xs:complexType>
    <xs:unique name="text"><xs:selector xpath="q"/><xs:field xpath="."/></xs:unique>
  </xs:element>
</xs:schema>
)";

struct IdentityCase {
    const char* name;
    const char* schema;
    const char* body; // the root's content
    const char* errorAfter; // where the error is reported; null when valid
    const char* reasonHas;
};

// Longer than the first chunk of a key table.
const std::string kLongName(2000, 'x');
const std::string kLongNames = "<g><i n=\"1\" m=\"" + kLongName + "\"/><i n=\"2\" m=\"" + kLongName + "\"/></g>";
const std::string kSecondLongName = "<i n=\"2\" m=\"" + kLongName + "\"/>";

const IdentityCase kCases[] = {
    {"keys and references", kGroupsSchema,
     R"(<g><i n="1" m="a"/><i n="2" m="b"/></g><g><i n="3" m="a"/><ref to="2"/></g>)", nullptr, ""},
    {"a reference in another spelling of the key", kGroupsSchema,
     R"(<g><i n="2"/><ref to="2.000"/></g>)", nullptr, ""},
    {"1.0 and 1 are one decimal key", kGroupsSchema, R"(<g><i n="1.0"/><i n="1"/></g>)", R"(<i n="1"/>)",
     "duplicate identity constraint key"},
    {"a reference to no key", kGroupsSchema, R"(<g><i n="1"/><ref to="7"/></g>)", "</g></r>", "not found"},
    {"a missing key", kGroupsSchema, R"(<g><i m="x"/></g>)", R"(<i m="x"/>)", "with no value"},
    {"a name twice in one group", kGroupsSchema, R"(<g><i n="1" m="a"/><i n="2" m="a"/></g>)",
     R"(<i n="2" m="a"/>)", "duplicate identity constraint unique"},
    {"two fields, one missing", kPairsSchema, R"(<p a="1" b="x"/><p a="2"/>)", R"(<p a="2"/>)", "not have enough values"},
    {"QNames compare by namespace", kPairsSchema,
     R"(<p xmlns:x="urn:a" a="1" b="x:n"/><p xmlns:y="urn:a" a="01" b="y:n"/>)",
     R"(<p xmlns:y="urn:a" a="01" b="y:n"/>)", "duplicate identity constraint key"},
    {"QNames in different namespaces", kPairsSchema,
     R"(<p xmlns:x="urn:a" a="1" b="x:n"/><p xmlns:x="urn:b" a="1" b="x:n"/>)", nullptr, ""},
    {"a long name twice in one group", kGroupsSchema, kLongNames.c_str(), kSecondLongName.c_str(),
     "duplicate identity constraint unique"},
    {"a field on a child's attribute", kNestedSchema, R"(<e><id v="1"/></e><e><id v="01"/></e>)",
     R"(<id v="01"/>)", "duplicate identity constraint unique"},
    {"distinct values on children", kNestedSchema, R"(<e><id v="1"/></e><e><id v="2"/></e>)", nullptr, ""},
    {"element text", kTextSchema, R"(<q>1.0</q><q>1</q>)", "<q>1</q>", "duplicate identity constraint unique"},
};

class IdentityConstraints : public ::testing::TestWithParam<IdentityCase> {
protected:
    void TearDown() override { UseQuickChecks(true); }
};

TEST_P(IdentityConstraints, OurEngineGivesTheParsersVerdict)
{
    const IdentityCase& c = GetParam();
    TempDir dir;
    dir.Write("s.xsd", c.schema);
    const bool spaced = std::string(c.schema).find("targetNamespace") != std::string::npos;
    const std::string document =
        std::string("<?xml version=\"1.0\"?>\n<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" ") +
        (spaced ? "xmlns=\"urn:t\" xsi:schemaLocation=\"urn:t s.xsd\"" : "xsi:noNamespaceSchemaLocation=\"s.xsd\"") +
        ">\n" + c.body + "</r>\n";
    const auto file = dir.Write("d.xml", document);

    UseQuickChecks(true);
    const XmlLoadOutcome ours = LoadFile(file);
    UseQuickChecks(false);
    const XmlLoadOutcome parsers = LoadFile(file);

    EXPECT_EQ(ours.code, parsers.code) << ours << " / " << parsers;
    EXPECT_EQ(ours.line, parsers.line);
    EXPECT_EQ(ours.position, parsers.position);
    EXPECT_EQ(ours.reason, parsers.reason);
    if (c.errorAfter == nullptr) {
        EXPECT_TRUE(ours.Valid()) << ours;
        return;
    }
    EXPECT_EQ(ours.Group(), XmlErrorGroup::Validity) << ours;
    const auto [line, column] = After(document, c.errorAfter);
    EXPECT_EQ(ours.line, line) << ours;
    EXPECT_EQ(ours.position, column) << ours;
    EXPECT_NE(ours.reason.find(c.reasonHas), std::string::npos) << ours;
}

INSTANTIATE_TEST_SUITE_P(Cases, IdentityConstraints, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<IdentityCase>& info) {
                             std::string name;
                             for (const char* at = info.param.name; *at != 0; ++at)
                                 name += std::isalnum(static_cast<unsigned char>(*at)) ? *at : '_';
                             return name;
                         });

struct ValueCase {
    const char16_t* leftType;
    const char16_t* left;
    const char16_t* rightType;
    const char16_t* right;
    bool same;
};

const ValueCase kValues[] = {
    {u"decimal", u"1.0", u"decimal", u"1", true},
    {u"decimal", u"1.50", u"integer", u"1", false},
    {u"integer", u"007", u"decimal", u"7.0", true}, // judged as decimals, their common type
    {u"double", u"1e0", u"double", u"1.0", true},
    {u"double", u"INF", u"double", u"1.0", false},
    {u"string", u"a", u"token", u"a", true},
    {u"string", u"1", u"decimal", u"1", false}, // unrelated types never agree
    {u"boolean", u"true", u"boolean", u"1", true},
    {nullptr, u"1.0", u"decimal", u"1", false}, // no type: compared as text
    {nullptr, u"x", nullptr, u"x", true},
    {u"string", u"", u"string", u"", true},
    {u"string", u"", u"token", u"", false}, // empty values agree only under one type
};

TEST(IdentityKeyValues, CompareInTheValueSpaceAndHashAlike)
{
    ASSERT_TRUE(EnsureXmlRuntime());
    xc::DatatypeValidatorFactory factory;
    const auto type = [&](const char16_t* name) {
        return name == nullptr ? nullptr : factory.getDatatypeValidator(name);
    };
    for (const ValueCase& c : kValues) {
        const XmlKeyField left{type(c.leftType), c.left};
        const XmlKeyField right{type(c.rightType), c.right};
        const std::string what = WideToAnsi(std::u16string(c.left)) + " / " + WideToAnsi(std::u16string(c.right));
        ASSERT_TRUE(c.leftType == nullptr || left.type != nullptr) << what;
        EXPECT_EQ(SameXmlKeyValue(left, right, xc::XMLPlatformUtils::fgMemoryManager), c.same) << what;
        EXPECT_EQ(SameXmlKeyValue(right, left, xc::XMLPlatformUtils::fgMemoryManager), c.same) << what;
        if (c.same && (left.type == nullptr) == (right.type == nullptr)) {
            EXPECT_EQ(XmlKeyValueHash(left, xc::XMLPlatformUtils::fgMemoryManager),
                      XmlKeyValueHash(right, xc::XMLPlatformUtils::fgMemoryManager))
                << what;
        }
    }
}

} // namespace

namespace {

// A schema named inside the document, whose constraint only the parser's
// engine checks, is met after our engine took over from the root: the load
// is read again with the parser's engine.
TEST(IdentityConstraintsHandBack, SchemaReadMidDocument)
{
    TempDir dir;
    dir.Write("s.xsd", R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:any namespace="urn:b" processContents="strict" maxOccurs="unbounded"/>
    </xs:sequence><xs:attribute name="id" type="xs:string"/></xs:complexType>
    <xs:key name="self"><xs:selector xpath="."/><xs:field xpath="@id"/></xs:key>
  </xs:element>
</xs:schema>)");
    dir.Write("b.xsd", R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:b"
           xmlns:b="urn:b" elementFormDefault="qualified">
  <xs:element name="list">
    <xs:complexType><xs:sequence>
      <xs:element name="q" maxOccurs="unbounded" type="xs:decimal"/>
    </xs:sequence></xs:complexType>
    <xs:unique name="text"><xs:selector xpath="b:q"/><xs:field xpath="."/></xs:unique>
  </xs:element>
</xs:schema>)");
    const std::string document = R"(<r xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" id="a"
   xsi:noNamespaceSchemaLocation="s.xsd">
<list xmlns="urn:b" xsi:schemaLocation="urn:b b.xsd"><q>1.0</q><q>1</q></list></r>)";
    const auto file = dir.Write("d.xml", document);
    UseQuickChecks(true);
    const XmlLoadOutcome ours = LoadFile(file);
    UseQuickChecks(false);
    const XmlLoadOutcome parsers = LoadFile(file);
    UseQuickChecks(true);
    EXPECT_EQ(ours.code, parsers.code) << ours << " / " << parsers;
    const auto [line, column] = After(document, "<q>1</q>");
    EXPECT_EQ(ours.line, line) << ours;
    EXPECT_EQ(ours.position, column) << ours;
    EXPECT_NE(ours.reason.find("duplicate identity constraint unique"), std::string::npos) << ours;
}

} // namespace
