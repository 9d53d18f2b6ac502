// The pseudo-attributes of xml-model instructions, and the language an
// association names.

#include "platform/xml/load/xml_model_associations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DataCase {
    std::u16string data;
    std::string href;      // expected, when well formed
    std::string malformed; // a part of the reason, when not
};

TEST(XmlModelData, PseudoAttributesAsForStylesheets)
{
    const std::vector<DataCase> cases{
        {u"href=\"a.rng\"", "a.rng", ""},
        {u"  href = 'a.rng'  ", "a.rng", ""},
        {u"href=\"it&apos;s &amp; &lt;x&gt; &quot;q&quot;.rng\"", "it's & <x> \"q\".rng", ""},
        {u"href=\"&#97;&#x62;&#X63;\"", "", "starts no character reference"}, // &#X is no reference
        {u"href=\"&#97;&#x62;&#x1F600;\"", "ab\xF0\x9F\x98\x80", ""},
        {u"href=\"a.rng\" future=\"x\" schema-x='y'", "a.rng", ""}, // unknown ones are ignored
        {u"href=\"a\"type=\"b\"", "", "separated by blanks"},
        {u"href=a.rng", "", "not in quotes"},
        {u"href", "", "no \"=\""},
        {u"href=\"a.rng", "", "no closing quote"},
        {u"href=\"a<b\"", "", "\"<\""},
        {u"href=\"a&b;\"", "", "starts no character reference"},
        {u"href=\"&#0;\"", "", "starts no character reference"},
        {u"href=\"a\" href=\"b\"", "", "given twice"},
        {u"type=\"application/xml\"", "", "no href"},
        {u"", "", "no href"},
        {u"=\"a\"", "", "cannot start"},
    };
    for (const DataCase& c : cases) {
        const XmlModelAssociation association = ParseXmlModelData(c.data, 4, 9);
        EXPECT_EQ(association.line, 4u);
        EXPECT_EQ(association.column, 9u);
        if (c.malformed.empty()) {
            EXPECT_EQ(association.malformed, "") << std::string(c.data.begin(), c.data.end());
            EXPECT_EQ(association.href, c.href);
        } else {
            EXPECT_NE(association.malformed.find(c.malformed), std::string::npos)
                << std::string(c.data.begin(), c.data.end()) << ": " << association.malformed;
            EXPECT_EQ(association.href, "");
        }
    }
}

TEST(XmlModelData, EveryPseudoAttributeOfTheNote)
{
    const XmlModelAssociation association = ParseXmlModelData(
        u"href=\"h\" type=\"t\" schematypens=\"s\" phase=\"p\" charset=\"c\" title=\"ti\" group=\"g\"", 1, 1);
    EXPECT_EQ(association.malformed, "");
    const std::vector<std::string> got{association.href,    association.type,  association.schematypens,
                                       association.phase,   association.charset, association.title,
                                       association.group};
    EXPECT_EQ(got, (std::vector<std::string>{"h", "t", "s", "p", "c", "ti", "g"}));
}

TEST(XmlModelLanguage, SchematypensThenTypeThenTheEnding)
{
    struct Case {
        std::u16string data;
        XmlModelLanguage language;
    };
    const Case cases[]{
        {u"href=\"a\" schematypens=\"http://relaxng.org/ns/structure/1.0\"", XmlModelLanguage::RelaxNg},
        {u"href=\"a.rnc\" schematypens=\"http://relaxng.org/ns/structure/1.0\"", XmlModelLanguage::RelaxNgCompact},
        {u"href=\"a.RNC#x\"", XmlModelLanguage::RelaxNgCompact},
        {u"href=\"a\" type=\"application/relax-ng-compact-syntax; charset=utf-8\"", XmlModelLanguage::RelaxNgCompact},
        {u"href=\"a\" schematypens=\"http://www.w3.org/2001/XMLSchema\"", XmlModelLanguage::XmlSchema},
        {u"href=\"a\" schematypens=\"http://purl.oclc.org/dsdl/schematron\"", XmlModelLanguage::Schematron},
        {u"href=\"a\" schematypens=\"http://www.ascc.net/xml/schematron\"", XmlModelLanguage::Schematron},
        {u"href=\"a\" schematypens=\"http://purl.oclc.org/dsdl/nvdl/ns/structure/1.0\"", XmlModelLanguage::Nvdl},
        {u"href=\"a\" schematypens=\"urn:other\" type=\"application/xml-dtd\"", XmlModelLanguage::Other},
        {u"href=\"a.dtd\" type=\"application/xml-dtd\"", XmlModelLanguage::Dtd},
        {u"href=\"a.rng\" type=\"application/xml\"", XmlModelLanguage::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XmlModelLanguageOf(ParseXmlModelData(c.data, 1, 1)), c.language)
            << std::string(c.data.begin(), c.data.end());
}

} // namespace
