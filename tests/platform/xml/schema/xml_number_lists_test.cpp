// Lists of numbers through the quick item validators: what the quick path
// accepts, the built-in type accepts too; documents get the same verdicts
// and messages with and without it.

#include "platform/xml/schema/xml_number_lists.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_runtime.h"
#include "tests/platform/xml/component/xml_component_fixture.h"

#include <xercesc/util/XMLException.hpp>
#include <xercesc/validators/datatype/DatatypeValidatorFactory.hpp>

#include <string>

namespace {

namespace xc = xercesc;

struct ItemCase {
    const char16_t* type;
    const char16_t* item;
    bool quick; // taken by the quick path
};

const ItemCase kItems[] = {
    {u"double", u"5200000.010", true},   {u"double", u"-0.5", true},     {u"double", u"42", true},
    {u"double", u"1e3", false},          {u"double", u"INF", false},     {u"double", u"1.", false},
    {u"double", u".5", false},           {u"double", u"+1", false},      {u"double", u"1.2.3", false},
    {u"double", u"", false},             {u"double", u"-", false},       {u"double", u"１", false},
    {u"decimal", u"-12.250", true},      {u"decimal", u"0012", true},    {u"decimal", u"1e3", false},
    {u"integer", u"1430000", true},      {u"integer", u"-7", true},      {u"integer", u"1.0", false},
    {u"integer", u"+5", false},          {u"integer", u"12a", false},
    {u"positiveInteger", u"1430000", true}, {u"positiveInteger", u"007", true}, {u"positiveInteger", u"0", false},
    {u"positiveInteger", u"000", false}, {u"positiveInteger", u"-1", false},
    {u"nonNegativeInteger", u"0", true}, {u"nonNegativeInteger", u"-0", false},
    {u"double", u"12345678901234567890123456789012345678901", false}, // longer than the quick path takes
};

TEST(NumberLists, QuickItemsAreValidForTheBuiltInType)
{
    ASSERT_TRUE(EnsureXmlRuntime());
    xc::DatatypeValidatorFactory factory;
    for (const ItemCase& c : kItems) {
        const std::string what = WideToAnsi(std::u16string(c.type)) + " '" + WideToAnsi(std::u16string(c.item)) + "'";
        EXPECT_EQ(QuickNumberAccepted(c.item, c.type), c.quick) << what;
        if (!c.quick)
            continue;
        xc::DatatypeValidator* builtIn = factory.getDatatypeValidator(c.type);
        ASSERT_NE(builtIn, nullptr) << what;
        EXPECT_NO_THROW(builtIn->validate(c.item, nullptr, xc::XMLPlatformUtils::fgMemoryManager)) << what;
    }
}

const char* const kListSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:simpleType name="point"><xs:list itemType="xs:double"/></xs:simpleType>
  <xs:simpleType name="point3"><xs:restriction base="point"><xs:maxLength value="3"/></xs:restriction></xs:simpleType>
  <xs:simpleType name="face"><xs:list itemType="xs:integer"/></xs:simpleType>
  <xs:simpleType name="amounts"><xs:list itemType="xs:decimal"/></xs:simpleType>
  <xs:element name="r">
    <xs:complexType><xs:sequence>
      <xs:element name="p" type="point3" minOccurs="0" maxOccurs="unbounded"/>
      <xs:element name="f" type="face" minOccurs="0" maxOccurs="unbounded"/>
      <xs:element name="a" type="amounts" minOccurs="0" maxOccurs="unbounded"/>
      <xs:element name="amount" type="xs:decimal" minOccurs="0" maxOccurs="unbounded"/>
      <xs:element name="count" type="xs:positiveInteger" minOccurs="0" maxOccurs="unbounded"/>
      <xs:element name="fixed" type="xs:decimal" fixed="1.0" minOccurs="0" maxOccurs="unbounded"/>
    </xs:sequence>
    <xs:attribute name="id" type="xs:positiveInteger"/>
    <xs:attribute name="count" type="xs:nonNegativeInteger"/>
    <xs:attribute name="scale" type="xs:double"/></xs:complexType>
  </xs:element>
</xs:schema>
)";

struct ListCase {
    const char* body;
    bool valid;
};

const ListCase kLists[] = {
    {"<p>1.5 -2 3.25</p><f>1 2 3</f><a>0.10 7</a>", true},
    {"<p>1e3 INF NaN</p><f>+1 -2 03</f><a>.5</a>", true},
    {"<p>1.5 2.5 x</p>", false},
    {"<p>1 2 3 4</p>", false},
    {"<f>1 2 3.0</f>", false},
    {"<a>1.2.3</a>", false},
    {"<p>1.</p><f>7</f><p>-</p>", false},
    {"<amount>8586.17</amount><amount>-1</amount><count>3</count>", true},
    {"<amount>1e3</amount>", false},
    {"<count>0</count>", false},
    {"<amount xsi:type=\"xs:decimal\">1.5</amount><amount xsi:type=\"xs:integer\">2</amount>", true},
    {"<amount xsi:type=\"xs:integer\">1.5</amount>", false},
    {"<amount xsi:type=\"xs:string\">1</amount>", false},
    {"<count xsi:type=\"xs:integer\">5</count>", false},
    {"<fixed>1</fixed><fixed>1.00</fixed>", true},
    {"<fixed>2</fixed>", false},
};

// Attributes on the root.
const ListCase kAttributes[] = {
    {"id=\"12\" count=\"0\" scale=\"-0.25\"", true},
    {"id=\" 0012 \" scale=\"1E-3\"", true},
    {"id=\"0\"", false},
    {"count=\"-1\"", false},
    {"id=\"1.0\"", false},
    {"scale=\"1,5\"", false},
};

class NumberListDocuments : public ::testing::TestWithParam<ListCase> {
protected:
    void TearDown() override { UseQuickChecks(true); }
};

TEST_P(NumberListDocuments, SameVerdictAndMessageAsTheBuiltInTypes)
{
    TempDir dir;
    dir.Write("s.xsd", kListSchema);
    const bool attributes = GetParam().body[0] != '<';
    const auto file = dir.Write("d.xml", std::string("<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                                     "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xsi:noNamespaceSchemaLocation=\"s.xsd\" ") +
                                             (attributes ? GetParam().body : "") + ">\n" +
                                             (attributes ? "" : GetParam().body) + "\n</r>\n");
    // The built-in types first: the schema is kept for the second load, which
    // gives its lists the quick validators.
    UseQuickChecks(false);
    const XmlLoadOutcome builtIn = LoadFile(file);
    UseQuickChecks(true);
    const XmlLoadOutcome quick = LoadFile(file);
    EXPECT_EQ(quick.Valid(), GetParam().valid) << quick;
    EXPECT_EQ(quick.code, builtIn.code) << quick << " / " << builtIn;
    EXPECT_EQ(quick.line, builtIn.line);
    EXPECT_EQ(quick.position, builtIn.position);
    EXPECT_EQ(quick.reason, builtIn.reason);
}

INSTANTIATE_TEST_SUITE_P(Lists, NumberListDocuments, ::testing::ValuesIn(kLists));
INSTANTIATE_TEST_SUITE_P(Attributes, NumberListDocuments, ::testing::ValuesIn(kAttributes));

} // namespace
