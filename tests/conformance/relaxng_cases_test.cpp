// The RELAX NG suite's cases as files: each instance must name its schema
// and otherwise say what the suite says, or the set measures something else.

#include "tests/conformance/corpus_sets.h"
#include "tests/conformance/relaxng_cases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

TEST(RelaxNgCases, TheAssociationComesFirstOrRightAfterTheDeclaration)
{
    const std::string pi = RelaxNgModelInstruction();
    const struct {
        std::string_view document;
        std::string want;
    } kCases[] = {
        {"<foo/>", pi + "\n<foo/>"},
        {"<?xml version='1.0'?><foo/>", "<?xml version='1.0'?>\n" + pi + "<foo/>"},
        {"<?xml\tversion=\"1.0\" encoding=\"UTF-8\"?>\r\n<!DOCTYPE foo [<!ENTITY e 'x'>]><foo>&e;</foo>",
         "<?xml\tversion=\"1.0\" encoding=\"UTF-8\"?>\n" + pi +
             "\r\n<!DOCTYPE foo [<!ENTITY e 'x'>]><foo>&e;</foo>"},
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?><foo/>",
         "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n" + pi + "<foo/>"},
        {"\xEF\xBB\xBF<foo/>", "\xEF\xBB\xBF" + pi + "\n<foo/>"},
        // An instruction that only starts like the declaration is content.
        {"<?xml-stylesheet href='a'?><foo/>", pi + "\n<?xml-stylesheet href='a'?><foo/>"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(WithModelInstruction(c.document), c.want) << c.document;
    EXPECT_EQ(WithModelInstruction("<?xml version='1.0'"), std::nullopt);
}

class RelaxNgSuite : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/relaxng-cases-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        std::ofstream(m_folder / "SOURCE") << "abc123 Mon Dec 30 2024\n";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::optional<std::size_t> Write(const std::string& suite, std::string* error)
    {
        std::ofstream(m_folder / "spectest.xml", std::ios::binary) << suite;
        return WriteRelaxNgCases(m_folder, error);
    }
    std::string Read(const fs::path& relative) const
    {
        std::ifstream in(m_folder / relative, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_folder;
};

TEST_F(RelaxNgSuite, WritesSchemasResourcesInstancesAndTheManifest)
{
    const std::string suite = R"(<!DOCTYPE testSuite [<!ENTITY th "&#xE14;">]>
<testSuite><testSuite><section>4.5</section>
<testCase><section>4.5</section><section>4.6</section>
<dir name="sub"><resource name="x"><element xmlns="http://relaxng.org/ns/structure/1.0" name="foo"><empty/></element></resource></dir>
<correct><externalRef xmlns="http://relaxng.org/ns/structure/1.0" xml:base="sub/y" href="x"/></correct>
<valid><e:foo xmlns:e="http://e.example" xmlns="http://relaxng.org/ns/structure/1.0">&th;</e:foo></valid>
<invalid> <!-- c --><bar b='1&#9;2'
  a="&#x41;&amp;"/> </invalid>
<valid><![CDATA[<?xml version="1.0"?><!DOCTYPE foo><foo/>]]></valid>
</testCase></testSuite>
<testCase><incorrect><thisIsJunk/></incorrect></testCase>
<testCase><correct><element name="foo" xmlns="http://relaxng.org/ns/structure/1.0"><empty/></element></correct></testCase>
</testSuite>)";
    std::string error;
    ASSERT_EQ(Write(suite, &error), 3u) << error;
    const std::string pi = RelaxNgModelInstruction();
    EXPECT_EQ(Read("cases/001/sub/x"),
              "<element xmlns=\"http://relaxng.org/ns/structure/1.0\" name=\"foo\"><empty/></element>\n");
    EXPECT_EQ(Read("cases/001/schema.rng"), "<externalRef xmlns=\"http://relaxng.org/ns/structure/1.0\" "
                                            "xml:base=\"sub/y\" href=\"x\"/>\n");
    // Every namespace declaration stays (a QName value may need one no name
    // uses); the suite's own entity is replaced by its text.
    EXPECT_EQ(Read("cases/001/valid-1.xml"),
              pi + "\n<e:foo xmlns:e=\"http://e.example\" "
                   "xmlns=\"http://relaxng.org/ns/structure/1.0\">\xE0\xB8\x94</e:foo>\n");
    // Otherwise the bytes are the suite's: quotes, line breaks, references.
    EXPECT_EQ(Read("cases/001/invalid-1.xml"),
              pi + "\n<!-- c --><bar b='1&#9;2'\n  a=\"&#x41;&amp;\"/>\n");
    EXPECT_EQ(Read("cases/001/valid-2.xml"),
              "<?xml version=\"1.0\"?>\n" + pi + "<!DOCTYPE foo><foo/>");
    EXPECT_EQ(Read("cases/002/schema.rng"), "<thisIsJunk/>\n");
    EXPECT_EQ(Read("cases/002/incorrect-schema.xml"), pi + "\n<foo/>\n");

    const std::string source = "\tgithub.com/relaxng/jing-trang@abc123\tBSD-3-Clause (COPYING)\t";
    EXPECT_EQ(Read("MANIFEST.tsv"),
              "instance\tschemas\texpected\tsource_repo\tlicence\tcase\tsection\n"
              "cases/001/valid-1.xml\tcases/001/schema.rng\tvalid" + source + "001\t4.5 4.6\n"
              "cases/001/invalid-1.xml\tcases/001/schema.rng\tinvalid" + source + "001\t4.5 4.6\n"
              "cases/001/valid-2.xml\tcases/001/schema.rng\tvalid" + source + "001\t4.5 4.6\n"
              "cases/002/incorrect-schema.xml\tcases/002/schema.rng\tincorrect-schema" + source + "002\t\n"
              "\tcases/003/schema.rng\tno-instance" + source + "003\t\n");
}

// An incorrect schema is refused only by a report about the schema: an
// instance found invalid against a schema that should not compile is no
// agreement.
TEST_F(RelaxNgSuite, TheSetExpectsAReferencedDocumentReportForAnIncorrectSchema)
{
    std::string error;
    ASSERT_EQ(Write("<testSuite><testCase><incorrect><a/></incorrect></testCase><testCase>"
                    "<correct><a/></correct><valid><a/></valid><invalid><b/></invalid>"
                    "</testCase><testCase><correct><a/></correct></testCase></testSuite>",
                    &error),
              3u)
        << error;
    const auto manifest = CorpusManifest::Read(m_folder, &error);
    ASSERT_TRUE(manifest) << error;
    const CorpusSet* set = FindCorpusSet("relaxng");
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(manifest->RowCount(), 4u);
    const auto outcome = [](Verdict got, std::string code) {
        Outcome o;
        o.got = got;
        o.code = std::move(code);
        return o;
    };
    const struct {
        std::size_t row;
        Outcome got;
        bool agrees;
    } kCases[] = {
        {0, outcome(Verdict::Error, "8C31002A"), true},
        {0, outcome(Verdict::Error, "8C220005"), false},
        {0, outcome(Verdict::Valid, ""), false},
        {1, outcome(Verdict::Valid, ""), true},
        {1, outcome(Verdict::Error, "8C220005"), false},
        {2, outcome(Verdict::Error, "8C220005"), true},
        {2, outcome(Verdict::NoReport, ""), false},
    };
    for (const auto& c : kCases) {
        const auto selection = set->select(*manifest, c.row);
        ASSERT_TRUE(selection.selected) << c.row;
        EXPECT_EQ(Agrees(*selection.selected, c.got), c.agrees) << c.row << " " << c.got.code;
    }
    EXPECT_FALSE(set->select(*manifest, 3).selected); // a schema with no instance to check
}

TEST_F(RelaxNgSuite, RefusesCasesItCannotWriteFaithfully)
{
    const struct {
        const char* why;
        std::string body; // inside <testSuite><testCase>
        const char* named;
    } kCases[] = {
        {"a resource leaving the case's folder",
         "<resource name='../x'><a/></resource><correct><a/></correct>", "no plain file name"},
        {"a resource taking the schema's name",
         "<resource name='schema.rng'><a/></resource><correct><a/></correct>", "two files"},
        {"an instance in another encoding",
         "<correct><a/></correct><valid><![CDATA[<?xml version='1.0' encoding='ISO-8859-1'?><a/>]]></valid>",
         "iso-8859-1"},
        {"a namespace bound around the case",
         "<correct><a/></correct><valid xmlns:p='urn:p'><a>p:x</a></valid>", "namespaces declared"},
        {"no schema", "<valid><a/></valid>", "without a schema"},
    };
    for (const auto& c : kCases) {
        std::string error;
        EXPECT_EQ(Write("<testSuite><testCase>" + c.body + "</testCase></testSuite>", &error),
                  std::nullopt)
            << c.why;
        EXPECT_NE(error.find(c.named), std::string::npos) << c.why << ": " << error;
        EXPECT_FALSE(fs::exists(m_folder / "MANIFEST.tsv")) << c.why;
    }
}

} // namespace
